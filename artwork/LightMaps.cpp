// Light A (warm), Light B (cool) and Light C (spectral) light maps: leaks,
// flares, glows and streaks on black, screened onto the picture.

#include <cmath>

#include "artwork/Families.h"
#include "artwork/Flare.h"
#include "artwork/Glow.h"
#include "artwork/Line.h"
#include "artwork/Noise.h"
#include "artwork/Random.h"
#include "artwork/Shade.h"

namespace qv::art {

namespace {

constexpr float W = kMapWidth, H = kMapHeight;

// A film burn: light creeping in from one side in flame-like tongues.
void AddFilmBurn(Canvas &c, bool fromLeft, const Ramp &ramp, std::uint32_t seed) {
  ForAll(c, [&](int x, int y, Rgb &p) {
    const float edge = fromLeft ? float(x) / W : 1.f - float(x) / W;
    const float n = Fbm(float(x) * 0.004f, float(y) * 0.009f, seed, 5);
    const float heat = Clamp01(1.25f - edge * 2.6f + (n - 0.5f) * 1.3f);
    p += ramp(heat) * Smoothstep(0.f, 0.6f, heat);
  });
}

// A vertical beam of light standing at x, brightest in its core.
void AddBeam(Canvas &c, float x, float tilt, float width, Rgb color) {
  AddEllipseGlow(c, x, H * 0.5f, H * 0.9f, width, kPi / 2 + tilt, color * 0.6f);
  AddEllipseGlow(c, x, H * 0.5f, H * 0.9f, width * 0.25f, kPi / 2 + tilt, color * 0.5f);
}

// A thin horizontal lens streak with a hot centre.
void AddStreak(Canvas &c, float x, float y, float angle, Rgb color) {
  AddEllipseGlow(c, x, y, W * 0.45f, 6.f, angle, color);
  AddEllipseGlow(c, x, y, W * 0.3f, 24.f, angle, color * 0.45f);
  AddGlow(c, x, y, 18, Grey(0.9f));
  AddGlow(c, x, y, 70, color * 0.35f);
}

// A sun of rays in one corner.
void AddSunburst(Canvas &c, float x, float y, Rgb core, Rgb rays, std::uint32_t seed) {
  AddRays(c, x, y, 0, 2 * kPi, 70, W * 0.75f, 5, rays * 0.35f, seed);
  AddGlow(c, x, y, 40, core);
  AddGlow(c, x, y, 140, rays * 0.45f);
}

// The ten maps of one light family share these layouts, in the family's colours.
struct Palette {
  Rgb a, b, c;  // main, second, accent
};

Canvas DrawLightFamily(int n, const Palette &pal, std::uint32_t seed, bool mirror) {
  Canvas c(kMapWidth, kMapHeight);
  auto X = [&](float x) { return mirror ? W - x : x; };
  switch (n) {
    case 1:  // corner leak
      AddLeak(c, X(-40), -30, W * 0.55f, H * 0.6f, pal.c, pal.a, seed);
      AddLeak(c, X(W * 0.1f), H * 1.05f, W * 0.3f, H * 0.25f, pal.b * 0.6f, pal.b * 0.4f, seed + 1);
      break;
    case 2:  // edge leak
      AddLeak(c, X(W + 30), H * 0.45f, W * 0.22f, H * 0.75f, pal.c, pal.b, seed);
      AddLeak(c, X(-20), H * 0.9f, W * 0.18f, H * 0.3f, pal.a * 0.7f, pal.a * 0.5f, seed + 7);
      break;
    case 3:  // lens flare
      AddLensFlare(c, X(W * 0.2f), H * 0.22f, pal.a, seed);
      break;
    case 4:  // glow rising from below
      AddEllipseGlow(c, W * 0.5f, H * 1.05f, W * 0.55f, H * 0.32f, 0, pal.a * 0.9f);
      AddEllipseGlow(c, X(W * 0.3f), H * 0.95f, W * 0.2f, H * 0.15f, 0, pal.c * 0.7f);
      break;
    case 5:  // diagonal streak
      AddEllipseGlow(c, W * 0.5f, H * 0.5f, W * 0.7f, 28, mirror ? 0.6f : -0.6f, pal.b * 0.55f);
      AddEllipseGlow(c, W * 0.5f, H * 0.5f, W * 0.6f, 5, mirror ? 0.6f : -0.6f, pal.c * 0.8f);
      AddLeak(c, X(W * 0.05f), H * 1.0f, W * 0.25f, H * 0.3f, pal.a, pal.a * 0.6f, seed);
      break;
    case 6:  // two opposite corners
      AddLeak(c, X(W + 20), -20, W * 0.4f, H * 0.45f, pal.c, pal.a, seed);
      AddLeak(c, X(-20), H + 20, W * 0.4f, H * 0.45f, pal.b, pal.b * 0.7f, seed + 3);
      break;
    case 7:  // sunburst
      AddSunburst(c, X(W * 0.85f), H * 0.12f, Grey(1.1f), pal.a, seed);
      break;
    case 8:  // film burn
      AddFilmBurn(c, !mirror, Ramp{{0, Grey(0)}, {0.35f, pal.b}, {0.7f, pal.a}, {1, pal.c}}, seed);
      break;
    case 9:  // beams
      AddBeam(c, X(W * 0.22f), 0.12f, 70, pal.a);
      AddBeam(c, X(W * 0.4f), 0.2f, 35, pal.c * 0.6f);
      break;
    default:  // anamorphic streak
      AddStreak(c, X(W * 0.62f), H * 0.35f, 0.f, pal.b);
      AddGlow(c, X(W * 0.62f), H * 0.35f, 200, pal.a * 0.4f);
      break;
  }
  return c;
}

}  // namespace

Canvas DrawLightA(int n) {
  // Warm: amber, red-orange and pale gold.
  return DrawLightFamily(n, {Hex(0xFF8A1C), Hex(0xE8321A), Hex(0xFFE08A)}, 100 + n, false);
}

Canvas DrawLightB(int n) {
  // Cool: sky blue, violet and ice white.
  return DrawLightFamily(n, {Hex(0x3A8DFF), Hex(0x8A3CFF), Hex(0xC8F4FF)}, 200 + n, true);
}

Canvas DrawLightC(int n) {
  Canvas c(kMapWidth, kMapHeight);
  Random rnd(300 + n);
  switch (n) {
    case 1:  // prism leak: spectral bands across a corner
      ForAll(c, [&](int x, int y, Rgb &p) {
        const float u = (float(x) + float(y) * 0.6f) / W;
        const float k = std::exp(-std::pow(std::hypot(float(x) - W, float(y)) / (W * 0.6f), 2.f));
        p += Hue(u * 1.6f) * (0.9f * k);
      });
      break;
    case 2:  // rainbow arc
      for (int i = 0; i < 24; ++i) {
        const float t = float(i) / 23.f;
        AddRing(c, W * 0.5f, H * 1.25f, H * (0.8f + 0.22f * t), 6.f, Hue(0.8f * t) * 0.24f);
      }
      break;
    case 3:  // teal and magenta leaks
      AddLeak(c, -30, H * 0.3f, W * 0.35f, H * 0.6f, Hex(0x7FFFE8), Hex(0x00A8A0), 303);
      AddLeak(c, W + 30, H * 0.75f, W * 0.35f, H * 0.6f, Hex(0xFFA0F0), Hex(0xD01890), 304);
      break;
    case 4:  // rainbow flare
      AddLensFlare(c, W * 0.78f, H * 0.2f, Hex(0xFFF0D0), 305);
      for (int i = 0; i < 8; ++i)
        AddRing(c, W * 0.78f, H * 0.2f, 150.f + float(i) * 6.f, 3.f, Hue(float(i) / 8) * 0.12f);
      break;
    case 5:  // iridescent streaks
      for (int i = 0; i < 5; ++i) {
        const float x = W * (0.2f + 0.15f * float(i));
        AddEllipseGlow(c, x, H * 0.5f, H * 0.8f, 16, kPi / 2 + 0.35f, Hue(float(i) / 5) * 0.6f);
        AddEllipseGlow(c, x, H * 0.5f, H * 0.7f, 3, kPi / 2 + 0.35f,
                       Mix(Hue(float(i) / 5), Grey(1), 0.5f) * 0.7f);
      }
      break;
    case 6:  // spectral glow from the bottom edge
      ForAll(c, [&](int x, int y, Rgb &p) {
        const float k = std::exp(-std::pow((H - float(y)) / (H * 0.35f), 2.f));
        p += Hue(float(x) / W * 0.85f) * (0.75f * k);
      });
      break;
    case 7:  // orange and blue split leak
      AddLeak(c, -40, -40, W * 0.45f, H * 0.5f, Hex(0xFFD080), Hex(0xFF6010), 307);
      AddLeak(c, W + 40, H + 40, W * 0.45f, H * 0.5f, Hex(0xA0E0FF), Hex(0x1060FF), 308);
      break;
    case 8:  // colour orbs
      for (int i = 0; i < 7; ++i)
        AddGlow(c, rnd.Uniform(0, W), rnd.Uniform(0, H), rnd.Uniform(40, 110),
                Hue(rnd.Unit()) * 0.55f);
      break;
    case 9:  // spectral sunburst
      AddRays(c, W * 0.15f, H * 0.15f, -0.3f, 2.0f, 90, W, 6, Grey(0.15f), 309);
      for (int i = 0; i < 12; ++i)
        AddRays(c, W * 0.15f, H * 0.15f, -0.3f + float(i) * 0.19f, -0.3f + float(i + 1) * 0.19f, 4,
                W, 10, Hue(float(i) / 12) * 0.5f, 320 + i);
      AddGlow(c, W * 0.15f, H * 0.15f, 45, Grey(1.1f));
      break;
    default:  // double rainbow halo
      AddGlow(c, W * 0.5f, H * 0.45f, 30, Grey(0.9f));
      for (int i = 0; i < 16; ++i) {
        const float t = float(i) / 15.f;
        AddRing(c, W * 0.5f, H * 0.45f, 120 + 40 * t, 4, Hue(t * 0.8f) * 0.12f);
        AddRing(c, W * 0.5f, H * 0.45f, 250 + 60 * (1 - t), 6, Hue(t * 0.8f) * 0.06f);
      }
      break;
  }
  return c;
}

}  // namespace qv::art
