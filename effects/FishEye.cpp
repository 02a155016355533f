// Fish-eye: a lens of radius amount x width around the picture's centre
// that magnifies the middle twofold; beyond half the radius the samples reach
// further and further out and wrap around the edges. Amount 1 up (negative
// radii bulge the other way); 0 fails with a division by zero, and so does a
// pixel lying exactly on the lens radius.
#include <cstddef>

#include "effects/FilterErrors.h"
#include "effects/Filters.h"
#include "effects/PolarMath.h"
#include "gfx/Bands.h"
#include "gfx/Error.h"

namespace qv {
namespace {

// Whether some pixel lies exactly at the distance rad from (mx, my), where
// the lens formula divides by zero. The distance falls and then rises along
// each row, so each half-row is searched by bisection.
bool PixelOnRadius(int width, int height, float mx, float my, float rad) {
  if (!(rad > 0)) return false;
  auto dxOf = [mx](int x) { return static_cast<float>(x - static_cast<long double>(mx)); };
  int firstRight = 0;  // the first column with dx >= 0
  while (firstRight < width && dxOf(firstRight) < 0) ++firstRight;
  for (int y = 0; y < height; ++y) {
    const float dy = static_cast<float>(y - static_cast<long double>(my));
    auto r = [&](int x) { return RadialDistance(dxOf(x), dy); };
    // Right half, distance rising: the first column at or beyond rad.
    int lo = firstRight, hi = width;
    while (lo < hi) {
      const int mid = lo + (hi - lo) / 2;
      if (r(mid) >= rad)
        hi = mid;
      else
        lo = mid + 1;
    }
    if (lo < width && r(lo) == rad) return true;
    // Left half, distance falling: the last column at or beyond rad.
    lo = 0, hi = firstRight;
    while (lo < hi) {
      const int mid = lo + (hi - lo) / 2;
      if (r(mid) >= rad)
        lo = mid + 1;
      else
        hi = mid;
    }
    if (lo > 0 && r(lo - 1) == rad) return true;
  }
  return false;
}

}  // namespace

void ApplyFishEye(const Bitmap &s, Bitmap &d, int amount) {
  if (&s == &d) {
    const Bitmap source(s);
    ApplyFishEye(source, d, amount);
    return;
  }
  const int width = s.Width(), height = s.Height();
  if (width == 0 || height == 0) {
    d = s;
    return;
  }
  const float mx = static_cast<float>(width / 2.0L);
  const float my = static_cast<float>(height / 2.0L);
  const float rad = static_cast<float>(static_cast<long double>(width) * amount);
  // Every pixel but the centre divides by the radius, and pixel (0, 0) is
  // never the centre: any picture fails on a zero radius.
  if (rad == 0 || PixelOnRadius(width, height, mx, my, rad)) throw Error(kFloatDivisionByZero);
  if (d.Width() != width || d.Height() != height) d.Recreate(width, height);

  // Every pixel costs a square root and more: worth sharing from a few
  // thousand pixels on.
  ForEachBand(height, 16, std::size_t(width) * height > 4096, [&](int firstRow, int lastRow) {
    for (int y = firstRow; y < lastRow; ++y) {
      const float dy = static_cast<float>(y - static_cast<long double>(my));
      std::uint8_t *out = d.ScanLine(y);
      for (int x = 0; x < width; ++x, out += 3) {
        const float dx = static_cast<float>(x - static_cast<long double>(mx));
        const float r = RadialDistance(dx, dy);
        float sx = mx, sy = my;
        if (r != 0) {
          const long double lensRad = rad;
          const float n = static_cast<float>((1 / (1 - r / lensRad) - 1) * (lensRad / 2));
          sx = static_cast<float>(static_cast<long double>(dx) * n / r + mx);
          sy = static_cast<float>(static_cast<long double>(dy) * n / r + my);
        }
        SampleWrapped(s, sx, sy, out);
      }
    }
  });
}

}  // namespace qv
