#include "preview/UnitPreview.h"

#include <algorithm>

#include <QCloseEvent>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSlider>

#include "gfx/Bitmap.h"
#include "kernels/StrengthMix.h"
#include "preview/MaskToolBar.h"
#include "preview/PreviewHost.h"
#include "preview/PreviewView.h"

#include "widgets/BitmapImage.h"
#include "widgets/ColorMap.h"
#include "widgets/DesignFont.h"
#include "widgets/EditorSettings.h"
#include "widgets/TFlatPanelUnit.h"

namespace qv {

namespace {

constexpr TColor kBackground = 20817;  // red 81, green 81, blue 0
constexpr TColor kFrame = 33023;       // orange: red 255, green 128, blue 0
// Space kept between the dialog and the edges of the display it opens over.
constexpr int kMargin = 8;
// Below the frame: the two rows of mask controls, the row of view
// controls, then the row of buttons.
constexpr int kToolRow = 70, kButtonRow = 42;
constexpr int kMaskRows = kToolRow + MaskToolBar::kHeight, kBelowFrame = kMaskRows + 18;
// The design's frame, on which the notice's places are drawn.
constexpr int kDesignFrameWidth = 393, kDesignFrameHeight = 230;
constexpr int kLongestSlider = 260;
const QString kGeometryKey = QStringLiteral("Preview/geometry");
// The three ways of holding the original.
constexpr unsigned kByButton = 1, kBySpace = 2, kByRightButton = 4;

QLabel *NoticeLabel(QWidget *parent, const QString &caption, int pixelHeight, QRect bounds) {
  auto *label = new QLabel(caption, parent);
  QFont font = label->font();
  font.setPixelSize(pixelHeight);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::red);
  label->setPalette(palette);
  label->setGeometry(bounds);
  // Desktop fonts run wider than the design's; the caption is not clipped.
  label->resize(std::max(bounds.width(), label->sizeHint().width()), bounds.height());
  return label;
}

QPushButton *Button(QWidget *parent, const char *name, const QString &caption, QRect bounds) {
  auto *button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(bounds);
  return button;
}

}  // namespace

