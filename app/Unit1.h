#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include <QByteArray>
#include <QColorSpace>
#include <QSize>
#include <QString>
#include <QWidget>

#include "app/Preferences.h"
#include "app/RecentFiles.h"
#include "app/ScreenLayout.h"
#include "browser/ThumbnailStrip.h"
#include "codecs/Picture.h"
#include "gfx/Color.h"
#include "kernels/Categories.h"
#include "kernels/KernelEnv.h"
#include "preview/PreviewHost.h"
#include "session/EditSession.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTextBrowser;
class QTimer;
class QToolButton;

namespace qv {

class Dialogs;
class ScreenCopyFollower;
class SplitHandle;
class TFlatPanel;
class BatchWindow;
class LooksWindow;
class TFormPreview;
class TImage;
class TImgBtn;

// The editor's main window: a view of one editing session. It owns the
// controls of the category column, the tool buttons, the main display and
// the thumbnail strip; what the user does goes to the session, and what the
// session signals is shown. The pictures, the history, the renders and the
// save all belong to the session (Session()).
//
// The commands are actions made in one place (CreateActions) that the
// buttons and the standard shortcuts trigger; UpdateActions derives the
// title and every enabled state from the session.
class TFormMain : public QWidget, public PreviewHost, private ColorPrompt {
  Q_OBJECT
 public:
  // appDir: the folder holding pic/, the skin and the help page, with a
  // trailing separator. screen: the size of the screen to lay out for.
  TFormMain(Dialogs &dialogs, const QString &appDir, QSize screen, QWidget *parent = nullptr);
  ~TFormMain() override;

  static constexpr int kThumbCount = kThumbnailCount;
  static constexpr int kThumbSide = kThumbnailSide;

  EditSession &Session() { return *session_; }
  const EditSession &Session() const { return *session_; }

  QString AppDir;

  // Controls. ImgView and Label are indexed 1 to 10, like their names.
  TFlatPanel *FlatPanel1, *FlatPanel2, *FlatPanel3, *FlatPanel4;
  TImgBtn *BtnUndo, *BtnRedo;
  QToolButton *BtnHistory;  // beside Undo: every step of the history by name
  QMenu *MenuHistory;
  QPushButton *BtnOpen, *BtnSave, *BtnHelp;
  QPushButton *BtnLooks;   // the Looks window
  QPushButton *BtnBatch;   // the Batch window
  QToolButton *BtnRecent;  // beside Open: the pictures opened or saved last
  QMenu *MenuRecent;
  QLabel *LabelSaved;           // the brief sign over the display after a save
  QToolButton *BtnPreferences;  // the gear at the top right of the display
  SplitHandle *Splitter;        // between the display and a fitted strip
  QAction *ActOpen, *ActSave, *ActUndo, *ActRedo, *ActHelp, *ActQuit, *ActPreferences;
  QAction *ActLooks, *ActSaveLook, *ActRepeat, *ActBatch;
  TImage *ImgEffect;
  TImage *ImgFuzhu;
  std::array<TImage *, kThumbCount + 1> ImgView{};
  std::array<QLabel *, kThumbCount + 1> Label{};
  // The category buttons by category id (1 to 16), made from the registry.
  std::array<QPushButton *, kCategoryCount + 1> BtnCategory{};
  TFormPreview *FormPreview = nullptr;
  LooksWindow *FormLooks = nullptr;
  BatchWindow *FormBatch = nullptr;
  QTextBrowser *HelpBrowser = nullptr;  // the help page inside the program, once needed

  // The layout this window was given for its screen.
  const MainLayout &Layout() const { return layout_; }
  ThumbnailStrip &Strip() { return *strip_; }
  // The fitted strip's share of the height below the tools.
  double StripShare() const { return stripShare_; }
  void SetStripShare(double share);

  // Open: after the question about unsaved changes, the picture chosen in
  // OpenDialog1 becomes the working picture.
  void BtnOpenClick();
  // Undo: one step back in the history.
  void BtnUndoClick();
  // Redo: one step forward again, to the picture the last Undo left.
  void BtnRedoClick();
  // Save: the displayed picture is written, encoded on a thread of its own
  // while the window goes on. True when the writing started; its end (the
  // title, the recent files and the sign, or the message of its failure)
  // comes once it is written.
  bool BtnSaveClick();
  bool Saving() const { return session_->Saving(); }
  // Waits for the save being written, if any, and handles its end. False
  // when it failed.
  bool FinishSave();
  // Help: the help page in the desktop's browser, or inside the program
  // when there is none.
  void BtnHelpClick();
  // The Preferences window; what the user accepts is kept and applies at
  // once (the language at the next start).
  void PreferencesClick();
  void ApplyPreferences(const Preferences &preferences);
  const Preferences &Prefs() const { return prefs_; }
  // Opens a picture given by path (the command line, a second start, a drop,
  // the recent files), after the question about unsaved changes.
  void OpenFile(const QString &path);
  // "Save changes to NAME?" when the picture changed since it was opened or
  // saved. True when the caller may go on (saved, discarded, or nothing to
  // save).
  bool MaybeSave();
  // The title and every enabled state, from the session.
  void UpdateActions();
  const RecentFiles &Recent() const { return recent_; }
  // The file name the title and the questions use.
  QString DocumentName() const { return session_->DocumentName(); }
  // Hides the thumbnails, then their numbers.
  void Invisible();
  // Sizes and centres the main display for the working picture's shape.
  void FitDisplay();
  // The colour space of the working picture's values, for the main
  // display, the thumbnails and the preview dialog.
  void SetDisplayColorSpace(const QColorSpace &space);
  // The colour dialog, opening on the colour chosen last.
  std::optional<TColor> ColorDialog1Execute();
  // Restores the window if minimised, else brings it to the front.
  void BringToFront();
  // The Looks window, in front; "Save Look..."; "Apply the last effect again".
  void ShowLooks();
  // The Batch window (Ctrl+B).
  void ShowBatch();
  void SaveLook();
  void RepeatLastStep();

