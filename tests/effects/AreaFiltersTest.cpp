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

TEST(AreaFilters, UniformPicturesStayUniform) {
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
      EXPECT_EQ(At(bmp, x, y), y == 13 || x >= 16 ? At(flat, x, y) : (Px{127, 127, 127}))
          << x << "," << y;
}

TEST(SplitBlur, ReadsWhatItHasAlreadyWritten) {
  Bitmap bmp = kThree;
  ApplySplitBlur(bmp, 1);
  // Row 0 first: (0+120+40+160)/4 = 80, then (80+120+80+200)/4 = 120, then
  // the last pixel takes column W - x = 1 twice: (120+160+120+160)/4 = 140.
  EXPECT_EQ(GreyAt(bmp, 0, 0), 80);
  EXPECT_EQ(GreyAt(bmp, 1, 0), 120);
  EXPECT_EQ(GreyAt(bmp, 2, 0), 140);
  // The centre: the four corners, the top two as just written.
  EXPECT_EQ(GreyAt(bmp, 1, 1), (80 + 240 + 140 + 60) / 4);

  Bitmap same = kThree;
  ApplySplitBlur(same, 0);
  EXPECT_TRUE(same.SamePixels(kThree));
}

TEST(SplitBlur, LowerRowsNearTheBottomComeFromAbove) {
  // One column, distance 1: the last row's lower sample is row H - y = 1.
  Bitmap bmp = Grey({{0}, {100}, {200}, {40}});
  ApplySplitBlur(bmp, 1);
  EXPECT_EQ(GreyAt(bmp, 0, 0), 50);              // rows 0 and 1
  EXPECT_EQ(GreyAt(bmp, 0, 1), (50 + 200) / 2);  // rows 0 (new) and 2
  EXPECT_EQ(GreyAt(bmp, 0, 2), (125 + 40) / 2);  // rows 1 (new) and 3
  EXPECT_EQ(GreyAt(bmp, 0, 3), (82 + 125) / 2);  // rows 2 and H - 3 = 1
}

TEST(GaussianBlur, CountsPassesOfTheSplitBlurAtDistanceThree) {
  const Bitmap original = Pattern(12, 9);
  Bitmap once = original, twice = original, none = original;
  Bitmap split = original;
  ApplyGaussianBlur(once, 0);
  ApplySplitBlur(split, 3);
  EXPECT_TRUE(once.SamePixels(split));
  ApplyGaussianBlur(twice, 1);
  ApplySplitBlur(split, 3);
  EXPECT_TRUE(twice.SamePixels(split));
  ApplyGaussianBlur(none, -1);
  EXPECT_TRUE(none.SamePixels(original));
}

TEST(GaussianBlur, FailsUntouchedOnPicturesUnderFourHigh) {
  for (int h : {1, 2, 3}) {
    const Bitmap original = Pattern(10, h);
    Bitmap bmp = original;
    try {
      ApplyGaussianBlur(bmp, 0);
      ADD_FAILURE() << "height " << h;
    } catch (const Error &e) {
      EXPECT_STREQ(e.what(), kScanLineOutOfRange);
    }
    EXPECT_TRUE(bmp.SamePixels(original));
  }
  Bitmap empty;
  EXPECT_NO_THROW(ApplyGaussianBlur(empty, 2));
  // Narrower than the distance but high enough: column 0 takes the last
  // column instead of reading past the row.
  Bitmap narrow = Pattern(2, 6);
  EXPECT_NO_THROW(ApplyGaussianBlur(narrow, 1));
}

TEST(Mosaic, BlocksTakeTheirTopLeftPixel) {
  const Bitmap original = Pattern(25, 25);
  Bitmap bmp = original;
  ApplyMosaic(bmp, 10);
  for (int y = 0; y < 25; ++y)
    for (int x = 0; x < 25; ++x)
      ASSERT_EQ(At(bmp, x, y), At(original, x / 10 * 10, y / 10 * 10)) << x << "," << y;

  for (int size : {1, 0, -4}) {
    Bitmap same = original;
    ApplyMosaic(same, size);
    EXPECT_TRUE(same.SamePixels(original));
  }
  Bitmap empty;
  EXPECT_THROW(ApplyMosaic(empty, 10), Error);
}

