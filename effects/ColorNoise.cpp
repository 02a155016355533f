// Color noise: adds to each channel its own draw from -(amount / 2) up to
// amount - 1 - amount / 2. Amount 0 and up; a negative amount counts as 0.
#include "effects/Filters.h"
#include "effects/Random.h"
#include "gfx/Bands.h"

namespace qv {

void ApplyColorNoise(Bitmap &bmp, int amount, RandomGenerator &random) {
  if (amount < 0) amount = 0;
  const int half = amount >> 1;
  const int height = bmp.Height();
  const int width = bmp.Width();
  // Sequential: the draws follow the pixel order, blue, green, red.
  ForEachBandInOrder(height, 32, [&](int first, int last) {
    for (int y = first; y < last; ++y) {
      std::uint8_t *p = bmp.ScanLine(y);
      for (int x = 0; x < width; ++x, p += 3) {
        const int b = random.Draw(amount), g = random.Draw(amount), r = random.Draw(amount);
        p[0] = ClampToByte(p[0] + b - half);
        p[1] = ClampToByte(p[1] + g - half);
        p[2] = ClampToByte(p[2] + r - half);
      }
    }
  });
}

}  // namespace qv
