#include "kernels/BlendByLuminance.h"

#include <cmath>
#include <cstddef>

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

void BlendByLuminance(Bitmap &dest, const Bitmap &source, const Bitmap &mask) {
  const int height = dest.Height();
  const int width = dest.Width();
  if (source.Width() < width || source.Height() < height || mask.Width() < width ||
      mask.Height() < height)
    throw Error("Bitmap image is not valid");
#pragma omp parallel for schedule(static) if (std::size_t(height) * width > (1u << 16))
  for (int r = 0; r < height; ++r) {
    std::uint8_t *d = dest.ScanLine(r);
    const std::uint8_t *s = source.ScanLine(r);
    const std::uint8_t *m = mask.ScanLine(r);
    for (int x = 0; x < width; ++x, d += 3, s += 3, m += 3) {
      const int l = MaskLuminance(m[0], m[1], m[2]);
      for (int c = 0; c < 3; ++c)
        d[c] = static_cast<std::uint8_t>((s[c] * l + d[c] * (255 - l)) / 255);
    }
  }
}

}  // namespace qv
