#include "session/WhitenIfUniform.h"

#include <optional>

#include "effects/Random.h"

namespace qv {

bool LooksUniform(const Bitmap &bitmap, const RandomDraw &random) {
  if (bitmap.Empty()) return false;
  const int w1 = bitmap.Width() - 1, h1 = bitmap.Height() - 1;
  std::optional<TColor> ref;  // empty: outside the bitmap, equal to no colour
  if (bitmap.Width() > 4 && bitmap.Height() > 8) ref = bitmap.Pixel(4, 8);
  for (int i = 0; i < 11; ++i) {
    const int x = random(w1);
    const int y = random(h1);
    if (!ref || bitmap.Pixel(x, y) != *ref) return false;
  }
  return true;
}

bool LooksUniform(const Bitmap &bitmap, RandomGenerator &random) {
  return LooksUniform(bitmap, [&random](int bound) { return random.Draw(bound); });
}

Bitmap WhiteLike(const Bitmap &bitmap) {
  Bitmap white;
  white.Recreate(bitmap.Width(), bitmap.Height());
  white.SetBrushColor(clWhite);
  white.Fill();
  return white;
}

void WhitenIfUniform(Bitmap &bitmap, const RandomDraw &random) {
  if (!LooksUniform(bitmap, random)) return;
  bitmap.SetBrushColor(clWhite);
  bitmap.Fill();
}

void WhitenIfUniform(Bitmap &bitmap, RandomGenerator &random) {
  WhitenIfUniform(bitmap, [&random](int bound) { return random.Draw(bound); });
}

}  // namespace qv
