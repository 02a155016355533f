#pragma once

#include <QWidget>

#include "gfx/PictureRef.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;

namespace qv {

class Bitmap;
class MaskToolBar;
class PreviewHost;
class PreviewView;
class TFlatPanel;

// The preview dialog: shows a full-size render and offers Apply (Enter),
// Cancel (Esc) and Change Color. Modeless; created hidden with the main
// window, which owns it: it stays above that window and opens over its
// display, beside the controls. It can be resized and maximised; the
// picture then fits the larger frame.
//
// The render can be looked at closely (zoom by the buttons, the wheel,
// Ctrl+plus, Ctrl+minus, Ctrl+0 to fit and Ctrl+1 for 100 %; pan by
// dragging), compared with the picture it was rendered from (Original, the
// space bar or the right mouse button held; Split with a divider to drag),
// and taken at a strength from 0 to 100 %, which is what Apply commits.
// None of that renders the effect again.
//
// Where the effect goes is painted or drawn as a mask (MaskToolBar); its
// edits are undone and redone with Ctrl+Z and Ctrl+Shift+Z while the
// dialog has the focus and the mask has edits, leaving the editor's
// history alone. Apply commits the mask with the step; hiding the dialog
// (Apply, Cancel) starts the next preview without one.
//
// Apply commits the render the dialog shows, at the strength chosen, which
// the editing session keeps with the step that made it: the result bitmap
// is shared scratch that a category choice or a Save may replace while the
// dialog is open.
class TFormPreview : public QWidget {
  Q_OBJECT
 public:
  explicit TFormPreview(QWidget *parent = nullptr);

  // The window whose picture Apply changes and which renders again for
  // Change Color. Without one the three buttons only close or do nothing.
  void SetHost(PreviewHost *host) { host_ = host; }

  // Apply: commits the shown render at the strength chosen and hides the
  // dialog. Does nothing while no render is shown.
  void BtnApplyClick();
  // Cancel (and Esc and the close box): stops a render that runs and hides
  // the dialog; nothing else changes.
  void Button2Click();
  // Change Color: the same effect again, with colours picked by the user.
  void BtnColorClick();

  // A render has started: the notice and the progress replace the picture,
  // and nothing can be applied until a render has finished.
  void BeginRender();
  // How far the render has come, 0 to 1.
  void SetProgress(double fraction);
  // A render has finished: the dialog shows `result`, rendered from
  // `original` (both shared, not copied); Apply is offered when it is
  // `applicable` (a render of the working picture).
  void ShowRender(PictureRef result, PictureRef original, bool applicable = true);
  // A render has failed: the notice goes, the picture stays hidden and
  // Apply stays disabled.
  void RenderFailed();
  // The render was cancelled from the main window (another category was
  // chosen): there is nothing to show, and the dialog hides.
  void RenderCancelled();
  // Whether a finished render is shown (and so can be applied).
  bool HasRender() const { return hasRender_; }
  // Whether the dialog waits for a render.
  bool Rendering() const { return rendering_; }

  // Shows the dialog in front; a hidden one first goes to its place beside
  // the controls (PreviewHost::PreviewArea), or the first time to where it
  // was in the run before.
  void ShowBeside();
  // Remembers its size, place and maximised state for the next run.
  void KeepGeometry();

  TFlatPanel *Panel1;
  PreviewView *ImgPreview;
  QLabel *Label1;                // "PROCESSING---"
  QLabel *Label2;                // "Wait seconds"
  QProgressBar *ProgressRender;  // below the notice while a render runs
  QPushButton *BtnApply;
  QPushButton *BtnCancel;
  QPushButton *BtnColor;
  // Before and after, zoom and strength.
  QPushButton *BtnOriginal;  // held: the picture without the effect
  QPushButton *BtnSplit;     // on: before and after side by side
  QPushButton *BtnZoomOut, *BtnZoomIn, *BtnFit, *BtnActual;
  QSlider *SliderStrength;  // 0 to 100 %
  QLabel *LabelStrength;
  // Where the effect goes.
  MaskToolBar *MaskTools;

  // The dialog's size when it first opens.
  static constexpr int kDefaultWidth = 395, kDefaultHeight = 374;

 protected:
  void closeEvent(QCloseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void keyReleaseEvent(QKeyEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void changeEvent(QEvent *event) override;
  bool event(QEvent *event) override;
  void hideEvent(QHideEvent *event) override;

 private:
  // 1 for a key that undoes a mask edit, 2 for one that redoes it, 0 for
  // any other key or while the mask has no edits.
  int MaskHistoryKey(const QKeyEvent *key) const;
  void SetNotice(bool on);
  void Place();
  void LayOut();
  // The original is shown while any of its three ways holds it.
  void HoldOriginal(unsigned way, bool on);
  void ShowStrength(int strength);

  PreviewHost *host_ = nullptr;
  bool hasRender_ = false;
  bool placed_ = false;  // shown once in this run
  bool made_ = false;    // every control exists
  bool rendering_ = false;
  unsigned originalHeld_ = 0;  // one bit for each way of holding it
};

}  // namespace qv
