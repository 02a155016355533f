#include "effects/HalftonePalette.h"

#include <array>

namespace qv {
namespace {

constexpr int Level(int k, int levels) {
  return (k * 255 + (levels - 1) / 2) / (levels - 1);
}

struct Axes {
  // Per channel value, its nearest level already shifted into place.
  std::array<std::uint8_t, 256> red, green, blue;
  Axes() {
    for (int v = 0; v < 256; ++v) {
      red[v] = static_cast<std::uint8_t>(Nearest(v, 8) << 5);
      green[v] = static_cast<std::uint8_t>(Nearest(v, 8) << 2);
      blue[v] = static_cast<std::uint8_t>(Nearest(v, 4));
    }
  }
  static int Nearest(int v, int levels) {
    int best = 0;
    for (int k = 1; k < levels; ++k) {
      const int dk = Level(k, levels) - v, db = Level(best, levels) - v;
      if (dk * dk < db * db) best = k;
    }
    return best;
  }
};

const Axes &TheAxes() {
  static const Axes axes;
  return axes;
}

}  // namespace

TColor HalftoneColor(std::uint8_t index) {
  return RGBColor(static_cast<std::uint8_t>(Level(index >> 5, 8)),
                  static_cast<std::uint8_t>(Level((index >> 2) & 7, 8)),
                  static_cast<std::uint8_t>(Level(index & 3, 4)));
}

std::uint8_t HalftoneIndex(std::uint8_t b, std::uint8_t g, std::uint8_t r) {
  const Axes &axes = TheAxes();
  return static_cast<std::uint8_t>(axes.red[r] | axes.green[g] | axes.blue[b]);
}

}  // namespace qv
