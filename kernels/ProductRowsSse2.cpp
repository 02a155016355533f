// The rows of ProductRows.h in SSE2, the baseline of every x86-64.

#include "kernels/ProductRowsBody.h"
#include "kernels/VectorSse2.h"

namespace qv {

void ProductRowSse2(ProductBlend blend, std::uint8_t *target, const std::uint8_t *x,
                    const std::uint8_t *y, std::size_t bytes) {
  product::AnyRow<simd::Sse2>(blend, target, x, y, bytes);
}

}  // namespace qv