// A dialog window: tied to its parent, above it, never lost behind it.
TFormPreview::TFormPreview(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("FormPreview"));
  setWindowTitle(tr("Preview"));
  setFont(DesignFont(QStringLiteral("MS Sans Serif"), -11));
  setMinimumSize(kDefaultWidth, kDefaultHeight);
  resize(kDefaultWidth, kDefaultHeight);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, ToQColor(kBackground));
  setPalette(pal);
  setAutoFillBackground(true);

  Panel1 = new TFlatPanel(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(0, 0, 393, 230);
  Panel1->SetColor(clOlive);
  Panel1->SetColorHighLight(kFrame);
  Panel1->SetColorShadow(kFrame);

  ImgPreview = new PreviewView(Panel1);
  ImgPreview->setObjectName(QStringLiteral("ImgPreview"));
  ImgPreview->hide();

  Label1 = NoticeLabel(Panel1, tr("PROCESSING---"), 32, {64, 96, 241, 37});
  Label1->setObjectName(QStringLiteral("Label1"));
  Label2 = NoticeLabel(Panel1, tr("Wait seconds"), 24, {64, 64, 144, 29});
  Label2->setObjectName(QStringLiteral("Label2"));
  ProgressRender = new QProgressBar(Panel1);
  ProgressRender->setObjectName(QStringLiteral("ProgressRender"));
  ProgressRender->setGeometry(64, 140, 241, 16);
  ProgressRender->setRange(0, 1000);
  ProgressRender->setTextVisible(false);
  ProgressRender->hide();

  BtnApply = Button(this, "BtnApply", tr("Apply"), {184, 248, 75, 25});
  BtnCancel = Button(this, "BtnCancel", tr("Cancel"), {272, 248, 75, 25});
  BtnColor = Button(this, "BtnColor", tr("Change Color"), {80, 248, 83, 25});
  BtnColor->hide();
  BtnApply->setEnabled(false);

  BtnOriginal = Button(this, "BtnOriginal", tr("Original"), {8, 0, 60, 24});
  BtnOriginal->setToolTip(
      tr("Hold to see the picture without the effect (or hold "
         "Space, or the right mouse button on the picture)"));
  BtnSplit = Button(this, "BtnSplit", tr("Split"), {72, 0, 44, 24});
  BtnSplit->setCheckable(true);
  BtnSplit->setToolTip(tr("Before and after side by side; drag the divider"));
  BtnZoomOut = Button(this, "BtnZoomOut", QStringLiteral("\u2212"), {124, 0, 24, 24});
  BtnZoomOut->setToolTip(tr("Zoom out (Ctrl+minus, the wheel)"));
  BtnZoomIn = Button(this, "BtnZoomIn", QStringLiteral("+"), {150, 0, 24, 24});
  BtnZoomIn->setToolTip(tr("Zoom in (Ctrl+plus, the wheel)"));
  BtnFit = Button(this, "BtnFit", tr("Fit"), {176, 0, 32, 24});
  BtnFit->setToolTip(tr("The whole picture (Ctrl+0)"));
  BtnActual = Button(this, "BtnActual", QStringLiteral("100 %"), {210, 0, 44, 24});
  BtnActual->setToolTip(tr("One picture pixel to a screen pixel (Ctrl+1)"));
  for (QPushButton *tool : {BtnOriginal, BtnSplit, BtnZoomOut, BtnZoomIn, BtnFit, BtnActual})
    tool->setStyleSheet(QStringLiteral("QPushButton { padding-left: 4px; padding-right: 4px; }"));
  SliderStrength = new QSlider(Qt::Horizontal, this);
  SliderStrength->setObjectName(QStringLiteral("SliderStrength"));
  SliderStrength->setRange(kMinStrength, kFullStrength);
  SliderStrength->setValue(kFullStrength);
  SliderStrength->setPageStep(10);
  SliderStrength->setToolTip(tr("Strength of the effect"));
  SliderStrength->setAccessibleName(tr("Strength"));
  LabelStrength = new QLabel(this);
  LabelStrength->setObjectName(QStringLiteral("LabelStrength"));
  LabelStrength->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  QPalette light = LabelStrength->palette();
  light.setColor(QPalette::WindowText, Qt::white);
  LabelStrength->setPalette(light);
  ShowStrength(kFullStrength);

  connect(BtnOriginal, &QPushButton::pressed, this, [this] { HoldOriginal(kByButton, true); });
  connect(BtnOriginal, &QPushButton::released, this, [this] { HoldOriginal(kByButton, false); });
  connect(ImgPreview, &PreviewView::OriginalHeld, this,
          [this](bool on) { HoldOriginal(kByRightButton, on); });
  connect(BtnSplit, &QPushButton::toggled, ImgPreview, &PreviewView::SetSplit);
  connect(BtnZoomOut, &QPushButton::clicked, ImgPreview, &PreviewView::ZoomOut);
  connect(BtnZoomIn, &QPushButton::clicked, ImgPreview, &PreviewView::ZoomIn);
  connect(BtnFit, &QPushButton::clicked, ImgPreview, &PreviewView::ZoomToFit);
  connect(BtnActual, &QPushButton::clicked, ImgPreview, &PreviewView::ZoomToActual);
  connect(SliderStrength, &QSlider::valueChanged, this, [this](int strength) {
    ImgPreview->SetStrength(strength);
    ShowStrength(strength);
  });
  MaskTools = new MaskToolBar(ImgPreview, this);

  auto key = [this](QKeySequence sequence, void (PreviewView::*zoom)()) {
    connect(new QShortcut(sequence, this), &QShortcut::activated, ImgPreview, zoom);
  };
  key(QKeySequence::ZoomIn, &PreviewView::ZoomIn);
  key(QKeySequence(Qt::CTRL | Qt::Key_Equal), &PreviewView::ZoomIn);  // plus without Shift
  key(QKeySequence::ZoomOut, &PreviewView::ZoomOut);
  key(QKeySequence(Qt::CTRL | Qt::Key_0), &PreviewView::ZoomToFit);
  key(QKeySequence(Qt::CTRL | Qt::Key_1), &PreviewView::ZoomToActual);
  // Space holds the original wherever the focus is, rather than pressing
  // the focused button (Enter does that here).
  for (QWidget *child : findChildren<QWidget *>()) child->installEventFilter(this);
  LayOut();

  connect(BtnApply, &QPushButton::clicked, this, [this] { BtnApplyClick(); });
  connect(BtnCancel, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(BtnColor, &QPushButton::clicked, this, [this] { BtnColorClick(); });
  // Enter applies whichever button has the focus (Esc: keyPressEvent).
  for (const QKeySequence &key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)})
    connect(new QShortcut(key, this), &QShortcut::activated, this, [this] { BtnApplyClick(); });
  made_ = true;
}

