#pragma once

#include <QColor>
#include <QRect>

class QPainter;
class QWidget;

namespace qv {

// Draws `width` nested one-pixel frames inside rect. Of each frame the top
// row (all but its last pixel) and the left column (all but its last pixel)
// take topColor; the right column and the bottom row, complete, take
// bottomColor, so a 1 x 1 frame shows only bottomColor.
void PaintFlatFrame(QPainter &painter, QRect rect, const QColor &topColor,
                    const QColor &bottomColor, int width);

// Paints what the control's parent shows under the control (the parent's
// background and its own painting, not its other children) into painter,
// whose origin is the control's top-left corner. Nothing without a parent.
void PaintParentBackdrop(QWidget *control, QPainter &painter);

}  // namespace qv
