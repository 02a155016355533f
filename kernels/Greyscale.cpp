#include "kernels/Greyscale.h"

#include <cstddef>
#include <cstdint>

#include "gfx/Bands.h"
#include "kernels/VectorRoute.h"

namespace qv {

namespace {

// The weighted sum of a white pixel is 256 x 255, so it fits 16 bits.
[[gnu::always_inline]] inline void GreyRowBody(std::uint8_t *p, std::size_t pixels) {
  for (std::size_t x = 0; x < pixels; ++x) {
    const auto sum = std::uint16_t(28 * p[3 * x] + 151 * p[3 * x + 1] + 77 * p[3 * x + 2]);
    const auto y = std::uint8_t(sum >> 8);
    p[3 * x] = p[3 * x + 1] = p[3 * x + 2] = y;
  }
}

[[gnu::always_inline]] inline void GreyPlaneBody(const std::uint8_t *__restrict p,
                                                 std::uint8_t *__restrict out, std::size_t pixels,
                                                 std::uint8_t flip) {
  for (std::size_t x = 0; x < pixels; ++x) {
    const auto sum = std::uint16_t(28 * p[3 * x] + 151 * p[3 * x + 1] + 77 * p[3 * x + 2]);
    out[x] = std::uint8_t(std::uint8_t(sum >> 8) ^ flip);
  }
}

}  // namespace

QV_TWO_ROUTES(GreyscaleRow, (std::uint8_t * p, std::size_t pixels), (p, pixels), GreyRowBody)
QV_TWO_ROUTES(GreyPlaneRow,
              (const std::uint8_t *p, std::uint8_t *out, std::size_t pixels, std::uint8_t flip),
              (p, out, pixels, flip), GreyPlaneBody)

void Greyscale(Bitmap &bmp) {
  const int height = bmp.Height();
  const std::size_t width = std::size_t(bmp.Width());
  ForEachBand(height, 32, WorthSharing(std::size_t(height) * width * 3), [&](int first, int last) {
    for (int r = first; r < last; ++r) GreyscaleRow(bmp.ScanLine(r), width);
  });
}

}  // namespace qv
