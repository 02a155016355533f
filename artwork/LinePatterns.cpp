// Line patterns: black lines on white. The kernel squeezes each into a small
// square tile and repeats it, so every pattern is drawn in coordinates of a
// unit square and repeats a whole number of times across it: the right edge
// continues the left and the bottom continues the top.

#include <algorithm>
#include <cmath>

#include "artwork/Families.h"
#include "artwork/Shade.h"

namespace qv::art {

namespace {

constexpr int kSide = 768;  // square, so the tile keeps the drawn proportions

// Distance from v to the nearest whole number.
float ToWhole(float v) {
  return std::fabs(v - std::round(v));
}

// Paints a pattern given as the distance in pixels to the nearest line.
template <typename Distance>
Canvas Pattern(float halfWidth, Distance distance) {
  Canvas c(kSide, kSide);
  const float s = kSide;
  ForAll(c, [&](int x, int y, Rgb &p) {
    const float d = distance((float(x) + 0.5f) / s, (float(y) + 0.5f) / s) * s;
    p = Grey(Smoothstep(halfWidth - 1.f, halfWidth + 1.f, d));
  });
  return c;
}

// Stripes with k whole repeats of (a u + b v) across the square.
float Stripes(float u, float v, float a, float b, float k) {
  return ToWhole((a * u + b * v) * k) / (k * std::hypot(a, b));
}

// Triangle wave 0..1..0 with period 1.
float Triangle(float t) {
  return 2.f * ToWhole(t);
}

}  // namespace

Canvas DrawLinePattern(int n) {
  switch (n) {
    case 1:  // horizontal stripes
      return Pattern(40, [](float u, float v) { return Stripes(u, v, 0, 1, 4); });
    case 2:  // vertical stripes
      return Pattern(40, [](float u, float v) { return Stripes(u, v, 1, 0, 4); });
    case 3:  // diagonal stripes
      return Pattern(36, [](float u, float v) { return Stripes(u, v, 1, 1, 3); });
    case 4:  // the other diagonal
      return Pattern(36, [](float u, float v) { return Stripes(u, v, 1, -1, 3); });
    case 5:  // square grid
      return Pattern(22, [](float u, float v) {
        return std::min(Stripes(u, v, 1, 0, 4), Stripes(u, v, 0, 1, 4));
      });
    case 6:  // cross-hatching
      return Pattern(16, [](float u, float v) {
        return std::min(Stripes(u, v, 1, 1, 2), Stripes(u, v, 1, -1, 2));
      });
    case 7:  // dots
      return Pattern(0, [](float u, float v) {
        const float du = ToWhole(u * 2) / 2, dv = ToWhole(v * 2) / 2;
        return std::hypot(du, dv) - 0.14f;
      });
    case 8:  // waves
      return Pattern(26, [](float u, float v) {
        // Lines v = (k + 0.18 sin(4 pi u)) / 3; dividing by the slope's
        // length turns the vertical gap into a distance across the line.
        const float y = v * 3 - 0.18f * std::sin(4 * kPi * u);
        const float slope = 0.18f * 4 * kPi * std::cos(4 * kPi * u) / 3;
        return ToWhole(y) / 3 / std::sqrt(1 + slope * slope);
      });
    case 9:  // zigzag
      return Pattern(26, [](float u, float v) {
        const float y = v * 3 - 0.5f * Triangle(u * 3);
        return ToWhole(y) / 3 / std::hypot(1.f, 1.f);
      });
    default:  // bricks: courses with joints offset by half a brick
      return Pattern(16, [](float u, float v) {
        const float rows = 4, cols = 2;
        const float row = std::floor(v * rows);
        const float shift = std::fmod(row, 2.f) * 0.5f;
        const float bed = ToWhole(v * rows) / rows;
        const float joint = ToWhole(u * cols + shift) / cols;
        return std::min(bed, joint);
      });
  }
}

}  // namespace qv::art
