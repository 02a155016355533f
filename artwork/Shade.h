#pragma once

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "artwork/Canvas.h"

namespace qv::art {

inline constexpr float kPi = 3.14159265358979f;

inline float Clamp01(float v) {
  return std::clamp(v, 0.f, 1.f);
}
inline float Smoothstep(float e0, float e1, float x) {
  const float t = Clamp01((x - e0) / (e1 - e0));
  return t * t * (3.f - 2.f * t);
}

// Calls fn(x, y, pixel) for every pixel of the box [x0, x1) x [y0, y1)
// clipped to the canvas, fetching each row once.
template <typename Fn>
void ForBox(Canvas &canvas, int x0, int y0, int x1, int y1, Fn fn) {
  x0 = std::max(x0, 0);
  y0 = std::max(y0, 0);
  x1 = std::min(x1, canvas.Width());
  y1 = std::min(y1, canvas.Height());
  for (int y = y0; y < y1; ++y) {
    Rgb *row = canvas.Row(y);
    for (int x = x0; x < x1; ++x) fn(x, y, row[x]);
  }
}

template <typename Fn>
void ForAll(Canvas &canvas, Fn fn) {
  ForBox(canvas, 0, 0, canvas.Width(), canvas.Height(), fn);
}

// A colour ramp: stops at positions 0..1, linear in between.
class Ramp {
 public:
  struct Stop {
    float at;
    Rgb color;
  };
  Ramp(std::initializer_list<Stop> stops) : stops_(stops) {}
  Rgb operator()(float t) const {
    if (t <= stops_.front().at) return stops_.front().color;
    for (std::size_t i = 1; i < stops_.size(); ++i) {
      if (t <= stops_[i].at) {
        const float span = stops_[i].at - stops_[i - 1].at;
        return Mix(stops_[i - 1].color, stops_[i].color,
                   span > 0 ? (t - stops_[i - 1].at) / span : 1.f);
      }
    }
    return stops_.back().color;
  }

 private:
  std::vector<Stop> stops_;
};

// Hue 0..1 around the colour wheel at full saturation, for spectral light.
inline Rgb Hue(float h) {
  h = h - std::floor(h);
  const float r = Clamp01(std::fabs(h * 6.f - 3.f) - 1.f);
  const float g = Clamp01(2.f - std::fabs(h * 6.f - 2.f));
  const float b = Clamp01(2.f - std::fabs(h * 6.f - 4.f));
  return {r, g, b};
}

}  // namespace qv::art
