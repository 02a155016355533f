#pragma once

// One row of the luminance mix in intrinsics, for AVX2 and for AVX-512 (BW
// and VBMI). Call each only where the processor has its instructions (see
// VectorRoute.h); they give the same bytes as the plain arithmetic for
// every colour.

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
void LuminanceRowAvx512(std::uint8_t *dest, const std::uint8_t *base, const std::uint8_t *source,
                        const std::uint8_t *mask, std::size_t pixels);

}  // namespace qv
