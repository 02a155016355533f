#pragma once

// The channel pass against a flat colour: bmp[r][i] := F(bmp[r][i], C[i]),
// C being the colour's blue, green, red bytes repeated along the row. It
// gives the same bytes as filling a bitmap of bmp's size with the colour and
// running ChannelPass, with one filled row instead of a whole bitmap.

#include <cstddef>

#include "gfx/Bands.h"
#include "gfx/Bitmap.h"
#include "gfx/Color.h"
#include "kernels/ChannelPass.h"

namespace qv {

template <class F>
void ColorPass(Bitmap &bmp, TColor color) {
  const int height = bmp.Height();
  const std::size_t bytes = bmp.RowBytes();
  if (bytes == 0 || height == 0) return;
  Bitmap fill(bmp.Width(), 1);
  fill.SetBrushColor(color);
  fill.Fill();
  const std::uint8_t *colorRow = fill.ScanLine(0);
  ForEachBand(height, 32, WorthSharing(std::size_t(height) * bytes), [&](int first, int last) {
    for (int r = first; r < last; ++r)
      ChannelPassRow<F>(bmp.ScanLine(r), bmp.ScanLine(r), colorRow, bytes);
  });
}

}  // namespace qv
