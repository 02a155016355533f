#include "widgets/SplitHandle.h"

#include <QMouseEvent>
#include <QPainter>

namespace qv {

SplitHandle::SplitHandle(QWidget *parent) : QWidget(parent) {
  setCursor(Qt::SplitVCursor);
}

// The panels' orange edge colour with a grip of three dots in the middle.
void SplitHandle::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(72, 72, 0));
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 128, 0));
  const QPointF middle = QRectF(rect()).center();
  for (int i = -1; i <= 1; ++i) painter.drawEllipse(middle + QPointF(i * 8, 0), 1.5, 1.5);
}

void SplitHandle::mousePressEvent(QMouseEvent *event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  grip_ = int(event->position().y());
}

void SplitHandle::mouseMoveEvent(QMouseEvent *event) {
  if (grip_ < 0) return QWidget::mouseMoveEvent(event);
  emit Dragged(mapToParent(event->position().toPoint()).y() - grip_);
}

void SplitHandle::mouseReleaseEvent(QMouseEvent *event) {
  if (event->button() != Qt::LeftButton || grip_ < 0) return QWidget::mouseReleaseEvent(event);
  grip_ = -1;
  emit Released();
}

}  // namespace qv
