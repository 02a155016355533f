#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "effects/Filters.h"
#include "gfx/Bitmap.h"
#include "gfx/Error.h"
#include "kernels/ArtEffect.h"
#include "kernels/ArtKernels.h"
#include "kernels/Blend.h"
#include "kernels/Categories.h"
#include "kernels/Recipes.h"
#include "kernels/ScriptedColorPrompt.h"

namespace qv {
namespace {

// One row of grey pixels with the given values.
Bitmap GreyRow(std::initializer_list<int> values) {
  Bitmap bmp(int(values.size()), 1);
  int x = 0;
  for (int v : values) bmp.SetPixel(x++, 0, RGBColor(v, v, v));
  return bmp;
}

std::vector<int> Reds(const Bitmap &bmp, int row) {
  std::vector<int> reds;
  for (int x = 0; x < bmp.Width(); ++x) reds.push_back(RedOf(bmp.Pixel(x, row)));
  return reds;
}

// Neighbouring bytes differ, with edges in every direction.
Bitmap Varied(int width, int height, int seed = 0) {
  Bitmap bmp(width, height);
  for (int y = 0; y < height; ++y)
    for (std::size_t i = 0; i < bmp.RowBytes(); ++i)
      bmp.ScanLine(y)[i] = std::uint8_t((i * 37 + std::size_t(y) * 101 + seed) * 2654435761u >> 24);
  return bmp;
}

Bitmap Flat(int width, int height, TColor color) {
  Bitmap bmp(width, height);
  bmp.SetBrushColor(color);
  bmp.Fill();
  return bmp;
}

bool AllBytes(const Bitmap &bmp, int value) {
  for (int y = 0; y < bmp.Height(); ++y)
    for (std::size_t i = 0; i < bmp.RowBytes(); ++i)
      if (bmp.ScanLine(y)[i] != value) return false;
  return true;
}

TEST(Invert, TwiceRestoresThePicture) {
  const Bitmap picture = Varied(13, 7);
  Bitmap bmp(picture);
  Invert(bmp);
  EXPECT_EQ(bmp.ScanLine(3)[5], 255 - picture.ScanLine(3)[5]);
  Invert(bmp);
  EXPECT_TRUE(bmp.SamePixels(picture));
}

TEST(DiagonalSharpen, RowReferredToProcessedLeftNeighbour) {
  Bitmap row = GreyRow({100, 200, 200});
  DiagonalSharpen(row);
  // The third pixel is referred to the second as already raised to 250.
  EXPECT_EQ(Reds(row, 0), (std::vector<int>{100, 250, 175}));

  Bitmap rising = GreyRow({0, 255});
  DiagonalSharpen(rising);
  EXPECT_EQ(Reds(rising, 0), (std::vector<int>{0, 255}));

  // 0 + (-255 div 2) = -127, clamped.
  Bitmap falling = GreyRow({255, 0});
  DiagonalSharpen(falling);
  EXPECT_EQ(Reds(falling, 0), (std::vector<int>{255, 0}));
}

TEST(DiagonalSharpen, LaterRowsReferToProcessedUpperLeft) {
  Bitmap bmp(3, 2);
  const int top[] = {10, 50, 50}, bottom[] = {0, 60, 60};
  for (int x = 0; x < 3; ++x) {
    bmp.SetPixel(x, 0, RGBColor(top[x], top[x], top[x]));
    bmp.SetPixel(x, 1, RGBColor(bottom[x], bottom[x], bottom[x]));
  }
  DiagonalSharpen(bmp);
  EXPECT_EQ(Reds(bmp, 0), (std::vector<int>{10, 70, 40}));
  // Column 0 looks straight up (0 - 5 clamps to 0); column 2 looks at the
  // processed 70, not the original 50.
  EXPECT_EQ(Reds(bmp, 1), (std::vector<int>{0, 85, 55}));
}

TEST(DiagonalSharpen, ChannelsAreIndependentAndFlatAreasStay) {
  Bitmap bmp(2, 1);
  bmp.ScanLine(0)[0] = 10, bmp.ScanLine(0)[1] = 200, bmp.ScanLine(0)[2] = 100;
  bmp.ScanLine(0)[3] = 20, bmp.ScanLine(0)[4] = 100, bmp.ScanLine(0)[5] = 100;
  DiagonalSharpen(bmp);
  EXPECT_EQ(bmp.ScanLine(0)[3], 25);  // 20 + 10 div 2
  EXPECT_EQ(bmp.ScanLine(0)[4], 50);  // 100 - 100 div 2
  EXPECT_EQ(bmp.ScanLine(0)[5], 100);

  Bitmap flat = Flat(9, 6, 0x336699);
  DiagonalSharpen(flat);
  EXPECT_TRUE(flat.SamePixels(Flat(9, 6, 0x336699)));
}

TEST(ContrastCurve, TwoPassesOfTheHardLightSelfBlend) {
  const int in[] = {0, 64, 100, 127, 128, 192, 255};
  // One pass gives 0, 32, 78, 126, 129, 224, 255.
  const int out[] = {0, 8, 47, 124, 131, 248, 255};
  Bitmap source(7, 1);
  for (int x = 0; x < 7; ++x) source.SetPixel(x, 0, RGBColor(in[x], in[x], in[x]));
  Bitmap dest(50, 50);
  ContrastCurve(source, dest);
  ASSERT_EQ(dest.Width(), 7);
  ASSERT_EQ(dest.Height(), 1);
  for (int x = 0; x < 7; ++x) {
    EXPECT_EQ(dest.Pixel(x, 0), RGBColor(out[x], out[x], out[x])) << in[x];
    EXPECT_EQ(source.Pixel(x, 0), RGBColor(in[x], in[x], in[x])) << "source changed";
  }
}

TEST(ContrastCurve, SameCurveForEveryChannelAndMonotonic) {
  Bitmap source(256, 1);
  for (int x = 0; x < 256; ++x) source.SetPixel(x, 0, RGBColor(x, std::uint8_t(255 - x), x));
  Bitmap dest;
  ContrastCurve(source, dest);
  for (int x = 1; x < 256; ++x) {
    const TColor c = dest.Pixel(x, 0);
    EXPECT_EQ(RedOf(c), BlueOf(c));
    EXPECT_EQ(GreenOf(c), RedOf(dest.Pixel(255 - x, 0)));
    EXPECT_GE(RedOf(c), RedOf(dest.Pixel(x - 1, 0)));
  }
}

TEST(ArtBlend, LightenNeverDarkerDarkenNeverBrighter) {
  const Bitmap source = Varied(40, 30, 5);
  Bitmap lighter, darker;
  ArtBlend(source, lighter, 1);
  ArtBlend(source, darker, 2);
  ASSERT_EQ(lighter.Width(), 40);
  ASSERT_EQ(darker.Height(), 30);
  int changed = 0;
  for (int y = 0; y < 30; ++y)
    for (std::size_t i = 0; i < source.RowBytes(); ++i) {
      const int s = source.ScanLine(y)[i];
      ASSERT_GE(lighter.ScanLine(y)[i], s);
      ASSERT_LE(darker.ScanLine(y)[i], s);
      changed += lighter.ScanLine(y)[i] != s;
    }
  EXPECT_GT(changed, 0) << "no blur reached the blend";
}

TEST(ArtBlend, ModesOnTheBlurOfTheSource) {
  const Bitmap source = Varied(24, 20, 9);
  Bitmap blurred(source);
  ApplyGaussianBlur(blurred, 3);
  for (int mode = 1; mode <= 6; ++mode) {
    SCOPED_TRACE(mode);
    Bitmap dest;
    ArtBlend(source, dest, mode);
    for (int y = 0; y < 20; ++y)
      for (std::size_t i = 0; i < source.RowBytes(); ++i) {
        const int a = source.ScanLine(y)[i], b = blurred.ScanLine(y)[i], got = dest.ScanLine(y)[i];
        const int expected = mode == 1   ? BlendLighten(a, b)
                             : mode == 2 ? BlendDarken(a, b)
                             : mode == 6 ? BlendScreen(a, b)
                                         : got;
        ASSERT_EQ(got, expected);
      }
    // The grey modes give grey in mode 3 only: the others keep the blur's
    // colour where it wins.
    if (mode == 3)
      for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 24; ++x) {
          const TColor c = dest.Pixel(x, y);
          ASSERT_TRUE(RedOf(c) == GreenOf(c) && GreenOf(c) == BlueOf(c));
        }
  }
  // A mode outside 1..7 leaves the blurred picture.
  Bitmap dest;
  ArtBlend(source, dest, 0);
  EXPECT_TRUE(dest.SamePixels(blurred));
}

TEST(ArtBlend, DodgeModeTurnsFlatGreyWhiteAndFlatColourPale) {
  for (int v : {0, 1, 90, 200, 255}) {
    Bitmap dest;
    ArtBlend(Flat(12, 12, RGBColor(v, v, v)), dest, 7);
    EXPECT_TRUE(AllBytes(dest, 255)) << v;
  }
  // Grey of (red 200, green 100, blue 50) is 124: c * 256 div 124.
  Bitmap dest;
  ArtBlend(Flat(12, 12, RGBColor(200, 100, 50)), dest, 7);
  EXPECT_EQ(dest.Pixel(6, 6), RGBColor(255, 206, 103));
  EXPECT_EQ(dest.Pixel(0, 11), RGBColor(255, 206, 103));
}

TEST(ArtBlend, DestMayBeTheSource) {
  const Bitmap picture = Varied(20, 16, 2);
  for (int mode = 1; mode <= 7; ++mode) {
    Bitmap apart, same(picture);
    ArtBlend(picture, apart, mode);
    ArtBlend(same, same, mode);
    EXPECT_TRUE(same.SamePixels(apart)) << mode;
  }
}

TEST(ArtBlend, BlurFailureLeavesDestAsItWas) {
  const Bitmap tiny = Varied(10, 3);
  Bitmap dest = Flat(4, 4, 0x123456);
  EXPECT_THROW(ArtBlend(tiny, dest, 1), Error);
  EXPECT_TRUE(dest.SamePixels(Flat(4, 4, 0x123456)));
}

// The hand-worked case: one grey row 100, 200 is sharpened to 100, 250,
// then 100, 255 twice; overlaid with the source: 100 x 100 >> 7 = 78, and
// 255 over anything is 255.
TEST(MosaicRelief, SmallPictureIsSharpenedThriceAndOverlaid) {
  Bitmap dest;
  MosaicRelief(GreyRow({100, 200}), dest);
  EXPECT_EQ(Reds(dest, 0), (std::vector<int>{78, 255}));

  // 29 pixels: block 1, no mosaic; a flat picture v gives overlay(v, v).
  Bitmap flat;
  MosaicRelief(Flat(29, 20, RGBColor(200, 100, 30)), flat);
  EXPECT_EQ(flat.Pixel(17, 11), RGBColor(232, 78, 7));
}

Bitmap ExpectedRelief(const Bitmap &source, int block) {
  Bitmap mosaic(source);
  ApplyMosaic(mosaic, block);
  for (int i = 0; i < 3; ++i) DiagonalSharpen(mosaic);
  for (int y = 0; y < source.Height(); ++y)
    for (std::size_t i = 0; i < source.RowBytes(); ++i)
      mosaic.ScanLine(y)[i] =
          std::uint8_t(BlendOverlay(mosaic.ScanLine(y)[i], source.ScanLine(y)[i]));
  return mosaic;
}

TEST(MosaicRelief, BlockComesFromTheLongerSide) {
  for (const auto &[w, h] : {std::pair{45, 20}, std::pair{20, 45}}) {
    SCOPED_TRACE(w);
    const Bitmap source = Varied(w, h, 4);
    Bitmap dest;
    MosaicRelief(source, dest);
    EXPECT_TRUE(dest.SamePixels(ExpectedRelief(source, 3)));
    EXPECT_FALSE(dest.SamePixels(ExpectedRelief(source, 1)));
  }
  const Bitmap picture = Varied(45, 20, 4);
  Bitmap same(picture);
  MosaicRelief(same, same);
  EXPECT_TRUE(same.SamePixels(ExpectedRelief(picture, 3))) << "dest aliasing source";
}

// Left half black, right half white: both flat areas turn white, strokes
// stay only along the edge.
Bitmap HalfBlack(int width, int height) {
  Bitmap bmp = Flat(width, height, clWhite);
  bmp.SetBrushColor(clBlack);
  bmp.FillRect({0, 0, width / 2, height});
  return bmp;
}

TEST(PencilSketch, FlatAreasAndBlackPicturesTurnWhite) {
  const KernelEnv plain;
  for (TColor c : {clBlack, clWhite, TColor(0x4080C0)}) {
    Bitmap dest;
    PencilSketch(Flat(16, 12, c), dest, plain);
    EXPECT_TRUE(AllBytes(dest, 255)) << c;
  }
  Bitmap sketch;
  PencilSketch(HalfBlack(40, 20), sketch, plain);
  EXPECT_EQ(sketch.Pixel(2, 10), clWhite);
  EXPECT_EQ(sketch.Pixel(37, 10), clWhite);
  int dark = 0;
  for (int x = 0; x < 40; ++x) dark += RedOf(sketch.Pixel(x, 10)) < 128;
  EXPECT_GT(dark, 0) << "no stroke along the edge";
}

TEST(PencilSketch, ConfirmedColourTintsStrokesAndKeepsPaperWhite) {
  const Bitmap source = HalfBlack(40, 20);
  Bitmap grey;
  PencilSketch(source, grey, KernelEnv{});

  ScriptedColorPrompt red({clRed});
  Bitmap tinted;
  PencilSketch(source, tinted, KernelEnv{"", &red});
  EXPECT_EQ(red.TimesAsked(), 1);
  bool strokeSeen = false;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x) {
      const int g = RedOf(grey.Pixel(x, y));
      const TColor c = tinted.Pixel(x, y);
      if (g == 255) {
        ASSERT_EQ(c, clWhite) << x << ", " << y;
      } else {
        // Red 255 lifts the red channel; blue and green 0 darken the others.
        ASSERT_EQ(RedOf(c), BlendOverlay(g, 255));
        ASSERT_EQ(GreenOf(c), BlendOverlay(g, 0));
        ASSERT_EQ(BlueOf(c), BlendOverlay(g, 0));
        strokeSeen = true;
      }
    }
  EXPECT_TRUE(strokeSeen);

