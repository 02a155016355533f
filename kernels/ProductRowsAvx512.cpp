// The rows of ProductRows.h in AVX-512 (F and BW); this file is compiled for them.

#include <immintrin.h>

#include "kernels/ProductRowsBody.h"

namespace qv {

namespace {

struct Avx512 {
  using Vec = __m512i;
  static constexpr std::size_t kBytes = 64;
  static Vec Load(const std::uint8_t *p) { return _mm512_loadu_si512(p); }
  static void Store(std::uint8_t *p, Vec v) { _mm512_storeu_si512(p, v); }
  static Vec And(Vec a, Vec b) { return _mm512_and_si512(a, b); }
  static Vec Or(Vec a, Vec b) { return _mm512_or_si512(a, b); }
  static Vec Xor(Vec a, Vec b) { return _mm512_xor_si512(a, b); }
  static Vec Negative(Vec a) { return _mm512_movm_epi8(_mm512_movepi8_mask(a)); }
  static Vec MulLow16(Vec a, Vec b) { return _mm512_mullo_epi16(a, b); }
  static Vec MulHigh16(Vec a, Vec b) { return _mm512_mulhi_epu16(a, b); }
  template <int n>
  static Vec ShiftRight16(Vec a) {
    return _mm512_srli_epi16(a, n);
  }
  template <int n>
  static Vec ShiftLeft16(Vec a) {
    return _mm512_slli_epi16(a, n);
  }
  static Vec Set16(std::int16_t v) { return _mm512_set1_epi16(v); }
};

}  // namespace

void ProductRowAvx512(ProductBlend blend, std::uint8_t *target, const std::uint8_t *x,
                      const std::uint8_t *y, std::size_t bytes) {
  product::AnyRow<Avx512>(blend, target, x, y, bytes);
}

}  // namespace qv
