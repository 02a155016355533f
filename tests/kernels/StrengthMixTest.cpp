// The strength mix against its formula, for every pair of bytes and every
// strength, on each route the processor has; its ends; its refusals.

#include <gtest/gtest.h>

#include <cstdint>

#include "Pictures.h"
#include "gfx/Error.h"
#include "kernels/StrengthMix.h"
#include "kernels/VectorRoute.h"

namespace qv {
namespace {

int Formula(int picture, int effect, int strength) {
  return (picture * (100 - strength) + effect * strength + 50) / 100;
}

TEST(StrengthMix, EveryPairOfBytesAtEveryStrengthOnEachRoute) {
  // Byte i of the inputs holds the pair (i div 256, i mod 256), and the odd
  // width leaves a tail no full vector covers.
  Bitmap picture(21846, 1), effect(21846, 1);
  for (std::size_t i = 0; i < picture.RowBytes(); ++i) {
    picture.Bits()[i] = std::uint8_t(i >> 8);
    effect.Bits()[i] = std::uint8_t(i);
  }
  const bool avx2 = Avx2Route();
  for (bool route : {false, true}) {
    if (route && !avx2) continue;
    Avx2Route() = route;
    for (int s = 0; s <= 100; ++s) {
      Bitmap out;
      StrengthMix(picture, effect, out, s);
      Bitmap inPlace = effect;
      StrengthMix(picture, inPlace, inPlace, s);
      int mismatches = 0;
      for (std::size_t i = 0; i < picture.RowBytes(); ++i) {
        const int expected = Formula(int(i >> 8 & 255), int(i & 255), s);
        mismatches += out.Bits()[i] != expected || inPlace.Bits()[i] != expected;
      }
      EXPECT_EQ(mismatches, 0) << "strength " << s << (route ? ", AVX2" : ", baseline");
    }
  }
  Avx2Route() = avx2;
}

TEST(StrengthMix, TheEndsAreThePictureAndTheEffect) {
  const Bitmap picture = test::Pattern(67, 41), effect = test::Uniform(67, 41, {9, 200, 77});
  Bitmap out;
  StrengthMix(picture, effect, out, 0);
  EXPECT_TRUE(out.SamePixels(picture));
  StrengthMix(picture, effect, out, 100);
  EXPECT_TRUE(out.SamePixels(effect));
  // Halves round up: 0 and 255 at 50 give 128.
  const Bitmap black(1, 1), white = test::Uniform(1, 1, {255, 255, 255});
  StrengthMix(black, white, out, 50);
  EXPECT_EQ(test::At(out, 0, 0), (test::Px{128, 128, 128}));
}

TEST(StrengthMix, RefusesWhatItCannotMix) {
  const Bitmap picture = test::Pattern(8, 8);
  Bitmap out = test::Pattern(3, 3);
  test::ExpectFailsUntouched("The strength must be 0 to 100, not 101", out,
                             [&] { StrengthMix(picture, picture, out, 101); });
  test::ExpectFailsUntouched("The strength must be 0 to 100, not -1", out,
                             [&] { StrengthMix(picture, picture, out, -1); });
  test::ExpectFailsUntouched("The effect and the picture differ in size", out,
                             [&] { StrengthMix(picture, test::Pattern(8, 9), out, 50); });
}

}  // namespace
}  // namespace qv
