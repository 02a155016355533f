#include "artwork/Line.h"

#include <algorithm>
#include <cmath>

#include "artwork/Shade.h"

namespace qv::art {

namespace {

// Calls fn(pixel, distance, t) for every pixel within `reach` of segment ab;
// t is the position along the segment, 0 at a and 1 at b.
template <typename Fn>
void NearSegment(Canvas &canvas, Point a, Point b, float reach, Fn fn) {
  const float dx = b.x - a.x, dy = b.y - a.y;
  const float len2 = std::max(dx * dx + dy * dy, 1e-6f);
  const int x0 = int(std::floor(std::min(a.x, b.x) - reach));
  const int y0 = int(std::floor(std::min(a.y, b.y) - reach));
  const int x1 = int(std::ceil(std::max(a.x, b.x) + reach)) + 1;
  const int y1 = int(std::ceil(std::max(a.y, b.y) + reach)) + 1;
  ForBox(canvas, x0, y0, x1, y1, [&](int x, int y, Rgb &p) {
    const float px = float(x) - a.x, py = float(y) - a.y;
    const float t = std::clamp((px * dx + py * dy) / len2, 0.f, 1.f);
    const float d = std::hypot(px - t * dx, py - t * dy);
    if (d <= reach) fn(p, d, t);
  });
}

}  // namespace

void AddLine(Canvas &canvas, Point a, Point b, float width, float soft, Rgb color, float fadeEnd) {
  const float half = width * 0.5f;
  NearSegment(canvas, a, b, half + soft, [&](Rgb &p, float d, float t) {
    const float k = 1.f - Smoothstep(half - 0.5f, half + soft, d);
    p += color * (k * (1.f + (fadeEnd - 1.f) * t));
  });
}

void PaintLine(Canvas &canvas, Point a, Point b, float width, Rgb color, float opacity) {
  const float half = width * 0.5f;
  NearSegment(canvas, a, b, half + 1.f, [&](Rgb &p, float d, float) {
    const float cover = Clamp01(half + 0.5f - d) * opacity;
    p = Mix(p, color, cover);
  });
}

}  // namespace qv::art