  ScriptedColorPrompt cancel({std::nullopt});
  Bitmap kept;
  PencilSketch(source, kept, KernelEnv{"", &cancel});
  EXPECT_EQ(cancel.TimesAsked(), 1);
  EXPECT_TRUE(kept.SamePixels(grey));
}

TEST(RenderArtEffect, NumbersReachTheirKernels) {
  const Bitmap source = Varied(36, 30, 8);
  const int art = FindCategory("art")->Id;
  for (int effect = 1; effect <= 10; ++effect) {
    SCOPED_TRACE(effect);
    Bitmap viaDoor, direct;
    RenderArtEffect(effect, source, viaDoor, KernelEnv{});
    if (effect <= 7) ArtBlend(source, direct, effect);
    if (effect == 8) ContrastCurve(source, direct);
    if (effect == 9) MosaicRelief(source, direct);
    if (effect == 10) PencilSketch(source, direct, KernelEnv{});
    EXPECT_TRUE(viaDoor.SamePixels(direct));
    EXPECT_FALSE(viaDoor.SamePixels(source)) << "renders nothing";
    // The Art category's recipes are these effects, at both sizes.
    Bitmap thumb, full;
    RenderRecipe(art, effect, source, thumb, KernelEnv{}, RenderSize::Thumbnail);
    RenderRecipe(art, effect, source, full, KernelEnv{}, RenderSize::FullSize);
    EXPECT_TRUE(thumb.SamePixels(direct));
    EXPECT_TRUE(full.SamePixels(direct));
  }
  Bitmap dest;
  EXPECT_THROW(RenderArtEffect(0, source, dest, KernelEnv{}), Error);
  EXPECT_THROW(RenderArtEffect(11, source, dest, KernelEnv{}), Error);
}

}  // namespace
}  // namespace qv
