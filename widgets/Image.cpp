#include "widgets/Image.h"

#include <algorithm>

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
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

void TImage::SetInset(int inset) {
  inset_ = std::max(inset, 0);
  update();
}

QRect TImage::PictureRect() const {
  return rect().adjusted(inset_, inset_, -inset_, -inset_);
}

void TImage::SetShowsFocus(bool on) {
  showsFocus_ = on;
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
  if (showsFocus_ && hasFocus()) PaintFocus(painter);
}

// Two pixels of white around one of black, which shows on any picture and
// on the panels; where there is no room outside the picture, over its edge.
void TImage::PaintFocus(QPainter &painter) {
  QRect frame = rect();
  if (const QWidget *parent = parentWidget())
    frame &= QRect(mapFromParent(QPoint(0, 0)), parent->size());
  painter.setOpacity(1);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawRect(QRectF(frame).adjusted(1, 1, -1, -1));
  painter.setPen(QPen(Qt::black, 1));
  painter.drawRect(QRectF(frame).adjusted(2.5, 2.5, -2.5, -2.5));
}

void TImage::PaintStretched(QPainter &painter) {
  // What the parent does not clip away.
  const QRect area = PictureRect();
  QRect shown = area;
  if (const QWidget *parent = parentWidget())
    shown &= QRect(mapFromParent(QPoint(0, 0)), parent->size());
  if (shown.isEmpty()) return;
  const Bitmap &picture = Picture();
  const double ratio = devicePixelRatioF();
  const double sx = double(picture.Width()) / area.width(),
               sy = double(picture.Height()) / area.height();
  const QRectF source((shown.x() - area.x()) * sx, (shown.y() - area.y()) * sy, shown.width() * sx,
                      shown.height() * sy);
  QSize target(qRound(shown.width() * ratio), qRound(shown.height() * ratio));
  // A picture made for the area's device pixels (a thumbnail) is drawn one
  // to one, sharp, though the area cannot always be as many logical pixels
  // as it has device pixels: it is rounded by at most one of them.
  const QSize own(picture.Width(), picture.Height());
  if (shown == area && (target - own).width() * (target - own).width() <= 1 &&
      (target - own).height() * (target - own).height() <= 1)
    target = own;
  painter.drawImage(shown.topLeft(),
                    screen_.View(picture, space_, source, target, ratio, ScreenCopyHeight()));
}

void TImage::changeEvent(QEvent *event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) update();
}

void TImage::focusInEvent(QFocusEvent *event) {
  QWidget::focusInEvent(event);
  if (showsFocus_) update();
}

void TImage::focusOutEvent(QFocusEvent *event) {
  QWidget::focusOutEvent(event);
  if (showsFocus_) update();
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
