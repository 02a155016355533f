#pragma once

#include <QWidget>

namespace qv {

// The bar between two panels one above the other (the display and the
// strip): dragging it moves the boundary. It only reports where the
// pointer wants the boundary; whoever lays the panels out decides.
class SplitHandle : public QWidget {
  Q_OBJECT
 public:
  explicit SplitHandle(QWidget *parent = nullptr);

 signals:
  // The boundary dragged to `y`, in the parent's coordinates.
  void Dragged(int y);
  // The drag has ended.
  void Released();

 protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;

 private:
  int grip_ = -1;  // where in the bar it was taken; -1: not dragged
};

}  // namespace qv
