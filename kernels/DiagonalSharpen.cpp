#include <cstddef>
#include <cstdint>

#include "effects/ClampToByte.h"
#include "gfx/Bands.h"
#include "kernels/ArtKernels.h"

namespace qv {

namespace {

// d div 2 truncates toward zero in C++ as the curve needs (-3 / 2 = -1).
inline std::uint8_t Sharpen(int p, int r) {
  return ClampToByte(p + (p - r) / 2);
}

}  // namespace

void DiagonalSharpen(Bitmap &bmp) {
  const int height = bmp.Height();
  const std::size_t bytes = bmp.RowBytes();
  if (height == 0 || bytes == 0) return;

  // Row 0 refers each pixel to its left neighbour, which was just written:
  // a chain that must run strictly left to right. Pixel 0 stays.
  std::uint8_t *top = bmp.ScanLine(0);
  for (std::size_t i = 3; i < bytes; ++i) top[i] = Sharpen(top[i], top[i - 3]);

  // Later rows read only the finished row above, so each row is one pass,
  // and the rows go strictly in order.
  ForEachBandInOrder(height - 1, 64, [&](int first, int last) {
    for (int y = first + 1; y <= last; ++y) {
      const std::uint8_t *above = bmp.ScanLine(y - 1);
      std::uint8_t *row = bmp.ScanLine(y);
      for (std::size_t i = 0; i < 3; ++i) row[i] = Sharpen(row[i], above[i]);
      for (std::size_t i = 3; i < bytes; ++i) row[i] = Sharpen(row[i], above[i - 3]);
    }
  });
}

}  // namespace qv
