#include "kernels/BlendByLuminance.h"

#include <cmath>
#include <cstddef>
#include <vector>

#include "gfx/Error.h"

namespace qv {

int MaskLuminanceExtended(std::uint8_t blue, std::uint8_t green, std::uint8_t red) {
  static_assert(sizeof(long double) >= 10, "the luminance needs 80-bit extended precision");
  // volatile keeps every product and sum rounded to extended precision in
  // the written order, whatever the optimiser would like to fuse.
  volatile long double t = red * 0.3L;
  t = t + green * 0.59L;
  t = t + blue * 0.11L;
  return static_cast<int>(std::nearbyintl(t));  // default mode: halves to even
}

namespace {

// One bit per colour, set where the near-half luminance rounds up. For each
// red and green only three blues (b0, b0 + 100, b0 + 200) make the sum end
// in 50, since 11 is invertible modulo 100 (11 x 91 = 1001).
std::vector<std::uint64_t> BuildNearHalfTable() {
  std::vector<std::uint64_t> bits((1u << 24) / 64, 0);
  for (int red = 0; red < 256; ++red)
    for (int green = 0; green < 256; ++green) {
      const int need = ((50 - 30 * red - 59 * green) % 100 + 100) % 100;  // 11 b = need (mod 100)
      for (int blue = need * 91 % 100; blue < 256; blue += 100) {
        const int k = 30 * red + 59 * green + 11 * blue;
        const auto b = std::uint8_t(blue), g = std::uint8_t(green), r = std::uint8_t(red);
        if (MaskLuminanceExtended(b, g, r) > k / 100) {
          const std::uint32_t index = std::uint32_t(red) << 16 | std::uint32_t(green) << 8 | blue;
          bits[index / 64] |= std::uint64_t(1) << (index % 64);
        }
      }
    }
  return bits;
}

}  // namespace

int NearHalfRoundsUp(std::uint8_t blue, std::uint8_t green, std::uint8_t red) {
  static const std::vector<std::uint64_t> table = BuildNearHalfTable();
  const std::uint32_t index = std::uint32_t(red) << 16 | std::uint32_t(green) << 8 | blue;
  return int(table[index / 64] >> (index % 64) & 1);
}

void BlendByLuminance(Bitmap &dest, const Bitmap &source, const Bitmap &mask) {
  const int height = dest.Height();
  const int width = dest.Width();
  if (source.Width() < width || source.Height() < height || mask.Width() < width ||
      mask.Height() < height)
    throw Error("Bitmap image is not valid");
  const std::size_t bytes = dest.RowBytes();
  if (bytes == 0 || height == 0) return;
#pragma omp parallel if (std::size_t(height) * bytes > (1u << 18))
  {
    // Each row first gets its weights, one per byte, so that the mixing loop
    // is a plain byte loop the vectoriser can take whole.
    std::vector<std::uint8_t> weight(bytes);
#pragma omp for schedule(static)
    for (int r = 0; r < height; ++r) {
      const std::uint8_t *m = mask.ScanLine(r);
      for (std::size_t i = 0; i < bytes; i += 3)
        weight[i] = weight[i + 1] = weight[i + 2] =
            static_cast<std::uint8_t>(MaskLuminance(m[i], m[i + 1], m[i + 2]));
      std::uint8_t *d = dest.ScanLine(r);
      const std::uint8_t *s = source.ScanLine(r);
      for (std::size_t i = 0; i < bytes; ++i) {
        const std::uint16_t l = weight[i];
        d[i] = DivideBy255(std::uint16_t(s[i] * l + d[i] * (255 - l)));
      }
    }
  }
}

}  // namespace qv
