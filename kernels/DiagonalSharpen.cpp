#include <cstddef>
#include <cstdint>

#include "effects/ClampToByte.h"
#include "gfx/Bands.h"
#include "kernels/ArtKernels.h"
#include "kernels/VectorRoute.h"

namespace qv {

namespace {

// d div 2 truncates toward zero in C++ as the curve needs (-3 / 2 = -1).
inline std::uint8_t Sharpen(int p, int r) {
  return ClampToByte(p + (p - r) / 2);
}

// The same in 32-bit lanes, which the compiler can take many at once:
// p + (p - r) / 2 lies within -127..382.
inline std::uint8_t SharpenLane(std::uint8_t p, std::uint8_t r) {
  const int v = p + (p - r) / 2;
  return std::uint8_t(v < 0 ? 0 : v > 255 ? 255 : v);
}

// A row below another one.
[[gnu::always_inline]] inline void BelowRowBody(std::uint8_t *__restrict row,
                                                const std::uint8_t *__restrict above,
                                                std::size_t bytes) {
  for (std::size_t i = 0; i < 3 && i < bytes; ++i) row[i] = SharpenLane(row[i], above[i]);
  for (std::size_t i = 3; i < bytes; ++i) row[i] = SharpenLane(row[i], above[i - 3]);
}

}  // namespace

QV_TWO_ROUTES(BelowRow, (std::uint8_t * row, const std::uint8_t *above, std::size_t bytes),
              (row, above, bytes), BelowRowBody)

void DiagonalSharpenRow(std::uint8_t *row, const std::uint8_t *above, std::size_t bytes) {
  if (!above) {
    // Row 0 refers each pixel to its left neighbour, which was just
    // written: a chain that must run strictly left to right. Pixel 0 stays.
    for (std::size_t i = 3; i < bytes; ++i) row[i] = Sharpen(row[i], row[i - 3]);
    return;
  }
  BelowRow(row, above, bytes);
}

void DiagonalSharpen(Bitmap &bmp) {
  const int height = bmp.Height();
  const std::size_t bytes = bmp.RowBytes();
  if (height == 0 || bytes == 0) return;
  DiagonalSharpenRow(bmp.ScanLine(0), nullptr, bytes);
  // Later rows read only the finished row above, so each row is one pass,
  // and the rows go strictly in order.
  ForEachBandInOrder(height - 1, 64, [&](int first, int last) {
    for (int y = first + 1; y <= last; ++y)
      DiagonalSharpenRow(bmp.ScanLine(y), bmp.ScanLine(y - 1), bytes);
  });
}

}  // namespace qv
