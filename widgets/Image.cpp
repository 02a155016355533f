#include "widgets/Image.h"

#include <algorithm>

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "widgets/BitmapImage.h"
#include "widgets/DisplayColor.h"

namespace qv {

TImage::TImage(QWidget *parent) : QWidget(parent) {}

const Bitmap &TImage::Picture() const {
  static const Bitmap none;
  return picture_ ? *picture_ : none;
}

void TImage::SetPicture(const Bitmap &picture) {
  SetPicture(ShareCopy(picture));
}

void TImage::SetPicture(Bitmap &&picture) {
  SetPicture(Share(std::move(picture)));
}

void TImage::SetPicture(PictureRef picture) {
  picture_ = std::move(picture);
  screen_.Invalidate();
  const Bitmap &shown = Picture();
  if (autoSize_ && !shown.Empty()) resize(shown.Width(), shown.Height());
  update();
}

void TImage::SetPicture(PictureRef picture, QImage screenCopy) {
  SetPicture(std::move(picture));
  screen_.Adopt(std::move(screenCopy), Picture(), space_, ScreenCopyHeight());
}

// The screen's height, or the control's where it is taller (a window larger
// than its screen): a copy for less would be made again at the first paint.
int TImage::ScreenCopyHeight() const {
  const QScreen *display = screen();
  return qRound(std::max(display ? display->size().height() : 1080, height()) *
                devicePixelRatioF());
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
  if (on) SetPicture(picture_);
}

void TImage::paintEvent(QPaintEvent *) {
  const Bitmap &picture = Picture();
  if (picture.Empty()) return;
  QPainter painter(this);
  // A disabled control fades into its parent, so that a disabled image
  // button does not look like one that can be pressed.
  if (!isEnabled()) painter.setOpacity(0.4);
  if (stretch_)
    PaintStretched(painter);
  else
    painter.drawImage(0, 0, DisplayImage(WrapAsQImage(picture), space_));
}

void TImage::PaintStretched(QPainter &painter) {
  // What the parent does not clip away.
  QRect shown = rect();
  if (const QWidget *parent = parentWidget())
    shown &= QRect(mapFromParent(QPoint(0, 0)), parent->size());
  if (shown.isEmpty()) return;
  const Bitmap &picture = Picture();
  const double ratio = devicePixelRatioF();
  const double sx = double(picture.Width()) / width(), sy = double(picture.Height()) / height();
  const QRectF source(shown.x() * sx, shown.y() * sy, shown.width() * sx, shown.height() * sy);
  const QSize target(qRound(shown.width() * ratio), qRound(shown.height() * ratio));
  painter.drawImage(shown.topLeft(),
                    screen_.View(picture, space_, source, target, ratio, ScreenCopyHeight()));
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
