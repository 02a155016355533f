// Colour maps. Map 1 decides where the tone effect keeps the picture's own
// colours (light) and where it tints (dark); map 2 decides where the wash
// keeps the picture (light) and where its colour floods in (dark).

#include <cmath>

#include "artwork/Families.h"
#include "artwork/Noise.h"
#include "artwork/Shade.h"

namespace qv::art {

Canvas DrawColorMap(int n) {
  constexpr float W = kMapWidth, H = kMapHeight;
  Canvas c(kMapWidth, kMapHeight);
  if (n == 1) {
    // A soft spotlight: the middle keeps its colour, the rim takes the tint.
    ForAll(c, [&](int x, int y, Rgb &p) {
      const float u = (float(x) / W - 0.5f) * 2, v = (float(y) / H - 0.5f) * 2;
      const float wobble = 0.15f * (Fbm(float(x) * 0.006f, float(y) * 0.006f, 1401, 3) - 0.5f);
      p = Grey(1.f - Smoothstep(0.35f, 1.05f, std::sqrt(u * u + v * v) + wobble));
    });
  } else {
    // A diagonal wash, light at the top left, cloudy and deep at the bottom right.
    ForAll(c, [&](int x, int y, Rgb &p) {
      const float t = (float(x) / W + float(y) / H) * 0.5f;
      const float cloud = Fbm(float(x) * 0.005f, float(y) * 0.005f, 1402, 4) - 0.5f;
      p = Grey(Clamp01(0.9f - Smoothstep(0.15f, 0.95f, t + cloud * 0.35f) * 0.8f));
    });
  }
  return c;
}

}  // namespace qv::art
