// Gradient maps: colour fields around mid-grey that tint the picture through
// the overlay blend (128 leaves a channel as it is, more lifts it, less
// deepens it).

#include <cmath>

#include "artwork/Families.h"
#include "artwork/Noise.h"
#include "artwork/Shade.h"

namespace qv::art {

namespace {

constexpr float W = kMapWidth, H = kMapHeight;

// Fills the canvas with ramp(t) where t comes from the pixel's position.
template <typename Position>
Canvas RampField(const Ramp &ramp, Position position) {
  Canvas c(kMapWidth, kMapHeight);
  ForAll(c, [&](int x, int y, Rgb &p) { p = ramp(position(float(x) / W, float(y) / H)); });
  return c;
}

float Vertical(float, float v) {
  return v;
}
float Diagonal(float u, float v) {
  return (u + v) * 0.5f;
}
float Horizontal(float u, float) {
  return u;
}
float Radial(float u, float v) {
  const float du = (u - 0.5f) * 1.33f, dv = v - 0.5f;
  return std::sqrt(du * du + dv * dv) / 0.83f;
}

}  // namespace

Canvas DrawGradient(int n) {
  switch (n) {
    case 1:  // sunset: amber sky over rose and violet
      return RampField(Ramp{{0, Hex(0xD8904C)}, {0.45f, Hex(0xD07A78)}, {1, Hex(0x7A64A8)}},
                       Vertical);
    case 2:  // teal and orange
      return RampField(Ramp{{0, Hex(0x4C9AA4)}, {0.5f, Hex(0x8C8C84)}, {1, Hex(0xD08C50)}},
                       Diagonal);
    case 3: {  // sepia, a touch lighter in the middle
      const Ramp ramp{{0, Hex(0xB48C64)}, {1, Hex(0x96704C)}};
      return RampField(ramp, Radial);
    }
    case 4:  // cool blue morning
      return RampField(Ramp{{0, Hex(0x6E8CC8)}, {1, Hex(0x7896A8)}}, Vertical);
    case 5:  // duotone: magenta to cyan
      return RampField(Ramp{{0, Hex(0xB05CA8)}, {1, Hex(0x50A8BC)}}, Horizontal);
    case 6:  // golden hour: warm light in the middle, dusk at the rim
      return RampField(Ramp{{0, Hex(0xC8A064)}, {0.6f, Hex(0xA8806C)}, {1, Hex(0x6C5C78)}}, Radial);
    case 7: {  // a soft rainbow laid across the picture
      Canvas c(kMapWidth, kMapHeight);
      ForAll(c, [&](int x, int, Rgb &p) { p = Mix(Grey(0.5f), Hue(float(x) / W * 0.85f), 0.35f); });
      return c;
    }
    case 8:  // faded summer: olive light over green shadows
      return RampField(Ramp{{0, Hex(0xA8A060)}, {1, Hex(0x708C7C)}}, Vertical);
    case 9:  // candy: pink above, blue below
      return RampField(Ramp{{0, Hex(0xC07898)}, {1, Hex(0x6484B4)}}, Vertical);
    default: {  // warm vignette: mid-grey centre sinking to brown edges
      const Ramp ramp{{0, Hex(0x96887C)}, {0.55f, Hex(0x8C7C70)}, {1, Hex(0x403430)}};
      Canvas c = RampField(ramp, Radial);
      // A little mottling so the darkening reads as light falling off a lens.
      ForAll(c, [](int x, int y, Rgb &p) {
        p = p * (0.94f + 0.12f * Fbm(float(x) * 0.01f, float(y) * 0.01f, 910, 3));
      });
      return c;
    }
  }
}

}  // namespace qv::art
