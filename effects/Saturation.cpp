// Saturation: scales each channel's distance from the pixel's grey
// (B + G + R) / 3 by amount / 255. Amount 0 (grey), 255 (unchanged), above
// 255 stronger colour.
#include <cstddef>

#include "effects/Filters.h"
#include "gfx/Bands.h"

namespace qv {

void ApplySaturation(Bitmap &bmp, int amount) {
  const int height = bmp.Height();
  const int width = bmp.Width();
  ForEachBand(height, 32, WorthSharing(std::size_t(height) * width * 3), [&](int first, int last) {
    for (int y = first; y < last; ++y) {
      std::uint8_t *p = bmp.ScanLine(y);
      for (int x = 0; x < width; ++x, p += 3) {
        const int g = (p[0] + p[1] + p[2]) / 3;  // before any channel changes
        for (int c = 0; c < 3; ++c) p[c] = ClampToByte(g + (std::int64_t(p[c] - g) * amount) / 255);
      }
    }
  });
}

}  // namespace qv
