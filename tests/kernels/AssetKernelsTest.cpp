// Mattes, light maps and line patterns on small assets written at run time.

#include <gtest/gtest.h>

#include "AssetFixture.h"
#include "gfx/Error.h"
#include "kernels/AssetMatte.h"
#include "kernels/Blend.h"
#include "kernels/ColorKernels.h"
#include "kernels/LightMap.h"
#include "kernels/LinePattern.h"
#include "kernels/ScriptedColorPrompt.h"

namespace qv {
namespace {

using test::AllPixels;
using test::EachByte;

class AssetKernels : public ::testing::Test {
 protected:
  void SetUp() override {
    const TColor grey = RGBColor(128, 128, 128);
    for (const char *folder : {"EdgeA", "lightA", "line"}) {
      root.Write(folder, "1", test::Uniform(16, 16, clWhite));
      root.Write(folder, "2", test::Uniform(16, 16, clBlack));
    }
    root.Write("EdgeA", "3", test::SplitBlackWhite(300, 200, 144));
    for (const char *folder : {"lightA", "gradient", "texture", "dreamA"})
      root.Write(folder, "3", test::Uniform(16, 16, grey));
    root.Write("line", "3", test::SplitBlackWhite(32, 32, 16));
    root.Write("line", "9", test::SplitBlackWhite(32, 32, 16));
  }

