#include "widgets/ScreenCopy.h"

#include <algorithm>
#include <cmath>

#include "gfx/Bitmap.h"
#include "gfx/ReduceByArea.h"
#include "widgets/BitmapImage.h"
#include "widgets/DisplayColor.h"

namespace qv {

namespace {

// A reduced copy larger than this many screens (a panorama shown by its
// height) is not kept; views are then scaled from the picture itself.
constexpr double kMaxReducedScreens = 3.0;

bool Reduces(QRect source, QSize target) {
  return target.width() <= source.width() && target.height() <= source.height();
}

// Area averaging of rows into a new RGB32 image of target's size.
QImage Reduced(const PixelRows &rows, QRect source, QSize target) {
  QImage out(target, QImage::Format_RGB32);
  if (out.isNull()) return out;
  ReduceByArea(rows, {source.left(), source.top(), source.right() + 1, source.bottom() + 1},
               target.width(), target.height(), out.bits(), std::size_t(out.bytesPerLine()));
  return out;
}

}  // namespace

QImage SmoothScaled(const Bitmap &picture, QRect source, QSize target) {
  source &= QRect(0, 0, picture.Width(), picture.Height());
  if (source.isEmpty() || target.isEmpty()) return {};
  if (Reduces(source, target)) return Reduced(PixelsOf(picture), source, target);
  // Enlarged: a view zoomed past the picture's own pixels, which reads a
  // part no larger than the view.
  return WrapAsQImage(picture)
      .copy(source)
      .scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_RGB32);
}

void ScreenCopy::Invalidate() {
  reduced_ = QImage();
  reducedScale_ = 0;
  view_ = QImage();
}

QSize ScreenCopy::ReducedSize(int width, int height, int screenHeight) {
  const double scale = std::min(1.0, double(screenHeight) / height);
  const QSize size(std::max(1, int(std::lround(width * scale))),
                   std::max(1, int(std::lround(height * scale))));
  const double screens =
      double(size.width()) * size.height() / (double(screenHeight) * screenHeight);
  return screens > kMaxReducedScreens ? QSize() : size;
}

// `height`: the picture's height on screen that the copy must serve.
void ScreenCopy::Reduce(const Bitmap &picture, const QColorSpace &space, int height) {
  ++fullSizeReads_;
  const QSize size = ReducedSize(picture.Width(), picture.Height(), height);
  Keep(size.isEmpty() ? QImage()
                      : SmoothScaled(picture, QRect(0, 0, picture.Width(), picture.Height()), size),
       picture, space, height);
}

void ScreenCopy::Adopt(QImage reduced, const Bitmap &picture, const QColorSpace &space,
                       int screenHeight) {
  Invalidate();
  if (reduced.size() != ReducedSize(picture.Width(), picture.Height(), screenHeight)) return;
  ++fullSizeReads_;
  Keep(std::move(reduced), picture, space, screenHeight);
}

void ScreenCopy::Keep(QImage reduced, const Bitmap &picture, const QColorSpace &space, int height) {
  reducedFor_ = height;
  if (reduced.isNull()) {
    reduced_ = QImage();
    reducedScale_ = -1;  // looked at, not kept
    return;
  }
  reducedScale_ = double(reduced.height()) / picture.Height();
  reduced_ = DisplayImage(reduced, space);
}

const QImage &ScreenCopy::View(const Bitmap &picture, const QColorSpace &space,
                               const QRectF &source, QSize target, double ratio, int screenHeight) {
  if (picture.Empty() || target.isEmpty() || source.isEmpty()) {
    view_ = QImage();
    return view_;
  }
  // The whole picture as tall as this view shows it; a screen's height is
  // enough for any view that fits on the screen.
  const int needed =
      std::max(screenHeight, int(std::ceil(target.height() * picture.Height() / source.height())));
  const bool tooSmall = reducedScale_ > 0 && reducedScale_ < 1 && needed > reducedFor_;
  if (reducedScale_ == 0 || tooSmall) {
    Reduce(picture, space, needed);
    view_ = QImage();
  }
  if (!view_.isNull() && viewSource_ == source && viewTarget_ == target &&
      view_.devicePixelRatio() == ratio)
    return view_;

  ++viewsMade_;
  viewSource_ = source;
  viewTarget_ = target;
  if (reducedScale_ > 0) {
    const QRectF part(source.left() * reducedScale_, source.top() * reducedScale_,
                      source.width() * reducedScale_, source.height() * reducedScale_);
    const QRect rounded = part.toAlignedRect() & reduced_.rect();
    if (part.toRect() == QRect(QPoint(0, 0), reduced_.size()) && target == reduced_.size())
      view_ = reduced_;
    else if (Reduces(rounded, target) && reduced_.format() == QImage::Format_RGB32)
      view_ =
          Reduced({reduced_.constBits(), std::size_t(reduced_.bytesPerLine()), 4}, rounded, target);
    else
      view_ =
          reduced_.copy(rounded).scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  } else {
    ++fullSizeReads_;
    view_ = DisplayImage(SmoothScaled(picture, source.toAlignedRect(), target), space);
  }
  view_.setDevicePixelRatio(ratio);
  return view_;
}

}  // namespace qv
