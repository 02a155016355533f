// Amazing light maps: rays, fireworks, aurora, rings, lightning and other
// spectacular light on black.

#include <cmath>
#include <vector>

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

// One firework shell: sparks flying out and sagging under gravity, each a
// fading trail with a bright head.
void AddFirework(Canvas &c, float cx, float cy, float radius, Rgb color, Random &rnd) {
  const int sparks = 70;
  for (int i = 0; i < sparks; ++i) {
    const float a = 2 * kPi * float(i) / sparks + rnd.Uniform(-0.03f, 0.03f);
    const float r = radius * rnd.Uniform(0.75f, 1.f);
    Point prev{cx, cy};
    const int steps = 8;
    for (int s = 1; s <= steps; ++s) {
      const float t = float(s) / steps;
      const Point p{cx + std::cos(a) * r * t, cy + std::sin(a) * r * t + 0.25f * r * t * t};
      AddLine(c, prev, p, 2.6f, 2.f, color * (0.2f + 0.7f * t * t));
      prev = p;
    }
    AddGlow(c, prev.x, prev.y, 3.5f, Mix(color, Grey(1), 0.5f));
  }
  AddGlow(c, cx, cy, radius * 0.5f, color * 0.25f);
}

// A jagged bolt by recursive midpoint displacement, with forks.
void AddBolt(Canvas &c, Point a, Point b, float spread, int depth, float strength, Random &rnd) {
  if (depth == 0) {
    AddLine(c, a, b, 2.2f * strength, 1.5f, Grey(strength));
    AddLine(c, a, b, 12 * strength, 12, Hex(0x8070FF) * (0.25f * strength));
    return;
  }
  const float dx = b.x - a.x, dy = b.y - a.y;
  const float len = std::hypot(dx, dy);
  const float off = rnd.Normal() * spread * len;
  const Point mid{(a.x + b.x) / 2 - dy / len * off, (a.y + b.y) / 2 + dx / len * off};
  AddBolt(c, a, mid, spread, depth - 1, strength, rnd);
  AddBolt(c, mid, b, spread, depth - 1, strength, rnd);
  if (depth >= 3 && rnd.Unit() < 0.35f) {
    const float ang = std::atan2(dy, dx) + rnd.Uniform(-0.8f, 0.8f);
    const Point fork{mid.x + std::cos(ang) * len * 0.5f, mid.y + std::sin(ang) * len * 0.5f};
    AddBolt(c, mid, fork, spread, depth - 2, strength * 0.55f, rnd);
  }
}

// Curtains of aurora: each hangs from a wavy hem, brightest just above it,
// and streams upwards in rays; gaps open where the curtain thins out.
void AddAurora(Canvas &c, std::uint32_t seed) {
  struct Curtain {
    float base, swing, height, strength;
  };
  const Curtain curtains[] = {
      {0.62f, 0.16f, 0.45f, 1.2f}, {0.42f, 0.12f, 0.35f, 0.75f}, {0.3f, 0.1f, 0.25f, 0.5f}};
  std::uint32_t k = 0;
  for (const Curtain &ct : curtains) {
    const std::uint32_t s = seed + 17 * k++;
    ForAll(c, [&](int x, int y, Rgb &p) {
      const float fx = float(x) / W;
      const float hem = H * (ct.base + ct.swing * (2 * Fbm(fx * 2.2f, 0.5f, s, 3) - 1) +
                             0.05f * std::sin(fx * 11.f + float(k)));
      const float rise = (hem - float(y)) / (H * ct.height);  // 0 at the hem, 1 at the top
      if (rise < -0.2f || rise > 2.5f) return;
      const float glow = rise < 0
                             ? std::exp(-rise * rise * 120.f)
                             : std::exp(-rise * 1.8f) * (0.55f + 0.45f * std::exp(-rise * 10.f));
      const float rays = 0.35f + 0.9f * Fbm(fx * 60.f, float(y) * 0.0015f, s + 9, 3);
      const float gaps = Smoothstep(0.3f, 0.6f, Fbm(fx * 3.f, 7.f, s + 3, 3));
      const Rgb col = Mix(Mix(Hex(0x40FFA0), Hex(0x20E070), Clamp01(rise * 3)), Hex(0xC050FF),
                          Smoothstep(0.25f, 0.9f, rise));
      p += col * (ct.strength * glow * rays * gaps);
    });
  }
}

}  // namespace

