// Dream A and Dream B light maps: soft pastel glows, bokeh and hazy halos.

#include <cmath>

#include "artwork/Families.h"
#include "artwork/Flare.h"
#include "artwork/Glow.h"
#include "artwork/Noise.h"
#include "artwork/Random.h"
#include "artwork/Shade.h"
#include "artwork/Shapes.h"

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
    p += Mix(a, b, Smoothstep(0.3f, 0.7f, m)) * (strength * Smoothstep(0.42f, 0.85f, n));
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
        p += Mix(Hue(t * 0.8f + 0.5f), Grey(1), 0.6f) * (0.85f * Smoothstep(0.2f, 0.95f, t));
      });
      break;
    case 8:  // glowing rim
      AddRimGlow(c, cs[3], 0.85f);
      break;
    case 9:  // small sparkling bokeh round a soft light
      AddGlow(c, W * 0.3f, H * 0.35f, 120, cs[0] * 0.5f);
      AddBokeh(c, 120, 4, 16, cs, 4, 0.5f, seed + 9);
      break;
    case 10:  // a drift of bokeh along a diagonal
      for (int i = 0; i < 40; ++i) {
        const float t = rnd.Unit();
        const float r = rnd.Uniform(12, 55);
        AddSoftDisc(c, W * t + rnd.Normal() * 40, H * (1 - t) + rnd.Normal() * 60, r, r * 0.12f,
                    cs[rnd.Below(4)] * rnd.Uniform(0.12f, 0.35f), 0.6f);
      }
      AddEllipseGlow(c, W / 2, H / 2, W * 0.6f, 80, -0.64f, cs[2] * 0.25f);
      break;
    case 11:  // heart-shaped bokeh
      for (int i = 0; i < 26; ++i) {
        const float x = rnd.Uniform(0, W), y = rnd.Uniform(0, H), size = rnd.Uniform(35, 90);
        const Rgb col = cs[rnd.Below(4)] * rnd.Uniform(0.3f, 0.6f);
        ForBox(c, int(x - size), int(y - size), int(x + size) + 1, int(y + size) + 1,
               [&](int px, int py, Rgb &p) {
                 const float d = HeartDistance(float(px), float(py), x, y, size);
                 p += col * (Inside(d, 2.f) * (0.8f + 0.4f * Smoothstep(-size * 0.3f, 0.f, d)));
               });
      }
      break;
    case 12:  // golden motes drifting in a warm haze
      AddGlow(c, W * 0.75f, H * 0.2f, 220, cs[2] * 0.35f);
      for (int i = 0; i < 260; ++i) {
        const float x = rnd.Uniform(0, W), y = rnd.Uniform(0, H);
        const float near = std::pow(rnd.Unit(), 3.f);
        AddGlow(c, x, y, 1.5f + 7 * near, Mix(cs[2], Grey(1), 0.4f) * (0.25f + 0.5f * (1 - near)));
      }
      break;
    case 13:  // soft curtains of pastel light
      ForAll(c, [&](int x, int y, Rgb &p) {
        const float u = float(x) / W;
        const float folds =
            0.5f + 0.5f * std::sin(u * 19.f + 3 * Fbm(u * 2, float(y) / H, seed, 3));
        const float fall = Smoothstep(0.f, 0.9f, 1.f - float(y) / H);
        p += Mix(cs[0], cs[1], u) * (0.7f * folds * folds * fall);
      });
      break;
    case 14:  // a double halo round a light high on the left
      AddGlow(c, W * 0.28f, H * 0.3f, 40, Grey(0.7f));
      AddRing(c, W * 0.28f, H * 0.3f, 110, 12, cs[0] * 0.45f);
      AddRing(c, W * 0.28f, H * 0.3f, 210, 24, cs[3] * 0.3f);
      AddGlow(c, W * 0.28f, H * 0.3f, 260, cs[1] * 0.15f);
      break;
    case 15:  // bokeh sweeping in an arc
      for (int i = 0; i < 46; ++i) {
        const float t = rnd.Unit();
        const float a = kPi * (0.9f + 0.9f * t);
        const float r = rnd.Uniform(10, 48);
        AddPolygonBokeh(c, W * 0.55f + std::cos(a) * W * 0.45f + rnd.Normal() * 20,
                        H * 1.05f + std::sin(a) * H * 0.8f + rnd.Normal() * 20, r, blades, 0.2f,
                        cs[rnd.Below(4)] * rnd.Uniform(0.15f, 0.4f));
      }
      break;
    default:  // a field of shaped bokeh
      for (int i = 0; i < 40; ++i)
        AddPolygonBokeh(c, rnd.Uniform(0, W), rnd.Uniform(0, H), rnd.Uniform(18, 60), blades, 0.2f,
                        cs[rnd.Below(4)] * rnd.Uniform(0.15f, 0.35f));
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
  // Its own layouts where Dream A's would repeat the same picture in
  // other colours.
  static constexpr int kLayouts[] = {16, 11, 14, 12, 13, 6, 15, 8, 4, 7};
  return DrawDream(kLayouts[n - 1], {{Hex(0xA8D8FF), Hex(0xE0B8FF), Hex(0xFFE6A0), Hex(0xFFC0E0)}},
                   8, 800 + n);
}

}  // namespace qv::art
