#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "Pictures.h"
#include "effects/FilterErrors.h"
#include "effects/Filters.h"
#include "effects/Random.h"
#include "gfx/Error.h"

namespace qv {
namespace {

using test::At;
using test::Grey;
using test::GreyAt;
using test::Pattern;
using test::Px;

// One grey pixel per value 0..255, in a 16 x 16 picture.
Bitmap AllValues() {
  Bitmap bmp(16, 16);
  for (int v = 0; v < 256; ++v)
    test::Put(bmp, v % 16, v / 16, {std::uint8_t(v), std::uint8_t(v), std::uint8_t(v)});
  return bmp;
}

int Mapped(const Bitmap &bmp, int v) {
  return GreyAt(bmp, v % 16, v / 16);
}

TEST(PointFilters, IdentityParametersChangeNothing) {
  const Bitmap original = Pattern(23, 17);
  Bitmap bmp = original;
  ApplyLightness(bmp, 0);
  ApplyDarkness(bmp, 0);
  ApplyContrast(bmp, 0);
  ApplySaturation(bmp, 255);
  ApplySplitlight(bmp, 0);
  EXPECT_TRUE(bmp.SamePixels(original));
  ApplyInvert(bmp);
  EXPECT_FALSE(bmp.SamePixels(original));
  ApplyInvert(bmp);
  EXPECT_TRUE(bmp.SamePixels(original));
}

TEST(PointFilters, FullStrengthLightnessAndDarkness) {
  Bitmap light = Pattern(9, 7), dark = light;
  ApplyLightness(light, 255);
  ApplyDarkness(dark, 255);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 9; ++x) {
      EXPECT_EQ(At(light, x, y), (Px{255, 255, 255}));
      EXPECT_EQ(At(dark, x, y), (Px{0, 0, 0}));
    }
  // Half way, the product comes before the division: 100 + 155 * 128 / 255.
  Bitmap half = Grey({{100}});
  ApplyLightness(half, 128);
  EXPECT_EQ(GreyAt(half, 0, 0), 100 + 155 * 128 / 255);
}

TEST(PointFilters, ContrastPivotsOn127) {
  Bitmap up = AllValues(), flat = AllValues();
  ApplyContrast(up, 255);
  ApplyContrast(flat, -255);
  for (int v = 0; v < 256; ++v) {
    EXPECT_EQ(Mapped(up, v), std::clamp(2 * v - 127, 0, 255)) << v;
    EXPECT_EQ(Mapped(flat, v), 127) << v;
  }
  EXPECT_EQ(Mapped(up, 63), 0);
  EXPECT_EQ(Mapped(up, 191), 255);
  Bitmap one = AllValues();
  ApplyContrast(one, 255 * 3);  // 128 moves up by Amount div 255
  EXPECT_EQ(Mapped(one, 127), 127);
  EXPECT_EQ(Mapped(one, 128), 131);
}

TEST(PointFilters, SaturationZeroGivesTheTruncatedMean) {
  Bitmap bmp(1, 1);
  test::Put(bmp, 0, 0, {10, 20, 201});  // mean 77
  Bitmap grey = bmp, strong = bmp;
  ApplySaturation(grey, 0);
  EXPECT_EQ(At(grey, 0, 0), (Px{77, 77, 77}));
  // The mean is taken before any channel changes.
  ApplySaturation(strong, 510);
  EXPECT_EQ(At(strong, 0, 0), (Px{0, 0, 255}));
}

TEST(PointFilters, GrayScaleWeightsAndGreys) {
  Bitmap greys = AllValues();
  ApplyGrayScale(greys);
  EXPECT_TRUE(greys.SamePixels(AllValues()));
  Bitmap bmp(3, 1);
  test::Put(bmp, 0, 0, {0, 255, 0});   // 150.45
  test::Put(bmp, 1, 0, {255, 0, 0});   // 28.05
  test::Put(bmp, 2, 0, {10, 20, 30});  // 9 + 11.8 + 1.1
  ApplyGrayScale(bmp);
  EXPECT_EQ(At(bmp, 0, 0), (Px{150, 150, 150}));
  EXPECT_EQ(At(bmp, 1, 0), (Px{28, 28, 28}));
  EXPECT_EQ(GreyAt(bmp, 2, 0), 22);
}

TEST(PointFilters, SolorizeThresholds) {
  const Bitmap original = Pattern(11, 5);
  Bitmap none, all, some;
  ApplySolorize(original, none, 255);
  EXPECT_TRUE(none.SamePixels(original));
  ApplySolorize(original, all, -1);
  Bitmap inverted = original;
  ApplyInvert(inverted);
  EXPECT_TRUE(all.SamePixels(inverted));
  // The mean (B + G + R) div 3 is compared, strictly above the threshold.
  Bitmap pair(2, 1);
  test::Put(pair, 0, 0, {100, 100, 102});  // mean 100
  test::Put(pair, 1, 0, {100, 100, 103});  // mean 101
  ApplySolorize(pair, some, 100);
  EXPECT_EQ(At(some, 0, 0), (Px{100, 100, 102}));
  EXPECT_EQ(At(some, 1, 0), (Px{155, 155, 152}));
}

TEST(PointFilters, PosterizeRoundsHalvesToEven) {
  const Bitmap values = AllValues();
  Bitmap out;
  ApplyPosterize(values, out, 64);
  EXPECT_EQ(Mapped(out, 31), 0);
  EXPECT_EQ(Mapped(out, 32), 0);
  EXPECT_EQ(Mapped(out, 33), 64);
  EXPECT_EQ(Mapped(out, 96), 128);
  EXPECT_EQ(Mapped(out, 160), 128);
  EXPECT_EQ(Mapped(out, 223), 192);
  for (int v = 224; v < 256; ++v) EXPECT_EQ(Mapped(out, v), 255) << v;

  Bitmap negative, one;
  ApplyPosterize(values, negative, -64);
  EXPECT_TRUE(negative.SamePixels(out));
  ApplyPosterize(values, one, 1);
  EXPECT_TRUE(one.SamePixels(values));

  Bitmap d = Pattern(4, 4);
  const Bitmap before = d;
  try {
    ApplyPosterize(values, d, 0);
    ADD_FAILURE() << "level 0 must fail";
  } catch (const Error &e) {
    EXPECT_STREQ(e.what(), kFloatDivisionByZero);
  }
  EXPECT_TRUE(d.SamePixels(before));
}

TEST(NoiseFilters, SmallAmountsChangeNothingButAdvanceTheGenerator) {
  const Bitmap original = Pattern(7, 3);  // 21 pixels
  for (int amount : {0, 1}) {
    RandomSeed(99);
    Bitmap colour = original;
    ApplyColorNoise(colour, amount);
    EXPECT_TRUE(colour.SamePixels(original));
    const int afterColour = Random(1 << 30);
    RandomSeed(99);
    for (int i = 0; i < 3 * 21; ++i) Random(5);
    EXPECT_EQ(Random(1 << 30), afterColour);

    RandomSeed(99);
    Bitmap mono = original;
    ApplyMonoNoise(mono, amount);
    EXPECT_TRUE(mono.SamePixels(original));
    const int afterMono = Random(1 << 30);
    RandomSeed(99);
    for (int i = 0; i < 21; ++i) Random(5);
    EXPECT_EQ(Random(1 << 30), afterMono);
  }
}

TEST(NoiseFilters, OffsetsSpanTheRangeAroundZero) {
  const Bitmap mid = test::Uniform(64, 64, {128, 128, 128});
  for (int amount : {2, 3}) {
    RandomSeed(7);
    Bitmap colour = mid;
    ApplyColorNoise(colour, amount);
    std::set<int> seen;
    for (int y = 0; y < 64; ++y)
      for (int i = 0; i < 3 * 64; ++i) seen.insert(colour.ScanLine(y)[i] - 128);
    const std::set<int> expected = amount == 2 ? std::set<int>{-1, 0} : std::set<int>{-1, 0, 1};
    EXPECT_EQ(seen, expected);
  }
  // Mono noise moves the three channels of a pixel together; the same seed
  // gives the same picture.
  RandomSeed(5);
  Bitmap a = mid;
  ApplyMonoNoise(a, 40);
  RandomSeed(5);
  Bitmap b = mid;
  ApplyMonoNoise(b, 40);
  EXPECT_TRUE(a.SamePixels(b));
  EXPECT_FALSE(a.SamePixels(mid));
  for (int x = 0; x < 64; ++x) {
    const Px p = At(a, x, 10);
    EXPECT_EQ(p[0], p[1]);
    EXPECT_EQ(p[1], p[2]);
    EXPECT_GE(p[0], 128 - 20);
    EXPECT_LE(p[0], 128 + 19);
  }
}

}  // namespace
}  // namespace qv
