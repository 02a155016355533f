// Dodge and burn are one clamped quotient: with n = 256 x,
//   Quotient(x, d) = 255 where x >= d (this covers d = 0), else n div d,
// which then lies in 0..255. Dodge(a, b) = Quotient(a, 255 - b) and
// Burn(a, b) = 255 - Quotient(255 - a, b).
//
// Dividing in the vector unit is slow, so the quotient is first estimated
// with the approximate reciprocal (relative error below 1.5 / 4096, so the
// estimate of a quotient below 256 is off by less than 0.1) and then made
// exact by one correction step on the remainder n - q d in 16-bit lanes.

#include "kernels/QuotientRows.h"

#include <immintrin.h>

#include "kernels/Blend.h"

#define QV_AVX2 __attribute__((target("avx2")))

namespace qv {

namespace {

// Truncated n / d estimated for 8 lanes of 32 bits.
QV_AVX2 inline __m256i Estimate(__m256i n, __m256i d) {
  const __m256 r = _mm256_rcp_ps(_mm256_cvtepi32_ps(d));
  return _mm256_cvttps_epi32(_mm256_mul_ps(_mm256_cvtepi32_ps(n), r));
}

// n div d for 16 lanes of 16 bits holding n in 0..65280 (a multiple of 256)
// and d, where the true quotient is below 256. The lanes are widened in the
// unpack order and packed back in it, so they stay in place.
QV_AVX2 inline __m256i Quotient16(__m256i n, __m256i d) {
  const __m256i zero = _mm256_setzero_si256();
  const __m256i low = Estimate(_mm256_unpacklo_epi16(n, zero), _mm256_unpacklo_epi16(d, zero));
  const __m256i high = Estimate(_mm256_unpackhi_epi16(n, zero), _mm256_unpackhi_epi16(d, zero));
  __m256i q = _mm256_packus_epi32(low, high);
  // The estimate is q - 1, q or q + 1, so the remainder lies in -d..2d - 1
  // and fits a signed 16-bit lane even though n does not.
  const __m256i rest = _mm256_sub_epi16(n, _mm256_mullo_epi16(q, d));
  q = _mm256_add_epi16(q, _mm256_cmpgt_epi16(zero, rest));  // rest < 0: one less
  const __m256i dMinusOne = _mm256_sub_epi16(d, _mm256_set1_epi16(1));
  return _mm256_sub_epi16(q, _mm256_cmpgt_epi16(rest, dMinusOne));  // rest >= d: one more
}

// Quotient(x, d) for 32 byte lanes.
QV_AVX2 inline __m256i ClampedQuotient(__m256i x, __m256i d) {
  const __m256i zero = _mm256_setzero_si256();
  const __m256i full = _mm256_cmpeq_epi8(_mm256_max_epu8(x, d), x);  // x >= d
  // Unpacking x above a zero byte gives 256 x in each 16-bit lane.
  const __m256i low = Quotient16(_mm256_unpacklo_epi8(zero, x), _mm256_unpacklo_epi8(d, zero));
  const __m256i high = Quotient16(_mm256_unpackhi_epi8(zero, x), _mm256_unpackhi_epi8(d, zero));
  // Lanes where x >= d hold garbage below; they become 255.
  return _mm256_or_si256(_mm256_packus_epi16(low, high), full);
}

QV_AVX2 inline __m256i Load(const std::uint8_t *p) {
  return _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p));
}

QV_AVX2 inline void Store(std::uint8_t *p, __m256i v) {
  _mm256_storeu_si256(reinterpret_cast<__m256i *>(p), v);
}

}  // namespace

// Each block of 32 bytes is loaded before it is stored, so the target may
// be either input.
QV_AVX2 void DodgeRowAvx2(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y,
                          std::size_t bytes) {
  const __m256i ones = _mm256_set1_epi8(-1);
  std::size_t i = 0;
  for (; i + 32 <= bytes; i += 32)
    Store(target + i, ClampedQuotient(Load(x + i), _mm256_xor_si256(Load(y + i), ones)));
  for (; i < bytes; ++i) target[i] = Dodge::Lane(x[i], y[i]);
}

QV_AVX2 void BurnRowAvx2(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y,
                         std::size_t bytes) {
  const __m256i ones = _mm256_set1_epi8(-1);
  std::size_t i = 0;
  for (; i + 32 <= bytes; i += 32) {
    const __m256i q = ClampedQuotient(_mm256_xor_si256(Load(x + i), ones), Load(y + i));
    Store(target + i, _mm256_xor_si256(q, ones));
  }
  for (; i < bytes; ++i) target[i] = Burn::Lane(x[i], y[i]);
}

}  // namespace qv