void TFormPreview::KeepGeometry() {
  if (placed_) EditorSettings().setValue(kGeometryKey, saveGeometry());
}

void TFormPreview::changeEvent(QEvent *event) {
  QWidget::changeEvent(event);
  // A skin set after the dialog was made changes how wide its captions are.
  if (made_ && (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange))
    LayOut();
}

void TFormPreview::ShowBeside() {
  LayOut();
  // The first time, where the user left it in an earlier run, else beside
  // the controls.
  if (!placed_) {
    placed_ = true;
    const QByteArray geometry = EditorSettings().value(kGeometryKey).toByteArray();
    if (!geometry.isEmpty() && restoreGeometry(geometry)) {
      show();
      raise();
      activateWindow();
      return;
    }
  }
  if (isHidden()) Place();
  show();
  raise();
  activateWindow();
}

void TFormPreview::Place() {
  if (!host_) return;
  const QRect area = host_->PreviewArea();
  // The frame is known once the dialog has been on screen; before that the
  // client size stands for it.
  const QSize outer = frameGeometry().size().expandedTo(size());
  // At the right of the display, where it covers the least of a centred
  // picture, but never left of the display, over the controls.
  QPoint at(std::max(area.right() + 1 - kMargin - outer.width(), area.left() + kMargin),
            area.top() + kMargin);
  if (const QScreen *screen = parentWidget() ? parentWidget()->screen() : this->screen()) {
    const QRect free = screen->availableGeometry();
    at.setX(
        std::clamp(at.x(), free.left(), std::max(free.left(), free.right() + 1 - outer.width())));
    at.setY(
        std::clamp(at.y(), free.top(), std::max(free.top(), free.bottom() + 1 - outer.height())));
  }
  move(at);
}

void TFormPreview::BtnApplyClick() {
  if (!hasRender_ || !host_) return;
  host_->Guard([this] {
    // The mask goes with the step; none when it holds nothing back.
    const StepMask mask = ImgPreview->Mask().Masks() ? ImgPreview->Mask().ToStepMask() : StepMask();
    host_->ApplyPreview(ImgPreview->Strength(), mask);
    hide();
  });
}

void TFormPreview::Button2Click() {
  if (rendering_) {
    rendering_ = false;
    SetNotice(false);
    if (host_) host_->CancelRender();
  }
  hide();
}

bool TFormPreview::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
      if (!key->isAutoRepeat()) HoldOriginal(kBySpace, event->type() == QEvent::KeyPress);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

int TFormPreview::MaskHistoryKey(const QKeyEvent *key) const {
  if (!ImgPreview->isVisible() || !ImgPreview->Mask().Edited()) return 0;
  const QKeySequence pressed(key->keyCombination());
  if (key->matches(QKeySequence::Undo)) return 1;
  if (key->matches(QKeySequence::Redo) ||
      pressed == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) ||
      pressed == QKeySequence(Qt::CTRL | Qt::Key_Y))
    return 2;
  return 0;
}

// The main window's Undo and Redo are shortcuts of the whole application;
// while the mask has edits, the dialog takes their keys for the mask.
bool TFormPreview::event(QEvent *event) {
  if (event->type() == QEvent::ShortcutOverride &&
      MaskHistoryKey(static_cast<QKeyEvent *>(event))) {
    event->accept();
    return true;
  }
  return QWidget::event(event);
}

void TFormPreview::hideEvent(QHideEvent *event) {
  QWidget::hideEvent(event);
  // Minimised, the dialog keeps its mask; closed, the next preview starts anew.
  if (!event->spontaneous()) ImgPreview->ResetMask();
}

void TFormPreview::keyReleaseEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
    HoldOriginal(kBySpace, false);
    event->accept();
    return;
  }
  QWidget::keyReleaseEvent(event);
}

void TFormPreview::HoldOriginal(unsigned way, bool on) {
  originalHeld_ = on ? originalHeld_ | way : originalHeld_ & ~way;
  ImgPreview->SetShowOriginal(originalHeld_ != 0);
}

void TFormPreview::ShowStrength(int strength) {
  LabelStrength->setText(tr("Strength %1 %").arg(strength));
}

void TFormPreview::resizeEvent(QResizeEvent *event) {
  QWidget::resizeEvent(event);
  LayOut();
}

