#pragma once

// One row of the luminance mix in AVX2 intrinsics. Call it only where the
// processor has AVX2 (see VectorRoute.h); it gives the same bytes as the
// plain arithmetic for every colour.

#include <cstddef>
#include <cstdint>

namespace qv {

// For each pixel p below pixels, with L the luminance of mask pixel p and
// for each of its three bytes i:
//   dest[i] := (source[i] L + base[i] (255 - L)) div 255.
// base may be dest itself; dest may also be source or mask, since each block
// of pixels is read whole before it is written.
void LuminanceRowAvx2(std::uint8_t *dest, const std::uint8_t *base, const std::uint8_t *source,
                      const std::uint8_t *mask, std::size_t pixels);

}  // namespace qv
