#pragma once

// The strength of an effect: how much of it goes onto the picture. Per
// byte, (picture x (100 - S) + effect x S + 50) / 100 in integers, S from 0
// to 100: 100 gives the effect to the byte, 0 the picture, anything between
// the nearest byte to the straight mix (halves round up).

#include <cstddef>
#include <cstdint>

#include "gfx/Bitmap.h"

namespace qv {

inline constexpr int kMinStrength = 0, kFullStrength = 100;

constexpr bool StrengthInRange(long long strength) {
  return strength >= kMinStrength && strength <= kFullStrength;
}

// One row of `bytes` bytes (any layout: 3 or 4 bytes a pixel alike, since
// every byte is mixed on its own). out may be picture or effect.
void StrengthMixRow(std::uint8_t *out, const std::uint8_t *picture, const std::uint8_t *effect,
                    std::size_t bytes, int strength);

// The whole of two pictures of one size mixed into out (resized to them;
// it may be either of them), through the band driver. Throws Error for a
// strength outside 0 to 100 or pictures of different sizes.
void StrengthMix(const Bitmap &picture, const Bitmap &effect, Bitmap &out, int strength);

}  // namespace qv
