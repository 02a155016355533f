#pragma once

#include <functional>

#include <QPoint>

#include "widgets/Image.h"

namespace qv {

// The pointer position, relative to the control, of the event that fired.
using TOnMouseEvent = std::function<void(const QPoint &pos)>;

// A picture control that behaves as a button made of three images: Pic
// normally, PicUp while the pointer is over it, PicDown while the left
// button is held down on it with the pointer over it.
class TImgBtn : public TImage {
  Q_OBJECT
 public:
  explicit TImgBtn(QWidget *parent = nullptr);

  const Bitmap &Pic() const { return pic_; }
  const Bitmap &PicDown() const { return picDown_; }
  const Bitmap &PicUp() const { return picUp_; }
  // Pic is shown at once; PicDown and PicUp wait for the next pointer event.
  void SetPic(const Bitmap &value);
  void SetPicDown(const Bitmap &value);
  void SetPicUp(const Bitmap &value);

  // Image switching and the four events below; on by default.
  bool Supported = true;
  TOnMouseEvent OnMouseDown;
  TOnMouseEvent OnMouseEnter;
  TOnMouseEvent OnMouseLeave;
  TOnMouseEvent OnMouseUp;

  bool MouseInside() const { return FMouseInside; }
  bool ButtonDown() const { return FButtonDown; }

 protected:
  void enterEvent(QEnterEvent *event) override;
  void leaveEvent(QEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  // Space or Enter presses it, as any button.
  void keyPressEvent(QKeyEvent *event) override;

 private:
  void PointerEntered(const QPoint &pos);
  void PointerLeft(const QPoint &pos);

  Bitmap pic_, picDown_, picUp_;
  bool FMouseInside = false;
  bool FButtonDown = false;
};

}  // namespace qv
