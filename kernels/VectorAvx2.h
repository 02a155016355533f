#pragma once

// The lane operations the row bodies (ProductRowsBody.h, QuotientRowsBody.h)
// are written in, in AVX2. Every file that includes this one shares its
// inline functions, so include it only in files compiled for AVX2 alone.

#include <immintrin.h>

#include <cstddef>
#include <cstdint>

namespace qv::simd {

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
  static Vec AtLeast(Vec a, Vec b) { return _mm256_cmpeq_epi8(_mm256_max_epu8(a, b), a); }
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
  template <int n>
  static Vec ShiftRight32(Vec a) {
    return _mm256_srli_epi32(a, n);
  }
  template <int n>
  static Vec ShiftLeft32(Vec a) {
    return _mm256_slli_epi32(a, n);
  }
  static Vec Set16(std::int16_t v) { return _mm256_set1_epi16(v); }
  static Vec Set32(std::int32_t v) { return _mm256_set1_epi32(v); }
  static Vec Quotient32(Vec n, Vec d) {
    return _mm256_cvttps_epi32(_mm256_div_ps(_mm256_cvtepi32_ps(n), _mm256_cvtepi32_ps(d)));
  }
  // The packs leave lane j of vector k in byte 4 k + j of each half (lanes
  // 4 to 7 in the upper half); one byte shuffle moves it to byte 4 j + k.
  static Vec PackBytes(Vec q0, Vec q1, Vec q2, Vec q3) {
    const Vec p = _mm256_packus_epi16(_mm256_packs_epi32(q0, q1), _mm256_packs_epi32(q2, q3));
    return _mm256_shuffle_epi8(
        p, _mm256_setr_epi8(0, 4, 8, 12, 1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15, 0, 4, 8, 12, 1, 5,
                            9, 13, 2, 6, 10, 14, 3, 7, 11, 15));
  }
};

}  // namespace qv::simd
