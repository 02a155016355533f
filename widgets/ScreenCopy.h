#pragma once

#include <QColorSpace>
#include <QImage>
#include <QRectF>
#include <QSize>

namespace qv {

class Bitmap;

// `source` (in picture pixels) of the picture scaled smoothly to `target`
// pixels, as RGB32: averaged by area where it is made smaller, so that no
// full-size copy of the picture is made on the way.
QImage SmoothScaled(const Bitmap &picture, QRect source, QSize target);

// What a control draws a picture from. The picture is reduced once per
// change to the size the screen can show (kept as it is when it is smaller)
// and converted from its colour space to sRGB; from that copy the control's
// view is scaled once per change of its size or of the screen's pixel
// ratio. A repaint only copies the view.
class ScreenCopy {
 public:
  // The picture has changed: both copies are made again when next asked.
  void Invalidate();

  // The size of the reduced copy of a width x height picture for a screen
  // screenHeight device pixels high; empty when no copy is kept (a panorama
  // far wider than the screen is scaled from the picture for each view).
  static QSize ReducedSize(int width, int height, int screenHeight);
  // A new picture with its reduced copy already made (of ReducedSize, in
  // the picture's colour space, RGB32), as when it was made while the
  // picture was decoded. A copy of another size is not taken.
  void Adopt(QImage reduced, const Bitmap &picture, const QColorSpace &space, int screenHeight);

  // The part `source` of the picture (in picture pixels, its values in
  // `space`) at `target` device pixels of the given pixel ratio, for a
  // screen `screenHeight` device pixels high.
  const QImage &View(const Bitmap &picture, const QColorSpace &space, const QRectF &source,
                     QSize target, double ratio, int screenHeight);

  // How often the full-size picture was read, and how often a view was
  // scaled, since this copy was made.
  int FullSizeReads() const { return fullSizeReads_; }
  int ViewsMade() const { return viewsMade_; }
  // The view made last.
  const QImage &Shown() const { return view_; }

 private:
  void Reduce(const Bitmap &picture, const QColorSpace &space, int height);
  void Keep(QImage reduced, const Bitmap &picture, const QColorSpace &space, int height);

  QImage reduced_;
  double reducedScale_ = 0;  // reduced_ size / picture size; 0: not made
  int reducedFor_ = 0;       // the height reduced_ was made for
  QImage view_;
  QRectF viewSource_;
  QSize viewTarget_;
  int fullSizeReads_ = 0, viewsMade_ = 0;
};

}  // namespace qv
