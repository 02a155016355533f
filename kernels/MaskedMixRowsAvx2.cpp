// The masked mix's rows in AVX2; this file is compiled for AVX2.
//
// 32 bytes at a time: the mask's value of each byte's pixel is spread over
// its bytes with a byte shuffle; the bytes and the weights (25500 - S m,
// S m) are paired in 16-bit lanes, so that one multiply-add makes
// picture x (25500 - S m) + effect x S m in 32-bit lanes. The division by
// 25500 is a multiply in single precision, truncated: for every sum the mix
// can make (0 to 6,515,250) float(x) x float(1 / 25500) lies in
// [x div 25500, x div 25500 + 1), which the tests check on every route.

#include <immintrin.h>

#include <array>

#include "kernels/MaskedMixRows.h"

namespace qv {

namespace {

using Vec = __m256i;

// For each byte of a 32-byte block, the index of its pixel's mask byte in
// a 16-byte load repeated in both halves (byte shuffles stay in their half).
// Three blocks make 32 pixels of three bytes, loaded from the mask at 0, 8
// and 16; one block makes 8 pixels of four bytes.
struct Patterns {
  alignas(32) std::array<std::array<std::uint8_t, 32>, 3> Three{};
  alignas(32) std::array<std::uint8_t, 32> Four{};
};

constexpr Patterns MakePatterns() {
  Patterns p;
  for (int block = 0; block < 3; ++block)
    for (int i = 0; i < 32; ++i) p.Three[block][i] = std::uint8_t((32 * block + i) / 3 - 8 * block);
  for (int i = 0; i < 32; ++i) p.Four[i] = std::uint8_t(i / 4);
  return p;
}

constexpr Patterns kPatterns = MakePatterns();

Vec Load(const std::uint8_t *p) {
  return _mm256_loadu_si256(reinterpret_cast<const Vec *>(p));
}

// The sums of one half: bytes paired with zero-extended weights.
Vec Sums(Vec pictureEffect, Vec weights) {
  return _mm256_madd_epi16(pictureEffect, weights);
}

Vec Divide(Vec sums, __m256 reciprocal, Vec half) {
  const __m256 x = _mm256_cvtepi32_ps(_mm256_add_epi32(sums, half));
  return _mm256_cvttps_epi32(_mm256_mul_ps(x, reciprocal));
}

// 32 bytes of picture and effect, with the mask value of each byte.
Vec Mix(Vec picture, Vec effect, Vec mask, Vec strength, Vec total, __m256 reciprocal, Vec half) {
  const Vec zero = _mm256_setzero_si256();
  const Vec wLow = _mm256_mullo_epi16(_mm256_unpacklo_epi8(mask, zero), strength);
  const Vec wHigh = _mm256_mullo_epi16(_mm256_unpackhi_epi8(mask, zero), strength);
  const Vec restLow = _mm256_sub_epi16(total, wLow), restHigh = _mm256_sub_epi16(total, wHigh);
  const Vec peLow = _mm256_unpacklo_epi8(picture, effect);
  const Vec peHigh = _mm256_unpackhi_epi8(picture, effect);
  const Vec pe0 = _mm256_unpacklo_epi8(peLow, zero), pe1 = _mm256_unpackhi_epi8(peLow, zero);
  const Vec pe2 = _mm256_unpacklo_epi8(peHigh, zero), pe3 = _mm256_unpackhi_epi8(peHigh, zero);
  const Vec q0 = Divide(Sums(pe0, _mm256_unpacklo_epi16(restLow, wLow)), reciprocal, half);
  const Vec q1 = Divide(Sums(pe1, _mm256_unpackhi_epi16(restLow, wLow)), reciprocal, half);
  const Vec q2 = Divide(Sums(pe2, _mm256_unpacklo_epi16(restHigh, wHigh)), reciprocal, half);
  const Vec q3 = Divide(Sums(pe3, _mm256_unpackhi_epi16(restHigh, wHigh)), reciprocal, half);
  return _mm256_packus_epi16(_mm256_packs_epi32(q0, q1), _mm256_packs_epi32(q2, q3));
}

}  // namespace

void MaskedMixRowAvx2(std::uint8_t *out, const std::uint8_t *picture, const std::uint8_t *effect,
                      const std::uint8_t *mask, std::size_t pixels, int bytesPerPixel,
                      int strength) {
  const Vec s = _mm256_set1_epi16(std::int16_t(strength)), total = _mm256_set1_epi16(25500);
  const Vec half = _mm256_set1_epi32(12750);
  const __m256 reciprocal = _mm256_set1_ps(1.0f / 25500.0f);
  std::size_t x = 0;
  if (bytesPerPixel == 3) {
    const Vec spread[3] = {Load(kPatterns.Three[0].data()), Load(kPatterns.Three[1].data()),
                           Load(kPatterns.Three[2].data())};
    for (; x + 32 <= pixels; x += 32) {
      const std::size_t at = 3 * x;
      for (int block = 0; block < 3; ++block) {
        const __m128i values =
            _mm_loadu_si128(reinterpret_cast<const __m128i *>(mask + x + 8 * block));
        const Vec m = _mm256_shuffle_epi8(_mm256_broadcastsi128_si256(values), spread[block]);
        const std::size_t b = at + 32 * std::size_t(block);
        _mm256_storeu_si256(
            reinterpret_cast<Vec *>(out + b),
            Mix(Load(picture + b), Load(effect + b), m, s, total, reciprocal, half));
      }
    }
  } else if (bytesPerPixel == 4) {
    const Vec spread = Load(kPatterns.Four.data());
    for (; x + 8 <= pixels; x += 8) {
      const __m128i values = _mm_loadl_epi64(reinterpret_cast<const __m128i *>(mask + x));
      const Vec m = _mm256_shuffle_epi8(_mm256_broadcastsi128_si256(values), spread);
      const std::size_t b = 4 * x;
      _mm256_storeu_si256(reinterpret_cast<Vec *>(out + b),
                          Mix(Load(picture + b), Load(effect + b), m, s, total, reciprocal, half));
    }
  }
  // The pixels no whole block covers.
  const std::size_t at = x * std::size_t(bytesPerPixel);
  MaskedMixRowPlain(out + at, picture + at, effect + at, mask + x, pixels - x, bytesPerPixel,
                    strength);
}

}  // namespace qv
