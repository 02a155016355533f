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
using test::Pattern;
using test::Px;

// One grey pixel per value 0..255; Mapped reads what value v became.
Bitmap AllValues() {
  Bitmap bmp(256, 1);
  for (int v = 0; v < 256; ++v)
    test::Put(bmp, v, 0, {std::uint8_t(v), std::uint8_t(v), std::uint8_t(v)});
  return bmp;
}
int Mapped(const Bitmap &bmp, int v) {
  return bmp.ScanLine(0)[3 * v];
}

TEST(PointFilters, IdentityAndFullStrength) {
  const Bitmap original = Pattern(23, 17);
  Bitmap bmp = original;
  ApplyLightness(bmp, 0);
  ApplyDarkness(bmp, 0);
  ApplyContrast(bmp, 0);
  ApplySaturation(bmp, 255);
  ApplyInvert(bmp);
  ApplyInvert(bmp);
  EXPECT_TRUE(bmp.SamePixels(original));

  Bitmap light = original, dark = original, grey(1, 1);
  ApplyLightness(light, 255);
  ApplyDarkness(dark, 255);
  EXPECT_TRUE(light.SamePixels(test::Uniform(23, 17, {255, 255, 255})));
  EXPECT_TRUE(dark.SamePixels(test::Uniform(23, 17, {0, 0, 0})));
  // Saturation 0 gives the truncated mean, taken before any channel moves.
  test::Put(grey, 0, 0, {10, 20, 201});
  Bitmap strong = grey;
  ApplySaturation(grey, 0);
  ApplySaturation(strong, 510);
  EXPECT_EQ(At(grey, 0, 0), (Px{77, 77, 77}));
  EXPECT_EQ(At(strong, 0, 0), (Px{0, 0, 255}));
}

TEST(PointFilters, ContrastPivotsOn127) {
  Bitmap up = AllValues(), flat = AllValues(), small = AllValues();
  ApplyContrast(up, 255);
  ApplyContrast(flat, -255);
  ApplyContrast(small, 255 * 3);
  for (int v = 0; v < 256; ++v) {
    EXPECT_EQ(Mapped(up, v), std::clamp(2 * v - 127, 0, 255)) << v;
    EXPECT_EQ(Mapped(flat, v), 127) << v;
  }
  EXPECT_EQ(Mapped(small, 127), 127);
  EXPECT_EQ(Mapped(small, 128), 131);  // moves up by Amount div 255
}

TEST(PointFilters, GrayScaleAndSolorize) {
  Bitmap greys = AllValues(), bmp(3, 1), solorized;
  ApplyGrayScale(greys);
  EXPECT_TRUE(greys.SamePixels(AllValues()));
  test::Put(bmp, 0, 0, {0, 255, 0});   // 150.45
  test::Put(bmp, 1, 0, {255, 0, 0});   // 28.05
  test::Put(bmp, 2, 0, {10, 20, 30});  // 9 + 11.8 + 1.1
  ApplyGrayScale(bmp);
  EXPECT_TRUE(bmp.SamePixels(Grey({{150, 28, 22}})));
  // The mean (B + G + R) div 3 must be strictly above the threshold.
  test::Put(bmp, 0, 0, {100, 100, 102});
  test::Put(bmp, 1, 0, {100, 100, 103});
  ApplySolorize(bmp, solorized, 100);
  EXPECT_EQ(At(solorized, 0, 0), (Px{100, 100, 102}));
  EXPECT_EQ(At(solorized, 1, 0), (Px{155, 155, 152}));
  ApplySolorize(bmp, solorized, -1);
  ApplyInvert(bmp);
  EXPECT_TRUE(solorized.SamePixels(bmp));
}

TEST(PointFilters, PosterizeRoundsHalvesToEven) {
  const Bitmap values = AllValues();
  Bitmap out, negative, one;
  ApplyPosterize(values, out, 64);
  const int from[] = {31, 32, 33, 96, 160, 223, 224, 255},
            to[] = {0, 0, 64, 128, 128, 192, 255, 255};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(Mapped(out, from[i]), to[i]) << from[i];
  ApplyPosterize(values, negative, -64);
  EXPECT_TRUE(negative.SamePixels(out));
  ApplyPosterize(values, one, 1);
  EXPECT_TRUE(one.SamePixels(values));

  Bitmap d = Pattern(4, 4);
  test::ExpectFailsUntouched(kFloatDivisionByZero, d, [&] { ApplyPosterize(values, d, 0); });
}

TEST(NoiseFilters, SmallAmountsStillAdvanceTheGenerator) {
  const Bitmap original = Pattern(7, 3);  // 21 pixels
  for (int amount : {0, 1}) {
    for (bool colour : {true, false}) {
      RandomGenerator random(99), same(99);
      Bitmap bmp = original;
      colour ? ApplyColorNoise(bmp, amount, random) : ApplyMonoNoise(bmp, amount, random);
      EXPECT_TRUE(bmp.SamePixels(original));
      for (int i = 0; i < (colour ? 3 : 1) * 21; ++i) same.Draw(5);
      EXPECT_EQ(random.Draw(1 << 30), same.Draw(1 << 30)) << amount << colour;
    }
  }
}

TEST(NoiseFilters, OffsetsAroundZero) {
  const Bitmap mid = test::Uniform(64, 64, {128, 128, 128});
  for (int amount : {2, 3}) {
    Bitmap bmp = mid;
    RandomGenerator random;
    ApplyColorNoise(bmp, amount, random);
    std::set<int> seen;
    for (int i = 0; i < 3 * 64; ++i) seen.insert(bmp.ScanLine(5)[i] - 128);
    const std::set<int> expected = amount == 2 ? std::set<int>{-1, 0} : std::set<int>{-1, 0, 1};
    EXPECT_EQ(seen, expected);
  }
  // Mono noise moves a pixel's channels together; a seed repeats the picture.
  Bitmap a = mid, b = mid;
  RandomGenerator first(5), second(5);
  ApplyMonoNoise(a, 40, first);
  ApplyMonoNoise(b, 40, second);
  EXPECT_TRUE(a.SamePixels(b));
  EXPECT_FALSE(a.SamePixels(mid));
  for (int x = 0; x < 64; ++x) {
    const Px p = At(a, x, 10);
    EXPECT_TRUE(p[0] == p[1] && p[1] == p[2] && p[0] >= 108 && p[0] <= 147);
  }
}

}  // namespace
}  // namespace qv
