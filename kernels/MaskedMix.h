#pragma once

// The mix of an effect onto its picture through a mask. With the strength
// S (0 to 100) and the mask's value m (0 to 255) at a pixel, every byte of
// the pixel is, in integers,
//   (picture x (25500 - S m) + effect x S m + 12750) div 25500.
// At m = 255 that is the strength mix (StrengthMix.h) to the byte, since
// 25500 = 255 x 100 and 12750 = 255 x 50; at m = 0 it is the picture; in
// between the nearest byte to the straight mix by S m / 25500, halves up.

#include <cstddef>
#include <cstdint>

#include "gfx/Bitmap.h"
#include "kernels/Mask.h"

namespace qv {

// One row of `pixels` pixels of `bytesPerPixel` bytes (3 or 4: every byte
// of a pixel is mixed by the pixel's mask value), mask one byte a pixel.
// out may be picture or effect.
void MaskedMixRow(std::uint8_t *out, const std::uint8_t *picture, const std::uint8_t *effect,
                  const std::uint8_t *mask, std::size_t pixels, int bytesPerPixel, int strength);

// The whole of two pictures of one size mixed into out (resized to them;
// it may be either of them) through the mask whose rows `mask` gives, in
// bands of `rowsPerBand` rows shared among the cores (each band asks for
// its rows once, so a packed mask is unpacked a band at a time). Throws
// Error for a strength outside 0 to 100 or pictures of different sizes.
void MaskedMix(const Bitmap &picture, const Bitmap &effect, Bitmap &out, int strength,
               const MaskRowsFn &mask, int rowsPerBand = 64);

}  // namespace qv
