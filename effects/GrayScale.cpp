// Gray scale: every channel becomes Round(R * 0.3 + G * 0.59 + B * 0.11),
// evaluated left to right in extended precision. No parameter.
#include <array>
#include <cmath>
#include <cstddef>

#include "effects/Filters.h"
#include "effects/RoundHalfEven.h"
#include "gfx/Bands.h"
#include "gfx/Extended.h"

namespace qv {
namespace {

// The three products for every channel value, each rounded to extended
// exactly as it would be in the sum, so the per-pixel work is two additions.
struct GrayProducts {
  std::array<long double, 256> red, green, blue;
  GrayProducts() {
    for (int v = 0; v < 256; ++v) {
      red[v] = v * 0.3L;
      green[v] = v * 0.59L;
      blue[v] = v * 0.11L;
    }
  }
};

}  // namespace

void ApplyGrayScale(Bitmap &bmp) {
  static const GrayProducts products;
  const int height = bmp.Height();
  const int width = bmp.Width();
  ForEachBand(height, 32, WorthSharing(std::size_t(height) * width * 3), [&](int first, int last) {
    for (int y = first; y < last; ++y) {
      std::uint8_t *p = bmp.ScanLine(y);
      for (int x = 0; x < width; ++x, p += 3) {
        const long double t = products.red[p[2]] + products.green[p[1]] + products.blue[p[0]];
        // t never exceeds 255, so no clamp.
        const auto v = static_cast<std::uint8_t>(RoundHalfEven(t));
        p[0] = p[1] = p[2] = v;
      }
    }
  });
}

}  // namespace qv
