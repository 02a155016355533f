// Mono noise: adds one draw from -(amount / 2) up to amount - 1 - amount / 2
// to all three channels of a pixel. Amount 0 and up; a negative amount
// counts as 0.
#include "effects/Filters.h"
#include "effects/Random.h"
#include "gfx/Bands.h"

namespace qv {

void ApplyMonoNoise(Bitmap &bmp, int amount, RandomGenerator &random) {
  if (amount < 0) amount = 0;
  const int half = amount >> 1;
  const int height = bmp.Height();
  const int width = bmp.Width();
  // Sequential: one draw per pixel, in pixel order.
  ForEachBandInOrder(height, 32, [&](int first, int last) {
    for (int y = first; y < last; ++y) {
      std::uint8_t *p = bmp.ScanLine(y);
      for (int x = 0; x < width; ++x, p += 3) {
        const int n = random.Draw(amount) - half;
        p[0] = ClampToByte(p[0] + n);
        p[1] = ClampToByte(p[1] + n);
        p[2] = ClampToByte(p[2] + n);
      }
    }
  });
}

}  // namespace qv
