#pragma once

#include <cstddef>
#include <vector>

#include "gfx/Bitmap.h"

namespace qv::art {

// A colour with float channels, 0 to 1 for what will be written; light is
// accumulated freely above 1 and clamped only when the canvas becomes a bitmap.
struct Rgb {
  float r = 0, g = 0, b = 0;
};

inline Rgb operator+(Rgb a, Rgb b) {
  return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Rgb operator-(Rgb a, Rgb b) {
  return {a.r - b.r, a.g - b.g, a.b - b.b};
}
inline Rgb operator*(Rgb a, float k) {
  return {a.r * k, a.g * k, a.b * k};
}
inline Rgb operator*(Rgb a, Rgb b) {
  return {a.r * b.r, a.g * b.g, a.b * b.b};
}
inline Rgb &operator+=(Rgb &a, Rgb b) {
  return a = a + b;
}
inline Rgb Mix(Rgb a, Rgb b, float t) {
  return a + (b - a) * t;
}
inline Rgb Grey(float v) {
  return {v, v, v};
}
// 0xRRGGBB as written in colour pickers, which reads best in artwork code.
constexpr Rgb Hex(unsigned rgb) {
  return {float((rgb >> 16) & 0xFF) / 255.f, float((rgb >> 8) & 0xFF) / 255.f,
          float(rgb & 0xFF) / 255.f};
}
inline float Luma(Rgb c) {
  return 0.3f * c.r + 0.59f * c.g + 0.11f * c.b;
}

// The float picture every drawing helper paints on.
class Canvas {
 public:
  Canvas(int width, int height, Rgb fill = {});

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb *Row(int y) { return pixels_.data() + std::size_t(y) * std::size_t(width_); }
  const Rgb *Row(int y) const { return pixels_.data() + std::size_t(y) * std::size_t(width_); }

  // Clamps to 0..1 and rounds to bytes, blue-green-red as the engine stores them.
  Bitmap ToBitmap() const;

 private:
  int width_, height_;
  std::vector<Rgb> pixels_;
};

}  // namespace qv::art
