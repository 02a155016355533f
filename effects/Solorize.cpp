// Solorize: inverts every pixel whose mean (B + G + R) / 3 is above the
// threshold and copies the others. Threshold -1 (all inverted) to 255 (none).
#include <cstddef>

#include "effects/Filters.h"
#include "gfx/Bands.h"

namespace qv {

void ApplySolorize(const Bitmap &s, Bitmap &d, int threshold) {
  if (&s != &d && (d.Width() != s.Width() || d.Height() != s.Height()))
    d.Recreate(s.Width(), s.Height());
  const int height = s.Height();
  const int width = s.Width();
  ForEachBand(height, 32, WorthSharing(std::size_t(height) * width * 3), [&](int first, int last) {
    for (int y = first; y < last; ++y) {
      const std::uint8_t *in = s.ScanLine(y);
      std::uint8_t *out = d.ScanLine(y);
      for (int x = 0; x < width; ++x, in += 3, out += 3) {
        const bool invert = (in[0] + in[1] + in[2]) / 3 > threshold;
        for (int c = 0; c < 3; ++c) out[c] = invert ? std::uint8_t(255 - in[c]) : in[c];
      }
    }
  });
}

}  // namespace qv
