#pragma once

#include <QColor>
#include <QImage>

#include "gfx/Bitmap.h"
#include "gfx/Color.h"

namespace qv {

// A read-only QImage over the bitmap's own bytes (rows of 3 x width bytes,
// blue, green, red). Valid only while the bitmap is neither resized nor
// destroyed, so use it at once, as a paint event does.
QImage WrapAsQImage(const Bitmap &bitmap);

// An independent QImage with the bitmap's pixels.
QImage ToQImage(const Bitmap &bitmap);

// The picture brought to 24 bits; alpha is dropped.
Bitmap FromQImage(const QImage &image);

// Framework colour (0x00BBGGRR) to QColor; system colours are not handled
// here (see ColorMap.h).
inline QColor ToQColor(TColor c) {
  return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

}  // namespace qv
