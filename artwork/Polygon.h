#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "artwork/Canvas.h"
#include "artwork/Line.h"
#include "artwork/Shade.h"

namespace qv::art {

// Whether p lies inside the polygon (even-odd rule).
inline bool InsidePolygon(const std::vector<Point> &poly, float x, float y) {
  bool in = false;
  for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
    const Point &a = poly[i], &b = poly[j];
    if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
  }
  return in;
}

// Paints a filled polygon with anti-aliased edges (4 x 4 samples a pixel);
// shade(x, y) gives the colour at each covered pixel, so shapes can carry
// their own light and shadow.
template <typename ShadeFn>
void FillPolygon(Canvas &canvas, const std::vector<Point> &poly, ShadeFn shade,
                 float opacity = 1.f) {
  float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
  for (const Point &p : poly) {
    x0 = std::min(x0, p.x);
    y0 = std::min(y0, p.y);
    x1 = std::max(x1, p.x);
    y1 = std::max(y1, p.y);
  }
  ForBox(canvas, int(std::floor(x0)), int(std::floor(y0)), int(std::ceil(x1)) + 1,
         int(std::ceil(y1)) + 1, [&](int x, int y, Rgb &p) {
           int hits = 0;
           for (int j = 0; j < 4; ++j) {
             for (int i = 0; i < 4; ++i) {
               hits += InsidePolygon(poly, float(x) + (float(i) + 0.5f) / 4,
                                     float(y) + (float(j) + 0.5f) / 4);
             }
           }
           if (hits) p = Mix(p, shade(float(x), float(y)), opacity * float(hits) / 16.f);
         });
}

inline void FillPolygon(Canvas &canvas, const std::vector<Point> &poly, Rgb color,
                        float opacity = 1.f) {
  FillPolygon(
      canvas, poly, [color](float, float) { return color; }, opacity);
}

}  // namespace qv::art
