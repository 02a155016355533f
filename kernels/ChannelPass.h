#pragma once

// The loop every blending kernel shares: for each row of Bounds and each of
// its 3 x Width bytes, Target[r][i] := F(X[r][i], Y[r][i]). Target may be X
// or Y: each byte is read before it is written and never read again.

#include <cstddef>
#include <cstdint>

#include "gfx/Bitmap.h"
#include "kernels/Blend.h"

namespace qv {

template <class F>
void ChannelPassRow(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y,
                    std::size_t bytes) {
  for (std::size_t i = 0; i < bytes; ++i) target[i] = F::Lane(x[i], y[i]);
}

// Rows of the channel pass are independent, so they are shared out among the
// cores; the result is the same byte for byte.
template <class F>
void ChannelPass(Bitmap &target, const Bitmap &x, const Bitmap &y, const Bitmap &bounds) {
  const int height = bounds.Height();
  const std::size_t bytes = bounds.RowBytes();
  if (bytes == 0) return;
#pragma omp parallel for schedule(static) if (std::size_t(height) * bytes > (1u << 18))
  for (int r = 0; r < height; ++r)
    ChannelPassRow<F>(target.ScanLine(r), x.ScanLine(r), y.ScanLine(r), bytes);
}

}  // namespace qv
