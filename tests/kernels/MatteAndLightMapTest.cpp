#include <gtest/gtest.h>

#include "AssetFixture.h"
#include "TestPixels.h"
#include "gfx/Error.h"
#include "kernels/AssetMatte.h"
#include "kernels/Blend.h"
#include "kernels/LightMap.h"
#include "kernels/ScriptedColorPrompt.h"

namespace qv {
namespace {

using test::AllPixels;
using test::EachByte;

class AssetKernels : public ::testing::Test {
 protected:
  void SetUp() override {
    root.Write("EdgeA", "1", test::Uniform(32, 32, clWhite));
    root.Write("EdgeA", "2", test::Uniform(32, 32, clBlack));
    root.Write("EdgeA", "3", test::SplitBlackWhite(300, 200, 144));
    for (const char *folder : {"lightA", "gradient", "texture", "dreamA"}) {
      root.Write(folder, "1", test::Uniform(16, 16, clBlack));
      root.Write(folder, "2", test::Uniform(16, 16, clWhite));
      root.Write(folder, "3", test::Uniform(16, 16, RGBColor(128, 128, 128)));
    }
  }

  test::AssetRoot root;
  const Bitmap picture = test::Varied(105, 105);
};

TEST_F(AssetKernels, MatteShowsThePictureThroughWhiteAndTheFillThroughBlack) {
  Bitmap dest;
  AssetMatteWhite(picture, dest, "EdgeA", "1", root.Env());
  EXPECT_TRUE(dest.SamePixels(picture));
  AssetMatteWhite(picture, dest, "Edgea", "2", root.Env());
  EXPECT_TRUE(AllPixels(dest, 255, 255, 255));
  AssetMatteYellow(picture, dest, "edgeA", "2", root.Env());
  EXPECT_TRUE(AllPixels(dest, 0, 255, 255));
}

TEST_F(AssetKernels, MatteSqueezesTheAssetToThePicture) {
  // A 300 x 200 asset, black left of x = 144, on a 105 x 105 picture.
  Bitmap dest;
  AssetMatteWhite(picture, dest, "EdgeA", "3", root.Env());
  ASSERT_EQ(dest.Width(), 105);
  ASSERT_EQ(dest.Height(), 105);
  for (int y = 0; y < 105; y += 13) {
    EXPECT_EQ(dest.Pixel(0, y), clWhite);
    EXPECT_EQ(dest.Pixel(49, y), clWhite);
    EXPECT_EQ(dest.Pixel(52, y), picture.Pixel(52, y));
    EXPECT_EQ(dest.Pixel(104, y), picture.Pixel(104, y));
  }
}

TEST_F(AssetKernels, MatteColourFromThePromptOrTheLastFill) {
  ScriptedColorPrompt red({clRed});
  Bitmap dest;
  AssetMatteWhite(picture, dest, "EdgeA", "2", root.Env(&red));
  EXPECT_TRUE(AllPixels(dest, 0, 0, 255));
  EXPECT_EQ(red.TimesAsked(), 1);

  // Cancelled: the brush of dest stays as the last fill left it, here red;
  // on a bitmap never filled it is white, even for the yellow matte.
  ScriptedColorPrompt cancel({std::nullopt});
  AssetMatteYellow(picture, dest, "EdgeA", "2", root.Env(&cancel));
  EXPECT_TRUE(AllPixels(dest, 0, 0, 255));
  Bitmap fresh;
  AssetMatteYellow(picture, fresh, "EdgeA", "2", root.Env(&cancel));
  EXPECT_TRUE(AllPixels(fresh, 255, 255, 255));
  // Assigning a picture to dest keeps its brush.
  dest = picture;
  AssetMatteWhite(picture, dest, "EdgeA", "2", root.Env(&cancel));
  EXPECT_TRUE(AllPixels(dest, 0, 0, 255));
}

TEST_F(AssetKernels, MissingAssetLeavesDestUntouched) {
  const Bitmap before = test::Varied(7, 5, 1);
  Bitmap dest = before;
  EXPECT_THROW(AssetMatteWhite(picture, dest, "EdgeA", "4", root.Env()), Error);
  EXPECT_THROW(AssetMatteYellow(picture, dest, "EdgeB", "1", root.Env()), Error);
  EXPECT_THROW(ApplyLightMap(picture, dest, "lightA", "10", root.Env()), Error);
  EXPECT_TRUE(dest.SamePixels(before));
}

TEST_F(AssetKernels, LightMapScreensLightFolders) {
  const Bitmap bytes = test::AllByteValues();
  Bitmap dest;
  ApplyLightMap(bytes, dest, "lightA", "1", root.Env());  // black map
  EXPECT_TRUE(EachByte(bytes, dest, [](int a) { return 255 - (((255 - a) * 255) >> 8); }));
  EXPECT_EQ(dest.ScanLine(0)[0], 1);
  EXPECT_EQ(dest.ScanLine(0)[100], 101);
  EXPECT_EQ(dest.ScanLine(0)[254], 255);
  ApplyLightMap(bytes, dest, "lightA", "2", root.Env());  // white map
  EXPECT_TRUE(AllPixels(dest, 255, 255, 255));
  // Dream folders screen in any letter case.
  ApplyLightMap(bytes, dest, "DREAMA", "3", root.Env());
  EXPECT_TRUE(EachByte(bytes, dest, [](int a) { return BlendScreen(a, 128); }));
}

TEST_F(AssetKernels, LightMapOverlaysGradientAndTexture) {
  const Bitmap bytes = test::AllByteValues();
  for (const char *folder : {"gradient", "Gradient", "TEXTURE"}) {
    Bitmap dest;
    ApplyLightMap(bytes, dest, folder, "3", root.Env());  // grey 128
    EXPECT_TRUE(EachByte(bytes, dest, [](int a) { return a < 128 ? a : BlendOverlay(a, 128); }))
        << folder;
    EXPECT_EQ(dest.ScanLine(0)[200], 201) << folder;
  }
  EXPECT_TRUE(IsOverlayFolder("Texture"));
  EXPECT_FALSE(IsOverlayFolder("gradients"));
  EXPECT_FALSE(IsOverlayFolder("dreamA"));
}

TEST_F(AssetKernels, LightMapStretchesAndNeverChangesItsSource) {
  const Bitmap before = picture;
  Bitmap dest = test::Varied(300, 10);
  ApplyLightMap(picture, dest, "gradient", "1", root.Env());
  EXPECT_EQ(dest.Width(), 105);
  EXPECT_EQ(dest.Height(), 105);
  EXPECT_TRUE(picture.SamePixels(before));
  // One bitmap as source and destination gives the same as two.
  Bitmap same = picture;
  ApplyLightMap(same, same, "dreamA", "3", root.Env());
  ApplyLightMap(picture, dest, "dreamA", "3", root.Env());
  EXPECT_TRUE(same.SamePixels(dest));
}

TEST_F(AssetKernels, LightMapRecolouredByThePickedColour) {
  const Bitmap black = test::Uniform(9, 9, clBlack);
  Bitmap plain, cancelled, red;
  ApplyLightMap(picture, plain, "lightA", "3", root.Env());
  ScriptedColorPrompt cancel({std::nullopt});
  ApplyLightMap(picture, cancelled, "lightA", "3", root.Env(&cancel));
  EXPECT_TRUE(cancelled.SamePixels(plain));
  EXPECT_EQ(cancel.TimesAsked(), 1);

  // Grey 128 overlaid with red is 2, 2, 255; screened onto black: 3, 3, 255.
  ScriptedColorPrompt pickRed({clRed});
  ApplyLightMap(black, red, "lightA", "3", root.Env(&pickRed));
  EXPECT_TRUE(AllPixels(red, 3, 3, 255));
  EXPECT_EQ(pickRed.TimesAsked(), 1);
}

TEST(OverlayPickedColor, GreysThenTintsAndLeavesBlackAndWhite) {
  Bitmap bmp(3, 1);
  bmp.SetPixel(0, 0, clBlack);
  bmp.SetPixel(1, 0, clWhite);
  bmp.SetPixel(2, 0, RGBColor(128, 128, 128));
  ScriptedColorPrompt green({clLime});
  OverlayPickedColor(bmp, KernelEnv{"", &green});
  EXPECT_EQ(bmp.Pixel(0, 0), clBlack);
  EXPECT_EQ(bmp.Pixel(1, 0), clWhite);
  EXPECT_EQ(bmp.Pixel(2, 0), RGBColor(2, 255, 2));

  const Bitmap before = bmp;
  ScriptedColorPrompt cancel({std::nullopt});
  OverlayPickedColor(bmp, KernelEnv{"", &cancel});
  EXPECT_TRUE(bmp.SamePixels(before));
}

}  // namespace
}  // namespace qv
