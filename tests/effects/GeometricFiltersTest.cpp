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

TEST(SineLift, CurveValues) {
  EXPECT_EQ(SineLift(0), 0);
  EXPECT_EQ(SineLift(1), 2);
  EXPECT_EQ(SineLift(64), 98);
  EXPECT_EQ(SineLift(128), 181);
  EXPECT_EQ(SineLift(192), 236);
  EXPECT_EQ(SineLift(254), 255);
  EXPECT_EQ(SineLift(255), 255);
  for (int v = 1; v < 255; ++v) EXPECT_GT(SineLift(v), v) << v;
}

TEST(Splitlight, PassesCompose) {
  const Bitmap original = Grey({{0, 64, 128, 255}});
  Bitmap one = original, two = original, none = original, back = original;
  ApplySplitlight(one, 1);
  ApplySplitlight(two, 2);
  ApplySplitlight(none, 0);
  ApplySplitlight(back, -3);
  EXPECT_EQ(GreyAt(one, 1, 0), 98);
  EXPECT_EQ(GreyAt(one, 2, 0), 181);
  EXPECT_EQ(GreyAt(two, 1, 0), 145);
  EXPECT_EQ(GreyAt(two, 2, 0), 229);
  for (const Bitmap *b : {&one, &two}) {
    EXPECT_EQ(GreyAt(*b, 0, 0), 0);
    EXPECT_EQ(GreyAt(*b, 3, 0), 255);
  }
  EXPECT_TRUE(none.SamePixels(original));
  EXPECT_TRUE(back.SamePixels(original));
}

TEST(ShrinkBilinear, StepFallsShortOfTheLastSourcePixel) {
  const Bitmap row = Grey({{0, 100, 200}});
  Bitmap t(4, 1);
  ShrinkBilinear(row, t);
  EXPECT_EQ(GreyAt(t, 0, 0), 0);
  EXPECT_EQ(GreyAt(t, 1, 0), 50);
  EXPECT_EQ(GreyAt(t, 2, 0), 100);
  EXPECT_EQ(GreyAt(t, 3, 0), 150);
  // Half-way between rows and columns: the mean of four.
  const Bitmap square = Grey({{0, 40}, {80, 120}});
  Bitmap two(2, 2);
  ShrinkBilinear(square, two);
  EXPECT_EQ(GreyAt(two, 1, 1), 60);
  // One pixel wide: no right neighbour is read.
  const Bitmap column = Grey({{10}, {30}});
  Bitmap wide(3, 2);
  ShrinkBilinear(column, wide);
  EXPECT_EQ(GreyAt(wide, 2, 1), 20);
}

TEST(Tile, RepeatsTheShrunkenPicture) {
  const Bitmap ten = Pattern(10, 10);
  Bitmap tiled;
  ApplyTile(ten, tiled, 2);
  Bitmap tile(5, 5);
  ShrinkBilinear(ten, tile);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(At(tiled, x, y), At(tile, x % 5, y % 5));

  for (int count : {3, 0, -2}) {
    Bitmap same;
    ApplyTile(ten, same, count);
    EXPECT_TRUE(same.SamePixels(ten)) << count;
  }

  const Bitmap hundred = Pattern(100, 100);
  Bitmap nine;
  ApplyTile(hundred, nine, 3);
  Bitmap small(33, 33);
  ShrinkBilinear(hundred, small);
  for (int i = 0; i < 100; ++i) {
    EXPECT_EQ(At(nine, 99, i), At(hundred, 99, i));
    EXPECT_EQ(At(nine, i, 99), At(hundred, i, 99));
  }
  EXPECT_EQ(At(nine, 98, 98), At(small, 98 - 66, 98 - 66));

  Bitmap resampled;
  ApplyTile(ten, resampled, 1);
  EXPECT_FALSE(resampled.SamePixels(ten));
}

TEST(SpotLight, LightsTheInsideOfTheEllipse) {
  const Bitmap flat = test::Uniform(21, 15, {200, 100, 50});
  Bitmap lit = flat;
  ApplySpotLight(lit, 0, {0, 0, 21, 15});
  EXPECT_EQ(At(lit, 10, 7), At(flat, 10, 7));
  EXPECT_EQ(At(lit, 3, 7), At(flat, 3, 7));
  for (auto [x, y] : {std::pair{0, 0}, {20, 0}, {0, 14}, {20, 14}, {10, 0}, {0, 7}})
    EXPECT_EQ(At(lit, x, y), (Px{0, 0, 0})) << x << "," << y;

  Bitmap dimmed = flat;
  ApplySpotLight(dimmed, 128, {0, 0, 21, 15});
  Bitmap dark = flat;
  ApplyDarkness(dark, 128);
  EXPECT_EQ(At(dimmed, 10, 7), At(dark, 10, 7));

  Bitmap outside = flat;
  ApplySpotLight(outside, 0, {100, 100, 140, 130});
  EXPECT_TRUE(outside.SamePixels(test::Uniform(21, 15, {0, 0, 0})));
}

