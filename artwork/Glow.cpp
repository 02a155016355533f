#include "artwork/Glow.h"

#include <cmath>

#include "artwork/Shade.h"

namespace qv::art {

void AddGlow(Canvas &canvas, float cx, float cy, float sigma, Rgb color) {
  const float reach = 3.5f * sigma, k = -0.5f / (sigma * sigma);
  ForBox(canvas, int(cx - reach), int(cy - reach), int(cx + reach) + 2, int(cy + reach) + 2,
         [&](int x, int y, Rgb &p) {
           const float dx = float(x) - cx, dy = float(y) - cy;
           p += color * std::exp((dx * dx + dy * dy) * k);
         });
}

void AddEllipseGlow(Canvas &canvas, float cx, float cy, float sigmaAlong, float sigmaAcross,
                    float angle, Rgb color) {
  const float c = std::cos(angle), s = std::sin(angle);
  const float ex = 3.5f * (std::fabs(c) * sigmaAlong + std::fabs(s) * sigmaAcross);
  const float ey = 3.5f * (std::fabs(s) * sigmaAlong + std::fabs(c) * sigmaAcross);
  const float ka = -0.5f / (sigmaAlong * sigmaAlong), kc = -0.5f / (sigmaAcross * sigmaAcross);
  ForBox(canvas, int(cx - ex), int(cy - ey), int(cx + ex) + 2, int(cy + ey) + 2,
         [&](int x, int y, Rgb &p) {
           const float dx = float(x) - cx, dy = float(y) - cy;
           const float u = dx * c + dy * s, v = -dx * s + dy * c;
           p += color * std::exp(u * u * ka + v * v * kc);
         });
}

void AddSoftDisc(Canvas &canvas, float cx, float cy, float radius, float feather, Rgb color,
                 float rim) {
  const float reach = radius + feather + 1;
  ForBox(canvas, int(cx - reach), int(cy - reach), int(cx + reach) + 2, int(cy + reach) + 2,
         [&](int x, int y, Rgb &p) {
           const float d = std::hypot(float(x) - cx, float(y) - cy);
           const float inside = 1.f - Smoothstep(radius - feather, radius + feather, d);
           const float edge = rim * Smoothstep(radius * 0.55f, radius, d);
           p += color * (inside * (1.f + edge));
         });
}

void AddRing(Canvas &canvas, float cx, float cy, float radius, float sigma, Rgb color) {
  const float reach = radius + 3.5f * sigma, k = -0.5f / (sigma * sigma);
  ForBox(canvas, int(cx - reach), int(cy - reach), int(cx + reach) + 2, int(cy + reach) + 2,
         [&](int x, int y, Rgb &p) {
           const float d = std::hypot(float(x) - cx, float(y) - cy) - radius;
           p += color * std::exp(d * d * k);
         });
}

void AddSparkle(Canvas &canvas, float cx, float cy, float length, int rays, float angle,
                Rgb color) {
  AddGlow(canvas, cx, cy, length * 0.08f + 0.6f, color);
  AddGlow(canvas, cx, cy, length * 0.25f, color * 0.25f);
  const float width = std::max(1.f, length * 0.02f);
  for (int r = 0; r < rays; ++r) {
    const float a = angle + kPi * float(r) / float(rays);
    // Each spike runs through the centre both ways, bright at the core and
    // fading towards its tips.
    const float c = std::cos(a), s = std::sin(a);
    const float ex = std::fabs(c) * length + 2, ey = std::fabs(s) * length + 2;
    ForBox(canvas, int(cx - ex), int(cy - ey), int(cx + ex) + 2, int(cy + ey) + 2,
           [&](int x, int y, Rgb &p) {
             const float dx = float(x) - cx, dy = float(y) - cy;
             const float u = std::fabs(dx * c + dy * s), v = -dx * s + dy * c;
             if (u > length) return;
             const float fade = (1.f - u / length);
             const float w = width * (0.4f + fade);
             p += color * (fade * fade * std::exp(-0.5f * v * v / (w * w)));
           });
  }
}

}  // namespace qv::art
