// Texture maps: grey surfaces centred on mid-grey, overlaid on the picture
// so that only their relief shows.

#include <cmath>

#include "artwork/Families.h"
#include "artwork/Line.h"
#include "artwork/Noise.h"
#include "artwork/Random.h"
#include "artwork/Shade.h"

namespace qv::art {

namespace {

constexpr int TW = 1024, TH = 768;

// Per-pixel white noise in -1..1, stable for a given seed.
float Grain(int x, int y, std::uint32_t seed) {
  return float(Hash(std::uint32_t(x), std::uint32_t(y), seed) >> 8) / 8388608.f - 1.f;
}

// Builds a grey texture from a height function h(x, y) around 0 with the
// given tint, then moves its mean to exactly mid-grey.
template <typename Height>
Canvas GreyTexture(Rgb tint, Height height) {
  Canvas c(TW, TH);
  double sum = 0;
  ForAll(c, [&](int x, int y, Rgb &p) {
    const float h = height(float(x), float(y), x, y);
    p = Grey(h);
    sum += h;
  });
  const float shift = 0.5f - float(sum / (double(TW) * TH));
  ForAll(c, [&](int, int, Rgb &p) { p = (tint - Grey(0.5f)) + Grey(p.r + shift); });
  return c;
}

}  // namespace

Canvas DrawTexture(int n) {
  const Rgb neutral = Grey(0.5f);
  switch (n) {
    case 1:  // paper: fine grain over soft cloudy fibres
      return GreyTexture(Hex(0x82807A), [](float fx, float fy, int x, int y) {
        return 0.5f + 0.05f * Grain(x, y, 1001) +
               0.16f * (Fbm(fx * 0.02f, fy * 0.02f, 1002, 5) - 0.5f) +
               0.08f * (Fbm(fx * 0.15f, fy * 0.006f, 1003, 2) - 0.5f);
      });
    case 2:  // canvas: an over-under weave of thick threads
      return GreyTexture(neutral, [](float fx, float fy, int x, int y) {
        const float period = 16.f;
        const float u = fx / period, v = fy / period;
        const bool over = (int(std::floor(u)) + int(std::floor(v))) % 2 == 0;
        const float along =
            over ? std::sin(kPi * (u - std::floor(u))) : std::sin(kPi * (v - std::floor(v)));
        const float across =
            over ? std::sin(kPi * (v - std::floor(v))) : std::sin(kPi * (u - std::floor(u)));
        return 0.5f + 0.16f * (along * 0.6f + across * 0.4f - 0.5f) + 0.04f * Grain(x, y, 1021);
      });
    case 3: {  // old film: grain, vertical scratches and dust
      Canvas c = GreyTexture(neutral, [](float fx, float fy, int x, int y) {
        return 0.5f + 0.1f * Grain(x, y, 1031) +
               0.06f * (Fbm(fx * 0.01f, fy * 0.01f, 1032, 3) - 0.5f);
      });
      Random rnd(1033);
      for (int i = 0; i < 9; ++i) {
        const float x = rnd.Uniform(0, TW), drift = rnd.Uniform(-12, 12);
        const float y0 = rnd.Uniform(-100, TH * 0.5f), y1 = rnd.Uniform(TH * 0.5f, TH + 100);
        PaintLine(c, {x, y0}, {x + drift, y1}, rnd.Uniform(1.f, 2.5f),
                  Grey(rnd.Below(3) ? 0.85f : 0.2f), 0.7f);
      }
      for (int i = 0; i < 60; ++i) {
        const float x = rnd.Uniform(0, TW), y = rnd.Uniform(0, TH);
        const float a = rnd.Uniform(0, kPi), len = rnd.Uniform(2, 14);
        PaintLine(c, {x, y}, {x + std::cos(a) * len, y + std::sin(a) * len}, rnd.Uniform(1.5f, 4),
                  Grey(rnd.Below(2) ? 0.12f : 0.9f), 0.8f);
      }
      return c;
    }
    case 4:  // crackle: a glaze broken into cells
      return GreyTexture(Hex(0x84807C), [](float fx, float fy, int, int) {
        const float warp = 0.4f * Fbm(fx * 0.01f, fy * 0.01f, 1041, 3);
        const CellDistances d = Cells(fx / 55.f + warp, fy / 55.f + warp, 1042);
        const float crack = 1.f - Smoothstep(0.0f, 0.06f, d.f2 - d.f1);
        const CellDistances glaze = Cells(fx / 18.f, fy / 18.f, 1043);
        const float fine = glaze.f2 - glaze.f1;
        return 0.55f - 0.32f * crack - 0.12f * (1.f - Smoothstep(0.f, 0.05f, fine)) +
               0.06f * (Fbm(fx * 0.03f, fy * 0.03f, 1044, 3) - 0.5f);
      });
    case 5:  // brushed metal: long horizontal streaks
      return GreyTexture(Hex(0x7C8084), [](float fx, float fy, int x, int y) {
        return 0.5f + 0.22f * (Fbm(fx * 0.002f, fy * 0.6f, 1051, 4) - 0.5f) +
               0.05f * Grain(x / 6, y, 1052) +
               0.1f * std::sin(fy * 0.012f + 2 * Fbm(fx * 0.002f, fy * 0.004f, 1053, 2));
      });
    case 6:  // linen: uneven threads both ways
      return GreyTexture(Hex(0x847E76), [](float fx, float fy, int x, int y) {
        const float tx = std::sin(fx * 0.9f + 3 * Fbm(fy * 0.05f, fx * 0.002f, 1061, 2));
        const float ty = std::sin(fy * 0.9f + 3 * Fbm(fx * 0.05f, fy * 0.002f, 1062, 2));
        const float slub = Fbm(fx * 0.01f, fy * 0.2f, 1063, 3);
        return 0.5f + 0.09f * tx + 0.09f * ty + 0.14f * (slub - 0.5f) + 0.03f * Grain(x, y, 1064);
      });
    case 7:  // concrete: mottled stone with pits
      return GreyTexture(neutral, [](float fx, float fy, int x, int y) {
        const float pit = Smoothstep(0.18f, 0.08f, Cells(fx / 9.f, fy / 9.f, 1071).f1) *
                          Smoothstep(0.6f, 0.75f, ValueNoise(fx / 9.f, fy / 9.f, 1072));
        return 0.5f + 0.26f * (Fbm(fx * 0.008f, fy * 0.008f, 1073, 6) - 0.5f) - 0.35f * pit +
               0.06f * Grain(x, y, 1074);
      });
    case 8:  // wood: growth rings bent by the grain
      return GreyTexture(Hex(0x867E74), [](float fx, float fy, int x, int y) {
        const float bend = 6.f * Fbm(fx * 0.0015f, fy * 0.004f, 1081, 4);
        const float ring = std::sin((fy * 0.035f + bend) * 2 * kPi * 0.35f);
        const float fibre = Fbm(fx * 0.003f, fy * 0.25f, 1082, 3);
        return 0.5f + 0.13f * ring * ring * ring + 0.14f * (fibre - 0.5f) +
               0.025f * Grain(x, y, 1083);
      });
    case 9:  // watercolour paper: blooms with dark rims and a tooth
      return GreyTexture(Hex(0x807E7C), [](float fx, float fy, int x, int y) {
        const float f = Fbm(fx * 0.004f, fy * 0.004f, 1091, 4);
        const float rim = std::exp(-std::pow((f - 0.55f) / 0.03f, 2.f));
        const float tooth = Fbm(fx * 0.08f, fy * 0.08f, 1092, 3);
        return 0.5f + 0.2f * (f - 0.5f) - 0.18f * rim + 0.12f * (tooth - 0.5f) +
               0.02f * Grain(x, y, 1093);
      });
    default:  // leather: pebbled cells with creases
      return GreyTexture(Hex(0x847C78), [](float fx, float fy, int x, int y) {
        const CellDistances d = Cells(fx / 14.f, fy / 14.f, 1101);
        const float bump = 1.f - Smoothstep(0.f, 0.7f, d.f1);
        const float seam = 1.f - Smoothstep(0.f, 0.1f, d.f2 - d.f1);
        // Creases follow one level line of a smooth field.
        const float field = Fbm(fx * 0.006f, fy * 0.006f, 1102, 4);
        const float crease = Smoothstep(0.48f, 0.5f, field) * Smoothstep(0.52f, 0.5f, field);
        return 0.5f + 0.2f * bump - 0.2f * seam - 0.25f * crease + 0.03f * Grain(x, y, 1103);
      });
  }
}

}  // namespace qv::art
