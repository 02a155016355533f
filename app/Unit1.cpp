#include "app/Unit1.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSemaphore>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include "app/Dialogs.h"
#include "app/Guard.h"
#include "app/PictureTypes.h"
#include "app/ScreenCopyFollower.h"
#include "app/Skin.h"
#include "app/WhitenIfUniform.h"
#include "browser/CategoryButtons.h"
#include "browser/EffectBrowser.h"
#include "codecs/Codecs.h"
#include "gfx/Error.h"
#include "preview/EffectDispatch.h"
#include "preview/PreviewView.h"
#include "preview/UnitPreview.h"
#include "widgets/ColorMap.h"
#include "widgets/DesignFont.h"
#include "widgets/DisplayColor.h"
#include "widgets/Image.h"
#include "widgets/ImgBtn.h"
#include "widgets/TFlatPanelUnit.h"
#include "widgets/UndoArrow.h"
#include "worker/RenderWorker.h"

namespace qv {

namespace {

constexpr TColor kDarkOlive = 18504;  // red 72, green 72, blue 0
constexpr TColor kOrange = 33023;     // red 255, green 128, blue 0
const QString kThumbHint =
    QStringLiteral("Click the small photo  to preveiw and apply this effect.");

// Shown when the sample picture cannot be read at start.
constexpr int kBlankWidth = 640, kBlankHeight = 480;

// The window can shrink to the smallest size whose strip still holds all ten
// thumbnails (or to what a small screen gives it at start).
constexpr int kMinClientWidth = 126 + 469 + 105 + 8, kMinClientHeight = 400;

// "NAME – Quorvane", with Qt's marker of unsaved changes.
const QString kTitleTail = QStringLiteral(" \u2013 Quorvane");

struct ThumbPlace {
  int ViewLeft, ViewTop, LabelLeft, LabelTop;
};
constexpr std::array<ThumbPlace, TFormMain::kThumbCount> kThumbPlaces{{
    {8, 8, 48, 120},
    {120, 8, 152, 120},
    {240, 8, 280, 120},
    {352, 8, 384, 120},
    {469, 8, 512, 120},
    {8, 144, 40, 256},
    {120, 144, 152, 256},
    {240, 144, 272, 256},
    {352, 144, 392, 256},
    {469, 144, 504, 256},
}};

TFlatPanel *Panel(QWidget *parent, const char *name, TColor color) {
  auto *panel = new TFlatPanel(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->SetColor(color);
  panel->SetColorHighLight(kOrange);
  panel->SetColorShadow(kOrange);
  return panel;
}

QPushButton *Button(QWidget *parent, const char *name, const QString &caption, int left, int top) {
  auto *button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(left, top, 75, 25);
  return button;
}

void Place(QWidget *widget, const Bounds &b) {
  widget->setGeometry(b.Left, b.Top, std::max(b.Width, 0), std::max(b.Height, 0));
}

}  // namespace

DecodedPicture LoadPicture(const QString &path, DecodeFollower *follower) {
  DecodedPicture picture = ReadPictureFile(QFile::encodeName(path).toStdString(), follower);
  // The display is sized by dividing by the height.
  if (picture.Pixels.Empty()) throw Error("Bitmap image is not valid: it has no pixels");
  return picture;
}

QString ProposedSaveName(const QString &current, int filterIndex) {
  const QFileInfo file(current);
  const QString extension = SavedExtension(filterIndex);
  if (file.fileName().contains(extension, Qt::CaseSensitive)) return file.fileName();
  return file.completeBaseName() + extension;
}

QString CommandLineFile(const QString &argument) {
  const QUrl url(argument);
  const QString path = url.isLocalFile() ? url.toLocalFile() : argument;
  return QFileInfo(path).absoluteFilePath();
}

TFormMain::TFormMain(Dialogs &dialogs, const QString &appDir, QSize screen, QWidget *parent)
    : QWidget(parent),
      AppDir(appDir),
      dialogs_(dialogs),
      layout_(LayoutForScreen(screen.width(), screen.height())) {
  setObjectName(QStringLiteral("FormMain"));
  setAcceptDrops(true);
  setFont(DesignFont(QStringLiteral("MS Sans Serif"), -11));
  QPalette pal = palette();
  pal.setColor(QPalette::Window, ColorToQColor(clBtnFace, pal));
  setPalette(pal);

  CreateActions();
  CreateControls();
  FormCreate();
  FormPreview = new TFormPreview(this);
  FormPreview->SetHost(this);
  saver_.setMaxThreadCount(1);
  Worker = new RenderWorker(this);
  connect(Worker, &RenderWorker::ProgressChanged, FormPreview, &TFormPreview::SetProgress);
  // A render that ends, fails or is cancelled clears the flag of Change Color.
  connect(Worker, &RenderWorker::Idle, this, [this] { PickColorFlag = false; });
  UpdateActions();

  ThumbnailStrip strip{FlatPanel2, {}, {}};
  for (int n = 1; n <= kThumbCount; ++n) strip.ImgView[n] = ImgView[n], strip.Label[n] = Label[n];
  browser_ = std::make_unique<EffectBrowser>(
      BrowserState{WorkBitmap, ThumbBitmap, ResultBitmap, CurrentCategory}, strip,
      FormPreview->BtnColor, QFile::encodeName(AppDir).toStdString(), *Worker,
      [this](std::exception_ptr error) { ReportFailure(error); });
}

TFormMain::~TFormMain() {
  // The render thread reads the pictures that go with this window.
  Worker->CancelAndWait();
}

void TFormMain::CreateActions() {
  // Application-wide, so that the shortcuts also work while the preview or
  // the help page has the focus.
  auto make = [this](const char *text, std::initializer_list<QKeySequence> keys, auto handler) {
    auto *action = new QAction(QString::fromUtf8(text), this);
    QList<QKeySequence> shortcuts;
    for (const QKeySequence &key : keys)
      if (!key.isEmpty() && !shortcuts.contains(key)) shortcuts << key;
    action->setShortcuts(shortcuts);
    action->setShortcutContext(Qt::ApplicationShortcut);
    connect(action, &QAction::triggered, this,
            [this, handler] { Guard([this, handler] { (this->*handler)(); }); });
    addAction(action);
    return action;
  };
  ActOpen = make("&Open...", {QKeySequence(QKeySequence::Open)}, &TFormMain::BtnOpenClick);
  ActSave = make("&Save...", {QKeySequence(QKeySequence::Save), QKeySequence(QKeySequence::SaveAs)},
                 &TFormMain::BtnSaveClick);
  ActUndo = make("&Undo", {QKeySequence(QKeySequence::Undo)}, &TFormMain::BtnUndoClick);
  // Both keys people know for Redo, whichever the desktop names.
  ActRedo = make("&Redo",
                 {QKeySequence(QKeySequence::Redo), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                  QKeySequence(Qt::CTRL | Qt::Key_Y)},
                 &TFormMain::BtnRedoClick);
  ActHelp = make("&Help", {QKeySequence(QKeySequence::HelpContents), QKeySequence(Qt::Key_F1)},
                 &TFormMain::BtnHelpClick);
  // Qt names no quit key on every desktop; Ctrl+Q is the one people know.
  ActQuit = make("&Quit", {QKeySequence(QKeySequence::Quit), QKeySequence(Qt::CTRL | Qt::Key_Q)},
                 &TFormMain::close);
}

void TFormMain::CreateControls() {
  FlatPanel4 = Panel(this, "FlatPanel4", kDarkOlive);
  FlatPanel4->setGeometry(-2, 2, 126, 487);
  FlatPanel1 = Panel(this, "FlatPanel1", kDarkOlive);
  FlatPanel1->setGeometry(125, 2, 575, 209);
  FlatPanel1->SetCaption(QStringLiteral("FlatPanel1"));

  // Undo and Redo: the same arrow, Redo's mirrored, in the same colours.
  auto arrowButton = [this](const char *name, const QString &hint, int left, bool mirrored,
                            QAction *action) {
    auto *button = new TImgBtn(FlatPanel1);
    button->setObjectName(QString::fromLatin1(name));
    button->move(left, 16);
    button->SetAutoSize(true);
    button->setToolTip(hint);
    auto paint = [mirrored](QColor arrow, QColor stripe, QColor stripeAlt) {
      return mirrored ? PaintRedoArrow(arrow, stripe, stripeAlt)
                      : PaintUndoArrow(arrow, stripe, stripeAlt);
    };
    button->SetPic(paint(QColor(0, 140, 40), QColor(214, 245, 214), QColor(236, 252, 236)));
    button->SetPicUp(paint(QColor(200, 20, 30), QColor(255, 205, 215), QColor(255, 228, 234)));
    button->SetPicDown(paint(QColor(0, 120, 120), QColor(200, 236, 236), QColor(228, 247, 247)));
    connect(button, &TImage::Click, action, &QAction::trigger);
    return button;
  };
  const auto keyText = [](QAction *action) {
    return action->shortcut().toString(QKeySequence::NativeText);
  };
  BtnUndo = arrowButton("BtnUndo", QStringLiteral("Undo"), 32, false, ActUndo);
  BtnRedo =
      arrowButton("BtnRedo", QStringLiteral("Redo (%1)").arg(keyText(ActRedo)), 72, true, ActRedo);

  BtnOpen = Button(FlatPanel1, "BtnOpen", QStringLiteral("Open"), 16, 56);
  BtnSave = Button(FlatPanel1, "BtnSave", QStringLiteral("Save"), 16, 84);
  BtnHelp = Button(FlatPanel1, "BtnHelp", QStringLiteral("Help"), 16, 112);
  connect(BtnOpen, &QPushButton::clicked, ActOpen, &QAction::trigger);
  connect(BtnSave, &QPushButton::clicked, ActSave, &QAction::trigger);
  connect(BtnHelp, &QPushButton::clicked, ActHelp, &QAction::trigger);

  // In the gap between Open and the display.
  BtnRecent = new QToolButton(FlatPanel1);
  BtnRecent->setObjectName(QStringLiteral("BtnRecent"));
  BtnRecent->setGeometry(92, 56, 16, 25);
  BtnRecent->setText(QString(QChar(0x25BE)));  // a small down-pointing triangle
  BtnRecent->setToolTip(QStringLiteral("Open Recent"));
  BtnRecent->setPopupMode(QToolButton::InstantPopup);
  MenuRecent = new QMenu(QStringLiteral("Open Recent"), this);
  MenuRecent->setObjectName(QStringLiteral("MenuRecent"));
  BtnRecent->setMenu(MenuRecent);

  FlatPanel3 = Panel(FlatPanel1, "FlatPanel3", clOlive);
  FlatPanel3->setGeometry(112, 0, 463, 209);
  ImgEffect = new TImage(FlatPanel3);
  ImgEffect->setObjectName(QStringLiteral("ImgEffect"));
  ImgEffect->setGeometry(120, 24, 105, 105);
  ImgEffect->SetStretch(true);

  LabelSaved = new QLabel(FlatPanel3);
  LabelSaved->setObjectName(QStringLiteral("LabelSaved"));
  LabelSaved->setAlignment(Qt::AlignCenter);
  LabelSaved->setStyleSheet(QStringLiteral(
      "QLabel { background-color: rgba(0, 0, 0, 170); color: white; border: 1px solid #ff8000;"
      " border-radius: 4px; padding: 4px 12px; }"));
  LabelSaved->hide();
  savedTimer_ = new QTimer(this);
  savedTimer_->setSingleShot(true);
  savedTimer_->setInterval(kSavedSignMs);
  connect(savedTimer_, &QTimer::timeout, LabelSaved, &QWidget::hide);

  // Created after FlatPanel1, so it lies in front where the two overlap.
  FlatPanel2 = Panel(this, "FlatPanel2", clOlive);
  FlatPanel2->setGeometry(125, 208, 575, 279);
  FlatPanel2->setToolTip(kThumbHint);
  CreateThumbnails();

  ImgFuzhu = new TImage(this);
  ImgFuzhu->setObjectName(QStringLiteral("ImgFuzhu"));
  ImgFuzhu->setGeometry(160, 0, 49, 49);
  ImgFuzhu->SetAutoSize(true);
  ImgFuzhu->hide();
  // The filter component `Effect` (264, 0, 105 x 105, hidden) joins here
  // with effects/ProEffectImage.

  CreateCategoryButtons();
}

void TFormMain::CreateThumbnails() {
  for (int n = 1; n <= kThumbCount; ++n) {
    const ThumbPlace &place = kThumbPlaces[n - 1];
    auto *view = new TImage(FlatPanel2);
    view->setObjectName(QStringLiteral("ImgView%1").arg(n));
    view->setGeometry(place.ViewLeft, place.ViewTop, kThumbSide, kThumbSide);
    view->SetStretch(true);
    view->setToolTip(kThumbHint);
    view->hide();
    connect(view, &TImage::Click, this, [this, n] { Guard([this, n] { ImgViewNClick(n); }); });
    ImgView[n] = view;

    auto *label = new QLabel(QString::number(n), FlatPanel2);
    label->setObjectName(QStringLiteral("Label%1").arg(n));
    label->move(place.LabelLeft, place.LabelTop);
    label->adjustSize();
    label->hide();
    Label[n] = label;
  }
}

void TFormMain::CreateCategoryButtons() {
  for (const CategoryButton &place : CategoryButtons()) {
    const int id = place.Id;
    QPushButton *button =
        Button(FlatPanel4, place.Name, QString::fromLatin1(FindCategory(id)->Caption),
               kCategoryButtonLeft, place.Top);
    button->setVisible(place.Visible);
    connect(button, &QPushButton::clicked, this,
            [this, id] { Guard([this, id] { CategoryClick(id); }); });
    BtnCategory[id] = button;
  }
}

void TFormMain::ApplyLayout() {
  Place(FlatPanel4, layout_.FlatPanel4);
  Place(FlatPanel1, layout_.FlatPanel1);
  Place(FlatPanel2, layout_.FlatPanel2);
  Place(FlatPanel3, layout_.FlatPanel3);
  PlaceSavedSign();
}

void TFormMain::PlaceSavedSign() {
  LabelSaved->adjustSize();
  LabelSaved->move((FlatPanel3->width() - LabelSaved->width()) / 2, 12);
  LabelSaved->raise();
}

void TFormMain::resizeEvent(QResizeEvent *event) {
  QWidget::resizeEvent(event);
  // The panels grow with the window and the picture fits the display again.
  layout_ = LayoutForClient(width(), height());
  ApplyLayout();
  FitDisplay();
}

void TFormMain::FormCreate() {
  SkinStart(AppDir + QStringLiteral("blue.urf"));
  // The screen's rule gives the size at start; from then on the user does.
  move(layout_.Window.Left, layout_.Window.Top);
  const QSize client(std::max(layout_.ClientWidth, 1), std::max(layout_.ClientHeight, 1));
  setMinimumSize(client.boundedTo(QSize(kMinClientWidth, kMinClientHeight)));
  resize(client);
  ApplyLayout();

  Bitmap sample;
  Guard(
      [this, &sample] { sample = LoadPicture(AppDir + QStringLiteral("pic/sample.jpg")).Pixels; });
  if (sample.Empty()) {
    // Without the sample the editor still starts, on a blank white page.
    sample.Recreate(kBlankWidth, kBlankHeight);
    sample.SetBrushColor(clWhite);
    sample.Fill();
  }
  WorkBitmap = Share(std::move(sample));
  ResultBitmap = WorkBitmap;

  // The display holds the picture at full size, as after Open: the window
  // can grow, and the screen copy it draws from is made at the screen's
  // resolution.
  FitDisplay();
  ImgEffect->SetPicture(WorkBitmap);

  ThumbBitmap.Recreate(kThumbSide, kThumbSide);
  ThumbBitmap.StretchDraw({0, 0, kThumbSide, kThumbSide}, *WorkBitmap);

  Invisible();
  doc_.OpenedSample(WorkBitmap);
}

void TFormMain::Guard(const std::function<void()> &handler) {
  Guarded(dialogs_, this, handler);
}

QRect TFormMain::PreviewArea() const {
  return QRect(FlatPanel3->mapToGlobal(QPoint(0, 0)), FlatPanel3->size());
}

void TFormMain::FitDisplay() {
  if (!WorkBitmap) return;  // before the first picture
  const Bounds b = FitDisplayBounds(FlatPanel3->width(), FlatPanel3->height(), WorkBitmap->Width(),
                                    WorkBitmap->Height());
  Place(ImgEffect, b);
}

void TFormMain::SetDisplayColorSpace(const QColorSpace &space) {
  ImgEffect->SetColorSpace(space);
  for (int n = 1; n <= kThumbCount; ++n) ImgView[n]->SetColorSpace(space);
  if (FormPreview) FormPreview->ImgPreview->SetColorSpace(space);
}

void TFormMain::Invisible() {
  for (int n = 1; n <= kThumbCount; ++n) ImgView[n]->hide();
  for (int n = 1; n <= kThumbCount; ++n) Label[n]->hide();
}

void TFormMain::BtnOpenClick() {
  if (!MaybeSave()) return;
  const auto path = dialogs_.OpenPicture(this, OpenFilter(), recent_.LastFolder());
  if (path) LoadFile(*path);
}

void TFormMain::OpenFile(const QString &path) {
  if (MaybeSave()) LoadFile(path);
}

void TFormMain::LoadFile(const QString &path) {
  // A recent file that has gone leaves the list; the open then says why.
  if (!QFileInfo::exists(path)) {
    recent_.Remove(path);
    UpdateActions();
  }
  // A save still being written ends first: it names the document.
  FinishSave();
  // Nothing changes unless the file reads completely. The display's copy is
  // made on the other core while the picture decodes.
  ScreenCopyFollower screenCopy(ImgEffect->ScreenCopyHeight());
  DecodedPicture opened = LoadPicture(path, &screenCopy);
  const PictureRef picture = Share(std::move(opened.Pixels));
  StopRenders();
  ResultBitmap = picture;
  WorkBitmap = picture;
  WorkMetadata = std::move(opened.Meta);
  SetDisplayColorSpace(DisplaySpaceOf(WorkMetadata.Icc));
  FitDisplay();
  ImgEffect->SetPicture(picture, screenCopy.Take());
  ThumbBitmap.Recreate(kThumbSide, kThumbSide);
  ThumbBitmap.StretchDraw({0, 0, kThumbSide, kThumbSide}, *picture);
  Invisible();
  // The program's generator, seeded afresh for each picture opened. A
  // picture of one colour is worked on as white; the display, the strip and
  // Save keep the picture as it was opened.
  Random.SeedFromClock();
  if (LooksUniform(*picture, Random)) WorkBitmap = Share(WhiteLike(*picture));
  doc_.Opened(QFileInfo(path).absoluteFilePath(), WorkBitmap);
  recent_.Add(path);
  UpdateActions();
  // Told once the picture is there to be looked at.
  if (!opened.Warnings.empty())
    dialogs_.ShowWarning(this, QString::fromStdString(WarningLine(
                                   QFileInfo(path).fileName().toStdString(), opened.Warnings)));
}

void TFormMain::BtnUndoClick() {
  if (!doc_.CanUndo()) return;
  StopRenders();
  doc_.Undone();
  ResultBitmap = doc_.Picture();
  ShowWorkingPicture(doc_.Picture());
}

void TFormMain::BtnRedoClick() {
  if (!doc_.CanRedo()) return;
  StopRenders();
  doc_.Redone();
  ResultBitmap = doc_.Picture();
  ShowWorkingPicture(doc_.Picture());
}

void TFormMain::ShowWorkingPicture(PictureRef picture) {
  WorkBitmap = std::move(picture);
  // The display shares the picture; it fits its shape, which an effect or
  // a step of the history may have changed.
  ImgEffect->SetPicture(WorkBitmap);
  FitDisplay();
  UpdateActions();
  update();
  Invisible();
}

// A save on its way to the file: what it writes (the picture shared, not
// copied) and how it ended.
struct TFormMain::PendingSave {
  std::string File;
  QString Name;  // absolute, for the title and the recent files
  PictureFormat Format;
  PictureRef Picture;
  Metadata Meta;
  bool ReplaceReadOnly;
  int Revision;  // of the document when the save began
  std::exception_ptr Error;
  QSemaphore Written;
};

bool TFormMain::BtnSaveClick() {
  ResultBitmap = ImgEffect->SharedPicture();
  // The picture's own name and folder, else the folder used last.
  const QString current = doc_.FilePath();
  const QString proposed =
      current.isEmpty()
          ? recent_.LastFolder()
          : QFileInfo(current).dir().filePath(ProposedSaveName(current, SaveDialog1FilterIndex));
  const auto entered = dialogs_.SavePicture(this, SaveFilter(), SaveDialog1FilterIndex, proposed);
  if (!entered) return false;
  const QString name = SaveFileName(*entered, SaveDialog1FilterIndex);
  const std::string file = QFile::encodeName(name).toStdString();
  const bool readOnly = IsReadOnlyFile(file);
  if (readOnly ? !dialogs_.ConfirmReplaceReadOnly(this, name)
               : QFileInfo::exists(name) && !dialogs_.ConfirmReplace(this, name))
    return false;

  // One save at a time, in the order they were asked for.
  FinishSave();
  auto save = std::make_shared<PendingSave>();
  save->File = file;
  save->Name = QFileInfo(name).absoluteFilePath();
  save->Format = SaveFormat(SaveDialog1FilterIndex);
  save->Picture = ResultBitmap;
  // The opened file's metadata goes with the picture, as much of it as
  // the format holds (a BMP none).
  save->Meta = WorkMetadata;
  save->ReplaceReadOnly = readOnly;
  save->Revision = doc_.Revision();
  saving_ = save;
  LabelSaved->setText(QStringLiteral("Saving %1").arg(QFileInfo(name).fileName()));
  PlaceSavedSign();
  LabelSaved->show();
  savedTimer_->stop();
  saver_.start([this, save] {
    // The encoder writes into a file beside the target as it goes, which
    // is renamed over it only when complete, so a failed save leaves the
    // old file as it was and no partial file behind; a link is followed to
    // its file, and a device or pipe is written straight through rather
    // than replaced by a regular file.
    try {
      WritePictureFile(save->File, save->Format, *save->Picture, save->Meta,
                       {.ReplaceReadOnly = save->ReplaceReadOnly});
    } catch (...) {
      save->Error = std::current_exception();
    }
    QMetaObject::invokeMethod(
        this, [this, save] { SaveEnded(save); }, Qt::QueuedConnection);
    save->Written.release();
  });
  return true;
}

bool TFormMain::FinishSave() {
  const std::shared_ptr<PendingSave> save = saving_;
  if (!save) return true;
  save->Written.acquire();
  SaveEnded(save);
  return !save->Error;
}

void TFormMain::SaveEnded(const std::shared_ptr<PendingSave> &save) {
  if (saving_ != save) return;  // handled already
  saving_.reset();
  if (save->Error) {
    LabelSaved->hide();
    ReportFailure(save->Error);
    return;
  }
  doc_.Saved(save->Name, save->Revision);
  recent_.Add(save->Name);
  UpdateActions();
  ShowSavedSign(save->Name);
}

bool TFormMain::MaybeSave() {
  if (!doc_.Modified()) return true;
  switch (dialogs_.AskSaveChanges(this, DocumentName())) {
    case SaveChoice::Save: {
      bool saved = false;
      Guard([this, &saved] { saved = BtnSaveClick() && FinishSave(); });
      return saved;
    }
    case SaveChoice::Discard:
      return true;
    case SaveChoice::Cancel:
      return false;
  }
  return false;
}

QString TFormMain::DocumentName() const {
  return doc_.FilePath().isEmpty() ? QStringLiteral("sample.jpg")
                                   : QFileInfo(doc_.FilePath()).fileName();
}

void TFormMain::UpdateActions() {
  BtnUndo->setEnabled(doc_.CanUndo());
  ActUndo->setEnabled(doc_.CanUndo());
  BtnRedo->setEnabled(doc_.CanRedo());
  ActRedo->setEnabled(doc_.CanRedo());
  FillRecentMenu();

  // "[*]" is where Qt puts its marker; one in a file name is doubled so that
  // it shows as written.
  QString name = DocumentName();
  name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
  setWindowTitle(doc_.FilePath().isEmpty() ? QStringLiteral("Quorvane[*]")
                                           : name + QStringLiteral("[*]") + kTitleTail);
  setWindowModified(doc_.Modified());
}

void TFormMain::FillRecentMenu() {
  // Later: this may run inside the triggered signal of an entry.
  for (QAction *entry : MenuRecent->actions()) {
    MenuRecent->removeAction(entry);
    entry->deleteLater();
  }
  const QStringList &files = recent_.Files();
  const QFontMetrics metrics(MenuRecent->font());
  for (int i = 0; i < files.size(); ++i) {
    const QString path = files[i];
    const QString shown = metrics.elidedText(QDir::toNativeSeparators(path), Qt::ElideMiddle, 480);
    QAction *action = MenuRecent->addAction(QStringLiteral("&%1  %2").arg((i + 1) % 10).arg(shown));
    connect(action, &QAction::triggered, this,
            [this, path] { Guard([this, path] { OpenFile(path); }); });
  }
  BtnRecent->setEnabled(!files.isEmpty());
}

void TFormMain::ShowSavedSign(const QString &path) {
  LabelSaved->setText(QStringLiteral("Saved %1").arg(QFileInfo(path).fileName()));
  PlaceSavedSign();
  LabelSaved->show();
  savedTimer_->start();
}

void TFormMain::BtnHelpClick() {
  const QString page = AppDir + QStringLiteral("help.html");
  if (!QFileInfo::exists(page))
    throw Error("Cannot open file " + QFile::encodeName(page).toStdString());
  // The window may be gone by the time the desktop reports that it has no
  // browser.
  QPointer<TFormMain> self(this);
  dialogs_.OpenDocument(page, [self, page] {
    if (self) self->ShowHelpInside(page);
  });
}

void TFormMain::ShowHelpInside(const QString &page) {
  if (!HelpBrowser) {
    HelpBrowser = new QTextBrowser(this);
    HelpBrowser->setObjectName(QStringLiteral("HelpBrowser"));
    HelpBrowser->setWindowFlag(Qt::Window);
    HelpBrowser->setWindowTitle(QStringLiteral("Quorvane Help"));
    HelpBrowser->setOpenExternalLinks(false);
    HelpBrowser->resize(760, std::min(720, std::max(height(), 480)));
    HelpBrowser->move(frameGeometry().center() - HelpBrowser->rect().center());
  }
  HelpBrowser->setSource(QUrl::fromLocalFile(page));
  HelpBrowser->show();
  HelpBrowser->raise();
  HelpBrowser->activateWindow();
}

std::optional<TColor> TFormMain::ColorDialog1Execute() {
  // Asked for the preview's render, it belongs to the preview, so that the
  // preview keeps its place above the main window when it closes.
  QWidget *owner =
      FormPreview && FormPreview->isVisible() ? static_cast<QWidget *>(FormPreview) : this;
  const auto color = dialogs_.PickColor(owner, ColorDialog1Color);
  if (color) ColorDialog1Color = *color;
  return color;
}

void TFormMain::BringToFront() {
  if (isMinimized()) {
    showNormal();
  } else {
    show();
    raise();
    activateWindow();
  }
}

void TFormMain::CategoryClick(int id) {
  // The strip's render replaces whatever runs; a preview that waited for
  // its render has nothing to show.
  PickColorFlag = false;
  if (FormPreview->Rendering()) FormPreview->RenderCancelled();
  browser_->CategoryClick(id);
}

void TFormMain::ImgViewNClick(int n) {
  CurrentThumb = n;
  PickColorFlag = false;
  ImgViewClick(n, CurrentCategory);
}

void TFormMain::ImgViewClick(int n, int category) {
  DispatchEffect(*FormPreview, *Worker, n, category, WorkBitmap, ResultBitmap, Env(),
                 [this](std::exception_ptr error) {
                   PickColorFlag = false;
                   if (error) ReportFailure(error);
                 });
}

void TFormMain::RenderWithPickedColor() {
  PickColorFlag = true;
  try {
    ImgViewClick(CurrentThumb, CurrentCategory);
  } catch (...) {
    PickColorFlag = false;
    throw;
  }
}

void TFormMain::CancelRender() {
  Worker->Cancel();
  PickColorFlag = false;
}

bool TFormMain::Rendering() const {
  return Worker->Busy();
}

void TFormMain::StopRenders() {
  if (FormPreview->Rendering()) FormPreview->RenderCancelled();
  Worker->CancelAndWait();
  PickColorFlag = false;
}

void TFormMain::ReportFailure(std::exception_ptr error) {
  Guard([error] { std::rethrow_exception(error); });
}

void TFormMain::CommitPicture(PictureRef picture) {
  StopRenders();
  doc_.Applied(picture);
  ShowWorkingPicture(std::move(picture));
}

KernelEnv TFormMain::Env() {
  KernelEnv env{QFile::encodeName(AppDir).toStdString(),
                PickColorFlag ? static_cast<ColorPrompt *>(this) : nullptr};
  env.Random = &Random;
  return env;
}

std::optional<TColor> TFormMain::AskColor() {
  return ColorDialog1Execute();
}

void TFormMain::closeEvent(QCloseEvent *event) {
  if (!closed_ && !MaybeSave()) {
    event->ignore();
    return;
  }
  FormClose();
  QWidget::closeEvent(event);
}

void TFormMain::changeEvent(QEvent *event) {
  QWidget::changeEvent(event);
  // The preview belongs above this window. Window managers keep it there;
  // without one, a click here would otherwise bury it.
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && FormPreview &&
      FormPreview->isVisible())
    FormPreview->raise();
}

namespace {
// The first local file of a drag, if it carries one.
QString DraggedFile(const QMimeData *data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl &url : data->urls())
    if (url.isLocalFile()) return url.toLocalFile();
  return {};
}
}  // namespace

void TFormMain::dragEnterEvent(QDragEnterEvent *event) {
  if (!DraggedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TFormMain::dropEvent(QDropEvent *event) {
  const QString path = DraggedFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  // Opened once the drop is over: the question about unsaved changes or an
  // error message must not run inside the drag.
  QMetaObject::invokeMethod(
      this, [this, path] { Guard([this, path] { OpenFile(path); }); }, Qt::QueuedConnection);
}

void TFormMain::FormClose() {
  if (closed_) return;
  closed_ = true;
  FinishSave();
  StopRenders();
  if (FormPreview) FormPreview->hide();
  if (HelpBrowser) HelpBrowser->hide();
  SkinRemove();
  // The history goes with the pictures it holds.
  doc_ = Document();
  WorkBitmap = Share(Bitmap());
  ThumbBitmap = Bitmap();
  ResultBitmap = WorkBitmap;
  ImgEffect->SetPicture(WorkBitmap);
}

}  // namespace qv