  test::AssetRoot root;
  const Bitmap picture = test::Varied(105, 105);
  ScriptedColorPrompt red{{clRed}}, cancel{{std::nullopt}};
};

TEST_F(AssetKernels, MattesShowThePictureThroughWhiteAndTheFillThroughBlack) {
  Bitmap dest;
  AssetMatteWhite(picture, dest, "EdgeA", "1", root.Env());
  EXPECT_TRUE(dest.SamePixels(picture));
  AssetMatteWhite(picture, dest, "Edgea", "2", root.Env());
  EXPECT_TRUE(AllPixels(dest, clWhite));
  AssetMatteYellow(picture, dest, "edgeA", "2", root.Env());
  EXPECT_TRUE(AllPixels(dest, clYellow));
  // A 300 x 200 asset, black left of x = 144, squeezed onto 105 x 105.
  AssetMatteWhite(picture, dest, "EdgeA", "3", root.Env());
  ASSERT_EQ(dest.Width(), 105);
  ASSERT_EQ(dest.Height(), 105);
  for (int y = 0; y < 105; y += 13) {
    EXPECT_EQ(dest.Pixel(49, y), clWhite);
    EXPECT_EQ(dest.Pixel(52, y), picture.Pixel(52, y));
  }
}

TEST_F(AssetKernels, FillColourIsPickedOrTheLastFillWhenCancelled) {
  Bitmap dest, fresh;
  AssetMatteWhite(picture, dest, "EdgeA", "2", root.Env(&red));
  EXPECT_TRUE(AllPixels(dest, clRed));
  dest = picture;  // assignment keeps dest's brush
  AssetMatteYellow(picture, dest, "EdgeA", "2", root.Env(&cancel));
  EXPECT_TRUE(AllPixels(dest, clRed));
  AssetMatteYellow(picture, fresh, "EdgeA", "2", root.Env(&cancel));
  EXPECT_TRUE(AllPixels(fresh, clWhite));

  ApplyLinePattern(picture, fresh, 2, root.Env());
  EXPECT_TRUE(AllPixels(fresh, clLime));
  ApplyLinePattern(picture, fresh, 2, root.Env(&cancel));
  EXPECT_TRUE(AllPixels(fresh, clLime));
  ApplyLinePattern(picture, fresh, 2, root.Env(&red));
  EXPECT_TRUE(AllPixels(fresh, clRed));
  ApplyLinePattern(picture, fresh, 1, root.Env(&red));
  EXPECT_TRUE(fresh.SamePixels(picture));
}

TEST_F(AssetKernels, LightMapsScreenOrOverlayByFolder) {
  const Bitmap bytes = test::AllByteValues();
  Bitmap dest;
  ApplyLightMap(bytes, dest, "lightA", "1", root.Env());  // white
  EXPECT_TRUE(AllPixels(dest, clWhite));
  ApplyLightMap(bytes, dest, "lightA", "2", root.Env());  // black
  EXPECT_TRUE(EachByte(bytes, dest, [](int a, int) { return 255 - (((255 - a) * 255) >> 8); }));
  EXPECT_EQ(dest.ScanLine(0)[0], 1);
  ApplyLightMap(bytes, dest, "DREAMA", "3", root.Env());
  EXPECT_TRUE(EachByte(bytes, dest, [](int a, int) { return BlendScreen(a, 128); }));
  for (const char *folder : {"gradient", "Gradient", "TEXTURE"}) {
    ApplyLightMap(bytes, dest, folder, "3", root.Env());
    EXPECT_TRUE(EachByte(bytes, dest, [](int a, int) {
      return a < 128 ? a : BlendOverlay(a, 128);
    })) << folder;
    EXPECT_EQ(dest.ScanLine(0)[200], 201);
  }
  // One bitmap as source and destination gives the same as two.
  Bitmap same = bytes;
  ApplyLightMap(same, same, "gradient", "3", root.Env());
  EXPECT_TRUE(same.SamePixels(dest));
}

TEST_F(AssetKernels, LightMapRecolouredOnlyWhenAColourIsPicked) {
  Bitmap plain, cancelled, tinted;
  ApplyLightMap(picture, plain, "lightA", "3", root.Env());
  ApplyLightMap(picture, cancelled, "lightA", "3", root.Env(&cancel));
  EXPECT_TRUE(cancelled.SamePixels(plain));
  // Grey 128 overlaid with red is 2, 2, 255; screened onto black: 3, 3, 255.
  ApplyLightMap(test::Uniform(9, 9, clBlack), tinted, "lightA", "3", root.Env(&red));
  EXPECT_TRUE(AllPixels(tinted, RGBColor(255, 3, 3)));
  EXPECT_EQ(cancel.TimesAsked(), 1);
  EXPECT_EQ(red.TimesAsked(), 1);
}

TEST_F(AssetKernels, LineTilesAreAnchoredAtTheTopLeft) {
  // Tiles of 105 div 16 = 6 pixels, the left half black; 105 = 17 x 6 + 3,
  // so the last tile is cut to its black half.
  Bitmap dest;
  ApplyLinePattern(picture, dest, 3, root.Env());
  for (int y = 0; y < 105; y += 7)
    for (int x = 0; x < 105; ++x)
      ASSERT_EQ(dest.Pixel(x, y), x % 6 < 3 ? clLime : picture.Pixel(x, y)) << x << ", " << y;
  // Pattern 9 on a portrait picture: tiles of 100 div 8 = 12 pixels.
  const Bitmap portrait = test::Varied(100, 300, 9);
  ApplyLinePattern(portrait, dest, 9, root.Env());
  ASSERT_EQ(dest.Height(), 300);
  for (int y = 0; y < 300; y += 11)
    for (int x = 0; x < 100; ++x)
      ASSERT_EQ(dest.Pixel(x, y), x % 12 < 6 ? clLime : portrait.Pixel(x, y)) << x << ", " << y;
  // Below 16 pixels the tile is one pixel rather than none.
  EXPECT_EQ(LineTileSide(15, 400, 1), 1);
  EXPECT_EQ(LineTileSide(105, 105, 8), 13);
  ApplyLinePattern(test::Varied(10, 3), dest, 2, root.Env());
  EXPECT_TRUE(AllPixels(dest, clLime));
}

TEST(TileBitmap, EqualsADirectTilingClippedAtRightAndBottom) {
  for (auto [width, height, side] :
       {std::tuple{105, 105, 6}, {100, 300, 12}, {7, 5, 1}, {20, 9, 6}, {4, 4, 6}}) {
    const Bitmap tile = test::Varied(side, side, width);
    Bitmap big(width, height), work = tile;
    TileBitmap(big, work);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        ASSERT_EQ(big.Pixel(x, y), tile.Pixel(x % side, y % side)) << width << " " << side;
  }
}

TEST(AssetKernelFailures, MissingAssetsLeaveTheirTargetsUntouched) {
  test::AssetRoot empty;
  const Bitmap picture = test::Varied(8, 8), before = test::Varied(5, 4, 1);
  Bitmap dest = before;
  const KernelEnv env = empty.Env();
  EXPECT_THROW(AssetMatteWhite(picture, dest, "EdgeA", "1", env), Error);
  EXPECT_THROW(AssetMatteYellow(picture, dest, "EdgeA", "1", env), Error);
  EXPECT_THROW(ApplyLightMap(picture, dest, "lightA", "1", env), Error);
  EXPECT_THROW(ApplyLinePattern(picture, dest, 1, env), Error);
  EXPECT_THROW(ColorWashByAsset(picture, dest, clRed, env), Error);
  EXPECT_THROW(ColorToneByAsset(dest, 1, clLime, env), Error);
  EXPECT_TRUE(dest.SamePixels(before));
}

}  // namespace
}  // namespace qv
