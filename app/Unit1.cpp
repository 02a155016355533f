#include "app/Unit1.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "app/Dialogs.h"
#include "app/Guard.h"
#include "app/Skin.h"
#include "app/WhitenIfUniform.h"
#include "browser/CategoryButtons.h"
#include "browser/EffectBrowser.h"
#include "codecs/Codecs.h"
#include "gfx/Error.h"
#include "preview/EffectDispatch.h"
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

DecodedPicture LoadPicture(const QString &path) {
  DecodedPicture picture = ReadPictureFile(QFile::encodeName(path).toStdString());
  // The display is sized by dividing by the height.
  if (picture.Pixels.Empty()) throw Error("Bitmap image is not valid: it has no pixels");
  return picture;
}

QString SaveFileName(const QString &entered, int filterIndex) {
  const QString extension = filterIndex == 2 ? QStringLiteral(".bmp") : QStringLiteral(".jpg");
  return entered.contains(extension, Qt::CaseSensitive) ? entered : entered + extension;
}

TFormMain::TFormMain(Dialogs &dialogs, const QString &appDir, QSize screen, QWidget *parent)
    : QWidget(parent),
      AppDir(appDir),
      dialogs_(dialogs),
      layout_(LayoutForScreen(screen.width(), screen.height())) {
  setObjectName(QStringLiteral("FormMain"));
  setWindowTitle(QStringLiteral("Quorvane"));
  // A fixed border with system menu and minimise, no maximise.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFont(DesignFont(QStringLiteral("MS Sans Serif"), -11));
  QPalette pal = palette();
  pal.setColor(QPalette::Window, ColorToQColor(clBtnFace, pal));
  setPalette(pal);

  CreateControls();
  FormCreate();
  FormPreview = new TFormPreview(this);
  FormPreview->SetHost(this);
  Worker = new RenderWorker(this);
  connect(Worker, &RenderWorker::ProgressChanged, FormPreview, &TFormPreview::SetProgress);
  // A render that ends, fails or is cancelled clears the flag of Change Color.
  connect(Worker, &RenderWorker::Idle, this, [this] { PickColorFlag = false; });

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

void TFormMain::CreateControls() {
  FlatPanel4 = Panel(this, "FlatPanel4", kDarkOlive);
  FlatPanel4->setGeometry(-2, 2, 126, 487);
  FlatPanel1 = Panel(this, "FlatPanel1", kDarkOlive);
  FlatPanel1->setGeometry(125, 2, 575, 209);
  FlatPanel1->SetCaption(QStringLiteral("FlatPanel1"));

  BtnUndo = new TImgBtn(FlatPanel1);
  BtnUndo->setObjectName(QStringLiteral("BtnUndo"));
  BtnUndo->move(32, 16);
  BtnUndo->SetAutoSize(true);
  BtnUndo->setToolTip(QStringLiteral("Undo"));
  BtnUndo->SetPic(PaintUndoArrow(QColor(0, 140, 40), QColor(214, 245, 214), QColor(236, 252, 236)));
  BtnUndo->SetPicUp(
      PaintUndoArrow(QColor(200, 20, 30), QColor(255, 205, 215), QColor(255, 228, 234)));
  BtnUndo->SetPicDown(
      PaintUndoArrow(QColor(0, 120, 120), QColor(200, 236, 236), QColor(228, 247, 247)));
  connect(BtnUndo, &TImage::Click, this, [this] { Guard([this] { BtnUndoClick(); }); });

  BtnOpen = Button(FlatPanel1, "BtnOpen", QStringLiteral("Open"), 16, 56);
  BtnSave = Button(FlatPanel1, "BtnSave", QStringLiteral("Save"), 16, 84);
  BtnHelp = Button(FlatPanel1, "BtnHelp", QStringLiteral("Help"), 16, 112);
  connect(BtnOpen, &QPushButton::clicked, this, [this] { Guard([this] { BtnOpenClick(); }); });
  connect(BtnSave, &QPushButton::clicked, this, [this] { Guard([this] { BtnSaveClick(); }); });
  connect(BtnHelp, &QPushButton::clicked, this, [this] { Guard([this] { BtnHelpClick(); }); });

  FlatPanel3 = Panel(FlatPanel1, "FlatPanel3", clOlive);
  FlatPanel3->setGeometry(112, 0, 463, 209);
  ImgEffect = new TImage(FlatPanel3);
  ImgEffect->setObjectName(QStringLiteral("ImgEffect"));
  ImgEffect->setGeometry(120, 24, 105, 105);
  ImgEffect->SetStretch(true);

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
  move(layout_.Window.Left, layout_.Window.Top);
  setFixedSize(std::max(layout_.ClientWidth, 1), std::max(layout_.ClientHeight, 1));
  Place(FlatPanel4, layout_.FlatPanel4);
  Place(FlatPanel1, layout_.FlatPanel1);
  Place(FlatPanel2, layout_.FlatPanel2);
  Place(FlatPanel3, layout_.FlatPanel3);
}

void TFormMain::FormCreate() {
  SkinStart(AppDir + QStringLiteral("blue.urf"));
  ApplyLayout();

  Guard([this] { WorkBitmap = LoadPicture(AppDir + QStringLiteral("pic/sample.jpg")).Pixels; });
  if (WorkBitmap.Empty()) {
    // Without the sample the editor still starts, on a blank white page.
    WorkBitmap.Recreate(kBlankWidth, kBlankHeight);
    WorkBitmap.SetBrushColor(clWhite);
    WorkBitmap.Fill();
  }
  ResultBitmap = WorkBitmap;

  FitDisplay();
  Bitmap display;
  display.Recreate(std::max(ImgEffect->width(), 0), std::max(ImgEffect->height(), 0));
  display.StretchDraw({0, 0, display.Width(), display.Height()}, WorkBitmap);
  ImgEffect->SetPicture(std::move(display));

  ThumbBitmap.Recreate(kThumbSide, kThumbSide);
  ThumbBitmap.StretchDraw({0, 0, kThumbSide, kThumbSide}, WorkBitmap);

  Invisible();
  BtnUndo->setEnabled(false);
}

void TFormMain::Guard(const std::function<void()> &handler) {
  Guarded(dialogs_, this, handler);
}

void TFormMain::FitDisplay() {
  const Bounds b = FitDisplayBounds(FlatPanel3->width(), FlatPanel3->height(), WorkBitmap.Width(),
                                    WorkBitmap.Height());
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
  const auto path = dialogs_.OpenPicture(this, QString::fromLatin1(kOpenFilter));
  if (!path) return;
  // Nothing changes unless the file reads completely.
  DecodedPicture opened = LoadPicture(*path);
  Bitmap &picture = opened.Pixels;
  StopRenders();
  UndoBitmap = picture;
  ResultBitmap = picture;
  WorkBitmap = std::move(picture);
  WorkMetadata = std::move(opened.Meta);
  SetDisplayColorSpace(DisplaySpaceOf(WorkMetadata.Icc));
  FitDisplay();
  ImgEffect->SetPicture(WorkBitmap);
  ThumbBitmap.Recreate(kThumbSide, kThumbSide);
  ThumbBitmap.StretchDraw({0, 0, kThumbSide, kThumbSide}, WorkBitmap);
  Invisible();
  BtnUndo->setEnabled(false);
  // The program's generator, seeded afresh for each picture opened.
  Random.SeedFromClock();
  WhitenIfUniform(WorkBitmap, Random);
  // Told once the picture is there to be looked at.
  if (!opened.Warnings.empty())
    dialogs_.ShowWarning(this, QString::fromStdString(WarningLine(
                                   QFileInfo(*path).fileName().toStdString(), opened.Warnings)));
}

void TFormMain::BtnUndoClick() {
  StopRenders();
  ResultBitmap = UndoBitmap;
  WorkBitmap = ResultBitmap;
  Bitmap &display = ImgEffect->EditPicture();
  display.StretchDraw({0, 0, display.Width(), display.Height()}, WorkBitmap);
  BtnUndo->setEnabled(false);
  update();
  Invisible();
}

void TFormMain::BtnSaveClick() {
  ResultBitmap = ImgEffect->Picture();
  const auto entered =
      dialogs_.SavePicture(this, QString::fromLatin1(kSaveFilter), SaveDialog1FilterIndex);
  if (!entered) return;
  const QString name = SaveFileName(*entered, SaveDialog1FilterIndex);
  const std::string file = QFile::encodeName(name).toStdString();
  const bool readOnly = IsReadOnlyFile(file);
  if (readOnly ? !dialogs_.ConfirmReplaceReadOnly(this, name)
               : QFileInfo::exists(name) && !dialogs_.ConfirmReplace(this, name))
    return;

  // The opened file's metadata goes with the picture (a BMP holds none).
  const Bytes data =
      EncodePicture(SaveDialog1FilterIndex == 2 ? PictureFormat::Bmp : PictureFormat::Jpeg,
                    ResultBitmap, WorkMetadata);
  // Written beside the target and renamed over it only when complete, so a
  // failed save leaves the old file as it was and no partial file behind; a
  // link is followed to its file, and a device or pipe is written straight
  // through rather than replaced by a regular file.
  WriteFileBytes(file, data, readOnly);
}

void TFormMain::BtnHelpClick() {
  dialogs_.OpenDocument(AppDir + QStringLiteral("help.html"));
}

std::optional<TColor> TFormMain::ColorDialog1Execute() {
  const auto color = dialogs_.PickColor(this, ColorDialog1Color);
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

void TFormMain::CommitPicture(const Bitmap &picture) {
  StopRenders();
  UndoBitmap = WorkBitmap;
  WorkBitmap = picture;
  ImgEffect->SetPicture(picture);
  update();
  BtnUndo->setEnabled(true);
  Invisible();
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
  FormClose();
  QWidget::closeEvent(event);
}

void TFormMain::FormClose() {
  if (closed_) return;
  closed_ = true;
  StopRenders();
  SkinRemove();
  WorkBitmap = Bitmap();
  ThumbBitmap = Bitmap();
  UndoBitmap = Bitmap();
  ResultBitmap = Bitmap();
}

}  // namespace qv
