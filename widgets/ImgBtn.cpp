#include "widgets/ImgBtn.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace qv {

// Reached by Tab like any button, with the focus frame of the image control.
TImgBtn::TImgBtn(QWidget *parent) : TImage(parent) {
  setFocusPolicy(Qt::TabFocus);
  SetShowsFocus(true);
}

void TImgBtn::keyPressEvent(QKeyEvent *event) {
  const int key = event->key();
  if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (isEnabled()) emit Click();
    event->accept();
    return;
  }
  TImage::keyPressEvent(event);
}

void TImgBtn::SetPic(const Bitmap &value) {
  SetPicture(value);
  pic_ = value;
}

void TImgBtn::SetPicDown(const Bitmap &value) {
  picDown_ = value;
}
void TImgBtn::SetPicUp(const Bitmap &value) {
  picUp_ = value;
}

// Qt does not report enter and leave while the mouse is grabbed by a press,
// so the move handler reports crossings itself; both roads meet here and act
// only on a real change, so no crossing is reported twice.
void TImgBtn::PointerEntered(const QPoint &pos) {
  if (!Supported || FMouseInside) return;
  FMouseInside = true;
  SetPicture(FButtonDown ? picDown_ : picUp_);
  if (OnMouseEnter) OnMouseEnter(pos);
}

void TImgBtn::PointerLeft(const QPoint &pos) {
  if (!Supported || !FMouseInside) return;
  FMouseInside = false;
  SetPicture(pic_);
  if (OnMouseLeave) OnMouseLeave(pos);
}

void TImgBtn::enterEvent(QEnterEvent *event) {
  PointerEntered(event->position().toPoint());
}

void TImgBtn::leaveEvent(QEvent *) {
  PointerLeft(mapFromGlobal(QCursor::pos()));
}

void TImgBtn::mousePressEvent(QMouseEvent *event) {
  TImage::mousePressEvent(event);
  if (!Supported || event->button() != Qt::LeftButton) return;
  FButtonDown = true;
  if (FMouseInside) SetPicture(picDown_);
  if (OnMouseDown) OnMouseDown(event->position().toPoint());
}

void TImgBtn::mouseMoveEvent(QMouseEvent *event) {
  TImage::mouseMoveEvent(event);
  const QPoint pos = event->position().toPoint();
  if (rect().contains(pos))
    PointerEntered(pos);
  else
    PointerLeft(pos);
}

void TImgBtn::mouseReleaseEvent(QMouseEvent *event) {
  TImage::mouseReleaseEvent(event);
  if (!Supported || event->button() != Qt::LeftButton) return;
  FButtonDown = false;
  if (FMouseInside) SetPicture(picUp_);
  if (OnMouseUp) OnMouseUp(event->position().toPoint());
}

}  // namespace qv
