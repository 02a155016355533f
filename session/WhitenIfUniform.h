#pragma once

#include <functional>

#include "effects/Random.h"
#include "gfx/Bitmap.h"

namespace qv {

// A uniform draw: an integer x with 0 <= x < bound, or 0 when bound is 0.
using RandomDraw = std::function<int(int bound)>;

// Samples the bitmap at 11 random places (never in the last column or row)
// and tells whether all of them have the colour of the pixel at column 4,
// row 8. A bitmap narrower than 5 or lower than 9 pixels has no such pixel
// and never looks uniform.
bool LooksUniform(const Bitmap &bitmap, const RandomDraw &random);
bool LooksUniform(const Bitmap &bitmap, RandomGenerator &random);
// A white bitmap of the same size (brush white, as after a fill).
Bitmap WhiteLike(const Bitmap &bitmap);

// Fills the bitmap white if it LooksUniform.
void WhitenIfUniform(Bitmap &bitmap, const RandomDraw &random);
// The same with draws from `random`.
void WhitenIfUniform(Bitmap &bitmap, RandomGenerator &random);

}  // namespace qv
