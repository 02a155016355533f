// The luminance mix, 32 pixels (96 bytes) at a time:
//  1. the weight of each pixel: k = 11 B + 59 G + 30 R in 16-bit lanes from
//     byte shuffles and pairwise multiply-adds, k div 100 by multiply-high,
//     rounding by the remainder; remainders of exactly 50 are marked and
//     taken from the near-half table afterwards (about one pixel in 100);
//  2. the 32 weights spread to the three bytes of their pixels by shuffles;
//  3. the mix (s L + d (255 - L)) div 255 in 16-bit lanes.

#include "kernels/LuminanceRows.h"

#include <immintrin.h>

#include "kernels/BlendByLuminance.h"

#define QV_AVX2 __attribute__((target("avx2")))

namespace qv {

namespace {

constexpr std::size_t kBlockPixels = 32;

QV_AVX2 inline __m256i LoadTwo(const std::uint8_t *low, const std::uint8_t *high) {
  return _mm256_loadu2_m128i(reinterpret_cast<const __m128i *>(high),
                             reinterpret_cast<const __m128i *>(low));
}

QV_AVX2 inline __m256i Load(const std::uint8_t *p) {
  return _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p));
}

// The same 16-byte shuffle in both halves of a register.
QV_AVX2 inline __m256i Mask(const signed char (&m)[16]) {
  return _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i *>(m)));
}

// Different 16-byte shuffles in the low and the high half.
QV_AVX2 inline __m256i Mask2(const signed char (&low)[16], const signed char (&high)[16]) {
  return LoadTwo(reinterpret_cast<const std::uint8_t *>(low),
                 reinterpret_cast<const std::uint8_t *>(high));
}

// Byte j of the lane's pixel run (8 pixels, 24 bytes) lies at j in `first`
// (bytes 0..15 of the run) or at j - 8 in `second` (bytes 8..23); -1 gives 0.
// Each pixel's 16-bit lane gets (blue, green) from one shuffle pair and
// (red, 0) from the other.
constexpr signed char kBlueGreenFirst[16] = {0,  1,  3,  4,  6,  7,  -1, -1,
                                             -1, -1, -1, -1, -1, -1, -1, -1};
constexpr signed char kBlueGreenSecond[16] = {-1, -1, -1, -1, -1, -1, 1,  2,
                                              4,  5,  7,  8,  10, 11, 13, 14};
constexpr signed char kRedFirst[16] = {2,  -1, 5,  -1, -1, -1, -1, -1,
                                       -1, -1, -1, -1, -1, -1, -1, -1};
constexpr signed char kRedSecond[16] = {-1, -1, -1, -1, 0, -1, 3, -1, 6, -1, 9, -1, 12, -1, 15, -1};

// Spreading 16 weights over the bytes of their pixels: byte b of a lane
// takes weight b div 3 plus the lane's first pixel.
constexpr signed char kSpread0[16] = {0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5};
constexpr signed char kSpread1[16] = {5, 5, 6, 6, 6, 7, 7, 7, 8, 8, 8, 9, 9, 9, 10, 10};
constexpr signed char kSpread2[16] = {10, 11, 11, 11, 12, 12, 12, 13,
                                      13, 13, 14, 14, 14, 15, 15, 15};

struct Weights16 {
  __m256i weight;  // L per 16-bit lane
  __m256i half;    // all ones where the remainder is exactly 50
};

// Weights of 8 pixels from `low` (low lane) and 8 from `high` (high lane).
QV_AVX2 inline Weights16 WeightsOf(const std::uint8_t *low, const std::uint8_t *high) {
  const __m256i first = LoadTwo(low, high), second = LoadTwo(low + 8, high + 8);
  const __m256i blueGreen = _mm256_or_si256(_mm256_shuffle_epi8(first, Mask(kBlueGreenFirst)),
                                            _mm256_shuffle_epi8(second, Mask(kBlueGreenSecond)));
  const __m256i red = _mm256_or_si256(_mm256_shuffle_epi8(first, Mask(kRedFirst)),
                                      _mm256_shuffle_epi8(second, Mask(kRedSecond)));
  // k is at most 25500, so the signed 16-bit sums never saturate.
  const __m256i k =
      _mm256_add_epi16(_mm256_maddubs_epi16(blueGreen, _mm256_set1_epi16(59 << 8 | 11)),
                       _mm256_maddubs_epi16(red, _mm256_set1_epi16(30)));
  // k div 100 = (k 5243) >> 19 for every k below 43699.
  const __m256i whole = _mm256_srli_epi16(_mm256_mulhi_epu16(k, _mm256_set1_epi16(5243)), 3);
  const __m256i rest = _mm256_sub_epi16(k, _mm256_mullo_epi16(whole, _mm256_set1_epi16(100)));
  const __m256i fifty = _mm256_set1_epi16(50);
  return {_mm256_sub_epi16(whole, _mm256_cmpgt_epi16(rest, fifty)),
          _mm256_cmpeq_epi16(rest, fifty)};
}

