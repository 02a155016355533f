// The rows of QuotientRows.h in SSE2, the baseline of every x86-64.

#include "kernels/QuotientRowsBody.h"
#include "kernels/VectorSse2.h"

namespace qv {

void DodgeRowSse2(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y,
                  std::size_t bytes) {
  quotient::Row<simd::Sse2, false>(target, x, y, bytes);
}

void BurnRowSse2(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y,
                 std::size_t bytes) {
  quotient::Row<simd::Sse2, true>(target, x, y, bytes);
}

}  // namespace qv
