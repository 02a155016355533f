#include <gtest/gtest.h>

#include "AssetFixture.h"
#include "TestPixels.h"
#include "gfx/Error.h"
#include "kernels/LinePattern.h"
#include "kernels/ScriptedColorPrompt.h"

namespace qv {
namespace {

using test::AllPixels;

TEST(LineTileSide, ShorterSideOverTheDivisorAtLeastOnePixel) {
  EXPECT_EQ(LineTileSide(105, 105, 3), 6);
  EXPECT_EQ(LineTileSide(105, 105, 7), 6);
  EXPECT_EQ(LineTileSide(105, 105, 8), 13);
  EXPECT_EQ(LineTileSide(100, 300, 9), 12);
  EXPECT_EQ(LineTileSide(1600, 1200, 1), 75);
  EXPECT_EQ(LineTileSide(1600, 1200, 10), 150);
  EXPECT_EQ(LineTileSide(15, 400, 1), 1);
  EXPECT_EQ(LineTileSide(400, 7, 10), 1);
  EXPECT_EQ(LineTileSide(0, 0, 1), 1);
}

// big(x, y) must be tile(x mod w, y mod h) everywhere: anchored at the top
// left, clipped at the right and bottom.
::testing::AssertionResult TiledFrom(const Bitmap &big, const Bitmap &tile) {
  for (int y = 0; y < big.Height(); ++y)
    for (int x = 0; x < big.Width(); ++x)
      if (big.Pixel(x, y) != tile.Pixel(x % tile.Width(), y % tile.Height()))
        return ::testing::AssertionFailure() << "at " << x << ", " << y;
  return ::testing::AssertionSuccess();
}

TEST(TileBitmap, EqualsADirectTilingFromTheTopLeft) {
  for (auto [bigW, bigH, side] : {std::tuple{105, 105, 6},
                                  {105, 105, 13},
                                  {100, 300, 12},
                                  {7, 5, 1},
                                  {20, 9, 6},
                                  {4, 4, 6}}) {
    const Bitmap tile = test::Varied(side, side, bigW);
    Bitmap big(bigW, bigH), work = tile;
    TileBitmap(big, work);
    EXPECT_TRUE(TiledFrom(big, tile)) << bigW << " x " << bigH << " by " << side;
    EXPECT_EQ(work.Width(), bigW);  // the tile becomes the top band
  }
  Bitmap big = test::Varied(8, 8), empty;
  const Bitmap before = big;
  TileBitmap(big, empty);
  EXPECT_TRUE(big.SamePixels(before));
}

class LinePatterns : public ::testing::Test {
 protected:
  void SetUp() override {
    root.Write("line", "1", test::Uniform(16, 16, clWhite));
    root.Write("line", "2", test::Uniform(16, 16, clBlack));
    root.Write("line", "3", test::SplitBlackWhite(32, 32, 16));
    root.Write("line", "9", test::SplitBlackWhite(32, 32, 16));
  }
  test::AssetRoot root;
  const Bitmap picture = test::Varied(105, 105, 5);
};

TEST_F(LinePatterns, WhitePatternShowsThePictureBlackTheColour) {
  Bitmap dest;
  ApplyLinePattern(picture, dest, 1, root.Env());
  EXPECT_TRUE(dest.SamePixels(picture));
  ApplyLinePattern(picture, dest, 2, root.Env());
  EXPECT_TRUE(AllPixels(dest, 0, 255, 0));
  ScriptedColorPrompt red({clRed});
  ApplyLinePattern(picture, dest, 2, root.Env(&red));
  EXPECT_TRUE(AllPixels(dest, 0, 0, 255));
  // Cancelled: the colour of the last fill on dest (red now), white if none.
  ScriptedColorPrompt cancel({std::nullopt});
  ApplyLinePattern(picture, dest, 2, root.Env(&cancel));
  EXPECT_TRUE(AllPixels(dest, 0, 0, 255));
  Bitmap fresh;
  ApplyLinePattern(picture, fresh, 2, root.Env(&cancel));
  EXPECT_TRUE(AllPixels(fresh, 255, 255, 255));
}

TEST_F(LinePatterns, TilesAreAnchoredAtTheTopLeft) {
  // Pattern 3: tiles of 6 pixels, the left half of each black. 105 = 17 x 6
  // + 3, so the last tile is cut to its black half.
  Bitmap dest;
  ApplyLinePattern(picture, dest, 3, root.Env());
  for (int y = 0; y < 105; y += 7)
    for (int x = 0; x < 105; ++x)
      EXPECT_EQ(dest.Pixel(x, y), x % 6 < 3 ? clLime : picture.Pixel(x, y)) << x << ", " << y;

  // Pattern 9 on a portrait picture: tiles of 100 / 8 = 12 pixels.
  const Bitmap portrait = test::Varied(100, 300, 9);
  ApplyLinePattern(portrait, dest, 9, root.Env());
  ASSERT_EQ(dest.Width(), 100);
  ASSERT_EQ(dest.Height(), 300);
  for (int y = 0; y < 300; y += 11)
    for (int x = 0; x < 100; ++x)
      EXPECT_EQ(dest.Pixel(x, y), x % 12 < 6 ? clLime : portrait.Pixel(x, y)) << x << ", " << y;
}

TEST_F(LinePatterns, TinyPicturesStillGetAPattern) {
  const Bitmap tiny = test::Varied(10, 3, 2);
  Bitmap dest;
  ApplyLinePattern(tiny, dest, 2, root.Env());
  EXPECT_TRUE(AllPixels(dest, 0, 255, 0));
  ApplyLinePattern(tiny, dest, 1, root.Env());
  EXPECT_TRUE(dest.SamePixels(tiny));
  Bitmap none;
  ApplyLinePattern(Bitmap(), none, 3, root.Env());
  EXPECT_TRUE(none.Empty());
}

TEST_F(LinePatterns, MissingPatternLeavesDestUntouched) {
  const Bitmap before = test::Varied(4, 4);
  Bitmap dest = before;
  EXPECT_THROW(ApplyLinePattern(picture, dest, 10, root.Env()), Error);
  EXPECT_TRUE(dest.SamePixels(before));
}

}  // namespace
}  // namespace qv
