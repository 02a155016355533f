#include <gtest/gtest.h>

#include <cmath>

#include "Pictures.h"
#include "effects/FilterErrors.h"
#include "effects/Filters.h"
#include "gfx/Error.h"

namespace qv {
namespace {

using test::At;
using test::Grey;
using test::GreyAt;
using test::Pattern;
using test::Px;

TEST(Splitlight, SineCurveAndPasses) {
  const int from[] = {0, 1, 64, 128, 192, 254, 255}, to[] = {0, 2, 98, 181, 236, 255, 255};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(SineLift(from[i]), to[i]) << from[i];
  const Bitmap original = Grey({{0, 64, 128, 255}});
  Bitmap two = original, none = original;
  ApplySplitlight(two, 2);
  ApplySplitlight(none, -3);
  EXPECT_TRUE(two.SamePixels(Grey({{0, 145, 229, 255}})));
  EXPECT_TRUE(none.SamePixels(original));
}

TEST(Tile, ShrunkenCopiesFromTheTopLeft) {
  // The step is (SW - 1) / TW: the last target pixel falls short of 200.
  Bitmap t(4, 1);
  ShrinkBilinear(Grey({{0, 100, 200}}), t);
  EXPECT_TRUE(t.SamePixels(Grey({{0, 50, 100, 150}})));

  const Bitmap ten = Pattern(10, 10);
  Bitmap tiled, same, resampled, tile(5, 5);
  ApplyTile(ten, tiled, 2);
  ShrinkBilinear(ten, tile);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(At(tiled, x, y), At(tile, x % 5, y % 5));
  ApplyTile(ten, same, 3);  // tiles of 3 pixels are too small
  EXPECT_TRUE(same.SamePixels(ten));
  ApplyTile(ten, resampled, 1);
  EXPECT_FALSE(resampled.SamePixels(ten));

  const Bitmap hundred = Pattern(100, 100);
  Bitmap nine;
  ApplyTile(hundred, nine, 3);
  for (int i = 0; i < 100; ++i) {
    EXPECT_EQ(At(nine, 99, i), At(hundred, 99, i));
    EXPECT_EQ(At(nine, i, 99), At(hundred, i, 99));
  }
}

TEST(SpotLight, LightsOnlyTheInsideOfTheEllipse) {
  const Bitmap flat = test::Uniform(21, 15, {200, 100, 50});
  Bitmap lit = flat, dimmed = flat, dark = flat, outside = flat;
  ApplySpotLight(lit, 0, {0, 0, 21, 15});
  EXPECT_EQ(At(lit, 10, 7), At(flat, 10, 7));
  EXPECT_EQ(At(lit, 3, 7), At(flat, 3, 7));
  for (auto [x, y] : {std::pair{0, 0}, {20, 0}, {0, 14}, {20, 14}, {10, 0}, {0, 7}})
    EXPECT_EQ(At(lit, x, y), (Px{0, 0, 0})) << x << "," << y;
  ApplySpotLight(dimmed, 128, {0, 0, 21, 15});
  ApplyDarkness(dark, 128);
  EXPECT_EQ(At(dimmed, 10, 7), At(dark, 10, 7));
  ApplySpotLight(outside, 0, {100, 100, 140, 130});
  EXPECT_TRUE(outside.SamePixels(test::Uniform(21, 15, {0, 0, 0})));
}

TEST(PolarSampling, AngleAndWrappedSample) {
  const float halfPi = static_cast<float>(M_PI / 2);
  EXPECT_EQ(PolarAngle(0, 0), -halfPi);
  EXPECT_EQ(PolarAngle(0, 1), halfPi);
  EXPECT_EQ(PolarAngle(-1, 0), static_cast<float>(M_PI));
  EXPECT_FLOAT_EQ(PolarAngle(-1, -1), static_cast<float>(5 * M_PI / 4));

  const Bitmap row = Grey({{10, 13, 11, 200}});
  const float at[] = {0.5f, 1.5f, 6, -1, 3.5f, 3e9f};
  const int expected[] = {12, 12, 11, 200, 105, 10};  // 11.5 rounds to even
  for (int i = 0; i < 6; ++i) {
    std::uint8_t out[3];
    SampleWrapped(row, at[i], -7e12f, out);
    EXPECT_EQ(out[0], expected[i]) << at[i];
  }
}

TEST(FishEye, CentreAndHalfRadiusStay) {
  const Bitmap original = Pattern(16, 12);
  Bitmap d;
  ApplyFishEye(original, d, 1);
  EXPECT_FALSE(d.SamePixels(original));
  EXPECT_EQ(At(d, 8, 6), At(original, 8, 6));
  EXPECT_EQ(At(d, 0, 6), At(original, 0, 6));  // 8 = Rad / 2 from the centre
}

TEST(FishEye, ZeroOrAPixelOnTheRadiusFailsUntouched) {
  Bitmap kept = Pattern(16, 12);
  test::ExpectFailsUntouched(kFloatDivisionByZero, kept,
                             [&] { ApplyFishEye(Pattern(16, 12), kept, 0); });
  // Width 26: (10, 24) from the centre lies on the radius 26 once the
  // picture is 50 high; at 46 no pixel does.
  Bitmap d;
  EXPECT_THROW(ApplyFishEye(Pattern(26, 50), d, 1), Error);
  EXPECT_NO_THROW(ApplyFishEye(Pattern(26, 46), d, 1));
  EXPECT_THROW(ApplyFishEye(Pattern(6, 12), d, 1), Error);
  EXPECT_NO_THROW(ApplyFishEye(Pattern(6, 12), d, -1));
}

TEST(Twist, QuarterTurnAndZero) {
  const Bitmap s = Pattern(21, 21);
  Bitmap d;
  ApplyTwist(s, d, 1000000);
  for (int r = 0; r <= 10; ++r) {
    EXPECT_EQ(At(d, 10 + r, 10), At(s, 10, 10 + r)) << r;
    EXPECT_EQ(At(d, 10, 10 + r), At(s, 10 - r, 10)) << r;
  }
  Bitmap kept = Pattern(3, 3), single;
  test::ExpectFailsUntouched(kFloatDivisionByZero, kept,
                             [&] { ApplyTwist(Pattern(3, 3), kept, 0); });
  EXPECT_NO_THROW(ApplyTwist(Pattern(1, 1), single, 0));  // the centre alone
}

}  // namespace
}  // namespace qv
