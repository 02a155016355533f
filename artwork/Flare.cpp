#include "artwork/Flare.h"

#include <cmath>

#include "artwork/Glow.h"
#include "artwork/Line.h"
#include "artwork/Noise.h"
#include "artwork/Random.h"
#include "artwork/Shade.h"

namespace qv::art {

void AddLensFlare(Canvas &canvas, float sx, float sy, Rgb tint, std::uint32_t seed) {
  Random rnd(seed);
  const float w = float(canvas.Width()), h = float(canvas.Height());
  AddGlow(canvas, sx, sy, w * 0.012f, Grey(1.2f));
  AddGlow(canvas, sx, sy, w * 0.05f, tint * 0.8f);
  AddGlow(canvas, sx, sy, w * 0.18f, tint * 0.3f);
  AddRing(canvas, sx, sy, w * 0.11f, w * 0.006f, tint * 0.18f);
  AddSparkle(canvas, sx, sy, w * 0.22f, 3, rnd.Uniform(0.f, kPi), Grey(0.7f));
  AddEllipseGlow(canvas, sx, sy, w * 0.35f, w * 0.004f, 0.f, tint * 0.35f);
  // Ghosts sit on the line from the source through the centre, mirrored.
  const float cx = w / 2, cy = h / 2;
  const float stops[] = {0.35f, 0.6f, 0.8f, 1.15f, 1.4f, 1.7f, 1.9f};
  for (float t : stops) {
    const float gx = sx + (cx - sx) * t * 1.1f, gy = sy + (cy - sy) * t * 1.1f;
    const float r = w * rnd.Uniform(0.012f, 0.07f);
    const Rgb c = Mix(tint, Hue(rnd.Unit()), 0.5f) * rnd.Uniform(0.08f, 0.2f);
    if (rnd.Unit() < 0.25f) {
      AddRing(canvas, gx, gy, r, r * 0.12f, c * 1.5f);
    } else {
      AddSoftDisc(canvas, gx, gy, r, r * 0.15f + 1, c, 0.8f);
    }
  }
}

void AddRays(Canvas &canvas, float cx, float cy, float from, float to, int count, float length,
             float width, Rgb color, std::uint32_t seed) {
  Random rnd(seed);
  for (int i = 0; i < count; ++i) {
    const float a = rnd.Uniform(from, to);
    const float len = length * rnd.Uniform(0.45f, 1.f);
    const float wid = width * rnd.Uniform(0.4f, 1.3f);
    const Point tip{cx + std::cos(a) * len, cy + std::sin(a) * len};
    AddLine(canvas, {cx, cy}, tip, wid, wid * 1.5f + 2, color * rnd.Uniform(0.3f, 1.f), 0.f);
  }
}

void AddLeak(Canvas &canvas, float cx, float cy, float radiusX, float radiusY, Rgb inner, Rgb outer,
             std::uint32_t seed) {
  const float sx = 1.f / radiusX, sy = 1.f / radiusY;
  ForAll(canvas, [&](int x, int y, Rgb &p) {
    const float dx = (float(x) - cx) * sx, dy = (float(y) - cy) * sy;
    const float d2 = dx * dx + dy * dy;
    if (d2 > 9.f) return;
    const float n = Fbm(float(x) * 0.006f, float(y) * 0.006f, seed, 4);
    const float k = std::exp(-d2 * (1.2f + 1.6f * (1.f - n)));
    p += Mix(outer, inner, Smoothstep(0.15f, 0.9f, k)) * (k * (0.75f + 1.1f * n));
  });
}

void AddBokeh(Canvas &canvas, int count, float minRadius, float maxRadius, const Rgb *palette,
              int paletteSize, float strength, std::uint32_t seed) {
  Random rnd(seed);
  const float w = float(canvas.Width()), h = float(canvas.Height());
  for (int i = 0; i < count; ++i) {
    const float r = rnd.Uniform(minRadius, maxRadius);
    const float x = rnd.Uniform(-r * 0.5f, w + r * 0.5f), y = rnd.Uniform(-r * 0.5f, h + r * 0.5f);
    const Rgb c = palette[rnd.Below(paletteSize)] * (strength * rnd.Uniform(0.35f, 1.f));
    AddSoftDisc(canvas, x, y, r, std::max(1.f, r * 0.08f), c, 0.5f);
  }
}

}  // namespace qv::art
