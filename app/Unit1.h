#pragma once

#include <array>
#include <exception>
#include <functional>
#include <memory>
#include <optional>

#include <QColorSpace>
#include <QSize>
#include <QString>
#include <QThreadPool>
#include <QWidget>

#include "app/Document.h"
#include "app/RecentFiles.h"
#include "app/ScreenLayout.h"
#include "codecs/Picture.h"
#include "effects/Random.h"
#include "gfx/Bitmap.h"
#include "gfx/Color.h"
#include "gfx/PictureRef.h"
#include "kernels/Categories.h"
#include "kernels/KernelEnv.h"
#include "preview/PreviewHost.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTextBrowser;
class QTimer;
class QToolButton;

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
//
// What it knows about the picture besides the pixels (its file, whether it
// changed) lives in one Document; UpdateActions derives the title and every
// enabled state from it. The commands are actions made in one place
// (CreateActions) that the buttons and the standard shortcuts trigger.
class TFormMain : public QWidget, public PreviewHost, private ColorPrompt {
  Q_OBJECT
 public:
  // appDir: the folder holding pic/, the skin and the help page, with a
  // trailing separator. screen: the size of the screen to lay out for.
  TFormMain(Dialogs &dialogs, const QString &appDir, QSize screen, QWidget *parent = nullptr);
  ~TFormMain() override;

  static constexpr int kThumbCount = 10;
  static constexpr int kThumbSide = 105;

  // The pictures. The full-size ones are shared handles: the working
  // picture, the steps of the history, the display and the preview hold
  // the same pixels, and nothing changes pixels behind a handle.
  PictureRef WorkBitmap;    // the committed picture; every full-size render reads it
  PictureRef ResultBitmap;  // the output of every render; the picture Save writes
  Bitmap ThumbBitmap;       // WorkBitmap squeezed to 105 x 105, source of the thumbnails
  // The picture Undo returns to (empty when there is none).
  PictureRef UndoBitmap() const { return doc_.Steps().Previous(); }
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
  TImgBtn *BtnUndo, *BtnRedo;
  QPushButton *BtnOpen, *BtnSave, *BtnHelp;
  QToolButton *BtnRecent;  // beside Open: the pictures opened or saved last
  QMenu *MenuRecent;
  QLabel *LabelSaved;  // the brief sign over the display after a save
  QAction *ActOpen, *ActSave, *ActUndo, *ActRedo, *ActHelp, *ActQuit;
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
  QTextBrowser *HelpBrowser = nullptr;  // the help page inside the program, once needed

  // The layout this window was given for its screen.
  const MainLayout &Layout() const { return layout_; }

  // Open: after the question about unsaved changes, the picture chosen in
  // OpenDialog1 becomes the working picture.
  void BtnOpenClick();
  // Undo: one step back in the history, to the picture before the last
  // Apply that is still in effect.
  void BtnUndoClick();
  // Redo: one step forward again, to the picture the last Undo left.
  void BtnRedoClick();
  // Save: the displayed picture is written as JPEG or BMP, encoded on a
  // thread of its own while the window goes on. True when the writing
  // started; its end (the title, the recent files and the sign, or the
  // message of its failure) comes once it is written.
  bool BtnSaveClick();
  // Whether a save is being written.
  bool Saving() const { return saving_ != nullptr; }
  // Waits for the save being written, if any, and handles its end. False
  // when it failed.
  bool FinishSave();
  // Help: the help page in the desktop's browser, or inside the program
  // when there is none.
  void BtnHelpClick();
  // Opens a picture given by path (the command line, a second start, a drop,
  // the recent files), after the question about unsaved changes.
  void OpenFile(const QString &path);
  // "Save changes to NAME?" when the picture changed since it was opened or
  // saved. True when the caller may go on (saved, discarded, or nothing to
  // save).
  bool MaybeSave();
  // The title and every enabled state, from the document.
  void UpdateActions();
  const Document &Doc() const { return doc_; }
  const RecentFiles &Recent() const { return recent_; }
  // The file name the title and the questions use.
  QString DocumentName() const;
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
  // The main display, where the preview dialog opens.
  QRect PreviewArea() const override;

  // A category button: renders the category's ten thumbnails.
  void CategoryClick(int id);
  // Thumbnail n: remembered as CurrentThumb, then rendered at full size.
  void ImgViewNClick(int n);
  // Renders thumbnail n of the category at full size into the preview dialog.
  void ImgViewClick(int n, int category);
  // Apply in the preview dialog.
  void CommitPicture(PictureRef picture) override;
  // Change Color in the preview dialog: PickColorFlag is set while it runs.
  void RenderWithPickedColor() override;
  // Cancel, Esc or the close box of the preview while it renders.
  void CancelRender() override;
  // Whether a render runs or its result has still to be shown.
  bool Rendering() const;

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
  void CreateCategoryButtons();
  void CreateThumbnails();
  void ApplyLayout();
  void PlaceSavedSign();
  void FormCreate();
  // Makes the picture at `path` the working picture (no question asked).
  void LoadFile(const QString &path);
  void FillRecentMenu();
  void ShowSavedSign(const QString &path);
  struct PendingSave;
  void SaveEnded(const std::shared_ptr<PendingSave> &save);
  void ShowHelpInside(const QString &page);
  void FormClose();
  // `picture` becomes the working picture and the display shows it (Apply,
  // Undo, Redo); the strip empties.
  void ShowWorkingPicture(PictureRef picture);
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
  Document doc_;
  RecentFiles recent_;
  QTimer *savedTimer_;
  std::unique_ptr<EffectBrowser> browser_;
  bool closed_ = false;
  std::shared_ptr<PendingSave> saving_;
  // The encoder's thread; destroyed first, so a save still being written
  // ends before anything it reports to goes.
  QThreadPool saver_;
};

// Reads a picture of any format the codecs know, chosen by its content, upright, with its
// metadata and the damage its decoder worked around. A picture without
// pixels is refused with "Bitmap image is not valid". A follower is told of
// the rows as they are decoded (DecodeFollower).
DecodedPicture LoadPicture(const QString &path, DecodeFollower *follower = nullptr);

// The name the Save dialog proposes for the picture opened from `current`:
// the same name where the rule of SaveFileName keeps it, else the name with the
// filter's extension in place of its own.
QString ProposedSaveName(const QString &current, int filterIndex);

// A file named on the command line, made absolute (it may be handed to an
// editor started elsewhere); a file: URL gives its local file.
QString CommandLineFile(const QString &argument);

}  // namespace qv
