// The rows of ProductRows.h in SSE2, the baseline of every x86-64.

#include <emmintrin.h>

#include "kernels/ProductRowsBody.h"

namespace qv {

namespace {

struct Sse2 {
  using Vec = __m128i;
  static constexpr std::size_t kBytes = 16;
  static Vec Load(const std::uint8_t *p) {
    return _mm_loadu_si128(reinterpret_cast<const Vec *>(p));
  }
  static void Store(std::uint8_t *p, Vec v) { _mm_storeu_si128(reinterpret_cast<Vec *>(p), v); }
  static Vec And(Vec a, Vec b) { return _mm_and_si128(a, b); }
  static Vec Or(Vec a, Vec b) { return _mm_or_si128(a, b); }
  static Vec Xor(Vec a, Vec b) { return _mm_xor_si128(a, b); }
  static Vec Negative(Vec a) { return _mm_cmplt_epi8(a, _mm_setzero_si128()); }
  static Vec MulLow16(Vec a, Vec b) { return _mm_mullo_epi16(a, b); }
  static Vec MulHigh16(Vec a, Vec b) { return _mm_mulhi_epu16(a, b); }
  template <int n>
  static Vec ShiftRight16(Vec a) {
    return _mm_srli_epi16(a, n);
  }
  template <int n>
  static Vec ShiftLeft16(Vec a) {
    return _mm_slli_epi16(a, n);
  }
  static Vec Set16(std::int16_t v) { return _mm_set1_epi16(v); }
};

}  // namespace

void ProductRowSse2(ProductBlend blend, std::uint8_t *target, const std::uint8_t *x,
                    const std::uint8_t *y, std::size_t bytes) {
  product::AnyRow<Sse2>(blend, target, x, y, bytes);
}

}  // namespace qv
