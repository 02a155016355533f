// The sample picture: a painted lake landscape at golden hour, with sky,
// sun, clouds, snowy mountains, forest, a cabin, a meadow of flowers and the
// lake mirroring it all, so every effect has light, shadow, colour and
// texture to work on.

#include <algorithm>
#include <cmath>
#include <vector>

#include "artwork/Families.h"
#include "artwork/Glow.h"
#include "artwork/Line.h"
#include "artwork/Noise.h"
#include "artwork/Polygon.h"
#include "artwork/Random.h"
#include "artwork/Shade.h"

namespace qv::art {

namespace {

constexpr int kWidth = 1600, kHeight = 1200;
constexpr float W = kWidth, H = kHeight;
constexpr float kHorizon = 700;  // the far shore line, where the lake begins
constexpr float kSunX = 1080, kSunY = 285;

float Ridged(float x, std::uint32_t seed, int octaves) {
  float sum = 0, amp = 0.5f, f = 1;
  for (int o = 0; o < octaves; ++o) {
    const float n = ValueNoise(x * f, 0.5f + float(o) * 7.f, seed + std::uint32_t(o));
    sum += amp * (1.f - std::fabs(2.f * n - 1.f));
    amp *= 0.5f;
    f *= 2.1f;
  }
  return sum;
}

float MountainTop(float x, int octaves = 6) {
  const float r = Ridged(x * 0.0013f, 2001, octaves);
  return kHorizon - 110 - 520 * r * r;
}
float HillTop(float x) {
  return kHorizon - 40 - 110 * Fbm(x * 0.0035f, 3.f, 2002, 5);
}
float Shore(float x) {
  return 868 + 26 * (Fbm(x * 0.004f, 9.f, 2003, 4) - 0.5f);
}

Rgb Sky(float x, float y) {
  static const Ramp ramp{{0, Hex(0x24407E)},
                         {0.35f, Hex(0x4F7FC0)},
                         {0.62f, Hex(0x9FB8D8)},
                         {0.82f, Hex(0xF2C49A)},
                         {1, Hex(0xFFD9A0)}};
  Rgb sky = ramp(y / kHorizon);
  // The sun warms the sky around it.
  const float d = std::hypot(x - kSunX, (y - kSunY) * 1.4f) / W;
  sky += Hex(0xFFB060) * (0.35f * std::exp(-d * 8.f));
  const float sun = 1.f - Smoothstep(30, 33, std::hypot(x - kSunX, y - kSunY));
  sky = Mix(sky, Hex(0xFFF8E8), sun);
  // Clouds: drifting banks, lit from the sun's side, shadowed beneath.
  const float band = Smoothstep(60, 200, y) * (1 - Smoothstep(430, 600, y));
  const float n = Fbm(x * 0.0022f, y * 0.0065f, 2004, 6);
  const float density = Smoothstep(0.47f, 0.7f, n) * band;
  if (density > 0) {
    const float below = Fbm(x * 0.0022f, (y + 14) * 0.0065f, 2004, 6);
    const float lit = Clamp01(0.55f + (n - below) * 9.f);
    const Rgb shadow = Mix(Hex(0x6A6E98), Hex(0xB98AA0), y / kHorizon);
    const Rgb light = Mix(Hex(0xFFF4E6), Hex(0xFFC890), Clamp01(1.f - d * 3.f));
    sky = Mix(sky, Mix(shadow, light, lit), density * 0.92f);
  }
  return sky;
}

Rgb Mountains(float x, float y, float top) {
  // Light comes from the right: a face that rises towards the right looks
  // left, into shadow. Ridges run down from the peaks at a slant, so the
  // slope is read at a point shifted sideways as the rock falls away.
  const float below = y - top;
  const float warp = (Fbm(x * 0.004f, y * 0.004f, 2005, 4) - 0.5f) * 2.f;
  const float sx = x + below * (0.3f * warp + 0.45f);
  const float slope = MountainTop(sx - 10, 3) - MountainTop(sx + 10, 3);
  // Gullies run down the faces at a slant; fine crags break them up.
  const float gully = Fbm((x + y * 0.45f) * 0.03f, y * 0.006f, 2015, 4);
  const float crag = Fbm(x * 0.05f, y * 0.05f, 2017, 3);
  const float light = Clamp01(0.5f - slope * 0.03f + (gully - 0.5f) * 0.9f + (crag - 0.5f) * 0.4f);
  const float depth = Clamp01(below / (kHorizon - top + 1));
  const Rgb rock = Mix(Mix(Hex(0x3E4670), Hex(0xC8A8A0), light), Hex(0x8C9CC4), depth * 0.7f);
  // Snow lies on the heights, thicker on the sunny faces.
  const float height = kHorizon - 110 - top;  // 0 on the lowest ridges
  const float snowLine = top + height * 0.55f * (0.4f + 0.9f * gully) + 20 * light;
  const float snow = 1.f - Smoothstep(snowLine - 4, snowLine + 4, y);
  const Rgb ice = Mix(Hex(0x8C9ACC), Hex(0xFFF2E4), light);
  return Mix(rock, ice, snow);
}

Rgb Forest(float x, float y, float top) {
  // Canopy as a field of rounded crowns, each lit on its right.
  const CellDistances c = Cells(x / 14.f, y / 10.f, 2007);
  const float crown = 1.f - Smoothstep(0.2f, 0.85f, c.f1);
  const float rightLit = Clamp01(0.5f + (Cells((x - 3) / 14.f, y / 10.f, 2007).f1 - c.f1) * 6.f);
  const float haze = Clamp01(1.f - (y - top) / 160.f) * 0.35f;
  Rgb g = Mix(Hex(0x18301E), Mix(Hex(0x2F5A30), Hex(0x7C9A48), rightLit), crown);
  return Mix(g, Hex(0x7A8CA8), haze);
}

// Sky, mountains and hills: everything above the lake.
Rgb Backdrop(float x, float y) {
  const float hill = HillTop(x);
  if (y >= hill) return Forest(x, y, hill);
  const float mountain = MountainTop(x);
  if (y >= mountain) {
    Rgb m = Mountains(x, y, mountain);
    // Soft edge against the sky.
    const float e = Clamp01(y - mountain);
    return e < 1 ? Mix(Sky(x, y), m, e) : m;
  }
  return Sky(x, y);
}

Rgb Meadow(float x, float y, float shore) {
  const float depth = Clamp01((y - shore) / (H - shore));
  const float blades =
      0.5f * Fbm(x * 0.03f, y * 0.06f, 2008, 4) + 0.5f * Fbm(x * 0.008f, y * 0.02f, 2016, 3);
  const float patches = Fbm(x * 0.004f, y * 0.008f, 2009, 4);
  Rgb g = Mix(Hex(0x9DB04A), Hex(0x3C6A22), depth * 0.8f);
  g = Mix(g, Hex(0xD8C060), Smoothstep(0.55f, 0.8f, patches) * 0.5f);  // sunlit dry grass
  return g * (0.7f + 0.55f * blades);
}

std::vector<Point> PineOutline(float x, float base, float height, float width) {
  std::vector<Point> right;
  const int tiers = 7;
  for (int t = 1; t <= tiers; ++t) {
    const float f = float(t) / tiers;
    const float y = base - height + height * 0.92f * f;
    right.push_back({x + width * 0.5f * f, y});
    if (t < tiers) right.push_back({x + width * 0.18f * f, y - height * 0.02f});
  }
  std::vector<Point> poly{{x, base - height}};
  poly.insert(poly.end(), right.begin(), right.end());
  poly.push_back({x + width * 0.05f, base - height * 0.08f});
  poly.push_back({x + width * 0.05f, base});
  poly.push_back({x - width * 0.05f, base});
  poly.push_back({x - width * 0.05f, base - height * 0.08f});
  for (auto it = right.rbegin(); it != right.rend(); ++it) poly.push_back({2 * x - it->x, it->y});
  return poly;
}

void PaintPine(Canvas &c, float x, float base, float height, Random &rnd) {
  const float width = height * rnd.Uniform(0.34f, 0.42f);
  // Its shadow falls towards the viewer and to the left.
  AddEllipseGlow(c, x - width * 0.6f, base + 10, width * 0.8f, 12, 0.15f, Grey(-0.18f));
  FillPolygon(c, PineOutline(x, base, height, width), [&](float px, float py) {
    const float side = Clamp01((px - x) / (width * 0.45f) + 0.3f);
    const float needles = Fbm(px * 0.15f, py * 0.1f, 2010, 3);
    // Each tier of branches catches light along its lower rim and shades the
    // one below it.
    const float tier = (py - (base - height)) / (height * 0.92f / 7.f);
    const float rim = tier - std::floor(tier);
    const float light = side * (0.35f + 0.65f * rim) * (0.5f + needles);
    return Mix(Hex(0x0C2014), Hex(0x4E7A36), Clamp01(light));
  });
}

// The far forest: rows of small firs climbing the hills, lower rows larger
// and darker, the upper ones fading into the haze.
void PaintFarForest(Canvas &c, Random &rnd) {
  struct Fir {
    float x, y;
  };
  std::vector<Fir> firs;
  for (int i = 0; i < 1400; ++i) {
    const float x = rnd.Uniform(-20, W + 20);
    const float top = HillTop(x);
    firs.push_back({x, top + 6 + (kHorizon - top) * std::pow(rnd.Unit(), 0.8f)});
  }
  std::sort(firs.begin(), firs.end(), [](const Fir &a, const Fir &b) { return a.y < b.y; });
  for (const Fir &f : firs) {
    const float top = HillTop(f.x);
    const float depth = Clamp01((f.y - top) / (kHorizon - top));
    const float h = (16 + 26 * depth) * rnd.Uniform(0.7f, 1.2f), w = h * 0.42f;
    const Rgb haze = Hex(0x7A8CA8);
    const Rgb dark = Mix(Hex(0x163020), haze, 0.45f * (1 - depth));
    const Rgb lit = Mix(Hex(0x5C8A3C), haze, 0.4f * (1 - depth));
    FillPolygon(c, {{f.x, f.y - h}, {f.x + w * 0.5f, f.y}, {f.x - w * 0.5f, f.y}},
                [&](float px, float) { return Mix(dark, lit, Clamp01((px - f.x) / w + 0.35f)); });
  }
}

void PaintCabin(Canvas &c, float x, float base) {
  const float w = 150, h = 90;
  const Rgb front = Hex(0x7A2418), side = Hex(0xB8422A);
  // Gable front (in shade) and long wall lit by the sun on the right.
  FillPolygon(c,
              {{x, base},
               {x + w * 0.55f, base},
               {x + w * 0.55f, base - h},
               {x + w * 0.275f, base - h - 55},
               {x, base - h}},
              [&](float, float py) { return front * (0.9f + 0.1f * std::sin(py * 0.6f)); });
  FillPolygon(c,
              {{x + w * 0.55f, base},
               {x + w * 1.5f, base - 6},
               {x + w * 1.5f, base - h - 4},
               {x + w * 0.55f, base - h}},
              [&](float, float py) { return side * (0.88f + 0.12f * std::sin(py * 0.6f)); });
  FillPolygon(c,
              {{x + w * 0.275f, base - h - 58},
               {x + w * 1.25f, base - h - 62},
               {x + w * 1.58f, base - h - 2},
               {x + w * 0.55f, base - h + 2}},
              Hex(0x3A2E2C));
  FillPolygon(c,
              {{x - 6, base - h + 2},
               {x + w * 0.275f, base - h - 58},
               {x + w * 0.31f, base - h - 54},
               {x + 4, base - h + 6}},
              Hex(0x2A2020));
  // Chimney, door and warm windows.
  FillPolygon(c,
              {{x + w * 1.1f, base - h - 40},
               {x + w * 1.2f, base - h - 40},
               {x + w * 1.2f, base - h - 100},
               {x + w * 1.1f, base - h - 100}},
              Hex(0x5A4A44));
  FillPolygon(c,
              {{x + w * 0.2f, base},
               {x + w * 0.35f, base},
               {x + w * 0.35f, base - 55},
               {x + w * 0.2f, base - 55}},
              Hex(0x3A1E12));
  for (float wx : {0.75f, 1.1f}) {
    FillPolygon(c,
                {{x + w * wx, base - 30},
                 {x + w * (wx + 0.16f), base - 31},
                 {x + w * (wx + 0.16f), base - 62},
                 {x + w * wx, base - 61}},
                Hex(0xFFD98A));
    PaintLine(c, {x + w * (wx + 0.08f), base - 62}, {x + w * (wx + 0.08f), base - 30}, 2,
              Hex(0xF4F0E8));
  }
  AddGlow(c, x + w * 1.0f, base - 46, 40, Hex(0xFFB050) * 0.12f);
  // Smoke drifting left.
  for (int i = 0; i < 12; ++i) {
    const float t = float(i) / 11;
    AddGlow(c, x + w * 1.15f - 90 * t * t - 10 * t, base - h - 110 - 110 * t, 10 + 22 * t,
            Grey(0.08f * (1 - t)));
  }
}

void PaintRock(Canvas &c, float cx, float cy, float rx, float ry, std::uint32_t seed) {
  std::vector<Point> poly;
  for (int i = 0; i < 28; ++i) {
    const float a = 2 * kPi * float(i) / 28;
    const float r = 0.85f + 0.3f * ValueNoise(float(i) * 0.6f, 1.f, seed, 17);
    poly.push_back(
        {cx + std::cos(a) * rx * r, cy + std::sin(a) * ry * r * (std::sin(a) > 0 ? 0.5f : 1.f)});
  }
  AddEllipseGlow(c, cx - rx * 0.5f, cy + ry * 0.4f, rx * 1.1f, ry * 0.3f, 0, Grey(-0.2f));
  FillPolygon(c, poly, [&](float px, float py) {
    const float lit = Clamp01(0.5f + (px - cx) / rx * 0.5f - (py - cy) / ry * 0.3f);
    const float grain = Fbm(px * 0.06f, py * 0.06f, seed, 4);
    const float moss = Smoothstep(0.55f, 0.7f, Fbm(px * 0.02f, py * 0.02f, seed + 1, 3)) *
                       Clamp01((cy - py) / ry + 0.6f);
    const Rgb stone = Mix(Hex(0x4A4A52), Hex(0xC8BEB0), lit) * (0.75f + 0.5f * grain);
    return Mix(stone, Hex(0x6A8A2A) * (0.6f + 0.6f * lit), moss * 0.7f);
  });
}

// Blades of grass, longer and bolder towards the viewer, leaning in the wind.
void PaintGrass(Canvas &c, Random &rnd) {
  for (int i = 0; i < 26000; ++i) {
    const float t = std::pow(rnd.Unit(), 0.7f);
    const float y = 880 + (H - 870) * t;
    const float x = rnd.Uniform(-10, W + 10);
    if (y < Shore(x) + 4) continue;
    const float len = 4 + 26 * t * rnd.Uniform(0.5f, 1.f);
    const float lean = rnd.Uniform(-0.25f, 0.45f) * len;
    const Rgb shade = rnd.Below(3) ? Mix(Hex(0x2E5A1A), Hex(0x4A7A26), rnd.Unit())
                                   : Mix(Hex(0x9AB848), Hex(0xD8D070), rnd.Unit());
    PaintLine(c, {x, y}, {x + lean, y - len}, 0.8f + 1.6f * t, shade, 0.55f);
  }
}

struct Rock {
  float x, y, rx, ry;
  std::uint32_t seed;
};
constexpr Rock kRocks[] = {{160, 1110, 150, 80, 2020}, {360, 1150, 90, 50, 2021}};

bool OnRock(float x, float y) {
  for (const Rock &r : kRocks) {
    if (std::hypot((x - r.x) / (r.rx * 1.1f), (y - r.y) / (r.ry * 1.1f)) < 1.f) return true;
  }
  return false;
}

void PaintFlowers(Canvas &c, Random &rnd) {
  const Rgb colors[] = {Hex(0xE8302A), Hex(0xFFD23A), Hex(0xF4F0F8),
                        Hex(0x9A58D0), Hex(0xFF8AB0), Hex(0xFF8A20)};
  for (int i = 0; i < 2600; ++i) {
    const float t = std::pow(rnd.Unit(), 0.6f);  // more and bigger flowers near the viewer
    const float y = 890 + (H - 890) * t;
    const float x = rnd.Uniform(0, W);
    if (Fbm(x * 0.006f, y * 0.01f, 2011, 3) < 0.45f) continue;  // flowers grow in drifts
    if (OnRock(x, y)) continue;
    const float r = 1.2f + 6.f * t * rnd.Uniform(0.5f, 1.f);
    const Rgb col = colors[rnd.Below(6)];
    PaintLine(c, {x, y}, {x + rnd.Uniform(-2, 2), y + r * 3}, std::max(1.f, r * 0.3f),
              Hex(0x2E5A1E));
    AddSoftDisc(c, x + r * 0.25f, y + r * 0.25f, r, 0.8f, Grey(-0.12f));
    PaintLine(c, {x, y}, {x, y}, r * 2, col);
    PaintLine(c, {x + r * 0.3f, y - r * 0.3f}, {x + r * 0.3f, y - r * 0.3f}, r * 0.8f,
              Mix(col, Grey(1), 0.5f));
  }
}

}  // namespace

Canvas DrawSampleScene() {
  Canvas c(kWidth, kHeight);
  // Above the lake.
  for (int y = 0; y < int(kHorizon); ++y) {
    Rgb *row = c.Row(y);
    for (int x = 0; x < kWidth; ++x) row[x] = Backdrop(float(x), float(y));
  }
  AddGlow(c, kSunX, kSunY, 45, Hex(0xFFE0B0) * 0.35f);
  AddGlow(c, kSunX, kSunY, 150, Hex(0xFFB060) * 0.15f);
  Random rnd(2012);
  PaintFarForest(c, rnd);
  // Birds far away.
  for (int i = 0; i < 9; ++i) {
    const float bx = rnd.Uniform(300, 950), by = rnd.Uniform(180, 380), s = rnd.Uniform(5, 11);
    PaintLine(c, {bx - s, by - s * 0.4f}, {bx, by}, 1.6f, Hex(0x2A2A3A));
    PaintLine(c, {bx, by}, {bx + s, by - s * 0.5f}, 1.6f, Hex(0x2A2A3A));
  }
  // The lake mirrors the backdrop, broken by ripples; the sun lays a path of glitter on it.
  for (int y = int(kHorizon); y < kHeight; ++y) {
    Rgb *row = c.Row(y);
    for (int x = 0; x < kWidth; ++x) {
      const float fx = float(x), fy = float(y);
      const float shore = Shore(fx);
      if (fy >= shore) {
        row[x] = Meadow(fx, fy, shore);
        continue;
      }
      const float depth = (fy - kHorizon) / (shore - kHorizon);
      const float ripple = Fbm(fx * 0.01f, fy * 0.15f, 2013, 3) - 0.5f;
      const float mx = std::clamp(fx + ripple * 30 * (0.3f + depth), 0.f, W - 1);
      const float my = std::clamp(2 * kHorizon - fy - 2 + ripple * 3, 0.f, kHorizon - 1);
      Rgb water = c.Row(int(my))[int(mx)] * 0.78f + Hex(0x1A3050) * 0.22f;
      const float glitter = Smoothstep(0.62f, 0.8f, Fbm(fx * 0.05f, fy * 0.4f, 2014, 2)) *
                            std::exp(-std::pow((fx - kSunX) / (60 + 140 * depth), 2.f));
      water += Hex(0xFFE0A0) * (glitter * 0.8f);
      water = Mix(water, Hex(0x6A5A3A), Smoothstep(shore - 6, shore, fy) * 0.6f);  // wet sand
      row[x] = water;
    }
  }
  PaintGrass(c, rnd);
  PaintCabin(c, 250, 878);
  for (const Rock &r : kRocks) PaintRock(c, r.x, r.y, r.rx, r.ry, r.seed);
  PaintFlowers(c, rnd);
  const float pines[][2] = {{1280, 470}, {1355, 560}, {1430, 420}, {1500, 610},
                            {1575, 520}, {1230, 330}, {1470, 360}};
  for (const auto &p : pines)
    PaintPine(c, p[0], Shore(p[0]) + 14 + (p[1] - 300) * 0.12f, p[1], rnd);
  // A gentle vignette frames the painting.
  ForAll(c, [](int x, int y, Rgb &p) {
    const float u = float(x) / W - 0.5f, v = float(y) / H - 0.5f;
    p = p * (1.f - 0.35f * Smoothstep(0.2f, 0.75f, u * u + v * v));
  });
  return c;
}

}  // namespace qv::art
