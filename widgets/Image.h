#pragma once

#include <QColorSpace>
#include <QWidget>

#include "gfx/Bitmap.h"
#include "gfx/PictureRef.h"
#include "widgets/ScreenCopy.h"

class QPainter;

namespace qv {

// An image control: shows its own bitmap, either at its natural size from
// the top-left corner or stretched to the control's bounds, and raises
// Click when the left button is pressed and released over it.
//
// A stretched picture is drawn from a screen-size copy (ScreenCopy), made
// smoothly at the screen's pixel ratio once per change of the picture or of
// the control's size, so a repaint never rescales the full-size picture and
// the picture stays sharp on a high-density screen. Only the part inside the
// parent is scaled, so a picture wider than its frame costs no more. The
// screen copy is converted to sRGB (DisplayColor.h) when it is made.
class TImage : public QWidget {
  Q_OBJECT
 public:
  explicit TImage(QWidget *parent = nullptr);

  // The picture shown (an empty bitmap before the first).
  const Bitmap &Picture() const;
  // The same, as the handle it shares with its other owners.
  const PictureRef &SharedPicture() const { return picture_; }
  // Shows a copy of `picture`.
  void SetPicture(const Bitmap &picture);
  void SetPicture(Bitmap &&picture);
  // Shows `picture` without copying it.
  void SetPicture(PictureRef picture);
  // The same with its screen copy already made, for ScreenCopyHeight (see
  // ScreenCopy::Adopt).
  void SetPicture(PictureRef picture, QImage screenCopy);
  // The height in device pixels that the screen copy is made for: the
  // screen's, or the control's where that is taller.
  int ScreenCopyHeight() const;

  bool Stretch() const { return stretch_; }
  void SetStretch(bool on);
  // A stretched picture fills the control less `inset` pixels on each side
  // (room for the focus frame around a thumbnail).
  void SetInset(int inset);
  int Inset() const { return inset_; }
  // The area the picture fills.
  QRect PictureRect() const;
  // A frame around the picture while the control has the keyboard focus.
  void SetShowsFocus(bool on);
  // With AutoSize the control takes the size of every picture it is given.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool on);

  // The colour space of the picture's values (from its file's ICC profile);
  // it is shown converted to sRGB (DisplayColor.h). Invalid: shown as is.
  void SetColorSpace(const QColorSpace &space);
  const QColorSpace &ColorSpace() const { return space_; }

  // The copy a stretched picture is drawn from.
  const ScreenCopy &Screen() const { return screen_; }

 signals:
  void Click();

 protected:
  void paintEvent(QPaintEvent *event) override;
  void changeEvent(QEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;

 private:
  void PaintStretched(QPainter &painter);
  void PaintFocus(QPainter &painter);

  PictureRef picture_;
  QColorSpace space_;
  ScreenCopy screen_;
  bool stretch_ = false;
  bool autoSize_ = false;
  bool showsFocus_ = false;
  int inset_ = 0;
  bool pressed_ = false;
};

}  // namespace qv
