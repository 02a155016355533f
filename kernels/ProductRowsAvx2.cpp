// The rows of ProductRows.h in AVX2; this file is compiled for AVX2.

#include "kernels/ProductRowsBody.h"
#include "kernels/VectorAvx2.h"

namespace qv {

void ProductRowAvx2(ProductBlend blend, std::uint8_t *target, const std::uint8_t *x,
                    const std::uint8_t *y, std::size_t bytes) {
  product::AnyRow<simd::Avx2>(blend, target, x, y, bytes);
}

}  // namespace qv
