// Posterize: quantises each channel to the nearest multiple of the level
// (halves to even), capped at 255. Level 1 (unchanged) up; a negative level
// acts as its absolute value; level 0 fails with a division by zero.
#include <cmath>

#include "effects/FilterErrors.h"
#include "effects/Filters.h"
#include "effects/MapBytes.h"
#include "effects/RoundHalfEven.h"
#include "gfx/Error.h"
#include "gfx/Extended.h"

namespace qv {

void ApplyPosterize(const Bitmap &s, Bitmap &d, int level) {
  if (level == 0) {
    if (s.Empty()) return;  // no channel to divide
    throw Error(kFloatDivisionByZero);
  }
  ByteTable table;
  for (int c = 0; c < 256; ++c) {
    const long double q = RoundHalfEven(static_cast<long double>(c) / level);
    const long double v = level * q;  // |q| <= 255 and |level * q| <= 2c
    table[c] = v <= 255 ? static_cast<std::uint8_t>(v) : 255;
  }
  MapBytes(s, d, table);
}

}  // namespace qv
