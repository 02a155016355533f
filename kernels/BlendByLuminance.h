#pragma once

#include <cstddef>
#include <cstdint>

#include "gfx/Bitmap.h"
#include "gfx/Color.h"

namespace qv {

// The mask luminance L = round(0.3 R + 0.59 G + 0.11 B), summed in that
// order in 80-bit extended precision and rounded half to even. This is the
// reference computation; it decides the near-half cases exactly as the
// program always has.
int MaskLuminanceExtended(std::uint8_t blue, std::uint8_t green, std::uint8_t red);

// 1 when the extended luminance of a colour whose 30 R + 59 G + 11 B ends in
// 50 rounds up, 0 when it rounds down; read from a table of those colours
// that is built on first use.
int NearHalfRoundsUp(std::uint8_t blue, std::uint8_t green, std::uint8_t red);

// The same value by integer arithmetic: 30 R + 59 G + 11 B lies at least
// 0.01 away from a half unless it ends in 50, and only those colours need
// the extended computation. Equal to the reference for all 2^24 colours.
inline int MaskLuminance(std::uint8_t blue, std::uint8_t green, std::uint8_t red) {
  const int k = 30 * red + 59 * green + 11 * blue;
  const int whole = k / 100, rest = k - whole * 100;
  if (rest != 50) return whole + (rest > 50);
  return whole + NearHalfRoundsUp(blue, green, red);
}

// x div 255 for every x a mix can reach (at most 255 * 255).
inline std::uint8_t DivideBy255(std::uint16_t x) {
  return static_cast<std::uint8_t>((x + 1 + (x >> 8)) >> 8);
}

// Bytes of working memory LuminanceMixRow needs for a row of pixels.
inline std::size_t LuminanceMixScratchBytes(std::size_t pixels) {
  return 4 * pixels;
}

// One row of the mix: for each pixel p, with L the luminance of mask pixel
// p, and each of its three bytes i, dest[i] := (source[i] L + base[i]
// (255 - L)) div 255. base may be dest itself; otherwise dest must be none
// of the inputs.
void LuminanceMixRow(std::uint8_t *dest, const std::uint8_t *base, const std::uint8_t *source,
                     const std::uint8_t *mask, std::size_t pixels, std::uint8_t *scratch);

// Mixes source into dest weighted by the mask's luminance:
// dest := (source L + dest (255 - L)) div 255, per channel. Bounds come from
// dest; source and mask must be at least as large.
void BlendByLuminance(Bitmap &dest, const Bitmap &source, const Bitmap &mask);

// The same bytes as filling dest with color and then BlendByLuminance, in
// one pass: each row is filled just before it is mixed. dest keeps its size
// and its brush.
void BlendByLuminanceOverColor(Bitmap &dest, TColor color, const Bitmap &source,
                               const Bitmap &mask);

}  // namespace qv
