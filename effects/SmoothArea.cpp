// Smooth area: each pixel of a rectangle becomes the truncated mean of its
// four edge neighbours, in place; the outer one-pixel border of the picture
// is never written.
#include <algorithm>
#include <utility>

#include "effects/Filters.h"
#include "gfx/Bands.h"

namespace qv {

void SmoothArea(Bitmap &bmp, int x1, int y1, int x2, int y2) {
  if (x2 < x1) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  const int width = bmp.Width();
  const int height = bmp.Height();
  x1 = std::max(1, x1);
  y1 = std::max(1, y1);
  x2 = std::min(width - 2, x2);
  y2 = std::min(height - 2, y2);
  if (x1 > x2 || y1 > y2) return;
  // Sequential: the pixel above and the one to the left already hold their
  // new values when they are read.
  ForEachBandInOrder(y2 - y1 + 1, 64, [&](int first, int last) {
    for (int y = y1 + first; y < y1 + last; ++y) {
      const std::uint8_t *above = bmp.ScanLine(y - 1);
      const std::uint8_t *below = bmp.ScanLine(y + 1);
      std::uint8_t *row = bmp.ScanLine(y);
      for (int i = 3 * x1; i < 3 * (x2 + 1); ++i)
        row[i] = static_cast<std::uint8_t>((above[i] + below[i] + row[i - 3] + row[i + 3]) >> 2);
    }
  });
}

}  // namespace qv
