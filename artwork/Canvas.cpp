#include "artwork/Canvas.h"

#include <algorithm>
#include <cmath>

namespace qv::art {

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(std::size_t(width) * std::size_t(height), fill) {}

namespace {
std::uint8_t ToByte(float v) {
  return std::uint8_t(std::lround(std::clamp(v, 0.f, 1.f) * 255.f));
}
}  // namespace

Bitmap Canvas::ToBitmap() const {
  Bitmap out;
  out.Recreate(width_, height_);
  for (int y = 0; y < height_; ++y) {
    const Rgb *in = Row(y);
    std::uint8_t *row = out.ScanLine(y);
    for (int x = 0; x < width_; ++x) {
      row[3 * x] = ToByte(in[x].b);
      row[3 * x + 1] = ToByte(in[x].g);
      row[3 * x + 2] = ToByte(in[x].r);
    }
  }
  return out;
}

}  // namespace qv::art
