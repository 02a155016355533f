// The rows of ProductRows.h in AVX2; this file is compiled for AVX2.

#include <immintrin.h>

#include "kernels/ProductRowsBody.h"

namespace qv {

namespace {

struct Avx2 {
  using Vec = __m256i;
  static constexpr std::size_t kBytes = 32;
  static Vec Load(const std::uint8_t *p) {
    return _mm256_loadu_si256(reinterpret_cast<const Vec *>(p));
  }
  static void Store(std::uint8_t *p, Vec v) { _mm256_storeu_si256(reinterpret_cast<Vec *>(p), v); }
  static Vec And(Vec a, Vec b) { return _mm256_and_si256(a, b); }
  static Vec Or(Vec a, Vec b) { return _mm256_or_si256(a, b); }
  static Vec Xor(Vec a, Vec b) { return _mm256_xor_si256(a, b); }
  static Vec Negative(Vec a) { return _mm256_cmpgt_epi8(_mm256_setzero_si256(), a); }
  static Vec MulLow16(Vec a, Vec b) { return _mm256_mullo_epi16(a, b); }
  static Vec MulHigh16(Vec a, Vec b) { return _mm256_mulhi_epu16(a, b); }
  template <int n>
  static Vec ShiftRight16(Vec a) {
    return _mm256_srli_epi16(a, n);
  }
  template <int n>
  static Vec ShiftLeft16(Vec a) {
    return _mm256_slli_epi16(a, n);
  }
  static Vec Set16(std::int16_t v) { return _mm256_set1_epi16(v); }
};

}  // namespace

void ProductRowAvx2(ProductBlend blend, std::uint8_t *target, const std::uint8_t *x,
                    const std::uint8_t *y, std::size_t bytes) {
  product::AnyRow<Avx2>(blend, target, x, y, bytes);
}

}  // namespace qv
