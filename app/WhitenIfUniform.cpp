#include "app/WhitenIfUniform.h"

#include <chrono>
#include <optional>
#include <random>

namespace qv {

void WhitenIfUniform(Bitmap &bitmap, const RandomDraw &random) {
  if (bitmap.Empty()) return;
  const int w1 = bitmap.Width() - 1, h1 = bitmap.Height() - 1;
  std::optional<TColor> ref;  // empty: outside the bitmap, equal to no colour
  if (bitmap.Width() > 4 && bitmap.Height() > 8) ref = bitmap.Pixel(4, 8);
  for (int i = 0; i < 11; ++i) {
    const int x = random(w1);
    const int y = random(h1);
    if (!ref || bitmap.Pixel(x, y) != *ref) return;
  }
  bitmap.SetBrushColor(clWhite);
  bitmap.FillRect({0, 0, w1 + 1, h1 + 1});
}

void WhitenIfUniform(Bitmap &bitmap) {
  // NOTE: effects/Random.h will hold the program's one generator (the noise
  // filters use it too); this local one stands in until it exists.
  std::minstd_rand engine(unsigned(std::chrono::steady_clock::now().time_since_epoch().count()));
  WhitenIfUniform(bitmap, [&engine](int bound) {
    return bound > 0 ? int(std::uniform_int_distribution<int>(0, bound - 1)(engine)) : 0;
  });
}

}  // namespace qv