// (s L + b (255 - L)) div 255 for one byte of each 16-bit lane: s, b and
// L in 0..255, each lane given as its byte shifted to bits 0..7 and b also
// shifted up by 8. The mix is computed as 255 b + (s - b) L; the terms wrap
// modulo 2^16 but the sum lies in 0..65025, so it comes out exact. Then
// x div 255 = (x 0x8081) >> 23 for every 16-bit x.
QV_AVX2 inline __m256i MixLanes(__m256i s, __m256i b, __m256i bTimes256, __m256i weight) {
  const __m256i product = _mm256_mullo_epi16(_mm256_sub_epi16(s, b), weight);
  const __m256i x = _mm256_add_epi16(_mm256_sub_epi16(bTimes256, b), product);
  return _mm256_srli_epi16(_mm256_mulhi_epu16(x, _mm256_set1_epi16(-32639)), 7);
}

// The mix for 32 bytes, the even bytes and the odd bytes of each 16-bit lane
// taken apart by masks and shifts rather than by shuffles.
QV_AVX2 inline __m256i Mix(__m256i s, __m256i b, __m256i weight) {
  const __m256i lowByte = _mm256_set1_epi16(0x00FF), highByte = _mm256_set1_epi16(-256);
  const __m256i even = MixLanes(_mm256_and_si256(s, lowByte), _mm256_and_si256(b, lowByte),
                                _mm256_slli_epi16(b, 8), _mm256_and_si256(weight, lowByte));
  const __m256i odd = MixLanes(_mm256_srli_epi16(s, 8), _mm256_srli_epi16(b, 8),
                               _mm256_and_si256(b, highByte), _mm256_srli_epi16(weight, 8));
  return _mm256_or_si256(even, _mm256_slli_epi16(odd, 8));
}

// All ones in byte j where bit j of bits is set.
QV_AVX2 inline __m256i BitsToBytes(unsigned bits) {
  constexpr signed char kByteOfBit[16] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1};
  constexpr signed char kByteOfBitHigh[16] = {2, 2, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3};
  const __m256i bit = _mm256_set1_epi64x(std::int64_t(0x8040201008040201));
  const __m256i spread =
      _mm256_shuffle_epi8(_mm256_set1_epi32(int(bits)), Mask2(kByteOfBit, kByteOfBitHigh));
  return _mm256_cmpeq_epi8(_mm256_and_si256(spread, bit), bit);
}

// Asks for the lines of a block a kilobyte ahead. The rare near halves cost
// a mispredicted branch, which would otherwise cut short the loads the
// processor has started ahead of time.
QV_AVX2 inline void Prefetch(const std::uint8_t *block) {
  constexpr std::size_t kAhead = 1024;
  for (std::size_t line = 0; line < 96; line += 64)
    _mm_prefetch(reinterpret_cast<const char *>(block + kAhead + line), _MM_HINT_T0);
}

}  // namespace

QV_AVX2 void LuminanceRowAvx2(std::uint8_t *dest, const std::uint8_t *base,
                              const std::uint8_t *source, const std::uint8_t *mask,
                              std::size_t pixels) {
  std::size_t p = 0;
  for (; p + kBlockPixels <= pixels; p += kBlockPixels) {
    const std::uint8_t *m = mask + 3 * p;
    Prefetch(m), Prefetch(source + 3 * p), Prefetch(base + 3 * p);
    // Pixels 0-7 and 16-23 in one register, 8-15 and 24-31 in the other, so
    // that packing the two gives the 32 weights in pixel order.
    const Weights16 a = WeightsOf(m, m + 48), b = WeightsOf(m + 24, m + 72);
    __m256i weight = _mm256_packus_epi16(a.weight, b.weight);
    // Remainders of exactly 50 (rare) round as the extended sum says.
    if (unsigned halves = unsigned(_mm256_movemask_epi8(_mm256_packs_epi16(a.half, b.half)))) {
      unsigned ups = 0;
      for (; halves != 0; halves &= halves - 1) {
        const unsigned q = unsigned(__builtin_ctz(halves));
        ups |= unsigned(NearHalfRoundsUp(m[3 * q], m[3 * q + 1], m[3 * q + 2])) << q;
      }
      weight = _mm256_sub_epi8(weight, BitsToBytes(ups));
    }
    const __m256i spread[3] = {
        _mm256_shuffle_epi8(_mm256_permute4x64_epi64(weight, 0x44), Mask2(kSpread0, kSpread1)),
        _mm256_shuffle_epi8(weight, Mask2(kSpread2, kSpread0)),
        _mm256_shuffle_epi8(_mm256_permute4x64_epi64(weight, 0xEE), Mask2(kSpread1, kSpread2))};
    const std::size_t at = 3 * p;
    for (int v = 0; v < 3; ++v) {
      const std::size_t i = at + 32 * std::size_t(v);
      const __m256i mixed = Mix(Load(source + i), Load(base + i), spread[v]);
      _mm256_storeu_si256(reinterpret_cast<__m256i *>(dest + i), mixed);
    }
  }
  for (; p < pixels; ++p) {
    const std::size_t i = 3 * p;
    const int l = MaskLuminance(mask[i], mask[i + 1], mask[i + 2]);
    for (std::size_t c = i; c < i + 3; ++c)
      dest[c] = DivideBy255(std::uint16_t(source[c] * l + base[c] * (255 - l)));
  }
}

}  // namespace qv
