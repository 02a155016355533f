#pragma once

// What the screen is given: sRGB. A picture whose file carries an ICC
// profile (Adobe RGB, Display P3, ...) has pixel values that mean other
// colours; they are converted here for display only. The picture itself,
// which the effects compute on and Save writes with its profile, keeps the
// file's values.
//
// Every place that puts a picture on screen goes through DisplayImage: the
// main display, the thumbnails and the preview dialog (through TImage), and
// the Open dialog's preview pane.

#include <cstdint>
#include <span>

#include <QColorSpace>
#include <QImage>

#include "gfx/Bitmap.h"

namespace qv {

// The colour space an ICC profile describes; an invalid one (shown as it
// is) when there is no profile, Qt cannot read it, or it is sRGB already.
QColorSpace DisplaySpaceOf(std::span<const std::uint8_t> icc);

// Whether pictures in space need converting for the screen.
bool NeedsDisplayConversion(const QColorSpace &space);

// image, whose values are in space, as sRGB for the screen; unchanged
// when space needs no conversion.
QImage DisplayImage(const QImage &image, const QColorSpace &space);

// bitmap scaled smoothly to size (its own size when size is empty), then
// as above.
QImage DisplayImage(const Bitmap &bitmap, const QColorSpace &space, QSize size = {});

}  // namespace qv
