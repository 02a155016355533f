#pragma once

// The rows of MaskedMix.h: the plain form, which every processor runs, and
// AVX2 intrinsics, for processors that have them (VectorRoute.h). Both give
// the same bytes.

#include <cstddef>
#include <cstdint>

namespace qv {

void MaskedMixRowPlain(std::uint8_t *out, const std::uint8_t *picture, const std::uint8_t *effect,
                       const std::uint8_t *mask, std::size_t pixels, int bytesPerPixel,
                       int strength);
void MaskedMixRowAvx2(std::uint8_t *out, const std::uint8_t *picture, const std::uint8_t *effect,
                      const std::uint8_t *mask, std::size_t pixels, int bytesPerPixel,
                      int strength);

}  // namespace qv
