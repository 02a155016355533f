#include "app/Unit1.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include "app/BatchWindow.h"
#include "app/ControlNames.h"
#include "app/Dialogs.h"
#include "app/FittedLayout.h"
#include "app/Guard.h"
#include "app/LooksWindow.h"
#include "app/PictureTypes.h"
#include "app/ProgressJob.h"
#include "app/SaveName.h"
#include "app/ScreenCopyFollower.h"
#include "app/Skin.h"
#include "app/Translations.h"
#include "browser/CategoryColumn.h"
#include "gfx/Error.h"
#include "preview/PreviewNames.h"
#include "preview/PreviewView.h"
#include "preview/UnitPreview.h"
#include "session/EngineText.h"
#include "widgets/ColorMap.h"
#include "widgets/DesignFont.h"
#include "widgets/DisplayColor.h"
#include "widgets/EditorSettings.h"
#include "widgets/Image.h"
#include "widgets/ImgBtn.h"
#include "widgets/SplitHandle.h"
#include "widgets/TFlatPanelUnit.h"
#include "widgets/UndoArrow.h"
#include "worker/RenderWorker.h"

namespace qv {

namespace {

constexpr TColor kDarkOlive = 18504;  // red 72, green 72, blue 0
constexpr TColor kOrange = 33023;     // red 255, green 128, blue 0
// Two blanks before "to", as the hint always had.
const char *const kThumbHint =
    QT_TRANSLATE_NOOP("qv::TFormMain", "Click the small photo  to preveiw and apply this effect.");

// The window can shrink to the smallest size whose strip still holds all ten
// thumbnails (or to what a small screen gives it at start).
constexpr int kMinClientWidth = 126 + 469 + 105 + 8, kMinClientHeight = 400;

// "NAME – Quorvane", with Qt's marker of unsaved changes.
const QString kTitleTail = QStringLiteral(" \u2013 Quorvane");

const QString kGeometryKey = QStringLiteral("MainWindow/geometry");
const QString kStripShareKey = QStringLiteral("MainWindow/stripShare");
// How long the window's size must stay before the strip is rendered again
// for its new cells.
constexpr int kCellSettleMs = 150;

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

QString KeyText(const QAction *action) {
  return action->shortcut().toString(QKeySequence::NativeText);
}

// "Undo Light A 3 (Ctrl+Z)", or "Undo" where there is nothing to undo.
QString StepHint(const QString &verb, const QString &step, const QAction *action) {
  if (step.isEmpty()) return verb;
  return QStringLiteral("%1 %2 (%3)").arg(verb, step, KeyText(action));
}

// Removes a menu's entries; later, since this may run inside the triggered
// signal of one of them.
void ClearMenu(QMenu *menu) {
  for (QAction *entry : menu->actions()) {
    menu->removeAction(entry);
    entry->deleteLater();
  }
  for (QActionGroup *group : menu->findChildren<QActionGroup *>(Qt::FindDirectChildrenOnly))
    group->deleteLater();
}

}  // namespace

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
      layout_(LayoutForScreen(screen.width(), screen.height())),
      session_(std::make_unique<EditSession>(QFile::encodeName(appDir).toStdString())),
      prefs_(Preferences::Load()),
      stripShare_(EditorSettings().value(kStripShareKey, kDefaultStripShare).toDouble()) {
  setObjectName(QStringLiteral("FormMain"));
  setAcceptDrops(true);
  setFont(DesignFont(QStringLiteral("MS Sans Serif"), -11));
  QPalette pal = palette();
  pal.setColor(QPalette::Window, ColorToQColor(clBtnFace, pal));
  setPalette(pal);

  CreateActions();
  CreateControls();
  FormPreview = new TFormPreview(this);
  FormPreview->SetHost(this);
  FormLooks = new LooksWindow(*session_, dialogs_, this);
  NamePreviewControls(*FormPreview);
  FormBatch = new BatchWindow(
      *session_, dialogs_, [this] { return FormPreview->SliderStrength->value(); }, this);
  session_->SetColorPrompt(this);
  ConnectSession();
  ApplyPreferences(prefs_);
  FormCreate();
  SendThumbnailCell();
  UpdateActions();
  NameMainControls(*this);
  FollowTheScreen(*this);
}

TFormMain::~TFormMain() {
  // The session's render thread reports to this window's controls.
  QObject::disconnect(session_.get(), nullptr, nullptr, nullptr);
  session_->CancelRender();
}

void TFormMain::CreateActions() {
  // Application-wide, so that the shortcuts also work while the preview or
  // the help page has the focus.
  auto make = [this](const char *text, std::initializer_list<QKeySequence> keys, auto handler) {
    auto *action = new QAction(tr(text), this);
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
  ActOpen =
      make(QT_TR_NOOP("&Open..."), {QKeySequence(QKeySequence::Open)}, &TFormMain::BtnOpenClick);
  ActSave = make(QT_TR_NOOP("&Save..."),
                 {QKeySequence(QKeySequence::Save), QKeySequence(QKeySequence::SaveAs)},
                 &TFormMain::BtnSaveClick);
  ActUndo = make(QT_TR_NOOP("&Undo"), {QKeySequence(QKeySequence::Undo)}, &TFormMain::BtnUndoClick);
  // Both keys people know for Redo, whichever the desktop names.
  ActRedo = make(QT_TR_NOOP("&Redo"),
                 {QKeySequence(QKeySequence::Redo), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                  QKeySequence(Qt::CTRL | Qt::Key_Y)},
                 &TFormMain::BtnRedoClick);
  ActHelp = make(QT_TR_NOOP("&Help"),
                 {QKeySequence(QKeySequence::HelpContents), QKeySequence(Qt::Key_F1)},
                 &TFormMain::BtnHelpClick);
  ActLooks =
      make(QT_TR_NOOP("&Looks..."), {QKeySequence(Qt::CTRL | Qt::Key_L)}, &TFormMain::ShowLooks);
  ActSaveLook = make(QT_TR_NOOP("Save &Look..."), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L)},
                     &TFormMain::SaveLook);
  ActBatch =
      make(QT_TR_NOOP("&Batch..."), {QKeySequence(Qt::CTRL | Qt::Key_B)}, &TFormMain::ShowBatch);
  ActRepeat = make(QT_TR_NOOP("Apply the Last Effect &Again"), {QKeySequence(Qt::CTRL | Qt::Key_F)},
                   &TFormMain::RepeatLastStep);
  // Qt names no quit key on every desktop; Ctrl+Q is the one people know.
  ActQuit = make(QT_TR_NOOP("&Quit"),
                 {QKeySequence(QKeySequence::Quit), QKeySequence(Qt::CTRL | Qt::Key_Q)},
                 &TFormMain::close);
  // The desktop's key for Preferences, and Ctrl+comma where it names none.
  ActPreferences =
      make(QT_TR_NOOP("&Preferences..."),
           {QKeySequence(QKeySequence::Preferences), QKeySequence(Qt::CTRL | Qt::Key_Comma)},
           &TFormMain::PreferencesClick);
  // The window's context menu lists the commands, Preferences before Quit.
  insertAction(ActQuit, ActPreferences);
  auto *separator = new QAction(this);
  separator->setSeparator(true);
  insertAction(ActQuit, separator);
  setContextMenuPolicy(Qt::ActionsContextMenu);
}

