// Dream A and Dream B light maps: soft pastel glows, bokeh and hazy halos.

#include <cmath>

#include "artwork/Families.h"
#include "artwork/Flare.h"
#include "artwork/Glow.h"
#include "artwork/Noise.h"
#include "artwork/Random.h"
#include "artwork/Shade.h"

namespace qv::art {

namespace {

constexpr float W = kMapWidth, H = kMapHeight;

// Bokeh shaped by a lens with `blades` aperture blades: a soft polygon.
void AddPolygonBokeh(Canvas &c, float cx, float cy, float r, int blades, float turn, Rgb color) {
  const float sector = 2 * kPi / float(blades), apothem = std::cos(sector / 2);
  const int reach = int(r + 3);
  ForBox(c, int(cx) - reach, int(cy) - reach, int(cx) + reach + 1, int(cy) + reach + 1,
         [&](int x, int y, Rgb &p) {
           const float dx = float(x) - cx, dy = float(y) - cy;
           const float a = std::atan2(dy, dx) - turn;
           const float local = a - sector * std::floor(a / sector) - sector / 2;
           const float edge = r * apothem / std::cos(local);
           const float d = std::hypot(dx, dy);
           const float inside = 1.f - Smoothstep(edge - 1.5f, edge + 1.f, d);
           p += color * (inside * (0.75f + 0.5f * Smoothstep(edge * 0.5f, edge, d)));
         });
}

// A drift of pastel mist.
void AddPastelMist(Canvas &c, Rgb a, Rgb b, float strength, std::uint32_t seed) {
  ForAll(c, [&](int x, int y, Rgb &p) {
    const float n = Fbm(float(x) * 0.003f, float(y) * 0.003f, seed, 4);
    const float m = Fbm(float(x) * 0.002f + 5, float(y) * 0.002f, seed + 1, 3);
    p += Mix(a, b, Smoothstep(0.3f, 0.7f, m)) * (strength * Smoothstep(0.35f, 0.8f, n));
  });
}

// Light gathering at the rim of the picture, the dark centre left alone.
void AddRimGlow(Canvas &c, Rgb color, float strength) {
  ForAll(c, [&](int x, int y, Rgb &p) {
    const float u = float(x) / W * 2 - 1, v = float(y) / H * 2 - 1;
    p += color * (strength * Smoothstep(0.45f, 1.35f, u * u + v * v));
  });
}

struct DreamPalette {
  Rgb colors[4];
};

Canvas DrawDream(int n, const DreamPalette &pal, int blades, std::uint32_t seed) {
  Canvas c(kMapWidth, kMapHeight);
  Random rnd(seed);
  const Rgb *cs = pal.colors;
  switch (n) {
    case 1:  // a field of pastel bokeh
      AddBokeh(c, 45, 20, 70, cs, 4, 0.32f, seed);
      break;
    case 2:  // soft glows in two corners
      AddGlow(c, 0, 0, W * 0.3f, cs[0] * 0.8f);
      AddGlow(c, W, H, W * 0.3f, cs[1] * 0.7f);
      AddGlow(c, W * 0.9f, H * 0.1f, W * 0.12f, cs[2] * 0.3f);
      break;
    case 3:  // a hazy halo round the middle
      AddRing(c, W * 0.5f, H * 0.5f, H * 0.36f, 30, cs[3] * 0.45f);
      AddRing(c, W * 0.5f, H * 0.5f, H * 0.36f, 6, Grey(0.35f));
      AddGlow(c, W * 0.5f, H * 0.5f, H * 0.6f, cs[0] * 0.15f);
      break;
    case 4:  // pastel mist
      AddPastelMist(c, cs[0], cs[2], 0.7f, seed);
      break;
    case 5:  // a few big shaped bokeh
      for (int i = 0; i < 9; ++i)
        AddPolygonBokeh(c, rnd.Uniform(0, W), rnd.Uniform(0, H), rnd.Uniform(45, 110), blades, 0.3f,
                        cs[rnd.Below(4)] * rnd.Uniform(0.15f, 0.35f));
      break;
    case 6:  // glow falling from the top
      AddEllipseGlow(c, W * 0.5f, -H * 0.1f, W * 0.6f, H * 0.45f, 0, cs[1] * 0.75f);
      AddBokeh(c, 14, 8, 22, cs, 4, 0.35f, seed + 5);
      break;
    case 7:  // pastel rainbow veil
      ForAll(c, [&](int x, int y, Rgb &p) {
        const float t = (float(x) + float(y)) / (W + H);
        p += Mix(Hue(t * 0.8f + 0.5f), Grey(1), 0.6f) * (0.75f * Smoothstep(0.1f, 0.9f, t));
      });
      break;
    case 8:  // glowing rim
      AddRimGlow(c, cs[3], 0.85f);
      break;
    case 9:  // small sparkling bokeh round a soft light
      AddGlow(c, W * 0.3f, H * 0.35f, 120, cs[0] * 0.5f);
      AddBokeh(c, 120, 4, 16, cs, 4, 0.5f, seed + 9);
      break;
    default:  // a drift of bokeh along a diagonal
      for (int i = 0; i < 40; ++i) {
        const float t = rnd.Unit();
        const float r = rnd.Uniform(12, 55);
        AddSoftDisc(c, W * t + rnd.Normal() * 40, H * (1 - t) + rnd.Normal() * 60, r, r * 0.12f,
                    cs[rnd.Below(4)] * rnd.Uniform(0.12f, 0.35f), 0.6f);
      }
      AddEllipseGlow(c, W / 2, H / 2, W * 0.6f, 80, -0.64f, cs[2] * 0.25f);
      break;
  }
  return c;
}

}  // namespace

Canvas DrawDreamA(int n) {
  // Rose, lavender, peach and mint.
  return DrawDream(n, {{Hex(0xFFB0D0), Hex(0xC8B0FF), Hex(0xFFD0A8), Hex(0xB8F0D8)}}, 6, 700 + n);
}

Canvas DrawDreamB(int n) {
  // Powder blue, lilac, gold and pink.
  return DrawDream(n, {{Hex(0xA8D8FF), Hex(0xE0B8FF), Hex(0xFFE6A0), Hex(0xFFC0E0)}}, 8, 800 + n);
}

}  // namespace qv::art