TEST(PolarAngle, Quadrants) {
  const float halfPi = static_cast<float>(M_PI / 2);
  EXPECT_EQ(PolarAngle(0, 0), -halfPi);
  EXPECT_EQ(PolarAngle(0, 1), halfPi);
  EXPECT_EQ(PolarAngle(0, -1), -halfPi);
  EXPECT_EQ(PolarAngle(-1, 0), static_cast<float>(M_PI));
  EXPECT_FLOAT_EQ(PolarAngle(1, 1), static_cast<float>(M_PI / 4));
  EXPECT_FLOAT_EQ(PolarAngle(-1, -1), static_cast<float>(5 * M_PI / 4));
}

TEST(SampleWrapped, WeightsWrapAndRounding) {
  const Bitmap row = Grey({{10, 13, 11, 200}});
  std::uint8_t out[3];
  SampleWrapped(row, 2, 0, out);
  EXPECT_EQ(out[0], 11);
  SampleWrapped(row, 0.5f, 0, out);  // 11.5 rounds to even
  EXPECT_EQ(out[0], 12);
  SampleWrapped(row, 1.5f, 0, out);  // 12 exactly
  EXPECT_EQ(out[0], 12);
  SampleWrapped(row, 6, 0, out);  // beyond the right edge: 6 mod 4
  EXPECT_EQ(out[0], 11);
  SampleWrapped(row, -1, 0, out);  // left of column 0: the last column
  EXPECT_EQ(out[0], 200);
  SampleWrapped(row, 3.5f, 0, out);  // the right neighbour of the last column is column 0
  EXPECT_EQ(out[0], 105);
  SampleWrapped(row, 3e9f, -7e12f, out);  // far beyond any int still wraps
  EXPECT_EQ(out[0], GreyAt(row, int(std::fmod(3e9, 4)), 0));
}

TEST(FishEye, CentreStaysAndZeroFailsUntouched) {
  const Bitmap original = Pattern(16, 12);
  Bitmap d;
  ApplyFishEye(original, d, 1);
  EXPECT_EQ(At(d, 8, 6), At(original, 8, 6));
  EXPECT_FALSE(d.SamePixels(original));
  // Half the lens radius maps onto itself: 8 to the left of the centre of a
  // picture 16 wide is column 0, with Amount 1.
  EXPECT_EQ(At(d, 0, 6), At(original, 0, 6));

  Bitmap kept = Pattern(16, 12);
  const Bitmap before = kept;
  try {
    ApplyFishEye(original, kept, 0);
    ADD_FAILURE() << "amount 0 must fail";
  } catch (const Error &e) {
    EXPECT_STREQ(e.what(), kFloatDivisionByZero);
  }
  EXPECT_TRUE(kept.SamePixels(before));
}

TEST(FishEye, APixelOnTheLensRadiusFails) {
  // Width 26, Amount 1: the radius is 26 and (10, 24) from the centre lies on
  // it once the picture is 50 high; at 46 no pixel does.
  Bitmap d;
  EXPECT_THROW(ApplyFishEye(Pattern(26, 50), d, 1), Error);
  EXPECT_NO_THROW(ApplyFishEye(Pattern(26, 46), d, 1));
  EXPECT_THROW(ApplyFishEye(Pattern(6, 12), d, 1), Error);
  EXPECT_NO_THROW(ApplyFishEye(Pattern(6, 10), d, 1));
  EXPECT_NO_THROW(ApplyFishEye(Pattern(6, 10), d, -1));
}

TEST(Twist, QuarterTurnWithAVeryLargeAmount) {
  const Bitmap s = Pattern(21, 21);
  Bitmap d;
  ApplyTwist(s, d, 1000000);
  const int c = 10;
  for (int r = 1; r <= 10; ++r) {
    EXPECT_EQ(At(d, c + r, c), At(s, c, c + r)) << r;
    EXPECT_EQ(At(d, c, c + r), At(s, c - r, c)) << r;
  }
  EXPECT_EQ(At(d, c, c), At(s, c, c));
}

TEST(Twist, ZeroFailsExceptOnASinglePixel) {
  Bitmap d = Pattern(3, 3);
  const Bitmap before = d;
  EXPECT_THROW(ApplyTwist(Pattern(3, 3), d, 0), Error);
  EXPECT_TRUE(d.SamePixels(before));
  Bitmap single;
  EXPECT_NO_THROW(ApplyTwist(Pattern(1, 1), single, 0));
  EXPECT_TRUE(single.SamePixels(Pattern(1, 1)));
  // Opposite amounts twist opposite ways, and both move pixels.
  Bitmap left, right;
  ApplyTwist(Pattern(15, 15), left, 5);
  ApplyTwist(Pattern(15, 15), right, -5);
  EXPECT_FALSE(left.SamePixels(right));
}

}  // namespace
}  // namespace qv
