#include <gtest/gtest.h>

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

const Bitmap kThree = Grey({{0, 40, 80}, {120, 160, 200}, {240, 20, 60}});

TEST(AreaFilters, UniformPicturesStayUniformButEmbossGoesGrey) {
  const Bitmap flat = test::Uniform(19, 14, {30, 140, 220});
  Bitmap bmp = flat;
  ApplySplitBlur(bmp, 5);
  ApplyGaussianBlur(bmp, 2);
  ApplyMosaic(bmp, 4);
  ApplyAntiAlias(bmp);
  ApplyTrace(bmp, 2);
  EXPECT_TRUE(bmp.SamePixels(flat));
  ApplyEmboss(bmp);
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 19; ++x)
      EXPECT_EQ(At(bmp, x, y), y == 13 || x >= 16 ? At(flat, x, y) : (Px{127, 127, 127}));
}

TEST(SplitBlur, ReadsWhatItHasAlreadyWritten) {
  Bitmap bmp = kThree;
  ApplySplitBlur(bmp, 1);
  // Row 0 first: (0+120+40+160)/4, then (80+120+80+200)/4, then the last
  // pixel takes column W - x = 1 twice.
  EXPECT_EQ(GreyAt(bmp, 0, 0), 80);
  EXPECT_EQ(GreyAt(bmp, 1, 0), 120);
  EXPECT_EQ(GreyAt(bmp, 2, 0), 140);
  // The centre: the four corners, the top two as just written.
  EXPECT_EQ(GreyAt(bmp, 1, 1), (80 + 240 + 140 + 60) / 4);

  // Near the bottom the lower sample is row H - y, already done.
  Bitmap column = Grey({{0}, {100}, {200}, {40}});
  ApplySplitBlur(column, 1);
  EXPECT_EQ(GreyAt(column, 0, 2), (125 + 40) / 2);
  EXPECT_EQ(GreyAt(column, 0, 3), (82 + 125) / 2);
}

TEST(GaussianBlur, PassesOfTheSplitBlurAndTheHeightItNeeds) {
  const Bitmap original = Pattern(12, 9);
  Bitmap once = original, twice = original, none = original, split = original;
  ApplyGaussianBlur(once, 0);
  ApplyGaussianBlur(twice, 1);
  ApplyGaussianBlur(none, -1);
  ApplySplitBlur(split, 3);
  EXPECT_TRUE(once.SamePixels(split));
  ApplySplitBlur(split, 3);
  EXPECT_TRUE(twice.SamePixels(split));
  EXPECT_TRUE(none.SamePixels(original));

  for (int h : {1, 3}) {
    Bitmap low = Pattern(10, h);
    test::ExpectFailsUntouched(kScanLineOutOfRange, low, [&] { ApplyGaussianBlur(low, 0); });
  }
}

TEST(Mosaic, BlocksTakeTheirTopLeftPixel) {
  const Bitmap original = Pattern(25, 25);
  Bitmap bmp = original;
  ApplyMosaic(bmp, 10);
  for (int y = 0; y < 25; ++y)
    for (int x = 0; x < 25; ++x) ASSERT_EQ(At(bmp, x, y), At(original, x / 10 * 10, y / 10 * 10));
  for (int size : {1, 0}) {
    Bitmap same = original;
    ApplyMosaic(same, size);
    EXPECT_TRUE(same.SamePixels(original));
  }
  Bitmap empty;
  test::ExpectFailsUntouched(kScanLineOutOfRange, empty, [&] { ApplyMosaic(empty, 10); });
}

TEST(AntiAlias, SmoothsInsideTheBorderInPlace) {
  Bitmap bmp = kThree;
  ApplyAntiAlias(bmp);
  Bitmap expected = kThree;
  test::Put(expected, 1, 1, {95, 95, 95});  // (40 + 20 + 120 + 200) / 4
  EXPECT_TRUE(bmp.SamePixels(expected));
  // The second pixel reads the first one's new value (60, not 64).
  Bitmap wide = Grey({{10, 20, 30, 40}, {50, 64, 70, 80}, {90, 100, 110, 120}});
  ApplyAntiAlias(wide);
  EXPECT_EQ(GreyAt(wide, 2, 1), (30 + 110 + 60 + 80) / 4);
  const Bitmap thin = Pattern(2, 9);
  Bitmap same = thin;
  ApplyAntiAlias(same);
  SmoothArea(same, 2147483647, 0, 2147483647, 8);  // a rectangle right of the picture
  EXPECT_TRUE(same.SamePixels(thin));
}

TEST(Trace, BlackensTheNearSideOfEveryEdge) {
  const Px red{0, 0, 255}, blue{255, 0, 0}, black{0, 0, 0};
  for (auto [left, right] : {std::pair{red, blue}, std::pair{blue, red}}) {
    Bitmap original(8, 5);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 8; ++x) test::Put(original, x, y, x < 4 ? left : right);
    Bitmap one = original, two = original, five = original, none = original;
    ApplyTrace(one, 1);
    ApplyTrace(two, 2);
    ApplyTrace(five, 5);
    ApplyTrace(none, 0);
    // Column 3, left of the edge, turns black; the forward sweep alone
    // never makes the last row the current one.
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(At(two, x, y), x == 3 ? black : At(original, x, y));
        EXPECT_EQ(At(one, x, y), x == 3 && y < 4 ? black : At(original, x, y));
      }
    EXPECT_TRUE(five.SamePixels(two));
    EXPECT_TRUE(none.SamePixels(original));
  }
  // An edge across the rows blackens the upper side.
  Bitmap rows =
      Grey({{200, 200, 200, 200}, {200, 200, 200, 200}, {40, 40, 40, 40}, {40, 40, 40, 40}});
  ApplyTrace(rows, 2);
  for (int x = 0; x < 4; ++x)
    EXPECT_TRUE(GreyAt(rows, x, 0) == 200 && GreyAt(rows, x, 1) == 0 && GreyAt(rows, x, 2) == 40);
  // Differences within one palette colour are no edges.
  Bitmap faint = Grey({{0, 3, 1, 4}, {2, 0, 4, 1}, {1, 1, 0, 3}});
  const Bitmap before = faint;
  ApplyTrace(faint, 3);
  EXPECT_TRUE(faint.SamePixels(before));
}

}  // namespace
}  // namespace qv
