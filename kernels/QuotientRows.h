#pragma once

// Dodge and burn rows in intrinsics, for AVX2 and for AVX-512 (BW and VBMI).
// Call each only where the processor has its instructions (see
// VectorRoute.h); they give the same bytes as the plain blends for every
// pair.

#include <cstddef>
#include <cstdint>

namespace qv {

void DodgeRowAvx2(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y,
                  std::size_t bytes);
void BurnRowAvx2(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y,
                 std::size_t bytes);

void DodgeRowAvx512(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y,
                    std::size_t bytes);
void BurnRowAvx512(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y,
                   std::size_t bytes);

}  // namespace qv
