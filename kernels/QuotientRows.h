#pragma once

// Dodge and burn rows in intrinsics, for SSE2 (the baseline of every
// x86-64), AVX2 and AVX-512 (BW and VBMI). Call each only where the
// processor has its instructions (see VectorRoute.h); every one gives the
// same bytes as the plain blends for every pair.

#include <cstddef>
#include <cstdint>

namespace qv {

void DodgeRowSse2(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y,
                  std::size_t bytes);
void BurnRowSse2(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y,
                 std::size_t bytes);

void DodgeRowAvx2(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y,
                  std::size_t bytes);
void BurnRowAvx2(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y,
                 std::size_t bytes);

void DodgeRowAvx512(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y,
                    std::size_t bytes);
void BurnRowAvx512(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y,
                   std::size_t bytes);

}  // namespace qv