void TFormMain::CreateControls() {
  FlatPanel4 = Panel(this, "FlatPanel4", kDarkOlive);
  FlatPanel4->setGeometry(-2, 2, 126, 487);
  FlatPanel1 = Panel(this, "FlatPanel1", kDarkOlive);
  FlatPanel1->setGeometry(125, 2, 575, 209);
  FlatPanel1->SetCaption(QStringLiteral("FlatPanel1"));

  // Undo and Redo: the same arrow, Redo's mirrored, in the same colours.
  auto arrowButton = [this](const char *name, int left, bool mirrored, QAction *action) {
    auto *button = new TImgBtn(FlatPanel1);
    button->setObjectName(QString::fromLatin1(name));
    button->move(left, 16);
    button->SetAutoSize(true);
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
  BtnUndo = arrowButton("BtnUndo", 32, false, ActUndo);
  BtnRedo = arrowButton("BtnRedo", 72, true, ActRedo);

  // Left of the arrows: the history, every step by name, to go straight to one.
  BtnHistory = new QToolButton(FlatPanel1);
  BtnHistory->setObjectName(QStringLiteral("BtnHistory"));
  BtnHistory->setGeometry(14, 16, 16, 30);
  BtnHistory->setText(QString(QChar(0x25BE)));  // a small down-pointing triangle
  BtnHistory->setToolTip(tr("History"));
  BtnHistory->setPopupMode(QToolButton::InstantPopup);
  MenuHistory = new QMenu(tr("History"), this);
  MenuHistory->setObjectName(QStringLiteral("MenuHistory"));
  BtnHistory->setMenu(MenuHistory);

  BtnOpen = Button(FlatPanel1, "BtnOpen", tr("Open"), 16, 56);
  BtnSave = Button(FlatPanel1, "BtnSave", tr("Save"), 16, 84);
  BtnHelp = Button(FlatPanel1, "BtnHelp", tr("Help"), 16, 112);
  connect(BtnOpen, &QPushButton::clicked, ActOpen, &QAction::trigger);
  connect(BtnSave, &QPushButton::clicked, ActSave, &QAction::trigger);
  connect(BtnHelp, &QPushButton::clicked, ActHelp, &QAction::trigger);
  BtnLooks = Button(FlatPanel1, "BtnLooks", tr("Looks"), 16, 140);
  BtnLooks->setToolTip(tr("Looks: effects kept to put on any photo (%1)").arg(KeyText(ActLooks)));
  connect(BtnLooks, &QPushButton::clicked, ActLooks, &QAction::trigger);
  BtnBatch = Button(FlatPanel1, "BtnBatch", tr("Batch"), 16, 168);
  BtnBatch->setToolTip(
      tr("Batch: put an effect or a look on many photos at once (%1)").arg(KeyText(ActBatch)));
  connect(BtnBatch, &QPushButton::clicked, ActBatch, &QAction::trigger);

  // In the gap between Open and the display.
  BtnRecent = new QToolButton(FlatPanel1);
  BtnRecent->setObjectName(QStringLiteral("BtnRecent"));
  BtnRecent->setGeometry(92, 56, 16, 25);
  BtnRecent->setText(QString(QChar(0x25BE)));
  BtnRecent->setToolTip(tr("Open Recent"));
  BtnRecent->setPopupMode(QToolButton::InstantPopup);
  MenuRecent = new QMenu(tr("Open Recent"), this);
  MenuRecent->setObjectName(QStringLiteral("MenuRecent"));
  BtnRecent->setMenu(MenuRecent);

  FlatPanel3 = Panel(FlatPanel1, "FlatPanel3", clOlive);
  FlatPanel3->setGeometry(112, 0, 463, 209);
  ImgEffect = new TImage(FlatPanel3);
  ImgEffect->setObjectName(QStringLiteral("ImgEffect"));
  ImgEffect->setGeometry(120, 24, 105, 105);
  ImgEffect->SetStretch(true);

  // At the top right of the display, over the picture.
  BtnPreferences = new QToolButton(FlatPanel3);
  BtnPreferences->setObjectName(QStringLiteral("BtnPreferences"));
  BtnPreferences->setText(QString(QChar(0x2699)));  // a gear
  // Light on a dark ground, so that it shows over any picture.
  BtnPreferences->setStyleSheet(QStringLiteral(
      "QToolButton { color: white; background-color: rgba(0, 0, 0, 120); border: 1px solid "
      "#ff8000; border-radius: 4px; font-size: 16px; padding: 0px 4px; }"
      "QToolButton:hover { background-color: rgba(255, 128, 0, 170); }"
      "QToolButton:focus { border: 2px solid white; }"));
  BtnPreferences->setToolTip(tr("Preferences (%1)").arg(KeyText(ActPreferences)));
  connect(BtnPreferences, &QToolButton::clicked, ActPreferences, &QAction::trigger);

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
  FlatPanel2->setToolTip(tr(kThumbHint));
  strip_ = new ThumbnailStrip(FlatPanel2, tr(kThumbHint));
  connect(strip_, &ThumbnailStrip::Chosen, this,
          [this](int n) { Guard([this, n] { ImgViewNClick(n); }); });
  ImgView = strip_->ImgView;
  Label = strip_->Label;
  ImgEffect->setFocusPolicy(Qt::TabFocus);
  ImgEffect->SetShowsFocus(true);

  // Dragged, it shares the height between the display and the strip.
  Splitter = new SplitHandle(this);
  Splitter->setObjectName(QStringLiteral("Splitter"));
  connect(Splitter, &SplitHandle::Dragged, this,
          [this](int y) { SetStripShare(StripShareFor(height(), y)); });
  connect(Splitter, &SplitHandle::Released, this,
          [this] { EditorSettings().setValue(kStripShareKey, stripShare_); });
  cellTimer_ = new QTimer(this);
  cellTimer_->setSingleShot(true);
  cellTimer_->setInterval(kCellSettleMs);
  connect(cellTimer_, &QTimer::timeout, this, &TFormMain::SendThumbnailCell);

  ImgFuzhu = new TImage(this);
  ImgFuzhu->setObjectName(QStringLiteral("ImgFuzhu"));
  ImgFuzhu->setGeometry(160, 0, 49, 49);
  ImgFuzhu->SetAutoSize(true);
  ImgFuzhu->hide();
  // The filter component `Effect` (264, 0, 105 x 105, hidden) joins here
  // with effects/ProEffectImage.

  BtnCategory =
      MakeCategoryButtons(FlatPanel4, [this](int id) { Guard([this, id] { CategoryClick(id); }); });
}

void TFormMain::ConnectSession() {
  EditSession *s = session_.get();
  connect(s, &EditSession::PictureChanged, this, &TFormMain::ShowWorkingPicture);
  connect(s, &EditSession::StateChanged, this, &TFormMain::UpdateActions);
  connect(s, &EditSession::ChangeColorOffered, FormPreview->BtnColor, &QWidget::setVisible);
  connect(s, &EditSession::ThumbnailReady, this,
          [this](int n, PictureRef picture, bool paintNow) { strip_->Show(n, picture, paintNow); });
  connect(s, &EditSession::PreviewStarted, this, [this] {
    FormPreview->BeginRender();
    FormPreview->ShowBeside();
  });
  connect(s, &EditSession::RenderProgress, FormPreview, &TFormPreview::SetProgress);
  connect(s, &EditSession::PreviewReady, this, [this](PictureRef effect, PictureRef original) {
    FormPreview->ShowRender(effect, original, session_->CanApply());
  });
  connect(s, &EditSession::PreviewFailed, FormPreview, &TFormPreview::RenderFailed);
  connect(s, &EditSession::PreviewDropped, this, [this] {
    if (FormPreview->isVisible()) FormPreview->RenderCancelled();
  });
  connect(s, &EditSession::Failed, this,
          [this](const QString &message) { dialogs_.ShowMessage(this, message); });
  connect(s, &EditSession::SaveEnded, this, &TFormMain::SaveEnded);
  connect(s, &EditSession::Busy, this, [this](const QString &what) {
    if (what.isEmpty()) return LabelSaved->hide();
    savedTimer_->stop();
    LabelSaved->setText(tr("Applying %1").arg(what));
    PlaceSavedSign();
    LabelSaved->show();
  });
}

void TFormMain::ApplyLayout() {
  Place(FlatPanel4, layout_.FlatPanel4);
  Place(FlatPanel1, layout_.FlatPanel1);
  Place(FlatPanel2, layout_.FlatPanel2);
  Place(FlatPanel3, layout_.FlatPanel3);
  Place(Splitter, layout_.Splitter);
  Splitter->setVisible(prefs_.Thumbnails == ThumbnailStyle::Fitted);
  Splitter->raise();
  BtnPreferences->adjustSize();
  BtnPreferences->move(FlatPanel3->width() - BtnPreferences->width() - 4, 4);
  BtnPreferences->raise();
  PlaceSavedSign();
  LayOutStrip();
}

void TFormMain::LayOutStrip() {
  // Before the first picture, a photo's usual shape.
  const PictureRef &picture = session_->WorkBitmap();
  const bool known = picture && !picture->Empty();
  const PixelSize cell =
      strip_->LayOut(known ? picture->Width() : 3, known ? picture->Height() : 2);
  if (cell == cell_) return;
  cell_ = cell;
  cellTimer_->start();
}

void TFormMain::SendThumbnailCell() {
  cellTimer_->stop();
  // Before the first layout the style alone is news.
  const PixelSize cell = cell_.Width > 0 ? cell_ : session_->ThumbnailCell();
  session_->SetThumbnails(prefs_.Thumbnails, cell.Width, cell.Height);
}

void TFormMain::SetStripShare(double share) {
  stripShare_ = share;
  if (prefs_.Thumbnails != ThumbnailStyle::Fitted) return;
  Relayout();
}

void TFormMain::UpdateMinimumSize() {
  const int least =
      prefs_.Thumbnails == ThumbnailStyle::Fitted ? kFittedMinClientWidth : kMinClientWidth;
  const QSize start(std::max(layout_.ClientWidth, 1), std::max(layout_.ClientHeight, 1));
  setMinimumSize(start.boundedTo(QSize(least, kMinClientHeight)));
}

void TFormMain::PlaceSavedSign() {
  LabelSaved->adjustSize();
  LabelSaved->move((FlatPanel3->width() - LabelSaved->width()) / 2, 12);
  LabelSaved->raise();
}

void TFormMain::resizeEvent(QResizeEvent *event) {
  QWidget::resizeEvent(event);
  Relayout();
}

void TFormMain::Relayout() {
  // The panels grow with the window and the picture fits the display again.
  layout_ = prefs_.Thumbnails == ThumbnailStyle::Fitted
                ? FittedLayoutForClient(width(), height(), stripShare_)
                : LayoutForClient(width(), height());
  ApplyLayout();
  FitDisplay();
}

void TFormMain::FormCreate() {
  SkinStart(AppDir + QStringLiteral("blue.urf"));
  // The screen's rule gives the size at start, unless the window was
  // placed by the user before; from then on the user does.
  move(layout_.Window.Left, layout_.Window.Top);
  const QSize client(std::max(layout_.ClientWidth, 1), std::max(layout_.ClientHeight, 1));
  UpdateMinimumSize();
  resize(client);
  const QByteArray geometry = EditorSettings().value(kGeometryKey).toByteArray();
  if (!geometry.isEmpty()) restoreGeometry(geometry);
  if (prefs_.Thumbnails == ThumbnailStyle::Fitted) {
    const Bounds window = layout_.Window;
    layout_ = FittedLayoutForClient(width(), height(), stripShare_);
    layout_.Window = window;
  }
  ApplyLayout();
  // The display holds the picture at full size, as after Open: the window
  // can grow, and the screen copy it draws from is made at the screen's
  // resolution.
  Guard([this] { session_->StartWithSample(); });
}

void TFormMain::KeepGeometry() {
  EditorSettings().setValue(kGeometryKey, saveGeometry());
  FormPreview->KeepGeometry();
}

void TFormMain::Guard(const std::function<void()> &handler) {
  Guarded(dialogs_, this, handler);
}

QRect TFormMain::PreviewArea() const {
  return QRect(FlatPanel3->mapToGlobal(QPoint(0, 0)), FlatPanel3->size());
}

void TFormMain::FitDisplay() {
  const PictureRef &picture = session_->WorkBitmap();
  if (!picture || picture->Empty()) return;  // before the first picture, after the last
  const Bounds b = FitDisplayBounds(FlatPanel3->width(), FlatPanel3->height(), picture->Width(),
                                    picture->Height());
  Place(ImgEffect, b);
}

void TFormMain::SetDisplayColorSpace(const QColorSpace &space) {
  ImgEffect->SetColorSpace(space);
  for (int n = 1; n <= kThumbCount; ++n) ImgView[n]->SetColorSpace(space);
  if (FormPreview) FormPreview->ImgPreview->SetColorSpace(space);
}

void TFormMain::Invisible() {
  strip_->HideAll();
}

void TFormMain::ShowWorkingPicture() {
  const std::vector<std::uint8_t> &icc = session_->WorkMetadata().Icc;
  const QByteArray profile(reinterpret_cast<const char *>(icc.data()), qsizetype(icc.size()));
  if (profile != shownProfile_) {
    shownProfile_ = profile;
    SetDisplayColorSpace(DisplaySpaceOf(icc));
  }
  // The display shares the picture; it fits its shape, which an effect or
  // a step of the history may have changed. A picture being opened brings
  // the copy made while it decoded.
  ImgEffect->SetPicture(session_->DisplayPicture(), opening_ ? opening_->Take() : QImage());
  FitDisplay();
  update();
  Invisible();
  LayOutStrip();  // for the picture's shape
}

void TFormMain::BtnOpenClick() {
  if (!MaybeSave()) return;
  const auto path = dialogs_.OpenPicture(this, OpenFilter(), recent_.LastFolder());
  if (path) LoadFile(*path);
}

void TFormMain::OpenFile(const QString &path) {
  // A look handed over by the file manager joins the user's looks.
  if (path.endsWith(QString::fromLatin1(kLookExtension), Qt::CaseInsensitive)) {
    FormLooks->Library().Import(path);
    ShowLooks();
    return;
  }
  if (MaybeSave()) LoadFile(path);
}

void TFormMain::LoadFile(const QString &path) {
  // A recent file that has gone leaves the list; the open then says why.
  if (!QFileInfo::exists(path)) {
    recent_.Remove(path);
    UpdateActions();
  }
  // A file handed over while another one is read waits for that read.
  if (reading_) {
    pendingOpen_ = path;
    return;
  }
  // Nothing changes unless the file reads completely: the picture shown
  // stays while it is read on a thread of its own, which a slow file (a
  // large HEIC) lets the user follow and cancel. The display's copy is made
  // on the other core while the picture decodes.
  ScreenCopyFollower screenCopy(ImgEffect->ScreenCopyHeight());
  std::optional<EditSession::ReadFile> read;
  reading_ = true;
  bool finished = false;
  try {
    finished = RunWithProgress(this, tr("Opening %1...").arg(QFileInfo(path).fileName()),
                               [&] { read = EditSession::Read(path, &screenCopy); });
  } catch (...) {
    reading_ = false;
    OpenPending();
    throw;
  }
  reading_ = false;
  if (!finished) {
    OpenPending();
    return;
  }
  opening_ = &screenCopy;
  std::vector<Text> warnings;
  try {
    warnings = session_->Open(std::move(*read));
  } catch (...) {
    opening_ = nullptr;
    throw;
  }
  opening_ = nullptr;
  recent_.Add(path);
  UpdateActions();
  // Told once the picture is there to be looked at.
  if (!warnings.empty())
    dialogs_.ShowWarning(
        this, Translated(WarningText(QFileInfo(path).fileName().toStdString(), warnings)));
}

void TFormMain::OpenPending() {
  if (pendingOpen_.isEmpty()) return;
  // After the read that held it has ended, from the event loop.
  QTimer::singleShot(0, this, [this, path = std::exchange(pendingOpen_, QString())] {
    Guard([this, &path] { OpenFile(path); });
  });
}

void TFormMain::BtnUndoClick() {
  session_->Undo();
}

void TFormMain::BtnRedoClick() {
  session_->Redo();
}

bool TFormMain::BtnSaveClick() {
  session_->TakeDisplayAsResult();
  // The picture's own name and folder, else the folder used last.
  const QString current = session_->FilePath();
  const QString proposed =
      current.isEmpty()
          ? recent_.LastFolder()
          : QFileInfo(current).dir().filePath(ProposedSaveName(current, SaveDialog1FilterIndex));
  const auto entered = dialogs_.SavePicture(this, SaveFilter(), SaveDialog1FilterIndex, proposed);
  if (!entered) return false;
  // The name typed decides the format where it names one.
  const SaveTarget target = SaveTargetFor(*entered, SaveDialog1FilterIndex);
  const QString &name = target.Path;
  const bool readOnly = IsReadOnlyFile(QFile::encodeName(name).toStdString());
  if (readOnly ? !dialogs_.ConfirmReplaceReadOnly(this, name)
               : QFileInfo::exists(name) && !dialogs_.ConfirmReplace(this, name))
    return false;

  // One save at a time, in the order they were asked for.
  FinishSave();
  LabelSaved->setText(tr("Saving %1").arg(QFileInfo(name).fileName()));
  PlaceSavedSign();
  LabelSaved->show();
  savedTimer_->stop();
  session_->Save(name, target.Format, readOnly);
  return true;
}

bool TFormMain::FinishSave() {
  return session_->FinishSave();
}

void TFormMain::SaveEnded(const QString &path, const QString &error) {
  if (!error.isEmpty()) {
    LabelSaved->hide();
    dialogs_.ShowMessage(this, error);
    return;
  }
  recent_.Add(path);
  UpdateActions();
  ShowSavedSign(path);
}

bool TFormMain::MaybeSave() {
  if (!session_->Modified()) return true;
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

void TFormMain::UpdateActions() {
  const EditSession &s = *session_;
  BtnUndo->setEnabled(s.CanUndo());
  ActUndo->setEnabled(s.CanUndo());
  BtnRedo->setEnabled(s.CanRedo());
  ActRedo->setEnabled(s.CanRedo());
  // The arrows and the actions say which step they undo or redo.
  const QString undo = s.UndoStepName(), redo = s.RedoStepName();
  BtnUndo->setToolTip(StepHint(tr("Undo"), undo, ActUndo));
  BtnRedo->setToolTip(StepHint(tr("Redo"), redo, ActRedo));
  ActUndo->setText(undo.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(undo));
  ActRedo->setText(redo.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(redo));
  BtnHistory->setEnabled(s.Steps().Count() > 1);
  ActSaveLook->setEnabled(s.CanUndo());
  ActRepeat->setEnabled(s.CanRepeat());
  ActRepeat->setText(s.CanRepeat() ? tr("Apply %1 &Again").arg(s.UndoStepName())
                                   : tr("Apply the Last Effect &Again"));
  FillHistoryMenu();
  FillRecentMenu();

  // "[*]" is where Qt puts its marker; one in a file name is doubled so that
  // it shows as written.
  QString name = DocumentName();
  name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
  setWindowTitle(s.FilePath().isEmpty() ? QStringLiteral("Quorvane[*]")
                                        : name + QStringLiteral("[*]") + kTitleTail);
  setWindowModified(s.Modified());
  const PictureRef &shown = s.DisplayPicture();
  if (shown)
    ImgEffect->setAccessibleName(DisplayName(DocumentName(), shown->Width(), shown->Height()));
}

void TFormMain::FillHistoryMenu() {
  ClearMenu(MenuHistory);
  const QStringList names = session_->HistoryNames();
  const std::size_t at = session_->Steps().Position();
  // One mark, on the step the picture stands at.
  auto *marks = new QActionGroup(MenuHistory);
  for (int i = 0; i < names.size(); ++i) {
    QAction *action = MenuHistory->addAction(names[i]);
    action->setCheckable(true);
    action->setChecked(std::size_t(i) == at);
    marks->addAction(action);
    connect(action, &QAction::triggered, this,
            [this, i] { Guard([this, i] { session_->MoveTo(std::size_t(i)); }); });
  }
}

void TFormMain::FillRecentMenu() {
  ClearMenu(MenuRecent);
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
  LabelSaved->setText(tr("Saved %1").arg(QFileInfo(path).fileName()));
  PlaceSavedSign();
  LabelSaved->show();
  savedTimer_->start();
}

void TFormMain::BtnHelpClick() {
  const QString page = HelpPage(QLocale(), AppDir);
  if (!QFileInfo::exists(page))
    throw Error(Say(QV_TEXT("Cannot open file %1"), QFile::encodeName(page).toStdString()));
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
    HelpBrowser->setWindowTitle(tr("Quorvane Help"));
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

void TFormMain::ShowLooks() {
  FormLooks->ShowBeside();
}

void TFormMain::ShowBatch() {
  FormBatch->ShowBeside();
}

void TFormMain::SaveLook() {
  FormLooks->SaveLook();
}

void TFormMain::RepeatLastStep() {
  session_->RepeatLastStep();
}

void TFormMain::KeepRecoveryAt(const std::string &path) {
  session_->SetRecoveryPath(path);
}

bool TFormMain::OfferRestore(const RecoveryRecord &record) {
  const QString name =
      record.Document.empty()
          ? (record.Sample ? QStringLiteral("sample.jpg")
                           : QFileInfo(QFile::decodeName(record.Source.c_str())).fileName())
          : QFileInfo(QFile::decodeName(record.Document.c_str())).fileName();
  const QString time =
      QLocale().toString(QDateTime::fromSecsSinceEpoch(record.Time), QLocale::ShortFormat);
  if (!dialogs_.AskRestore(this, name, time)) {
    session_->DropRecovery();
    return false;
  }
  bool restored = false;
  Guard([this, &record, &restored] {
    try {
      session_->Restore(record);
      restored = true;
    } catch (...) {
      // A record that cannot be replayed is of no more use.
      session_->DropRecovery();
      throw;
    }
  });
  return restored;
}

void TFormMain::EndKeepingWork() {
  keepWork_ = true;
  closed_ = true;  // no question: the work stays in the recovery record
  close();
}

void TFormMain::CategoryClick(int id) {
  const Category *category = FindCategory(id);
  if (!category) return;
  SendThumbnailCell();  // rendered at the cells as they are now
  strip_->NameAfter(CategoryCaption(*category));
  strip_->FocusFirstWhenShown();
  session_->ChooseCategory(id);
}

void TFormMain::PreferencesClick() {
  Preferences chosen = prefs_;
  if (!dialogs_.EditPreferences(this, chosen)) return;
  chosen.Save();
  ApplyPreferences(chosen);
}

void TFormMain::ApplyPreferences(const Preferences &preferences) {
  const bool restyled = preferences.Thumbnails != prefs_.Thumbnails;
  prefs_ = preferences;
  session_->SetKeepMetadata(prefs_.KeepMetadata);
  session_->SetHistoryBudget(HistoryBudget(prefs_));
  strip_->SetStyle(prefs_.Thumbnails);
  if (!restyled) {
    SendThumbnailCell();
    return;
  }
  // The strip takes its new places; one on show is rendered again in the
  // new style.
  UpdateMinimumSize();
  Relayout();
  SendThumbnailCell();
}

void TFormMain::ImgViewNClick(int n) {
  session_->PreviewThumbnail(n);
}

void TFormMain::RenderWithPickedColor() {
  session_->PreviewWithPickedColors();
}

void TFormMain::CancelRender() {
  session_->CancelRender();
}

void TFormMain::ApplyPreview(int strength, const StepMask &mask) {
  session_->Apply(strength, mask);
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
  if (formClosed_) return;
  formClosed_ = closed_ = true;
  KeepGeometry();
  // Saved or discarded: nothing is left to restore, unless the desktop or
  // a signal ended the program.
  if (!keepWork_) session_->DropRecovery();
  if (FormPreview) FormPreview->hide();
  if (FormLooks) FormLooks->hide();
  if (FormBatch) FormBatch->hide();
  if (HelpBrowser) HelpBrowser->hide();
  SkinRemove();
  // The history goes with the pictures it holds.
  session_->Close();
  ImgEffect->SetPicture(session_->WorkBitmap());
}

}  // namespace qv
