#include "preview/MaskToolBar.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>

#include "preview/PreviewView.h"

namespace qv {

namespace {

QPushButton *ToolButton(QWidget *parent, const char *name, const QString &caption,
                        const QString &tip, bool checkable) {
  auto *button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(tip);
  button->setCheckable(checkable);
  button->setStyleSheet(QStringLiteral("QPushButton { padding-left: 4px; padding-right: 4px; }"));
  return button;
}

QSlider *Slider(QWidget *parent, const char *name, int low, int high, const QString &tip) {
  auto *slider = new QSlider(Qt::Horizontal, parent);
  slider->setObjectName(QString::fromLatin1(name));
  slider->setRange(low, high);
  slider->setToolTip(tip);
  return slider;
}

QLabel *Caption(QWidget *parent, const char *name, const QString &text) {
  auto *label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  QPalette light = label->palette();
  light.setColor(QPalette::WindowText, Qt::white);
  label->setPalette(light);
  return label;
}

// The size slider goes by the square root of the size, so that the small
// brushes, used most, get most of its length: position p of 0 to 100 is a
// radius of 2 + 498 (p / 100)^2 screen pixels.
constexpr int kSmallest = 2, kLargest = 500;

int SizeAt(int position) {
  return kSmallest + int(std::lround((kLargest - kSmallest) * position * position / 10000.0));
}

int PositionOf(int size) {
  return int(std::lround(100 * std::sqrt(double(size - kSmallest) / (kLargest - kSmallest))));
}

}  // namespace

MaskToolBar::MaskToolBar(PreviewView *view, QWidget *parent) : QWidget(parent), view_(view) {
  setObjectName(QStringLiteral("MaskToolBar"));
  BtnBrush = ToolButton(this, "BtnBrush", tr("Brush"),
                        tr("Paint the effect in; on a mask of nothing yet, the first stroke "
                           "starts from no effect anywhere. Size: [ and ], or Ctrl+wheel"),
                        true);
  BtnEraser =
      ToolButton(this, "BtnEraser", tr("Eraser"),
                 tr("Take the effect away where you paint. Size: [ and ], or Ctrl+wheel"), true);
  BtnLinear = ToolButton(this, "BtnLinear", tr("Linear"),
                         tr("Linear gradient: drag from full effect to none; its handles move it "
                            "until Apply"),
                         true);
  BtnRadial = ToolButton(this, "BtnRadial", tr("Radial"),
                         tr("Radial gradient: drag from the centre outwards; its handles move, "
                            "stretch and soften it until Apply"),
                         true);
  BtnInvert = ToolButton(this, "BtnInvert", tr("Invert"),
                         tr("Turn the mask over: the effect where it was not"), true);
  BtnClear = ToolButton(this, "BtnClear", tr("Clear"),
                        tr("Remove the mask: the effect everywhere again. Ctrl+Z undoes a mask "
                           "edit, Ctrl+Shift+Z redoes it"),
                        false);
  BtnShowMask = ToolButton(this, "BtnShowMask", tr("Show mask"),
                           tr("Show where the effect goes, tinted red (M)"), true);
  LabelSize = Caption(this, "LabelSize", tr("Size"));
  SliderSize = Slider(this, "SliderSize", 0, 100,
                      tr("Brush size: its radius in screen pixels ([ and ], or Ctrl+wheel)"));
  LabelHardness = Caption(this, "LabelHardness", tr("Hardness"));
  SliderHardness = Slider(this, "SliderHardness", 0, 100,
                          tr("Brush hardness: how much of the brush paints at full strength "
                             "(Shift+wheel)"));
  LabelFlow = Caption(this, "LabelFlow", tr("Flow"));
  SliderFlow =
      Slider(this, "SliderFlow", 1, 100, tr("Brush flow: how much each touch of the brush adds"));
  SliderSize->setAccessibleName(tr("Brush size"));
  SliderHardness->setAccessibleName(tr("Brush hardness"));
  SliderFlow->setAccessibleName(tr("Brush flow"));

  // A tool pressed again is put down.
  const std::pair<QPushButton *, PreviewView::Tool> tools[] = {
      {BtnBrush, PreviewView::Tool::Brush},
      {BtnEraser, PreviewView::Tool::Eraser},
      {BtnLinear, PreviewView::Tool::Linear},
      {BtnRadial, PreviewView::Tool::Radial}};
  for (const auto &[button, tool] : tools)
    connect(button, &QPushButton::clicked, this, [this, tool = tool](bool on) {
      view_->SetTool(on ? tool : PreviewView::Tool::None);
      Follow();
    });
  connect(BtnInvert, &QPushButton::clicked, view_, &PreviewView::InvertMask);
  connect(BtnClear, &QPushButton::clicked, view_, &PreviewView::ClearMask);
  connect(BtnShowMask, &QPushButton::toggled, view_, &PreviewView::SetShowMask);
  connect(SliderSize, &QSlider::valueChanged, this,
          [this](int position) { view_->SetBrushSize(SizeAt(position)); });
  connect(SliderHardness, &QSlider::valueChanged, view_, &PreviewView::SetHardness);
  connect(SliderFlow, &QSlider::valueChanged, view_, &PreviewView::SetFlow);
  connect(view_, &PreviewView::MaskChanged, this, &MaskToolBar::Follow);
  connect(view_, &PreviewView::BrushChanged, this, &MaskToolBar::Follow);
  for (const auto &[key, steps] : {std::pair{Qt::Key_BracketLeft, -1}, {Qt::Key_BracketRight, 1}})
    connect(new QShortcut(QKeySequence(key), parent), &QShortcut::activated, this,
            [this, steps = steps] {
              const int size = view_->BrushSize();
              view_->SetBrushSize(size + steps * std::max(1, size / 8));
            });
  // A letter for each tool and for the tint, wherever the focus is in the
  // dialog (it has no text to type into).
  for (const auto &[key, button] : {std::pair{Qt::Key_B, BtnBrush},
                                    {Qt::Key_E, BtnEraser},
                                    {Qt::Key_L, BtnLinear},
                                    {Qt::Key_R, BtnRadial},
                                    {Qt::Key_M, BtnShowMask}})
    connect(new QShortcut(QKeySequence(key), parent), &QShortcut::activated, button,
            [button = button] {
              if (button->isEnabled()) button->click();
            });
  Follow();
  LayOut();
}

void MaskToolBar::Follow() {
  const PreviewView::Tool tool = view_->CurrentTool();
  BtnBrush->setChecked(tool == PreviewView::Tool::Brush);
  BtnEraser->setChecked(tool == PreviewView::Tool::Eraser);
  BtnLinear->setChecked(tool == PreviewView::Tool::Linear);
  BtnRadial->setChecked(tool == PreviewView::Tool::Radial);
  BtnInvert->setChecked(view_->Mask().Inverted());
  BtnClear->setEnabled(view_->Mask().Masks());
  const QSignalBlocker size(SliderSize), hardness(SliderHardness), flow(SliderFlow);
  // A size between two positions keeps its own value.
  if (SizeAt(SliderSize->value()) != view_->BrushSize())
    SliderSize->setValue(PositionOf(view_->BrushSize()));
  SliderHardness->setValue(view_->Hardness());
  SliderFlow->setValue(view_->Flow());
  SliderSize->setToolTip(tr("Brush size: %1 pixels across the screen ([ and ], or Ctrl+wheel)")
                             .arg(2 * view_->BrushSize()));
  SliderHardness->setToolTip(tr("Brush hardness: %1 % (Shift+wheel)").arg(view_->Hardness()));
  SliderFlow->setToolTip(tr("Brush flow: %1 % a touch").arg(view_->Flow()));
  LabelSize->setText(tr("Size %1").arg(view_->BrushSize()));
  LabelHardness->setText(tr("Hardness %1 %").arg(view_->Hardness()));
  LabelFlow->setText(tr("Flow %1 %").arg(view_->Flow()));
  const bool brush = tool == PreviewView::Tool::Brush || tool == PreviewView::Tool::Eraser;
  for (QWidget *control : std::initializer_list<QWidget *>{SliderSize, SliderHardness, SliderFlow,
                                                           LabelSize, LabelHardness, LabelFlow})
    control->setEnabled(brush);
}

void MaskToolBar::resizeEvent(QResizeEvent *event) {
  QWidget::resizeEvent(event);
  LayOut();
}

void MaskToolBar::changeEvent(QEvent *event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange) LayOut();
}

