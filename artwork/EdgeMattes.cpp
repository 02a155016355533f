// Edge A and Edge B frame mattes: white where the picture shows, black where
// the fill colour covers it, grey where the two melt.

#include <algorithm>
#include <cmath>

#include "artwork/Families.h"
#include "artwork/Noise.h"
#include "artwork/Random.h"
#include "artwork/Shade.h"
#include "artwork/Shapes.h"

namespace qv::art {

namespace {

constexpr float W = kMapWidth, H = kMapHeight, CX = W / 2, CY = H / 2;

// Paints the matte from a coverage function: 1 shows the picture.
template <typename Coverage>
Canvas Matte(Coverage coverage) {
  Canvas c(kMapWidth, kMapHeight);
  ForAll(c, [&](int x, int y, Rgb &p) {
    p = Grey(Clamp01(coverage(float(x) + 0.5f, float(y) + 0.5f)));
  });
  return c;
}

float Frame(float x, float y, float margin, float radius) {
  return RoundedBoxDistance(x, y, CX, CY, CX - margin, CY - margin, radius);
}

// Film strip: a wide window between two rows of sprocket holes.
float FilmStrip(float x, float y) {
  float show = Inside(RoundedBoxDistance(x, y, CX, CY, CX - 18, CY - 80, 14), 1.5f);
  const float pitch = W / 16.f;
  const float hx = (std::floor(x / pitch) + 0.5f) * pitch;
  for (float hy : {36.f, H - 36.f})
    show = std::max(show, Inside(RoundedBoxDistance(x, y, hx, hy, 14, 18, 5), 1.5f));
  return show;
}

// Postage stamp: a frame whose border is bitten by a row of round holes.
float Stamp(float x, float y) {
  const float margin = 46, hole = 11, pitch = 32;
  float show = Inside(Frame(x, y, margin, 0), 1.2f);
  const float hx = (std::floor((x - CX) / pitch) + 0.5f) * pitch + CX;
  const float hy = (std::floor((y - CY) / pitch) + 0.5f) * pitch + CY;
  const float bite =
      std::min({std::hypot(x - hx, y - margin), std::hypot(x - hx, y - (H - margin)),
                std::hypot(x - margin, y - hy), std::hypot(x - (W - margin), y - hy)});
  show = std::min(show, 1.f - Inside(bite - hole, 1.2f));
  // An inner line printed on the stamp.
  const float line = std::fabs(Frame(x, y, margin + 26, 0));
  return std::min(show, 0.25f + 0.75f * Smoothstep(1.f, 2.5f, line));
}

float Cloud(float x, float y) {
  const float puffs[][3] = {{CX, CY + 20, 190},
                            {CX - 190, CY + 60, 130},
                            {CX + 200, CY + 50, 140},
                            {CX - 90, CY - 100, 140},
                            {CX + 110, CY - 90, 150}};
  float d = 1e9f;
  for (const auto &p : puffs) d = std::min(d, std::hypot(x - p[0], y - p[1]) - p[2]);
  return Inside(d, 6);
}

float Torn(float x, float y, std::uint32_t seed) {
  const float ragged = 38 * (Fbm(x * 0.02f, y * 0.02f, seed, 5) - 0.5f);
  return Inside(Frame(x, y, 50, 0) + ragged, 2.f);
}

float Brushed(float x, float y, std::uint32_t seed) {
  // Strokes run along each edge: the noise is stretched in the edge's direction.
  const bool vertical = std::fabs(x - CX) / W > std::fabs(y - CY) / H;
  const float n =
      vertical ? Fbm(x * 0.05f, y * 0.004f, seed, 4) : Fbm(x * 0.004f, y * 0.05f, seed, 4);
  return Inside(Frame(x, y, 60, 20) + 70 * (n - 0.5f), 10.f);
}

}  // namespace

Canvas DrawEdgeA(int n) {
  switch (n) {
    case 1:  // rounded rectangle
      return Matte([](float x, float y) { return Inside(Frame(x, y, 34, 60), 2.5f); });
    case 2:  // feathered oval vignette
      return Matte([](float x, float y) {
        return Inside(EllipseDistance(x, y, CX, CY, CX - 40, CY - 30), 90);
      });
    case 3:  // torn paper
      return Matte([](float x, float y) { return Torn(x, y, 1203); });
    case 4:  // brushed edges
      return Matte([](float x, float y) { return Brushed(x, y, 1204); });
    case 5:  // film strip
      return Matte(FilmStrip);
    case 6:  // postage stamp
      return Matte(Stamp);
    case 7:  // heart
      return Matte([](float x, float y) { return Inside(HeartDistance(x, y, CX, CY, 460), 2.5f); });
    case 8:  // soft circle
      return Matte([](float x, float y) { return Inside(std::hypot(x - CX, y - CY) - 250, 24); });
    case 9:  // classic mount: a border and a thin inset line
      return Matte([](float x, float y) {
        const float window = Inside(Frame(x, y, 40, 0), 1.2f);
        const float line = Smoothstep(1.5f, 3.f, std::fabs(Frame(x, y, 58, 0)));
        return std::min(window, line);
      });
    default:  // cloud
      return Matte(Cloud);
  }
}

Canvas DrawEdgeB(int n) {
  switch (n) {
    case 1:  // soft rectangular vignette
      return Matte([](float x, float y) { return Inside(Frame(x, y, 70, 80), 130); });
    case 2:  // diamond
      return Matte([](float x, float y) {
        return Inside((std::fabs(x - CX) / (CX - 20) + std::fabs(y - CY) / (CY - 15) - 1) * 260, 3);
      });
    case 3:  // sprayed grunge edge
      return Matte([](float x, float y) {
        const float spray = 60 * (Fbm(x * 0.09f, y * 0.09f, 1303, 3) - 0.5f) +
                            40 * (Fbm(x * 0.01f, y * 0.01f, 1313, 3) - 0.5f);
        return Inside(Frame(x, y, 70, 30) + spray, 4);
      });
    case 4:  // wavy border
      return Matte([](float x, float y) {
        const float wave =
            12 * std::sin(x * 2 * kPi / 50) * Smoothstep(CY - 140, CY - 90, std::fabs(y - CY)) +
            12 * std::sin(y * 2 * kPi / 50) * Smoothstep(CX - 140, CX - 90, std::fabs(x - CX));
        return Inside(Frame(x, y, 50, 10) + wave, 2);
      });
    case 5:  // instant photo: a deep border below
      return Matte([](float x, float y) {
        return Inside(RoundedBoxDistance(x, y, CX, CY - 45, CX - 36, CY - 81, 4), 1.5f);
      });
    case 6:  // arched window
      return Matte([](float x, float y) {
        const float r = 215, springing = 255;
        const float body =
            RoundedBoxDistance(x, y, CX, (springing + H - 40) / 2, r, (H - 40 - springing) / 2, 0);
        const float arch = std::hypot(x - CX, y - springing) - r;
        return Inside(std::min(body, arch), 2.5f);
      });
    case 7:  // four window panes
      return Matte([](float x, float y) {
        const float px = x < CX ? CX / 2 + 6 : CX * 1.5f - 6,
                    py = y < CY ? CY / 2 + 6 : CY * 1.5f - 6;
        return Inside(RoundedBoxDistance(x, y, px, py, CX / 2 - 24, CY / 2 - 24, 12), 2);
      });
    case 8:  // hexagon
      return Matte(
          [](float x, float y) { return Inside(PolygonDistance(x, y, CX, CY, 285, 6, 0), 2.5f); });
    case 9:  // ticket with notched corners
      return Matte([](float x, float y) {
        float d = Frame(x, y, 34, 0);
        for (float nx : {34.f, W - 34}) {
          for (float ny : {34.f, H - 34}) d = std::max(d, 54 - std::hypot(x - nx, y - ny));
        }
        d = std::max(d,
                     16 - std::min(std::hypot(x - 34, y - CY), std::hypot(x - (W - 34), y - CY)));
        return Inside(d, 2);
      });
    default:  // a splash of paint
      return Matte([](float x, float y) {
        const float a = std::atan2(y - CY, x - CX);
        const float lobes = 40 * std::sin(a * 7) + 25 * std::sin(a * 13 + 1);
        const float rough = 50 * (Fbm(x * 0.012f, y * 0.012f, 1310, 4) - 0.5f);
        return Inside(EllipseDistance(x, y, CX, CY, 300, 225) + (lobes + rough) * 0.6f, 3);
      });
  }
}

}  // namespace qv::art
