#include <gtest/gtest.h>

#include "AssetFixture.h"
#include "kernels/Blend.h"
#include "kernels/ColorKernels.h"
#include "kernels/Greyscale.h"
#include "kernels/ScriptedColorPrompt.h"

namespace qv {
namespace {

using test::AllPixels;
using test::EachByte;

TEST(BurnWithColor, BurnsEachChannelByTheColoursChannel) {
  const Bitmap bytes = test::AllByteValues();
  const KernelEnv env;
  for (TColor color : {clLime, clWhite, clBlack, RGBColor(128, 40, 200)}) {
    Bitmap bmp = bytes;
    BurnWithColor(bmp, color, env);
    const int channel[3] = {BlueOf(color), GreenOf(color), RedOf(color)};
    EXPECT_TRUE(EachByte(bytes, bmp, [&](int a, int c) { return BlendBurn(a, channel[c]); }));
  }
  // The picked colour replaces the argument; a cancelled prompt keeps it.
  ScriptedColorPrompt prompt({clWhite, std::nullopt});
  Bitmap bmp = bytes;
  BurnWithColor(bmp, clBlack, KernelEnv{"", &prompt});
  EXPECT_TRUE(bmp.SamePixels(bytes));
  BurnWithColor(bmp, clBlack, KernelEnv{"", &prompt});
  EXPECT_TRUE(AllPixels(bmp, clBlack));
}

TEST(FourColorOverlay, QuadrantsOfAFiveByThreePicture) {
  // A red picture greys to 76, like the grey one; overlaid, channel values
  // 0, 128 and 255 of the quadrant colours give 0, 76 and 151.
  Bitmap red = test::Uniform(5, 3, RGBColor(255, 0, 0)), grey = test::Uniform(5, 3, 0x4C4C4C);
  FourColorOverlay(red);
  FourColorOverlay(grey);
  EXPECT_TRUE(red.SamePixels(grey));
  const TColor green = RGBColor(0, 151, 0), magenta = RGBColor(151, 0, 151),
               yellow = RGBColor(151, 151, 0), orange = RGBColor(151, 76, 0);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(red.Pixel(x, y), y < 1 ? (x < 2 ? green : magenta) : (x < 2 ? yellow : orange))
          << x << ", " << y;
  Bitmap black = test::Uniform(4, 4, clBlack), white = test::Uniform(4, 4, clWhite);
  FourColorOverlay(black);
  FourColorOverlay(white);
  EXPECT_TRUE(AllPixels(black, clBlack));
  EXPECT_TRUE(AllPixels(white, clWhite));
}

class ColorAssets : public ::testing::Test {
 protected:
  void Maps(TColor tone, TColor wash) {
    root.Write("color", "1", test::Uniform(16, 16, tone));
    root.Write("color", "2", test::Uniform(16, 16, wash));
  }
  Bitmap Grey(TColor burn = clWhite) const {
    Bitmap bmp = picture;
    Greyscale(bmp);
    BurnWithColor(bmp, burn, KernelEnv{});
    return bmp;
  }
  Bitmap Tone(int mode, TColor color, ColorPrompt *prompt = nullptr) const {
    Bitmap bmp = picture;
    ColorToneByAsset(bmp, mode, color, root.Env(prompt));
    return bmp;
  }

  test::AssetRoot root;
  const Bitmap picture = test::Varied(21, 13);
};

TEST_F(ColorAssets, ToneMapChoosesBetweenPictureTintAndGrey) {
  Maps(clWhite, clWhite);
  EXPECT_TRUE(Tone(1, clLime).SamePixels(picture));
  EXPECT_TRUE(Tone(2, clLime).SamePixels(Grey(clLime)));
  ScriptedColorPrompt red({clRed});
  EXPECT_TRUE(Tone(2, clLime, &red).SamePixels(Grey(clRed)));
  EXPECT_EQ(red.TimesAsked(), 1);
  Maps(clBlack, clBlack);
  EXPECT_TRUE(Tone(1, 0xFF00FF).SamePixels(Grey(0xFF00FF)));
  EXPECT_TRUE(Tone(2, 0xFF00FF).SamePixels(Grey()));
}

TEST_F(ColorAssets, WashIsTheColourUnderBlackAndThePictureUnderWhite) {
  Maps(clWhite, clBlack);
  Bitmap dest;
  ColorWashByAsset(picture, dest, clRed, root.Env());
  EXPECT_TRUE(AllPixels(dest, clRed));
  ColorWashByAsset(picture, dest, RGBColor(200, 100, 128), root.Env());
  EXPECT_TRUE(AllPixels(dest, RGBColor(BlendOverlay(200, 0), 0, 2)));
  ScriptedColorPrompt green({clLime});
  ColorWashByAsset(picture, dest, clRed, root.Env(&green));
  EXPECT_TRUE(AllPixels(dest, clLime));
  Maps(clWhite, clWhite);
  ColorWashByAsset(picture, dest, clRed, root.Env());
  EXPECT_TRUE(EachByte(picture, dest, [](int a, int) { return BlendOverlay(a, 255); }));
}

}  // namespace
}  // namespace qv
