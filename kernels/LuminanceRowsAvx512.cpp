// The luminance mix with AVX-512 (BW and VBMI), 64 pixels (192 bytes) at a
// time, the same steps as the AVX2 row (see LuminanceRowsAvx2.cpp) with
// byte permutes doing the gathering and spreading that there takes several
// shuffles, and mask registers marking the near halves.

#include <immintrin.h>

#include <array>

#include "kernels/BlendByLuminance.h"
#include "kernels/LuminanceRows.h"

#define QV_AVX512 __attribute__((target("avx512f,avx512bw,avx512vbmi")))

namespace qv {

namespace {

constexpr std::size_t kBlockPixels = 64;

// The byte permutes of one block.
struct Indices {
  // Pixel i of a run of 32 at byte 3 i: (blue, green) and (red, red) pairs
  // into 16-bit lane i (the second red is zeroed by a mask).
  std::array<std::uint8_t, 64> blueGreen, red;
  // The low bytes of two registers of 16-bit lanes, in lane order.
  std::array<std::uint8_t, 64> lowBytes;
  // Byte j of output register v takes weight (64 v + j) div 3.
  std::array<std::uint8_t, 64> spread[3];
};

constexpr Indices MakeIndices() {
  Indices t{};
  for (std::size_t i = 0; i < 32; ++i) {
    t.blueGreen[2 * i] = std::uint8_t(3 * i);
    t.blueGreen[2 * i + 1] = std::uint8_t(3 * i + 1);
    t.red[2 * i] = t.red[2 * i + 1] = std::uint8_t(3 * i + 2);
  }
  for (std::size_t j = 0; j < 64; ++j) {
    t.lowBytes[j] = std::uint8_t(2 * j);  // bit 6 picks the second register
    for (std::size_t v = 0; v < 3; ++v) t.spread[v][j] = std::uint8_t((64 * v + j) / 3);
  }
  return t;
}

constexpr Indices kIndices = MakeIndices();

QV_AVX512 inline __m512i Load(const std::array<std::uint8_t, 64> &bytes) {
  return _mm512_loadu_si512(bytes.data());
}

// Bytes of a block: all 192, or only those below `bytes` (masked loads and
// stores never touch memory outside the mask).
struct Extent {
  __mmask64 part[3];
};

constexpr Extent kWhole = {{~__mmask64(0), ~__mmask64(0), ~__mmask64(0)}};

Extent ExtentOf(std::size_t bytes) {
  Extent e{};
  for (std::size_t v = 0; v < 3; ++v) {
    const std::size_t from = 64 * v;
    const std::size_t count = bytes <= from ? 0 : bytes - from >= 64 ? 64 : bytes - from;
    e.part[v] = count == 64 ? ~__mmask64(0) : (__mmask64(1) << count) - 1;
  }
  return e;
}

// Weights of the 32 pixels whose bytes start at byte 0 of `first`, reaching
// into `second`; bit i of `half` is set where the remainder is exactly 50.
QV_AVX512 inline __m512i WeightsOf(__m512i first, __m512i second, __m512i blueGreenIndex,
                                   __m512i redIndex, __mmask32 &half) {
  const __m512i blueGreen = _mm512_permutex2var_epi8(first, blueGreenIndex, second);
  const __m512i red = _mm512_maskz_permutex2var_epi8(0x5555555555555555, first, redIndex, second);
  // k = 11 B + 59 G + 30 R is at most 25500: the signed sums never saturate.
  const __m512i k =
      _mm512_add_epi16(_mm512_maddubs_epi16(blueGreen, _mm512_set1_epi16(59 << 8 | 11)),
                       _mm512_maddubs_epi16(red, _mm512_set1_epi16(30)));
  // k div 100 = (k 5243) >> 19 for every k below 43699.
  const __m512i whole = _mm512_srli_epi16(_mm512_mulhi_epu16(k, _mm512_set1_epi16(5243)), 3);
  const __m512i rest = _mm512_sub_epi16(k, _mm512_mullo_epi16(whole, _mm512_set1_epi16(100)));
  half = _mm512_cmpeq_epi16_mask(rest, _mm512_set1_epi16(50));
  return _mm512_mask_add_epi16(whole, _mm512_cmpgt_epi16_mask(rest, _mm512_set1_epi16(50)), whole,
                               _mm512_set1_epi16(1));
}

// (s L + b (255 - L)) div 255 for one byte of each 16-bit lane, as
// 255 b + (s - b) L: the terms wrap modulo 2^16 but the sum lies in
// 0..65025, so it comes out exact. Returns x div 255 shifted left by 7
// (x div 255 = (x 0x8081) >> 23 for every 16-bit x); bits 0..6 are junk.
QV_AVX512 inline __m512i MixLanes(__m512i s, __m512i b, __m512i bTimes256, __m512i weight) {
  const __m512i product = _mm512_mullo_epi16(_mm512_sub_epi16(s, b), weight);
  const __m512i x = _mm512_add_epi16(_mm512_sub_epi16(bTimes256, b), product);
  return _mm512_mulhi_epu16(x, _mm512_set1_epi16(-32639));
}

// The mix for 64 bytes, even and odd bytes of each 16-bit lane taken apart
// by masks and shifts.
QV_AVX512 inline __m512i Mix(__m512i s, __m512i b, __m512i weight) {
  const __m512i lowByte = _mm512_set1_epi16(0x00FF), highByte = _mm512_set1_epi16(-256);
  const __m512i even = MixLanes(_mm512_and_si512(s, lowByte), _mm512_and_si512(b, lowByte),
                                _mm512_slli_epi16(b, 8), _mm512_and_si512(weight, lowByte));
  const __m512i odd = MixLanes(_mm512_srli_epi16(s, 8), _mm512_srli_epi16(b, 8),
                               _mm512_and_si512(b, highByte), _mm512_srli_epi16(weight, 8));
  // Even results go to the low bytes (they are at most 255), odd results,
  // doubled, have theirs in the high bytes.
  return _mm512_mask_blend_epi8(0xAAAAAAAAAAAAAAAA, _mm512_srli_epi16(even, 7),
                                _mm512_add_epi16(odd, odd));
}

QV_AVX512 inline void Block(std::uint8_t *dest, const std::uint8_t *base,
                            const std::uint8_t *source, const std::uint8_t *mask,
                            const Extent &extent) {
  const __m512i m0 = _mm512_maskz_loadu_epi8(extent.part[0], mask);
  const __m512i m1 = _mm512_maskz_loadu_epi8(extent.part[1], mask + 64);
  const __m512i m2 = _mm512_maskz_loadu_epi8(extent.part[2], mask + 128);
  // Pixels 0-31 lie in bytes 0..95 (m0 and m1), pixels 32-63 in bytes
  // 96..191, that is from byte 32 of m1 on (m1 and m2).
  const __m512i blueGreen = Load(kIndices.blueGreen), red = Load(kIndices.red);
  const __m512i thirtyTwo = _mm512_set1_epi8(32);
  __mmask32 halfLow, halfHigh;
  const __m512i low = WeightsOf(m0, m1, blueGreen, red, halfLow);
  const __m512i high = WeightsOf(m1, m2, _mm512_add_epi8(blueGreen, thirtyTwo),
                                 _mm512_add_epi8(red, thirtyTwo), halfHigh);
  __m512i weight = _mm512_permutex2var_epi8(low, Load(kIndices.lowBytes), high);
  // Remainders of exactly 50 (rare) round as the extended sum says.
  if (std::uint64_t halves = std::uint64_t(halfLow) | std::uint64_t(halfHigh) << 32) {
    std::uint64_t ups = 0;
    for (; halves != 0; halves &= halves - 1) {
      const unsigned q = unsigned(__builtin_ctzll(halves));
      ups |= std::uint64_t(NearHalfRoundsUp(mask[3 * q], mask[3 * q + 1], mask[3 * q + 2])) << q;
    }
    weight = _mm512_mask_add_epi8(weight, ups, weight, _mm512_set1_epi8(1));
  }
  for (std::size_t v = 0; v < 3; ++v) {
    const __mmask64 part = extent.part[v];
    const __m512i spread = _mm512_permutex2var_epi8(weight, Load(kIndices.spread[v]), weight);
    const __m512i s = _mm512_maskz_loadu_epi8(part, source + 64 * v);
    const __m512i b = _mm512_maskz_loadu_epi8(part, base + 64 * v);
    _mm512_mask_storeu_epi8(dest + 64 * v, part, Mix(s, b, spread));
  }
}

// Asks for the lines a kilobyte past a block. The rare near halves
// cost a mispredicted branch, which would otherwise cut short the loads the
// processor has started ahead of time.
QV_AVX512 inline void Prefetch(const std::uint8_t *block) {
  constexpr std::size_t kAhead = 1024;
  for (std::size_t line = 0; line < 192; line += 64)
    _mm_prefetch(reinterpret_cast<const char *>(block + kAhead + line), _MM_HINT_T0);
}

}  // namespace

QV_AVX512 void LuminanceRowAvx512(std::uint8_t *dest, const std::uint8_t *base,
                                  const std::uint8_t *source, const std::uint8_t *mask,
                                  std::size_t pixels) {
  std::size_t p = 0;
  for (; p + kBlockPixels <= pixels; p += kBlockPixels) {
    Prefetch(base + 3 * p), Prefetch(source + 3 * p), Prefetch(mask + 3 * p);
    Block(dest + 3 * p, base + 3 * p, source + 3 * p, mask + 3 * p, kWhole);
  }
  if (p < pixels)
    Block(dest + 3 * p, base + 3 * p, source + 3 * p, mask + 3 * p, ExtentOf(3 * (pixels - p)));
}

}  // namespace qv
