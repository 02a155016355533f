// Solorize: inverts every pixel whose mean (B + G + R) / 3 is above the
// threshold and copies the others. Threshold -1 (all inverted) to 255 (none).
#include <cstddef>

#include "effects/Filters.h"

namespace qv {

void ApplySolorize(const Bitmap &s, Bitmap &d, int threshold) {
  if (&s != &d && (d.Width() != s.Width() || d.Height() != s.Height()))
    d.Recreate(s.Width(), s.Height());
  const int height = s.Height();
  const int width = s.Width();
#pragma omp parallel for schedule(static) if (std::size_t(height) * width > (1u << 16))
  for (int y = 0; y < height; ++y) {
    const std::uint8_t *in = s.ScanLine(y);
    std::uint8_t *out = d.ScanLine(y);
    for (int x = 0; x < width; ++x, in += 3, out += 3) {
      const bool invert = (in[0] + in[1] + in[2]) / 3 > threshold;
      for (int c = 0; c < 3; ++c) out[c] = invert ? std::uint8_t(255 - in[c]) : in[c];
    }
  }
}

}  // namespace qv
