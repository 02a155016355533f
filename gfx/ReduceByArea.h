#pragma once

// Area averaging: a picture made smaller by giving each target pixel the
// mean of the source area it covers, pixels partly covered counted by their
// share. It is what a screen copy of a large photo wants (no pixel skipped,
// no moiré) and reads the picture once.

#include <cstddef>
#include <cstdint>

#include "gfx/Bitmap.h"

namespace qv {

// Rows of blue, green, red pixels, 3 or 4 bytes each (the fourth is
// ignored), Stride bytes apart.
struct PixelRows {
  const std::uint8_t *Base = nullptr;
  std::size_t Stride = 0;
  int BytesPerPixel = 3;
  const std::uint8_t *Row(int y) const { return Base + std::size_t(y) * Stride; }
};

inline PixelRows PixelsOf(const Bitmap &picture) {
  return {picture.Bits(), picture.RowBytes(), 3};
}

// The part `source` of `from` averaged down to width x height pixels (each
// at least 1 and at most the source's), written as 4-byte pixels blue,
// green, red, 255 into the rows of `out`, outStride bytes apart. Each
// channel is within one level of the exact mean. Large reductions are
// shared among the cores.
void ReduceByArea(const PixelRows &from, const Rect &source, int width, int height,
                  std::uint8_t *out, std::size_t outStride);

}  // namespace qv
