#include "widgets/Image.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "widgets/BitmapImage.h"
#include "widgets/DisplayColor.h"

namespace qv {

TImage::TImage(QWidget *parent) : QWidget(parent) {}

Bitmap &TImage::EditPicture() {
  screen_.Invalidate();
  update();
  return picture_;
}

void TImage::SetPicture(const Bitmap &picture) {
  picture_ = picture;
  PictureChanged();
}

void TImage::SetPicture(Bitmap &&picture) {
  picture_ = std::move(picture);
  PictureChanged();
}

void TImage::PictureChanged() {
  screen_.Invalidate();
  if (autoSize_ && !picture_.Empty()) resize(picture_.Width(), picture_.Height());
  update();
}

void TImage::SetColorSpace(const QColorSpace &space) {
  space_ = space;
  screen_.Invalidate();
  update();
}

void TImage::SetStretch(bool on) {
  stretch_ = on;
  update();
}

void TImage::SetAutoSize(bool on) {
  autoSize_ = on;
  if (on) PictureChanged();
}

void TImage::paintEvent(QPaintEvent *) {
  if (picture_.Empty()) return;
  QPainter painter(this);
  // A disabled control fades into its parent, so that a disabled image
  // button does not look like one that can be pressed.
  if (!isEnabled()) painter.setOpacity(0.4);
  if (stretch_)
    PaintStretched(painter);
  else
    painter.drawImage(0, 0, DisplayImage(WrapAsQImage(picture_), space_));
}

void TImage::PaintStretched(QPainter &painter) {
  // What the parent does not clip away.
  QRect shown = rect();
  if (const QWidget *parent = parentWidget())
    shown &= QRect(mapFromParent(QPoint(0, 0)), parent->size());
  if (shown.isEmpty()) return;
  const double ratio = devicePixelRatioF();
  const double sx = double(picture_.Width()) / width(), sy = double(picture_.Height()) / height();
  const QRectF source(shown.x() * sx, shown.y() * sy, shown.width() * sx, shown.height() * sy);
  const QSize target(qRound(shown.width() * ratio), qRound(shown.height() * ratio));
  const QScreen *display = screen();
  const int screenHeight = qRound((display ? display->size().height() : 1080) * ratio);
  painter.drawImage(shown.topLeft(),
                    screen_.View(picture_, space_, source, target, ratio, screenHeight));
}

void TImage::changeEvent(QEvent *event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) update();
}

void TImage::mousePressEvent(QMouseEvent *event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
  QWidget::mousePressEvent(event);
}

void TImage::mouseReleaseEvent(QMouseEvent *event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  const bool click = pressed_ && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) emit Click();
}

}  // namespace qv
