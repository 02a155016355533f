// Spot light: darkens the picture by amount (as the darkness filter), then
// blackens everything outside the ellipse inscribed in spot, including its
// one-pixel outline. Amount 0 (lit area unchanged) to 255; spot in picture
// coordinates, right and bottom edges just outside the ellipse.
#include <algorithm>
#include <cstddef>
#include <cstring>

#include "effects/EllipseSpans.h"
#include "effects/Filters.h"
#include "gfx/Bands.h"

namespace qv {

void ApplySpotLight(Bitmap &d, int amount, Rect spot) {
  ApplyDarkness(d, amount);
  const int width = d.Width(), height = d.Height();
  // The mask is never drawn as a picture: each row's lit span is computed
  // directly and the rest of the row is cleared.
  ForEachBand(height, 32, WorthSharing(std::size_t(height) * width * 3), [&](int first, int last) {
    for (int y = first; y < last; ++y) {
      std::uint8_t *row = d.ScanLine(y);
      Span lit = EllipseInsideRow(spot, y);
      lit.Left = std::clamp(lit.Left, 0, width);
      lit.Right = std::clamp(lit.Right, lit.Left, width);
      std::memset(row, 0, std::size_t(lit.Left) * 3);
      std::memset(row + std::size_t(lit.Right) * 3, 0, std::size_t(width - lit.Right) * 3);
    }
  });
}

}  // namespace qv
