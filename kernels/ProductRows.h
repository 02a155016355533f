#pragma once

// Screen, overlay and hard light in intrinsics, for SSE2, AVX2 and AVX-512
// (BW). All three are one product of two bytes, flipped before and after:
//   F(a, b) = ((a ^ f) (b ^ f) >> s) ^ f
// screen with f = 255 and s = 8; overlay with f = 255 where a >= 128, else
// 0, and s = 7; hard light as overlay with a and b swapped. The products of
// the even and the odd bytes are made in place in 16-bit lanes (a low and a
// high multiply), so nothing is unpacked or packed. Call each route only
// where the processor has its instructions (see VectorRoute.h); every one
// gives the same bytes as the plain blends for every pair.

#include <cstddef>
#include <cstdint>

namespace qv {

enum class ProductBlend { Screen, Overlay, HardLight };

using ProductRowFn = void (*)(ProductBlend blend, std::uint8_t *target, const std::uint8_t *x,
                              const std::uint8_t *y, std::size_t bytes);

void ProductRowSse2(ProductBlend blend, std::uint8_t *target, const std::uint8_t *x,
                    const std::uint8_t *y, std::size_t bytes);
void ProductRowAvx2(ProductBlend blend, std::uint8_t *target, const std::uint8_t *x,
                    const std::uint8_t *y, std::size_t bytes);
void ProductRowAvx512(ProductBlend blend, std::uint8_t *target, const std::uint8_t *x,
                      const std::uint8_t *y, std::size_t bytes);

}  // namespace qv
