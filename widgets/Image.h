#pragma once

#include <QColorSpace>
#include <QImage>
#include <QWidget>

#include "gfx/Bitmap.h"

namespace qv {

// An image control: shows its own bitmap, either at its natural size from
// the top-left corner or stretched to the control's bounds, and raises
// Click when the left button is pressed and released over it.
class TImage : public QWidget {
  Q_OBJECT
 public:
  explicit TImage(QWidget *parent = nullptr);

  const Bitmap &Picture() const { return picture_; }
  // For changing the shown bitmap in place; the control repaints afterwards.
  Bitmap &EditPicture();
  void SetPicture(const Bitmap &picture);
  void SetPicture(Bitmap &&picture);

  bool Stretch() const { return stretch_; }
  void SetStretch(bool on);
  // With AutoSize the control takes the size of every picture it is given.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool on);

  // The colour space of the picture's values (from its file's ICC profile);
  // it is shown converted to sRGB (DisplayColor.h). Invalid: shown as is.
  void SetColorSpace(const QColorSpace &space);
  const QColorSpace &ColorSpace() const { return space_; }

 signals:
  void Click();

 protected:
  void paintEvent(QPaintEvent *event) override;
  void changeEvent(QEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;

 private:
  void PictureChanged();

  Bitmap picture_;
  QColorSpace space_;
  // The converted picture at the size last painted; made again after any
  // change of the picture, the size or the colour space.
  QImage converted_;
  bool stretch_ = false;
  bool autoSize_ = false;
  bool pressed_ = false;
};

}  // namespace qv
