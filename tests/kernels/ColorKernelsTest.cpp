#include <gtest/gtest.h>

#include "AssetFixture.h"
#include "TestPixels.h"
#include "gfx/Error.h"
#include "kernels/Blend.h"
#include "kernels/ColorKernels.h"
#include "kernels/Greyscale.h"
#include "kernels/ScriptedColorPrompt.h"

namespace qv {
namespace {

using test::AllPixels;
using test::EachByte;

// Byte i of a row is blue, green or red by i % 3.
template <class F>
::testing::AssertionResult EachChannel(const Bitmap &in, const Bitmap &out, F f) {
  for (int y = 0; y < in.Height(); ++y)
    for (std::size_t i = 0; i < in.RowBytes(); ++i)
      if (out.ScanLine(y)[i] != f(in.ScanLine(y)[i], int(i % 3)))
        return ::testing::AssertionFailure() << "row " << y << " byte " << i;
  return ::testing::AssertionSuccess();
}

TEST(BurnWithColor, BurnsEachChannelByTheColoursChannel) {
  const Bitmap bytes = test::AllByteValues();
  const KernelEnv env;
  Bitmap bmp = bytes;
  BurnWithColor(bmp, 0x00FF00, env);
  EXPECT_TRUE(EachChannel(bytes, bmp, [](int a, int c) { return c == 1 ? a : 0; }));
  bmp = bytes;
  BurnWithColor(bmp, clWhite, env);
  EXPECT_TRUE(bmp.SamePixels(bytes));
  bmp = bytes;
  BurnWithColor(bmp, clBlack, env);
  EXPECT_TRUE(AllPixels(bmp, 0, 0, 0));
  bmp = bytes;
  BurnWithColor(bmp, RGBColor(128, 128, 128), env);
  EXPECT_EQ(bmp.ScanLine(0)[128], 1);
  EXPECT_EQ(bmp.ScanLine(0)[255], 255);
  EXPECT_TRUE(EachByte(bytes, bmp, [](int a) { return BlendBurn(a, 128); }));
}

TEST(BurnWithColor, PickedColourReplacesTheArgumentAndCancelKeepsIt) {
  const Bitmap bytes = test::AllByteValues();
  ScriptedColorPrompt prompt({clWhite, std::nullopt});
  Bitmap bmp = bytes;
  BurnWithColor(bmp, clBlack, KernelEnv{"", &prompt});
  EXPECT_TRUE(bmp.SamePixels(bytes));
  BurnWithColor(bmp, clBlack, KernelEnv{"", &prompt});
  EXPECT_TRUE(AllPixels(bmp, 0, 0, 0));
  EXPECT_EQ(prompt.TimesAsked(), 2);
}

TEST(FourColorOverlay, QuadrantsOfAFiveByThreePicture) {
  Bitmap bmp = test::Uniform(5, 3, RGBColor(128, 128, 128));
  FourColorOverlay(bmp);
  // Grey 128 overlaid: channel 0 gives 2, 128 gives 129, 255 gives 255.
  const TColor green = RGBColor(2, 255, 2), magenta = RGBColor(255, 2, 255),
               yellow = RGBColor(255, 255, 2), orange = RGBColor(255, 129, 2);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) {
      const TColor expected = y < 1 ? (x < 2 ? green : magenta) : (x < 2 ? yellow : orange);
      EXPECT_EQ(bmp.Pixel(x, y), expected) << x << ", " << y;
    }
}

TEST(FourColorOverlay, GreysFirstAndKeepsBlackAndWhite) {
  Bitmap black = test::Uniform(4, 4, clBlack), white = test::Uniform(4, 4, clWhite);
  FourColorOverlay(black);
  FourColorOverlay(white);
  EXPECT_TRUE(AllPixels(black, 0, 0, 0));
  EXPECT_TRUE(AllPixels(white, 255, 255, 255));
  // Two pictures with the same grey give the same result.
  Bitmap red = test::Uniform(6, 6, RGBColor(255, 0, 0));
  Bitmap grey = test::Uniform(6, 6, RGBColor(76, 76, 76));
  FourColorOverlay(red);
  FourColorOverlay(grey);
  EXPECT_TRUE(red.SamePixels(grey));
}

class ColorAssets : public ::testing::Test {
 protected:
  void SetUpMaps(TColor tone, TColor wash) {
    root.Write("color", "1", test::Uniform(16, 16, tone));
    root.Write("color", "2", test::Uniform(16, 16, wash));
  }
  Bitmap TintedGrey(TColor color) const {
    Bitmap bmp = picture;
    Greyscale(bmp);
    BurnWithColor(bmp, color, KernelEnv{});
    return bmp;
  }