TEST(AntiAlias, SmoothsInsideTheBorderInPlace) {
  Bitmap bmp = kThree;
  ApplyAntiAlias(bmp);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x)
      if (x != 1 || y != 1) {
        EXPECT_EQ(At(bmp, x, y), At(kThree, x, y));
      }
  EXPECT_EQ(GreyAt(bmp, 1, 1), (40 + 20 + 120 + 200) / 4);

  // The second pixel reads the first one's new value (60, not 64).
  Bitmap wide = Grey({{10, 20, 30, 40}, {50, 64, 70, 80}, {90, 100, 110, 120}});
  ApplyAntiAlias(wide);
  EXPECT_EQ(GreyAt(wide, 1, 1), 60);
  EXPECT_EQ(GreyAt(wide, 2, 1), (30 + 110 + 60 + 80) / 4);

  const Bitmap thin = Pattern(2, 9);
  Bitmap same = thin;
  ApplyAntiAlias(same);
  EXPECT_TRUE(same.SamePixels(thin));
}

TEST(SmoothArea, TakesCornersInEitherOrderAndClampsToTheInside) {
  const Bitmap original = Pattern(8, 6);
  Bitmap ordered = original, swapped = original, whole = original;
  SmoothArea(ordered, 2, 1, 5, 3);
  SmoothArea(swapped, 5, 3, 2, 1);
  EXPECT_TRUE(ordered.SamePixels(swapped));
  EXPECT_EQ(At(ordered, 6, 2), At(original, 6, 2));
  EXPECT_EQ(At(ordered, 1, 2), At(original, 1, 2));
  SmoothArea(whole, -100, -100, 100, 100);
  Bitmap aa = original;
  ApplyAntiAlias(aa);
  EXPECT_TRUE(whole.SamePixels(aa));
}

// Left half red, right half blue (or the other way round).
Bitmap Halves(int w, int h, Px left, Px right) {
  Bitmap bmp(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) test::Put(bmp, x, y, x < w / 2 ? left : right);
  return bmp;
}

TEST(Trace, BlackensTheNearSideOfTheFirstEdge) {
  const Px red{0, 0, 255}, blue{255, 0, 0}, black{0, 0, 0};
  for (auto [left, right] : {std::pair{red, blue}, std::pair{blue, red}}) {
    const Bitmap original = Halves(8, 5, left, right);
    Bitmap one = original, two = original, five = original;
    ApplyTrace(one, 1);
    ApplyTrace(two, 2);
    ApplyTrace(five, 5);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 8; ++x) {
        // Only column 3, left of the edge, turns black; the forward sweep
        // never makes the last row the current one.
        const bool edge = x == 3;
        EXPECT_EQ(At(two, x, y), edge ? black : At(original, x, y)) << x << "," << y;
        EXPECT_EQ(At(one, x, y), edge && y < 4 ? black : At(original, x, y)) << x << "," << y;
      }
    EXPECT_TRUE(five.SamePixels(two));
  }
  // An edge across the rows blackens the upper side.
  Bitmap rows =
      Grey({{200, 200, 200, 200}, {200, 200, 200, 200}, {40, 40, 40, 40}, {40, 40, 40, 40}});
  ApplyTrace(rows, 2);
  for (int x = 0; x < 4; ++x) {
    EXPECT_EQ(GreyAt(rows, x, 0), 200);
    EXPECT_EQ(GreyAt(rows, x, 1), 0);
    EXPECT_EQ(GreyAt(rows, x, 2), 40);
  }
}

TEST(Trace, NothingToTrace) {
  const Bitmap original = Pattern(9, 7);
  Bitmap none = original;
  ApplyTrace(none, 0);
  EXPECT_TRUE(none.SamePixels(original));
  // Small differences that fall into one palette colour are no edges.
  Bitmap faint(9, 7);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 9; ++x)
      test::Put(faint, x, y, {std::uint8_t(x % 3), std::uint8_t(y % 4), std::uint8_t((x + y) % 5)});
  Bitmap traced = faint;
  ApplyTrace(traced, 3);
  EXPECT_TRUE(traced.SamePixels(faint));
}

}  // namespace
}  // namespace qv
