#include "widgets/UndoArrow.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "widgets/BitmapImage.h"

namespace qv {

namespace {
QImage PaintArrow(const QColor &arrow, const QColor &stripe, const QColor &stripeAlt) {
  constexpr int kWidth = 38, kHeight = 30;
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter p(&image);
  for (int y = 0; y < kHeight; y += 2)
    p.fillRect(0, y, kWidth, 2, (y / 2) % 2 ? stripeAlt : stripe);

  p.setRenderHint(QPainter::Antialiasing);
  // The shaft rises from the lower right and bends over to the left...
  QPainterPath shaft;
  shaft.moveTo(30.5, 25.0);
  shaft.cubicTo(32.0, 10.0, 22.0, 5.5, 14.0, 10.5);
  p.setPen(QPen(arrow, 4.0, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(shaft);
  // ...where the head points back, down and to the left.
  QPainterPath head;
  head.moveTo(5.0, 15.0);
  head.lineTo(11.0, 4.5);
  head.lineTo(17.5, 16.0);
  head.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(arrow);
  p.drawPath(head);
  p.end();
  return image;
}
}  // namespace

Bitmap PaintUndoArrow(const QColor &arrow, const QColor &stripe, const QColor &stripeAlt) {
  return FromQImage(PaintArrow(arrow, stripe, stripeAlt));
}

Bitmap PaintRedoArrow(const QColor &arrow, const QColor &stripe, const QColor &stripeAlt) {
  return FromQImage(PaintArrow(arrow, stripe, stripeAlt).mirrored(true, false));
}

}  // namespace qv
