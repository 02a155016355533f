#include "widgets/Image.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include "widgets/BitmapImage.h"
#include "widgets/DisplayColor.h"

namespace qv {

TImage::TImage(QWidget *parent) : QWidget(parent) {}

Bitmap &TImage::EditPicture() {
  converted_ = QImage();
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
  converted_ = QImage();
  if (autoSize_ && !picture_.Empty()) resize(picture_.Width(), picture_.Height());
  update();
}

void TImage::SetColorSpace(const QColorSpace &space) {
  space_ = space;
  converted_ = QImage();
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
  if (NeedsDisplayConversion(space_)) {
    // Converted once at the size it is shown at, not on every paint.
    const QSize size =
        stretch_ ? rect().size() * devicePixelRatio() : QSize(picture_.Width(), picture_.Height());
    if (size.isEmpty()) return;
    if (converted_.size() != size) converted_ = DisplayImage(picture_, space_, size);
    converted_.setDevicePixelRatio(stretch_ ? devicePixelRatio() : 1.0);
    painter.drawImage(0, 0, converted_);
    return;
  }
  const QImage view = WrapAsQImage(picture_);
  if (stretch_) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), view);
  } else {
    painter.drawImage(0, 0, view);
  }
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
