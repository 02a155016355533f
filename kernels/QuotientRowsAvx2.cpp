// The rows of QuotientRows.h in AVX2; this file is compiled for AVX2.

#include <immintrin.h>

#include "kernels/QuotientRowsBody.h"

namespace qv {

namespace {

struct Avx2 {
  using Vec = __m256i;
  using Float = __m256;
  static constexpr std::size_t kBytes = 32;
  static Vec Load(const std::uint8_t *p) {
    return _mm256_loadu_si256(reinterpret_cast<const Vec *>(p));
  }
  static void Store(std::uint8_t *p, Vec v) { _mm256_storeu_si256(reinterpret_cast<Vec *>(p), v); }
  static Vec And(Vec a, Vec b) { return _mm256_and_si256(a, b); }
  static Vec Or(Vec a, Vec b) { return _mm256_or_si256(a, b); }
  static Vec Xor(Vec a, Vec b) { return _mm256_xor_si256(a, b); }
  template <int n>
  static Vec ShiftLeft32(Vec a) {
    return _mm256_slli_epi32(a, n);
  }
  template <int n>
  static Vec ShiftRight32(Vec a) {
    return _mm256_srli_epi32(a, n);
  }
  static Vec Set32(std::int32_t v) { return _mm256_set1_epi32(v); }
  static Float ToFloat(Vec a) { return _mm256_cvtepi32_ps(a); }
  static Float Divide(Float a, Float b) { return _mm256_div_ps(a, b); }
  static Float Min(Float a, Float b) { return _mm256_min_ps(a, b); }
  static Vec Truncate(Float a) { return _mm256_cvttps_epi32(a); }
};

}  // namespace

void DodgeRowAvx2(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y,
                  std::size_t bytes) {
  quotient::Row<Avx2, false>(target, x, y, bytes);
}

void BurnRowAvx2(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y,
                 std::size_t bytes) {
  quotient::Row<Avx2, true>(target, x, y, bytes);
}

}  // namespace qv
