#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QSlider;

namespace qv {

class PreviewView;

// The preview's mask controls, two rows of them: the tools (Brush, Eraser,
// Linear and Radial gradients; pressed again, a tool is put down and the
// left button pans), Invert, Clear and "Show mask"; then the brush's size,
// hardness and flow. They act on the view and follow it when the keys or
// the wheel change the brush or an edit is undone. [ and ] size the brush
// and B, E, L, R and M press the tools and "Show mask", wherever the focus
// is in the dialog.
class MaskToolBar : public QWidget {
  Q_OBJECT
 public:
  MaskToolBar(PreviewView *view, QWidget *parent);

  // Both rows, laid out over the toolbar's width.
  static constexpr int kRowHeight = 28, kHeight = 2 * kRowHeight;

  QPushButton *BtnBrush, *BtnEraser, *BtnLinear, *BtnRadial;
  QPushButton *BtnInvert, *BtnClear, *BtnShowMask;
  QSlider *SliderSize, *SliderHardness, *SliderFlow;
  QLabel *LabelSize, *LabelHardness, *LabelFlow;

 protected:
  void resizeEvent(QResizeEvent *event) override;
  void changeEvent(QEvent *event) override;

 private:
  void LayOut();
  // The controls as the view has them now.
  void Follow();

  PreviewView *view_;
};

}  // namespace qv