  test::AssetRoot root;
  const Bitmap picture = test::Varied(21, 13);
};

TEST_F(ColorAssets, ToneWithAWhiteMap) {
  SetUpMaps(clWhite, clWhite);
  Bitmap bmp = picture;
  ColorToneByAsset(bmp, 1, clLime, root.Env());
  EXPECT_TRUE(bmp.SamePixels(picture));
  bmp = picture;
  ColorToneByAsset(bmp, 2, clLime, root.Env());
  EXPECT_TRUE(bmp.SamePixels(TintedGrey(clLime)));
}

TEST_F(ColorAssets, ToneWithABlackMap) {
  SetUpMaps(clBlack, clBlack);
  Bitmap bmp = picture;
  ColorToneByAsset(bmp, 1, 0xFF00FF, root.Env());
  EXPECT_TRUE(bmp.SamePixels(TintedGrey(0xFF00FF)));
  bmp = picture;
  ColorToneByAsset(bmp, 2, 0xFF00FF, root.Env());
  Bitmap grey = picture;
  Greyscale(grey);
  EXPECT_TRUE(bmp.SamePixels(grey));
}

TEST_F(ColorAssets, ToneAsksOnceInsideTheBurn) {
  SetUpMaps(clWhite, clWhite);
  ScriptedColorPrompt prompt({clRed});
  Bitmap bmp = picture;
  ColorToneByAsset(bmp, 2, clLime, root.Env(&prompt));
  EXPECT_EQ(prompt.TimesAsked(), 1);
  EXPECT_TRUE(bmp.SamePixels(TintedGrey(clRed)));
}

TEST_F(ColorAssets, WashWithABlackMapIsTheOverlaidColour) {
  SetUpMaps(clWhite, clBlack);
  Bitmap dest;
  ColorWashByAsset(picture, dest, clRed, root.Env());
  EXPECT_TRUE(AllPixels(dest, 0, 0, 255));
  const TColor colour = RGBColor(200, 100, 128);
  ColorWashByAsset(picture, dest, colour, root.Env());
  EXPECT_TRUE(AllPixels(dest, BlendOverlay(128, 0), BlendOverlay(100, 0), BlendOverlay(200, 0)));
  ScriptedColorPrompt green({clLime});
  ColorWashByAsset(picture, dest, clRed, root.Env(&green));
  EXPECT_TRUE(AllPixels(dest, 0, 255, 0));
}

TEST_F(ColorAssets, WashWithAWhiteMapOverlaysThePictureWithWhite) {
  SetUpMaps(clWhite, clWhite);
  Bitmap dest;
  ColorWashByAsset(picture, dest, clRed, root.Env());
  EXPECT_TRUE(EachByte(picture, dest, [](int a) { return BlendOverlay(a, 255); }));
}

TEST_F(ColorAssets, MissingColourAssetsTouchNothing) {
  const Bitmap before = picture;
  Bitmap bmp = picture, dest = test::Varied(3, 3);
  const Bitmap destBefore = dest;
  EXPECT_THROW(ColorToneByAsset(bmp, 1, clLime, root.Env()), Error);
  EXPECT_THROW(ColorWashByAsset(picture, dest, clRed, root.Env()), Error);
  EXPECT_TRUE(bmp.SamePixels(before));
  EXPECT_TRUE(dest.SamePixels(destBefore));
}

}  // namespace
}  // namespace qv
