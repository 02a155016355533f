// Star light maps: sparkles, star bursts and star fields on black.

#include <cmath>

#include "artwork/Families.h"
#include "artwork/Glow.h"
#include "artwork/Line.h"
#include "artwork/Noise.h"
#include "artwork/Random.h"
#include "artwork/Shade.h"

namespace qv::art {

namespace {

constexpr float W = kMapWidth, H = kMapHeight;

const Rgb kStarTints[] = {Hex(0xFFFFFF), Hex(0xFFF2C8), Hex(0xCFE4FF), Hex(0xFFE0F0)};

// Many faint points with a few brighter ones, the way a night sky looks.
void AddStarField(Canvas &c, int count, float brightness, Random &rnd) {
  for (int i = 0; i < count; ++i) {
    const float x = rnd.Uniform(0, W), y = rnd.Uniform(0, H);
    const float m = std::pow(rnd.Unit(), 3.f);  // most stars are faint
    const Rgb tint = kStarTints[rnd.Below(4)];
    AddGlow(c, x, y, 0.8f + 1.6f * m, tint * (brightness * (0.3f + 1.2f * m)));
    // A faint halo keeps the brighter stars visible when the map is shrunk.
    if (m > 0.2f) AddGlow(c, x, y, 4 + 6 * m, tint * (brightness * 0.25f * m));
    if (m > 0.7f) AddSparkle(c, x, y, 10 + 30 * m, 2, kPi / 4, tint * (0.5f * brightness));
  }
}

// Four- or six-pointed glints scattered around (cx, cy) within `spread`.
void AddGlints(Canvas &c, int count, float cx, float cy, float spreadX, float spreadY, float size,
               int rays, const Rgb *tints, int tintCount, Random &rnd) {
  for (int i = 0; i < count; ++i) {
    const float x = cx + rnd.Normal() * spreadX, y = cy + rnd.Normal() * spreadY;
    const float s = size * rnd.Uniform(0.25f, 1.f);
    const Rgb tint = tints[rnd.Below(tintCount)] * rnd.Uniform(0.6f, 1.f);
    AddSparkle(c, x, y, s, rays, rays == 2 ? 0.f : rnd.Uniform(0, kPi), tint);
    AddGlow(c, x, y, s * 0.22f, tint * 0.3f);
  }
}

void AddShootingStar(Canvas &c, Point head, float angle, float length, Rgb color) {
  const Point tail{head.x - std::cos(angle) * length, head.y - std::sin(angle) * length};
  AddLine(c, head, tail, 2.5f, 3, color, 0.f);
  AddLine(c, head, tail, 10, 10, color * 0.2f, 0.f);
  AddSparkle(c, head.x, head.y, 28, 2, angle, color);
}

}  // namespace

Canvas DrawStar(int n) {
  Canvas c(kMapWidth, kMapHeight);
  Random rnd(400 + n);
  const Rgb gold[] = {Hex(0xFFE9A0), Hex(0xFFFFFF), Hex(0xFFC860)};
  const Rgb ice[] = {Hex(0xFFFFFF), Hex(0xBFE0FF), Hex(0xE0D0FF)};
  switch (n) {
    case 1:  // scattered sparkles
      AddGlints(c, 40, W / 2, H / 2, W * 0.3f, H * 0.3f, 80, 2, ice, 3, rnd);
      break;
    case 2:  // one great star burst
      AddGlow(c, W * 0.62f, H * 0.3f, 120, Hex(0xFFD890) * 0.3f);
      AddSparkle(c, W * 0.62f, H * 0.3f, 330, 4, 0.2f, Hex(0xFFF4D8));
      AddSparkle(c, W * 0.62f, H * 0.3f, 180, 2, 0.f, Grey(0.8f));
      AddGlints(c, 8, W * 0.62f, H * 0.3f, 120, 90, 30, 2, gold, 3, rnd);
      break;
    case 3:  // star field
      AddStarField(c, 900, 0.9f, rnd);
      break;
    case 4:  // a trail of sparkles along an arc, like a wand's sweep
      for (int i = 0; i < 60; ++i) {
        const float t = float(i) / 59.f;
        const float x = W * (0.1f + 0.8f * t) + rnd.Normal() * 12;
        const float y = H * (0.85f - 0.55f * std::sin(t * kPi * 0.9f)) + rnd.Normal() * 12;
        AddSparkle(c, x, y, 12 + 45 * t * rnd.Unit(), 2, 0, gold[rnd.Below(3)] * (0.5f + 0.5f * t));
        AddGlow(c, x, y, 5 + 6 * t, gold[0] * (0.3f + 0.3f * t));
        AddGlow(c, x, y, 22, Hex(0xFFB040) * (0.08f + 0.08f * t));
      }
      break;
    case 5:  // the night sky with the band of the milky way
      ForAll(c, [&](int x, int y, Rgb &p) {
        const float d = (float(y) - H * 0.9f + float(x) * 0.75f) / (H * 0.22f);
        const float band = std::exp(-d * d) * Fbm(float(x) * 0.01f, float(y) * 0.01f, 405, 5);
        p += Mix(Hex(0x4050A0), Hex(0xFFE8D0), band) * (0.55f * band);
      });
      AddStarField(c, 1200, 0.8f, rnd);
      break;
    case 6:  // shooting stars
      AddStarField(c, 350, 0.6f, rnd);
      AddShootingStar(c, {W * 0.7f, H * 0.35f}, 0.55f, 360, Hex(0xE8F0FF));
      AddShootingStar(c, {W * 0.35f, H * 0.2f}, 0.5f, 180, Hex(0xFFF0D0) * 0.8f);
      break;
    case 7:  // golden glitter
      for (int i = 0; i < 500; ++i) {
        const float x = rnd.Uniform(0, W), y = rnd.Uniform(0, H);
        const float m = std::pow(rnd.Unit(), 4.f);
        AddGlow(c, x, y, 1.2f + 2 * m, gold[rnd.Below(3)] * (0.3f + 0.8f * m));
        if (m > 0.4f) AddSparkle(c, x, y, 12 + 30 * m, 2, kPi / 4 * float(rnd.Below(2)), gold[0]);
      }
      break;
    case 8:  // star bursts in the corners
      AddSparkle(c, W * 0.1f, H * 0.12f, 200, 4, 0.4f, Hex(0xDDEEFF));
      AddSparkle(c, W * 0.88f, H * 0.85f, 240, 3, 0.1f, Hex(0xFFE0B0));
      AddGlow(c, W * 0.1f, H * 0.12f, 70, Hex(0x80B0FF) * 0.3f);
      AddGlow(c, W * 0.88f, H * 0.85f, 80, Hex(0xFFA040) * 0.3f);
      break;
    case 9:  // a frame of twinkles along the edges
      for (int i = 0; i < 70; ++i) {
        float x = rnd.Uniform(0, W), y = rnd.Uniform(0, H);
        if (rnd.Below(2))
          x = rnd.Below(2) ? rnd.Uniform(0, W * 0.12f) : W - rnd.Uniform(0, W * 0.12f);
        else
          y = rnd.Below(2) ? rnd.Uniform(0, H * 0.14f) : H - rnd.Uniform(0, H * 0.14f);
        AddSparkle(c, x, y, rnd.Uniform(10, 45), 2, 0, ice[rnd.Below(3)]);
      }
      break;
    default: {  // a constellation linked by faint lines
      AddStarField(c, 250, 0.45f, rnd);
      const Point pts[] = {{120, 420}, {230, 330}, {350, 360}, {470, 250},
                           {600, 290}, {690, 150}, {520, 120}};
      for (int i = 0; i + 1 < 7; ++i)
        AddLine(c, pts[i], pts[i + 1], 3.f, 3.f, Hex(0x9FC4FF) * 0.45f);
      for (const Point &p : pts) {
        const Rgb tint = ice[rnd.Below(3)];
        AddSparkle(c, p.x, p.y, rnd.Uniform(40, 80), 2, 0, tint);
        AddGlow(c, p.x, p.y, 16, tint * 0.4f);
      }
      break;
    }
  }
  return c;
}

}  // namespace qv::art
