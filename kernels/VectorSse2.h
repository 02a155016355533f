#pragma once

// The lane operations the row bodies (ProductRowsBody.h, QuotientRowsBody.h)
// are written in, in SSE2, the baseline of every x86-64. Every file that
// includes this one shares its inline functions, so include it only in
// files compiled for the baseline.

#include <emmintrin.h>

#include <cstddef>
#include <cstdint>

namespace qv::simd {

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
  static Vec AtLeast(Vec a, Vec b) { return _mm_cmpeq_epi8(_mm_max_epu8(a, b), a); }
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
  template <int n>
  static Vec ShiftRight32(Vec a) {
    return _mm_srli_epi32(a, n);
  }
  template <int n>
  static Vec ShiftLeft32(Vec a) {
    return _mm_slli_epi32(a, n);
  }
  static Vec Set16(std::int16_t v) { return _mm_set1_epi16(v); }
  static Vec Set32(std::int32_t v) { return _mm_set1_epi32(v); }
  static Vec Quotient32(Vec n, Vec d) {
    return _mm_cvttps_epi32(_mm_div_ps(_mm_cvtepi32_ps(n), _mm_cvtepi32_ps(d)));
  }
  // The packs leave lane j of vector k in byte 4 k + j; two rounds of
  // interleaving the low and the high half move it to byte 4 j + k.
  static Vec PackBytes(Vec q0, Vec q1, Vec q2, Vec q3) {
    const Vec p = _mm_packus_epi16(_mm_packs_epi32(q0, q1), _mm_packs_epi32(q2, q3));
    const Vec u = _mm_unpacklo_epi8(p, _mm_unpackhi_epi64(p, p));
    return _mm_unpacklo_epi8(u, _mm_unpackhi_epi64(u, u));
  }
};

}  // namespace qv::simd
