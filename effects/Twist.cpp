// Twist: turns each pixel's source by r / amount radians around the centre,
// plus a quarter turn, so the twist grows with the distance r. Amount is in
// pixels per radian; negative twists the other way; 0 fails with a division
// by zero.
#include <cstddef>

#include "effects/FilterErrors.h"
#include "effects/Filters.h"
#include "effects/PolarMath.h"
#include "effects/X87.h"
#include "gfx/Bands.h"
#include "gfx/Error.h"

namespace qv {

void ApplyTwist(const Bitmap &s, Bitmap &d, int amount) {
  if (&s == &d) {
    const Bitmap source(s);
    ApplyTwist(source, d, amount);
    return;
  }
  const int width = s.Width(), height = s.Height();
  // Only the centre of a 1 x 1 picture escapes the division by amount.
  if (amount == 0 && std::size_t(width) * std::size_t(height) > 1)
    throw Error(kFloatDivisionByZero);
  if (d.Width() != width || d.Height() != height) d.Recreate(width, height);
  if (width == 0 || height == 0) return;
  // Half-way between the outer pixels, unlike the fish-eye's centre.
  const float cx = static_cast<float>((width - 1) / 2.0L);
  const float cy = static_cast<float>((height - 1) / 2.0L);

  // Every pixel costs a square root and more: worth sharing from a few
  // thousand pixels on.
  ForEachBand(height, 16, std::size_t(width) * height > 4096, [&](int firstRow, int lastRow) {
    for (int y = firstRow; y < lastRow; ++y) {
      const float dy = static_cast<float>(y - static_cast<long double>(cy));
      std::uint8_t *out = d.ScanLine(y);
      for (int x = 0; x < width; ++x, out += 3) {
        const float dx = static_cast<float>(x - static_cast<long double>(cx));
        const float r = RadialDistance(dx, dy);
        float sx = cx, sy = cy;
        if (r != 0) {
          const float phi =
              static_cast<float>(static_cast<long double>(PolarAngle(dx, dy)) -
                                 static_cast<long double>(r) / amount + kHalfPiSingle);
          long double sine, cosine;
          SinCos(phi, sine, cosine);
          const float along = static_cast<float>(r * cosine);
          const float across = static_cast<float>(r * sine);
          sx = static_cast<float>(static_cast<long double>(cx) + along);
          sy = static_cast<float>(static_cast<long double>(cy) + across);
        }
        SampleWrapped(s, sx, sy, out);
      }
    }
  });
}

}  // namespace qv
