#pragma once

#include <cstdint>

#include "gfx/Bitmap.h"

namespace qv {

// The mask luminance L = round(0.3 R + 0.59 G + 0.11 B), summed in that
// order in 80-bit extended precision and rounded half to even. This is the
// reference computation; it decides the near-half cases exactly as the
// program always has.
int MaskLuminanceExtended(std::uint8_t blue, std::uint8_t green, std::uint8_t red);

// The same value by integer arithmetic: 30 R + 59 G + 11 B lies at least
// 0.01 away from a half unless it ends in 50, and only those colours need
// the extended computation. Equal to the reference for all 2^24 colours.
inline int MaskLuminance(std::uint8_t blue, std::uint8_t green, std::uint8_t red) {
  const int k = 30 * red + 59 * green + 11 * blue;
  const int whole = k / 100, rest = k % 100;
  if (rest != 50) return whole + (rest > 50);
  return MaskLuminanceExtended(blue, green, red);
}

// Mixes source into dest weighted by the mask's luminance:
// dest := (source L + dest (255 - L)) div 255, per channel. Bounds come from
// dest; source and mask must be at least as large.
void BlendByLuminance(Bitmap &dest, const Bitmap &source, const Bitmap &mask);

}  // namespace qv
