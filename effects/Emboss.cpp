// Emboss: relief from the pixel one row down and three columns right:
// c := (c + 255 - below_right.c) / 2. The last row and last three columns
// keep their values. No parameter.
#include "effects/Filters.h"
#include "gfx/Bands.h"

namespace qv {

void ApplyEmboss(Bitmap &bmp) {
  const int width = bmp.Width();
  const int height = bmp.Height();
  if (width < 4) return;
  const std::size_t bytes = std::size_t(width - 3) * 3;
  // Top to bottom: row y + 1 is still unprocessed when row y reads it.
  ForEachBandInOrder(height - 1, 64, [&](int first, int last) {
    for (int y = first; y < last; ++y) {
      std::uint8_t *row = bmp.ScanLine(y);
      const std::uint8_t *sample = bmp.ScanLine(y + 1) + 9;
      for (std::size_t i = 0; i < bytes; ++i)
        row[i] = static_cast<std::uint8_t>((row[i] + (255 - sample[i])) >> 1);
    }
  });
}

}  // namespace qv
