// Weather light maps: rain, snow, fog, haze and sunbeams on black.

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

void AddRain(Canvas &c, int drops, float angle, float minLen, float maxLen, float strength,
             Random &rnd) {
  const float dx = std::sin(angle), dy = std::cos(angle);
  for (int i = 0; i < drops; ++i) {
    const float x = rnd.Uniform(-60, W + 60), y = rnd.Uniform(-60, H + 60);
    const float len = rnd.Uniform(minLen, maxLen);
    const float near = rnd.Unit();  // near drops are longer, wider and brighter
    AddLine(c, {x, y}, {x + dx * len * (0.6f + near), y + dy * len * (0.6f + near)},
            0.8f + 1.4f * near, 1.2f, Hex(0xDCE8FF) * (strength * (0.35f + 0.65f * near)), 0.3f);
  }
}

void AddSnow(Canvas &c, int flakes, float maxRadius, float strength, Random &rnd) {
  for (int i = 0; i < flakes; ++i) {
    const float depth = std::pow(rnd.Unit(), 2.f);  // most flakes are far and small
    const float r = 1.f + maxRadius * depth;
    AddSoftDisc(c, rnd.Uniform(0, W), rnd.Uniform(0, H), r, 0.6f + r * 0.45f,
                Grey(strength * (0.55f + 0.45f * (1 - depth * 0.5f))));
  }
}

// Fog lying low and thinning upwards, in drifting banks.
void AddFog(Canvas &c, float level, float density, Rgb tint, float stretch, std::uint32_t seed) {
  ForAll(c, [&](int x, int y, Rgb &p) {
    const float n = Fbm(float(x) * 0.004f / stretch, float(y) * 0.008f, seed, 5);
    const float low = Smoothstep(H * (level - 0.45f), H * (level + 0.2f), float(y));
    p += tint * (density * Smoothstep(0.3f, 0.7f, n) * (0.15f + 0.85f * low));
  });
}

// Shafts of light from a source above the picture, broken by unseen clouds.
void AddSunbeams(Canvas &c, float sx, float sy, Rgb tint, std::uint32_t seed) {
  ForAll(c, [&](int x, int y, Rgb &p) {
    const float dx = float(x) - sx, dy = float(y) - sy;
    const float a = std::atan2(dy, dx);
    const float shafts = Smoothstep(0.45f, 0.85f, ValueNoise(a * 38.f, 0.5f, seed));
    const float d = std::hypot(dx, dy) / W;
    p += tint * (shafts * 0.7f * std::exp(-d * 1.6f) + 0.25f * std::exp(-d * d * 18.f));
  });
}

}  // namespace

Canvas DrawWeather(int n) {
  Canvas c(kMapWidth, kMapHeight);
  Random rnd(600 + n);
  switch (n) {
    case 1:  // rain
      AddRain(c, 700, 0.18f, 20, 45, 0.85f, rnd);
      break;
    case 2:  // downpour with mist rising from the ground
      AddFog(c, 0.9f, 0.35f, Hex(0xB8C8D8), 1.f, 602);
      AddRain(c, 1400, 0.3f, 30, 70, 0.5f, rnd);
      break;
    case 3:  // snowfall
      AddSnow(c, 500, 9, 0.9f, rnd);
      break;
    case 4:  // blizzard: driven snow and white haze
      ForAll(c, [&](int, int y, Rgb &p) { p += Grey(0.18f + 0.12f * float(y) / H); });
      for (int i = 0; i < 900; ++i) {
        const float x = rnd.Uniform(0, W), y = rnd.Uniform(0, H), len = rnd.Uniform(4, 26);
        AddLine(c, {x, y}, {x + len, y + len * 0.35f}, rnd.Uniform(1.f, 3.f), 1.5f,
                Grey(rnd.Uniform(0.3f, 0.8f)), 0.2f);
      }
      break;
    case 5:  // fog
      AddFog(c, 0.7f, 0.8f, Hex(0xE0E6EC), 1.6f, 605);
      break;
    case 6:  // warm haze rising from the horizon
      ForAll(c, [&](int x, int y, Rgb &p) {
        const float k = Smoothstep(H * 0.1f, H * 0.95f, float(y));
        p += Hex(0xF0C890) *
             (0.72f * k * k * (0.8f + 0.4f * Fbm(float(x) * 0.005f, float(y) * 0.01f, 606, 4)));
      });
      break;
    case 7:  // sunbeams through the corner
      AddSunbeams(c, W * 0.1f, -H * 0.15f, Hex(0xFFE8B0), 607);
      break;
    case 8:  // god rays from a sun hidden above the centre
      AddSunbeams(c, W * 0.55f, -H * 0.3f, Hex(0xFFF0D0) * 0.85f, 608);
      AddGlow(c, W * 0.55f, -H * 0.05f, 120, Hex(0xFFE0A0) * 0.5f);
      break;
    case 9:  // layers of valley mist
      AddFog(c, 0.45f, 0.45f, Hex(0xD8E0F0), 3.f, 609);
      AddFog(c, 0.95f, 0.7f, Hex(0xF0F0F0), 4.f, 619);
      break;
    default:  // a rainy night: drizzle and the blurred lights of a street
      for (int i = 0; i < 40; ++i) {
        const Rgb lamp = rnd.Below(2) ? Hex(0xFFB060) : Hex(0xFFE0A0);
        AddSoftDisc(c, rnd.Uniform(0, W), rnd.Uniform(H * 0.45f, H), rnd.Uniform(10, 40), 3,
                    lamp * rnd.Uniform(0.1f, 0.4f), 0.6f);
      }
      AddRain(c, 500, 0.1f, 15, 35, 0.45f, rnd);
      break;
  }
  return c;
}

}  // namespace qv::art
