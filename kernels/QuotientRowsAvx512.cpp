// Dodge and burn with AVX-512: the same clamped quotient as the other rows
// (see QuotientRowsBody.h), Quotient(x, d) = 255 where x >= d, else
// 256 x div d, but with the reciprocal read from a table instead of
// computed: 256 entries of 16 bits, looked up for 64 bytes at once with
// byte permutes over four registers per table byte. With
// m = floor(65536 / d), the multiply-high (256 x) m >> 16 is the quotient
// or one less, and one comparison of the remainder settles which.

#include <immintrin.h>

#include <array>

#include "kernels/QuotientRows.h"

#define QV_AVX512 __attribute__((target("avx512f,avx512bw,avx512vbmi")))

namespace qv {

namespace {

// The low and the high bytes of floor(65536 / d); any value serves for
// d = 0 (those lanes are 255 anyway) and d = 1 (only x = 0 gets there).
struct alignas(64) Reciprocals {
  std::array<std::uint8_t, 256> low, high;
};

constexpr Reciprocals MakeReciprocals() {
  Reciprocals r{};
  for (int d = 0; d < 256; ++d) {
    const int m = d < 2 ? 0xFFFF : 65536 / d;
    r.low[std::size_t(d)] = std::uint8_t(m & 255);
    r.high[std::size_t(d)] = std::uint8_t(m >> 8);
  }
  return r;
}

constexpr Reciprocals kReciprocals = MakeReciprocals();

// One table of 256 bytes in four registers.
struct Table {
  __m512i part[4];
};

QV_AVX512 inline Table LoadTable(const std::array<std::uint8_t, 256> &bytes) {
  Table t;
  for (int i = 0; i < 4; ++i) t.part[i] = _mm512_loadu_si512(bytes.data() + 64 * i);
  return t;
}

// table[d] for 64 byte lanes; `upper` marks the lanes with d >= 128.
QV_AVX512 inline __m512i Lookup(const Table &t, __m512i d, __mmask64 upper) {
  return _mm512_mask_blend_epi8(upper, _mm512_permutex2var_epi8(t.part[0], d, t.part[1]),
                                _mm512_permutex2var_epi8(t.part[2], d, t.part[3]));
}

// 256 x div d for 32 lanes of 16 bits where the quotient is below 256; n
// holds 256 x and m the reciprocal of d.
QV_AVX512 inline __m512i Quotient16(__m512i n, __m512i d, __m512i m) {
  const __m512i q = _mm512_mulhi_epu16(n, m);
  const __m512i rest = _mm512_sub_epi16(n, _mm512_mullo_epi16(q, d));
  return _mm512_mask_add_epi16(q, _mm512_cmpge_epu16_mask(rest, d), q, _mm512_set1_epi16(1));
}

QV_AVX512 inline __m512i ClampedQuotient(__m512i x, __m512i d, const Table &low,
                                         const Table &high) {
  const __m512i zero = _mm512_setzero_si512();
  const __mmask64 upper = _mm512_movepi8_mask(d);
  const __m512i mLow = Lookup(low, d, upper), mHigh = Lookup(high, d, upper);
  // Unpacking x above a zero byte gives 256 x in each 16-bit lane; the lanes
  // are packed back in the order they were unpacked.
  const __m512i q0 = Quotient16(_mm512_unpacklo_epi8(zero, x), _mm512_unpacklo_epi8(d, zero),
                                _mm512_unpacklo_epi8(mLow, mHigh));
  const __m512i q1 = Quotient16(_mm512_unpackhi_epi8(zero, x), _mm512_unpackhi_epi8(d, zero),
                                _mm512_unpackhi_epi8(mLow, mHigh));
  // Lanes where x >= d hold garbage above; they become 255.
  return _mm512_mask_blend_epi8(_mm512_cmpge_epu8_mask(x, d), _mm512_packus_epi16(q0, q1),
                                _mm512_set1_epi8(-1));
}

QV_AVX512 inline __m512i Not(__m512i v) {
  return _mm512_ternarylogic_epi32(v, v, v, 0x55);
}

// Dodge(a, b) = Quotient(a, 255 - b); Burn(a, b) = 255 - Quotient(255 - a, b).
template <bool kBurn>
QV_AVX512 inline __m512i Blend64(__m512i a, __m512i b, const Table &low, const Table &high) {
  if (kBurn) return Not(ClampedQuotient(Not(a), b, low, high));
  return ClampedQuotient(a, Not(b), low, high);
}

// The row 64 bytes at a time, the last block masked, so nothing is read or
// written past the row's end. Each block is loaded before it is stored, so
// the target may be either input.
template <bool kBurn>
QV_AVX512 inline void QuotientRow(std::uint8_t *target, const std::uint8_t *x,
                                  const std::uint8_t *y, std::size_t bytes) {
  const Table low = LoadTable(kReciprocals.low), high = LoadTable(kReciprocals.high);
  std::size_t i = 0;
  for (; i + 64 <= bytes; i += 64) {
    const __m512i a = _mm512_loadu_si512(x + i), b = _mm512_loadu_si512(y + i);
    _mm512_storeu_si512(target + i, Blend64<kBurn>(a, b, low, high));
  }
  if (i < bytes) {
    const __mmask64 rest = (std::uint64_t(1) << (bytes - i)) - 1;
    const __m512i a = _mm512_maskz_loadu_epi8(rest, x + i),
                  b = _mm512_maskz_loadu_epi8(rest, y + i);
    _mm512_mask_storeu_epi8(target + i, rest, Blend64<kBurn>(a, b, low, high));
  }
}

}  // namespace

QV_AVX512 void DodgeRowAvx512(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y,
                              std::size_t bytes) {
  QuotientRow<false>(target, x, y, bytes);
}

QV_AVX512 void BurnRowAvx512(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y,
                             std::size_t bytes) {
  QuotientRow<true>(target, x, y, bytes);
}

}  // namespace qv