  // The recovery record: where the session keeps it from now on, and the
  // question about one left by a run that did not close. True when the
  // work was restored.
  void KeepRecoveryAt(const std::string &path);
  bool OfferRestore(const RecoveryRecord &record);
  // The desktop session ends or the program is asked to stop (SIGTERM):
  // the window closes without questions and the recovery record stays, so
  // the unsaved work can be restored at the next start.
  void EndKeepingWork();

  // Runs a handler through the guard that reports its failure.
  void Guard(const std::function<void()> &handler) override;
  // The main display, where the preview dialog opens.
  QRect PreviewArea() const override;

  // A category button: renders the category's ten thumbnails.
  void CategoryClick(int id);
  // Thumbnail n: remembered as CurrentThumb, then rendered at full size.
  void ImgViewNClick(int n);
  // Apply in the preview dialog.
  void ApplyPreview(int strength, const StepMask &mask = {}) override;
  // Change Color in the preview dialog: PickColorFlag is set while it runs.
  void RenderWithPickedColor() override;
  // Cancel, Esc or the close box of the preview while it renders.
  void CancelRender() override;
  // Whether a render runs or its result has still to be shown.
  bool Rendering() const { return session_->Rendering(); }

  // How long the sign after a save stays.
  static constexpr int kSavedSignMs = 2500;
  int SaveDialog1FilterIndex = 1;
  TColor ColorDialog1Color = clBlack;

 protected:
  void closeEvent(QCloseEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void changeEvent(QEvent *event) override;
  void dragEnterEvent(QDragEnterEvent *event) override;
  void dropEvent(QDropEvent *event) override;

 private:
  void CreateActions();
  void CreateControls();
  void ConnectSession();
  void ApplyLayout();
  // The layout for the window's size now, applied.
  void Relayout();
  // The strip's cells for its panel and the picture's shape; a new cell
  // size reaches the session once the window has stopped changing.
  void LayOutStrip();
  void SendThumbnailCell();
  void UpdateMinimumSize();
  void PlaceSavedSign();
  void FormCreate();
  // Makes the picture at `path` the working picture (no question asked).
  void LoadFile(const QString &path);
  void FillRecentMenu();
  void FillHistoryMenu();
  void ShowSavedSign(const QString &path);
  void SaveEnded(const QString &path, const QString &error);
  void ShowHelpInside(const QString &page);
  void FormClose();
  // The display shows the session's picture; the strip empties.
  void ShowWorkingPicture();
  void KeepGeometry();
  // ColorDialog1, as the kernels ask for a colour.
  std::optional<TColor> AskColor() override;

  Dialogs &dialogs_;
  MainLayout layout_;
  std::unique_ptr<EditSession> session_;
  RecentFiles recent_;
  Preferences prefs_;
  ThumbnailStrip *strip_ = nullptr;
  double stripShare_;
  PixelSize cell_;     // the strip's cell in device pixels, as laid out
  QTimer *cellTimer_;  // hands a new cell to the session once resizing stops
  QTimer *savedTimer_;
  bool closed_ = false;      // no more question before closing
  bool formClosed_ = false;  // FormClose has run
  bool keepWork_ = false;    // closing leaves the recovery record in place
  // Makes the display's screen copy while a picture being opened decodes.
  ScreenCopyFollower *opening_ = nullptr;
  bool reading_ = false;  // a file is being read for Open
  QString pendingOpen_;   // a file handed over meanwhile
  void OpenPending();
  QByteArray shownProfile_;  // the ICC profile the display converts from
};

// The name the Save dialog proposes for the picture opened from `current`:
// the same name where the rule of SaveFileName keeps it, else the name with the
// filter's extension in place of its own.
QString ProposedSaveName(const QString &current, int filterIndex);

// A file named on the command line, made absolute (it may be handed to an
// editor started elsewhere); a file: URL gives its local file.
QString CommandLineFile(const QString &argument);

}  // namespace qv