// The buttons side by side as wide as their captions need, the three
// groups apart; below them each slider beside its caption, sharing the
// width that is left.
void MaskToolBar::LayOut() {
  int x = 0;
  for (QPushButton *button :
       {BtnBrush, BtnEraser, BtnLinear, BtnRadial, BtnInvert, BtnClear, BtnShowMask}) {
    if (button == BtnLinear || button == BtnInvert) x += 6;
    const int w = std::max(24, button->sizeHint().width());
    button->setGeometry(x, 0, w, 24);
    x += w + 2;
  }
  // Each caption as wide as its widest value, so that nothing moves as
  // the values change.
  const QFontMetrics metrics = LabelSize->fontMetrics();
  const int widths[] = {metrics.horizontalAdvance(tr("Size %1").arg(kLargest)) + 4,
                        metrics.horizontalAdvance(tr("Hardness %1 %").arg(100)) + 4,
                        metrics.horizontalAdvance(tr("Flow %1 %").arg(100)) + 4};
  const int slider = std::clamp((width() - widths[0] - widths[1] - widths[2] - 16) / 3, 30, 160);
  x = 0;
  int i = 0;
  for (auto [label, control] : {std::pair<QLabel *, QSlider *>{LabelSize, SliderSize},
                                {LabelHardness, SliderHardness},
                                {LabelFlow, SliderFlow}}) {
    label->setGeometry(x, kRowHeight, widths[i], 24);
    x += widths[i++];
    control->setGeometry(x, kRowHeight, slider, 24);
    x += slider + 8;
  }
}

}  // namespace qv
