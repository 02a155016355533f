// The rows of QuotientRows.h in AVX2; this file is compiled for AVX2.

#include "kernels/QuotientRowsBody.h"
#include "kernels/VectorAvx2.h"

namespace qv {

void DodgeRowAvx2(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y,
                  std::size_t bytes) {
  quotient::Row<simd::Avx2, false>(target, x, y, bytes);
}

void BurnRowAvx2(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y,
                 std::size_t bytes) {
  quotient::Row<simd::Avx2, true>(target, x, y, bytes);
}

}  // namespace qv
