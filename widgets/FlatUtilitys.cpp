#include "widgets/FlatUtilitys.h"

#include <QPainter>
#include <QWidget>

namespace qv {

void PaintFlatFrame(QPainter &painter, QRect rect, const QColor &topColor,
                    const QColor &bottomColor, int width) {
  // Filled runs rather than pen lines: exact pixels whatever the pen's end
  // caps and the painter's transform rounding do.
  int left = rect.left(), top = rect.top();
  int right = rect.right(), bottom = rect.bottom();  // inclusive
  while (width-- > 0 && left <= right && top <= bottom) {
    painter.fillRect(left, top, right - left, 1, topColor);  // top row, last pixel spared
    painter.fillRect(left, top, 1, bottom - top, topColor);  // left column, last pixel spared
    painter.fillRect(right, top, 1, bottom - top + 1, bottomColor);    // right column
    painter.fillRect(left, bottom, right - left + 1, 1, bottomColor);  // bottom row
    ++left, ++top, --right, --bottom;
  }
}

void PaintParentBackdrop(QWidget *control, QPainter &painter) {
  QWidget *parent = control->parentWidget();
  if (!parent) return;
  const QRect under = control->geometry() & parent->rect();
  if (under.isEmpty()) return;
  painter.save();
  // The parent alone, without its children: this control is one of them.
  parent->render(&painter, under.topLeft() - control->pos(), QRegion(under),
                 QWidget::DrawWindowBackground);
  painter.restore();
}

}  // namespace qv