// The frame takes what the two rows below it leave; the notice stays in
// its middle, the buttons keep their distance from the right edge.
void TFormPreview::LayOut() {
  const int w = width(), h = height();
  Panel1->setGeometry(0, 0, w - 2, h - kBelowFrame);
  ImgPreview->setGeometry(1, 1, Panel1->width() - 2, Panel1->height() - 2);
  const QPoint centre((Panel1->width() - kDesignFrameWidth) / 2,
                      (Panel1->height() - kDesignFrameHeight) / 2);
  Label1->move(QPoint(64, 96) + centre);
  Label2->move(QPoint(64, 64) + centre);
  ProgressRender->move(QPoint(64, 140) + centre);
  MaskTools->setGeometry(8, h - kMaskRows, w - 16, MaskToolBar::kHeight);

  // The view controls side by side as wide as their captions need (the
  // skin pads buttons more than the design did); the slider takes the rest.
  const int tools = h - kToolRow;
  int x = 8;
  for (QWidget *tool : std::initializer_list<QWidget *>{BtnOriginal, BtnSplit, BtnZoomOut,
                                                        BtnZoomIn, BtnFit, BtnActual}) {
    const int gap = tool == BtnZoomOut || tool == BtnFit ? 8 : 2;
    if (tool != BtnOriginal) x += gap;
    tool->setGeometry(x, tools, std::max(24, tool->sizeHint().width()), 24);
    x += tool->width();
  }
  // The slider no longer than a hand sweeps, its caption right beside it.
  const int label = LabelStrength->fontMetrics().horizontalAdvance(tr("Strength 100 %")) + 6;
  const int slider = std::clamp(w - x - 8 - label - 6, 40, kLongestSlider);
  SliderStrength->setGeometry(x + 8, tools, slider, 24);
  LabelStrength->setGeometry(x + 8 + slider + 4, tools, label, 24);

  const int buttons = h - kButtonRow;
  // The caption is wider than 83 pixels in most desktop fonts and skins; the
  // button grows leftwards from the design's place, short of Apply, rather
  // than clip it.
  const int colorWidth = std::max(83, BtnColor->sizeHint().width());
  BtnColor->setGeometry(std::min(80, w - 211 - 8 - colorWidth), buttons, colorWidth, 25);
  BtnApply->move(w - 211, buttons);
  BtnCancel->move(w - 123, buttons);
}

void TFormPreview::keyPressEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
    HoldOriginal(kBySpace, true);
    event->accept();
    return;
  }
  if (event->key() == Qt::Key_Escape) {
    Button2Click();
    event->accept();
    return;
  }
  if (const int key = MaskHistoryKey(event)) {
    if (key == 1)
      ImgPreview->UndoMask();
    else
      ImgPreview->RedoMask();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TFormPreview::closeEvent(QCloseEvent *event) {
  Button2Click();
  event->accept();
}

void TFormPreview::BtnColorClick() {
  if (!host_) return;
  host_->Guard([this] { host_->RenderWithPickedColor(); });
}

void TFormPreview::SetNotice(bool on) {
  Label2->setVisible(on);
  Label1->setVisible(on);
  ProgressRender->setVisible(on);
}

void TFormPreview::SetProgress(double fraction) {
  ProgressRender->setValue(int(std::clamp(fraction, 0.0, 1.0) * 1000));
}

void TFormPreview::BeginRender() {
  rendering_ = true;
  SetProgress(0);
  hasRender_ = false;
  BtnApply->setEnabled(false);
  ImgPreview->hide();
  // A hold whose release went elsewhere (the dialog closed meanwhile) ends.
  originalHeld_ = 0;
  ImgPreview->SetShowOriginal(false);
  SetNotice(true);
}

void TFormPreview::ShowRender(PictureRef result, PictureRef original, bool applicable) {
  rendering_ = false;
  ImgPreview->SetPictures(std::move(result), std::move(original));
  // Before and after need the picture the render came from.
  const bool compare = ImgPreview->Original() != nullptr;
  for (QWidget *control :
       std::initializer_list<QWidget *>{BtnOriginal, BtnSplit, SliderStrength, MaskTools})
    control->setEnabled(compare);
  SetNotice(false);
  ImgPreview->show();
  hasRender_ = applicable;
  BtnApply->setEnabled(applicable);
}

void TFormPreview::RenderFailed() {
  rendering_ = false;
  SetNotice(false);
  ImgPreview->hide();
  hasRender_ = false;
  BtnApply->setEnabled(false);
}

void TFormPreview::RenderCancelled() {
  rendering_ = false;
  SetNotice(false);
  hide();
}

}  // namespace qv
