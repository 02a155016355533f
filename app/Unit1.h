#pragma once

#include <array>
#include <exception>
#include <functional>
#include <memory>
#include <optional>

#include <QColorSpace>
#include <QSize>
#include <QString>
#include <QWidget>

#include "app/ScreenLayout.h"
#include "codecs/Picture.h"
#include "effects/Random.h"
#include "gfx/Bitmap.h"
#include "gfx/Color.h"
#include "kernels/Categories.h"
#include "kernels/KernelEnv.h"
#include "preview/PreviewHost.h"

class QLabel;
class QPushButton;

namespace qv {

class Dialogs;
class EffectBrowser;
class RenderWorker;
class TFlatPanel;
class TFormPreview;
class TImage;
class TImgBtn;

// The editor's main window. It owns the working pictures for the whole run
// and the controls of the category column, the tool buttons, the main
// display and the thumbnail strip.
class TFormMain : public QWidget, public PreviewHost, private ColorPrompt {
  Q_OBJECT
 public:
  // appDir: the folder holding pic/, the skin and the help page, with a
  // trailing separator. screen: the size of the screen to lay out for.
  TFormMain(Dialogs &dialogs, const QString &appDir, QSize screen, QWidget *parent = nullptr);
  ~TFormMain() override;

  static constexpr int kThumbCount = 10;
  static constexpr int kThumbSide = 105;

  // The shared pictures (see the table of their life in the docs of each
  // handler below).
  Bitmap WorkBitmap;    // the committed picture; every full-size render reads it
  Bitmap ResultBitmap;  // the output of every render; Save's copy of the display
  Bitmap UndoBitmap;    // the picture from before the last Apply
  Bitmap ThumbBitmap;   // WorkBitmap squeezed to 105 x 105, source of the thumbnails
  // The opened file's metadata (EXIF, XMP, IPTC, ICC profile, comments):
  // effects change pixels, not metadata, so Save writes it as it came,
  // fitted to the saved picture. Its ICC profile also sets the colour
  // space every picture control shows in (SetDisplayColorSpace).
  Metadata WorkMetadata;

  QString AppDir;
  int CurrentCategory = 0;  // 1 to 16 once a category was chosen
  int CurrentThumb = 0;     // 1 to 10, the thumbnail clicked last
  bool PickColorFlag = false;
  // The program's one random generator; the kernels get it in their
  // environment.
  RandomGenerator Random;

  // Controls. ImgView and Label are indexed 1 to 10, like their names.
  TFlatPanel *FlatPanel1, *FlatPanel2, *FlatPanel3, *FlatPanel4;
  TImgBtn *BtnUndo;
  QPushButton *BtnOpen, *BtnSave, *BtnHelp;
  TImage *ImgEffect;
  TImage *ImgFuzhu;
  std::array<TImage *, kThumbCount + 1> ImgView{};
  std::array<QLabel *, kThumbCount + 1> Label{};
  // The category buttons by category id (1 to 16), built from the table of
  // browser/CategoryButtons.h; each is named as its row there says.
  std::array<QPushButton *, kCategoryCount + 1> BtnCategory{};
  TFormPreview *FormPreview = nullptr;
  // Renders the thumbnails and the full-size previews off the GUI thread.
  RenderWorker *Worker = nullptr;

  // The layout this window was given for its screen.
  const MainLayout &Layout() const { return layout_; }

  // Open: the picture chosen in OpenDialog1 becomes the working picture.
  void BtnOpenClick();
  // Undo: back to the picture from before the last Apply.
  void BtnUndoClick();
  // Save: the displayed picture is written as JPEG or BMP.
  void BtnSaveClick();
  // Help: the help page beside the executable, in the desktop's viewer.
  void BtnHelpClick();
  // Hides the thumbnails, then their numbers.
  void Invisible();
  // Sizes and centres the main display for WorkBitmap's shape.
  void FitDisplay();
  // The colour space of the working picture's values, for the main
  // display, the thumbnails and the preview dialog.
  void SetDisplayColorSpace(const QColorSpace &space);
  // The colour dialog, opening on the colour chosen last.
  std::optional<TColor> ColorDialog1Execute();
  // Restores the window if minimised, else brings it to the front.
  void BringToFront();

  // Runs a handler through the guard that reports its failure.
  void Guard(const std::function<void()> &handler) override;

  // A category button: renders the category's ten thumbnails.
  void CategoryClick(int id);
  // Thumbnail n: remembered as CurrentThumb, then rendered at full size.
  void ImgViewNClick(int n);
  // Renders thumbnail n of the category at full size into the preview dialog.
  void ImgViewClick(int n, int category);
  // Apply in the preview dialog.
  void CommitPicture(const Bitmap &picture) override;
  // Change Color in the preview dialog: PickColorFlag is set while it runs.
  void RenderWithPickedColor() override;
  // Cancel, Esc or the close box of the preview while it renders.
  void CancelRender() override;
  // Whether a render runs or its result has still to be shown.
  bool Rendering() const;

  static constexpr const char *kOpenFilter = "*.bmp *.jpg|*.bmp;*.jpg";
  static constexpr const char *kSaveFilter = "*.jpg|*.jpg|*.bmp|*.bmp";
  int SaveDialog1FilterIndex = 1;
  TColor ColorDialog1Color = clBlack;

 protected:
  void closeEvent(QCloseEvent *event) override;

 private:
  void CreateControls();
  void CreateCategoryButtons();
  void CreateThumbnails();
  void ApplyLayout();
  void FormCreate();
  void FormClose();
  // Stops any render and waits for the render thread, before a handler
  // changes the pictures a render reads; an open preview that waited for
  // the render hides.
  void StopRenders();
  // Shows the message of a render that failed on the render thread.
  void ReportFailure(std::exception_ptr error);
  // The kernels' surroundings; the colour prompt is there while
  // PickColorFlag is set.
  KernelEnv Env();
  // ColorDialog1, as the kernels ask for a colour.
  std::optional<TColor> AskColor() override;

  Dialogs &dialogs_;
  MainLayout layout_;
  std::unique_ptr<EffectBrowser> browser_;
  bool closed_ = false;
};

// Reads a BMP or JPEG picture, chosen by its content, upright, with its
// metadata and the damage its decoder worked around. A picture without
// pixels is refused with "Bitmap image is not valid".
DecodedPicture LoadPicture(const QString &path);

// The name Save writes to: the entered one if it holds ".jpg" (".bmp" for
// the second filter entry) anywhere, letter case counting, else with it added.
QString SaveFileName(const QString &entered, int filterIndex);

}  // namespace qv