Canvas DrawAmazing(int n) {
  Canvas c(kMapWidth, kMapHeight);
  Random rnd(500 + n);
  switch (n) {
    case 1:  // rays bursting from behind the centre
      AddRays(c, W * 0.5f, H * 0.45f, 0, 2 * kPi, 110, W * 0.8f, 7, Hex(0xFFE6B0) * 0.4f, 501);
      AddGlow(c, W * 0.5f, H * 0.45f, 60, Hex(0xFFF0D0));
      AddGlow(c, W * 0.5f, H * 0.45f, 180, Hex(0xFFA040) * 0.3f);
      break;
    case 2:  // fireworks
      AddFirework(c, W * 0.3f, H * 0.32f, 150, Hex(0xFF5070), rnd);
      AddFirework(c, W * 0.7f, H * 0.25f, 120, Hex(0x60C0FF), rnd);
      AddFirework(c, W * 0.55f, H * 0.6f, 90, Hex(0xFFD050), rnd);
      AddFirework(c, W * 0.12f, H * 0.7f, 60, Hex(0x90FF80), rnd);
      break;
    case 3:  // aurora
      AddAurora(c, 503);
      break;
    case 4:  // rings of light
      for (int i = 0; i < 7; ++i)
        AddRing(c, W * 0.5f, H * 0.5f, 40.f + 48.f * float(i), 3.f + float(i),
                Hue(0.55f + 0.07f * float(i)) * 0.5f);
      AddGlow(c, W * 0.5f, H * 0.5f, 35, Grey(0.9f));
      break;
    case 5:  // lightning
      AddBolt(c, {W * 0.45f, -10}, {W * 0.6f, H * 0.95f}, 0.22f, 7, 1.f, rnd);
      AddBolt(c, {W * 0.15f, -10}, {W * 0.05f, H * 0.55f}, 0.25f, 6, 0.6f, rnd);
      AddGlow(c, W * 0.45f, 0, 160, Hex(0x7080FF) * 0.35f);
      break;
    case 6:  // a spiral galaxy
      for (int i = 0; i < 2600; ++i) {
        const float t = std::pow(rnd.Unit(), 0.7f);
        const float arm = float(rnd.Below(2)) * kPi;
        const float a = arm + t * 7.f + rnd.Normal() * 0.25f;
        const float r = 12 + t * 260;
        const float x = W * 0.5f + std::cos(a) * r * 1.2f, y = H * 0.5f + std::sin(a) * r * 0.6f;
        AddGlow(c, x, y, 1.f + rnd.Unit() * 2.f,
                Mix(Hex(0xFFE8C0), Hex(0x70A0FF), t) * rnd.Uniform(0.15f, 0.9f));
      }
      AddEllipseGlow(c, W * 0.5f, H * 0.5f, 70, 40, 0, Hex(0xFFE0B0) * 0.9f);
      break;
    case 7:  // a tunnel of light
      for (int i = 0; i < 14; ++i) {
        const float r = 12.f * std::pow(1.32f, float(i));
        AddRing(c, W * 0.5f, H * 0.5f, r, 1.f + r * 0.02f,
                Hex(0x40E0FF) * (0.12f + 0.03f * float(i)));
      }
      AddRays(c, W * 0.5f, H * 0.5f, 0, 2 * kPi, 48, W * 0.7f, 2, Hex(0xA0F0FF) * 0.35f, 507);
      break;
    case 8:  // neon waves
      for (int k = 0; k < 3; ++k) {
        const Rgb col = k == 0 ? Hex(0xFF30C0) : k == 1 ? Hex(0x30E0FF) : Hex(0xB060FF);
        Point prev{};
        for (int i = 0; i <= 80; ++i) {
          const float x = W * float(i) / 80.f;
          const Point p{
              x, H * (0.5f + 0.08f * float(k - 1)) + 70 * std::sin(x * 0.012f + float(k) * 1.7f)};
          if (i > 0) {
            AddLine(c, prev, p, 3, 2, Mix(col, Grey(1), 0.5f));
            AddLine(c, prev, p, 18, 22, col * 0.3f);
          }
          prev = p;
        }
      }
      break;
    case 9: {  // a comet
      const Point head{W * 0.75f, H * 0.3f};
      AddEllipseGlow(c, head.x - 190, head.y + 92, 250, 34, -0.45f, Hex(0x90C8FF) * 0.6f);
      AddEllipseGlow(c, head.x - 220, head.y + 130, 280, 60, -0.55f, Hex(0xFFD8A0) * 0.35f);
      for (int i = 0; i < 160; ++i) {
        const float t = rnd.Unit();
        AddGlow(c, head.x - 420 * t * std::cos(0.45f) + rnd.Normal() * 14 * t,
                head.y + 420 * t * std::sin(0.45f) + rnd.Normal() * 14 * t, 1.3f,
                Grey(1.f - 0.8f * t));
      }
      AddGlow(c, head.x, head.y, 10, Grey(1.2f));
      AddGlow(c, head.x, head.y, 70, Hex(0xB0E0FF) * 0.8f);
      break;
    }
    default:  // a nova: hot core, shock ring and flying debris
      AddGlow(c, W * 0.5f, H * 0.5f, 50, Grey(1.3f));
      AddGlow(c, W * 0.5f, H * 0.5f, 150, Hex(0xFF7020) * 0.5f);
      AddRing(c, W * 0.5f, H * 0.5f, 230, 10, Hex(0xFFB060) * 0.4f);
      AddRing(c, W * 0.5f, H * 0.5f, 230, 40, Hex(0xFF5020) * 0.15f);
      AddRays(c, W * 0.5f, H * 0.5f, 0, 2 * kPi, 80, 330, 3, Hex(0xFFD080) * 0.6f, 510);
      break;
  }
  return c;
}

}  // namespace qv::art
