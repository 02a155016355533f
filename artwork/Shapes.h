#pragma once

// Signed distances in pixels to simple shapes: negative inside, positive
// outside. Frames and patterns turn them into soft or crisp edges.

#include <algorithm>
#include <cmath>

namespace qv::art {

// Box centred at (cx, cy) with half sizes hw, hh and corner radius r.
inline float RoundedBoxDistance(float x, float y, float cx, float cy, float hw, float hh, float r) {
  const float qx = std::fabs(x - cx) - hw + r, qy = std::fabs(y - cy) - hh + r;
  const float outside = std::hypot(std::max(qx, 0.f), std::max(qy, 0.f));
  return outside + std::min(std::max(qx, qy), 0.f) - r;
}

// Ellipse with radii rx, ry; the distance is scaled from the unit circle,
// exact on the axes and close enough elsewhere for soft edges.
inline float EllipseDistance(float x, float y, float cx, float cy, float rx, float ry) {
  const float u = (x - cx) / rx, v = (y - cy) / ry;
  return (std::sqrt(u * u + v * v) - 1.f) * std::min(rx, ry);
}

// Regular polygon of `sides` with circumradius r; the middle of one side
// faces the direction `turn` (radians), corners lie half a sector away.
inline float PolygonDistance(float x, float y, float cx, float cy, float r, int sides, float turn) {
  const float sector = 2.f * 3.14159265f / float(sides);
  const float a = std::atan2(y - cy, x - cx) - turn + sector / 2;
  const float local = a - sector * std::floor(a / sector) - sector / 2;
  return std::hypot(x - cx, y - cy) * std::cos(local) - r * std::cos(sector / 2);
}

// Heart about 1.1 * size tall and 1.2 * size wide whose lower tip lies at
// (cx, cy + 0.55 * size): two discs on a square turned by 45 degrees.
inline float HeartDistance(float x, float y, float cx, float cy, float size) {
  float px = std::fabs(x - cx) / size;
  const float py = (cy + 0.55f * size - y) / size;
  float d;
  if (py + px > 1.f) {
    d = std::hypot(px - 0.25f, py - 0.75f) - 0.35355339f;
  } else {
    const float m = 0.5f * std::max(px + py, 0.f);
    d = std::sqrt(
        std::min((px * px) + (py - 1.f) * (py - 1.f), (px - m) * (px - m) + (py - m) * (py - m)));
    if (px < py) d = -d;
  }
  return d * size;
}

// 1 inside, 0 outside, with a smooth band `feather` pixels wide at the edge.
inline float Inside(float distance, float feather) {
  const float t = std::clamp(0.5f - distance / std::max(feather, 1e-3f), 0.f, 1.f);
  return t * t * (3.f - 2.f * t);
}

}  // namespace qv::art
