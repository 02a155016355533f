// Shrink bilinear: resizes s into the size t already has, with 15-bit
// fixed-point weights. The step is (SW - 1) / TW, so the last target pixel
// falls short of the last source pixel.
#include <cstddef>
#include <cstdint>

#include "effects/Filters.h"
#include "gfx/Bands.h"

namespace qv {

void ShrinkBilinear(const Bitmap &s, Bitmap &t) {
  const int sw = s.Width(), sh = s.Height();
  const int tw = t.Width(), th = t.Height();
  if (sw == 0 || sh == 0 || tw == 0 || th == 0) return;
  const std::uint32_t xs = (std::uint32_t(sw - 1) << 15) / std::uint32_t(tw);
  const std::uint32_t ys = (std::uint32_t(sh - 1) << 15) / std::uint32_t(th);
  // A source one pixel wide has no right neighbour: the pixel stands in for
  // it (its weight is 0 anyway, since the step is 0).
  const int right = sw > 1 ? 3 : 0;

  ForEachBand(th, 32, WorthSharing(std::size_t(tw) * th * 3), [&](int first, int last) {
    for (int ty = first; ty < last; ++ty) {
      const std::uint32_t fy = std::uint32_t(ty) * ys;
      const int iy = static_cast<int>(fy >> 15);
      const std::uint8_t *r0 = s.ScanLine(iy);
      const std::uint8_t *r1 = sh == 1 ? r0 : s.ScanLine(iy + 1);
      const std::uint32_t wy = fy & 32767, wyi = 32768 - wy;
      std::uint8_t *out = t.ScanLine(ty);
      std::uint32_t fx = 0;
      for (int tx = 0; tx < tw; ++tx, fx += xs, out += 3) {
        const std::uint32_t ix = fx >> 15, wx = fx & 32767;
        const std::uint32_t t1 = (wx * wyi) >> 15, t0 = wyi - t1;
        const std::uint32_t t3 = (wx * wy) >> 15, t2 = wy - t3;
        const std::uint8_t *a = r0 + 3 * ix, *b = r1 + 3 * ix;
        for (int c = 0; c < 3; ++c)
          out[c] = static_cast<std::uint8_t>(
              (a[c] * t0 + a[c + right] * t1 + b[c] * t2 + b[c + right] * t3) >> 15);
      }
    }
  });
}

}  // namespace qv
