#include "app/WhitenIfUniform.h"

#include <optional>

#include "effects/Random.h"

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

void WhitenIfUniform(Bitmap &bitmap, RandomGenerator &random) {
  WhitenIfUniform(bitmap, [&random](int bound) { return random.Draw(bound); });
}

}  // namespace qv
