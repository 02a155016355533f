// The masked mix against its formula on each route: at a full mask it is
// the strength mix for every pair of bytes and every strength, at an empty
// one the picture, and between the formula itself; whole pictures through
// a mask given in bands.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "Pictures.h"
#include "gfx/Error.h"
#include "kernels/MaskedMix.h"
#include "kernels/StrengthMix.h"
#include "kernels/VectorRoute.h"

namespace qv {
namespace {

int Formula(int picture, int effect, int strength, int mask) {
  const int w = strength * mask;
  return (picture * (25500 - w) + effect * w + 12750) / 25500;
}

int StrengthFormula(int picture, int effect, int strength) {
  return (picture * (100 - strength) + effect * strength + 50) / 100;
}

// Runs fn on the baseline, then on AVX2 where the processor has it.
template <class Fn>
void OnEachRoute(Fn fn) {
  const bool avx2 = Avx2Route();
  for (bool route : {false, true}) {
    if (route && !avx2) continue;
    Avx2Route() = route;
    SCOPED_TRACE(route ? "AVX2" : "baseline");
    fn();
  }
  Avx2Route() = avx2;
}

// Every (picture, effect) pair at least once: byte i holds (i div 256,
// i mod 256), in whole pixels, which leaves a tail no block covers.
struct Pairs {
  std::vector<std::uint8_t> Picture, Effect, Out, Mask;
  explicit Pairs(int bytesPerPixel) {
    const auto n = std::size_t(bytesPerPixel);
    const std::size_t bytes = (65536 + n) / n * n;
    Picture.resize(bytes);
    Effect.resize(bytes);
    Out.resize(bytes);
    Mask.resize(bytes / std::size_t(bytesPerPixel));
    for (std::size_t i = 0; i < bytes; ++i) {
      Picture[i] = std::uint8_t(i >> 8);
      Effect[i] = std::uint8_t(i);
    }
  }
};

TEST(MaskedMix, AFullMaskIsTheStrengthMixAndAnEmptyOneThePicture) {
  OnEachRoute([] {
    for (int bytesPerPixel : {3, 4}) {
      Pairs pairs(bytesPerPixel);
      for (int m : {255, 0}) {
        std::fill(pairs.Mask.begin(), pairs.Mask.end(), std::uint8_t(m));
        for (int s = 0; s <= 100; ++s) {
          MaskedMixRow(pairs.Out.data(), pairs.Picture.data(), pairs.Effect.data(),
                       pairs.Mask.data(), pairs.Mask.size(), bytesPerPixel, s);
          int mismatches = 0;
          for (std::size_t i = 0; i < pairs.Out.size(); ++i) {
            const int p = pairs.Picture[i], e = pairs.Effect[i];
            mismatches += pairs.Out[i] != (m == 255 ? StrengthFormula(p, e, s) : p);
          }
          EXPECT_EQ(mismatches, 0)
              << "mask " << m << ", strength " << s << ", " << bytesPerPixel << " bytes a pixel";
        }
      }
    }
  });
}

// Every pair of bytes at every mask value for a few strengths, and at
// every strength for a few mask values; the mask varies along the row so
// that each pixel's bytes take their own pixel's value.
TEST(MaskedMix, BetweenTheEndsEveryByteIsTheFormula) {
  OnEachRoute([] {
    Pairs pairs(3);
    auto check = [&](int s, int m, bool varied) {
      for (std::size_t x = 0; x < pairs.Mask.size(); ++x)
        pairs.Mask[x] = std::uint8_t(varied ? (m + x * 7) & 255 : m);
      MaskedMixRow(pairs.Out.data(), pairs.Picture.data(), pairs.Effect.data(), pairs.Mask.data(),
                   pairs.Mask.size(), 3, s);
      int mismatches = 0;
      for (std::size_t i = 0; i < pairs.Out.size(); ++i)
        mismatches +=
            pairs.Out[i] != Formula(pairs.Picture[i], pairs.Effect[i], s, pairs.Mask[i / 3]);
      EXPECT_EQ(mismatches, 0) << "strength " << s << ", mask " << m;
    };
    for (int s : {1, 37, 50, 99, 100})
      for (int m = 0; m < 256; ++m) check(s, m, false);
    for (int s = 0; s <= 100; ++s)
      for (int m : {1, 127, 128, 254}) check(s, m, true);
  });
}

TEST(MaskedMix, WholePicturesInBandsAndInPlace) {
  const Bitmap picture = test::Pattern(67, 150), effect = test::Uniform(67, 150, {9, 200, 77});
  // A mask that differs on every row and column, asked for in bands.
  std::vector<std::pair<int, int>> asked;
  const MaskRowsFn mask = [&](int first, int last, std::uint8_t *rows) {
    asked.emplace_back(first, last);
    for (int y = first; y < last; ++y)
      for (int x = 0; x < 67; ++x) *rows++ = std::uint8_t(x * 3 + y * 5);
  };
  Bitmap out, inPlace = effect;
  OnEachRoute([&] {
    MaskedMix(picture, effect, out, 60, mask, 64);
    MaskedMix(picture, inPlace, inPlace, 60, mask, 64);
    int mismatches = 0;
    for (int y = 0; y < 150; ++y)
      for (int x = 0; x < 67; ++x)
        for (int c = 0; c < 3; ++c) {
          const int expected = Formula(test::At(picture, x, y)[c], test::At(effect, x, y)[c], 60,
                                       (x * 3 + y * 5) & 255);
          mismatches += test::At(out, x, y)[c] != expected;
        }
    EXPECT_EQ(mismatches, 0);
    EXPECT_TRUE(inPlace.SamePixels(out));
    inPlace = effect;
  });
  // Bands of 64 rows, the last one short.
  EXPECT_EQ(asked.front(), std::make_pair(0, 64));
  EXPECT_EQ(std::count(asked.begin(), asked.end(), std::make_pair(128, 150)), asked.size() / 3);

  Bitmap untouched = test::Pattern(3, 3);
  test::ExpectFailsUntouched("The strength must be 0 to 100, not 101", untouched,
                             [&] { MaskedMix(picture, effect, untouched, 101, mask); });
  test::ExpectFailsUntouched("The effect and the picture differ in size", untouched,
                             [&] { MaskedMix(picture, test::Pattern(8, 9), untouched, 50, mask); });
}

}  // namespace
}  // namespace qv
