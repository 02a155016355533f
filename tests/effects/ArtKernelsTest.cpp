#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "effects/Filters.h"
#include "gfx/Error.h"
#include "kernels/ArtEffect.h"
#include "kernels/ArtKernels.h"
#include "kernels/Blend.h"
#include "kernels/Greyscale.h"
#include "kernels/ScriptedColorPrompt.h"

namespace qv {
namespace {

Bitmap GreyRows(std::initializer_list<std::initializer_list<int>> rows) {
  Bitmap bmp(int(rows.begin()->size()), int(rows.size()));
  int y = 0;
  for (auto row : rows) {
    int x = 0;
    for (int v : row) bmp.SetPixel(x++, y, RGBColor(v, v, v));
    ++y;
  }
  return bmp;
}

std::vector<int> Reds(const Bitmap &bmp, int y) {
  std::vector<int> reds;
  for (int x = 0; x < bmp.Width(); ++x) reds.push_back(RedOf(bmp.Pixel(x, y)));
  return reds;
}

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

TEST(ArtHelpers, InvertTwiceRestores) {
  const Bitmap picture = Varied(13, 7);
  Bitmap bmp(picture);
  Invert(bmp);
  EXPECT_EQ(bmp.ScanLine(3)[5], 255 - picture.ScanLine(3)[5]);
  Invert(bmp);
  EXPECT_TRUE(bmp.SamePixels(picture));
}

// Each reference pixel is read after it has been processed.
TEST(ArtHelpers, DiagonalSharpenWorksInPlace) {
  const std::pair<Bitmap, std::vector<int>> rows[] = {
      {GreyRows({{100, 200, 200}}), {100, 250, 175}},  // 200 - (50 div 2)
      {GreyRows({{0, 255}}), {0, 255}},
      {GreyRows({{255, 0}}), {255, 0}},  // -127 clamps to 0
  };
  for (auto [bmp, expected] : rows) {
    DiagonalSharpen(bmp);
    EXPECT_EQ(Reds(bmp, 0), expected);
  }
  // Row 1: column 0 looks straight up, column 2 at the processed 70.
  Bitmap square = GreyRows({{10, 50, 50}, {0, 60, 60}});
  DiagonalSharpen(square);
  EXPECT_EQ(Reds(square, 0), (std::vector<int>{10, 70, 40}));
  EXPECT_EQ(Reds(square, 1), (std::vector<int>{0, 85, 55}));
}

TEST(ContrastCurve, AppliesTheSelfHardLightTwice) {
  // One pass: 64 -> 32, 127 -> 126, 128 -> 129, 192 -> 224.
  const Bitmap source = GreyRows({{0, 64, 100, 127, 128, 192, 255}});
  Bitmap dest(50, 50);
  ContrastCurve(source, dest);
  ASSERT_EQ(dest.Width(), 7);
  ASSERT_EQ(dest.Height(), 1);
  EXPECT_EQ(Reds(dest, 0), (std::vector<int>{0, 8, 47, 124, 131, 248, 255}));
  EXPECT_EQ(dest.Pixel(2, 0), RGBColor(47, 47, 47));
  EXPECT_EQ(Reds(source, 0)[2], 100) << "source changed";
}

TEST(ArtBlend, LightenNeverDarkerDarkenNeverBrighter) {
  const Bitmap source = Varied(40, 30, 5);
  Bitmap lighter, darker;
  ArtBlend(source, lighter, 1);
  ArtBlend(source, darker, 2);
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

TEST(ArtBlend, DodgeModeWhitensFlatGreyAndPalesFlatColour) {
  for (int v : {0, 90, 255}) {
    Bitmap dest;
    ArtBlend(Flat(12, 12, RGBColor(v, v, v)), dest, 7);
    EXPECT_TRUE(dest.SamePixels(Flat(12, 12, clWhite))) << v;
  }
  // Grey of (red 200, green 100, blue 50) is 124: c * 256 div 124.
  Bitmap dest;
  ArtBlend(Flat(12, 12, RGBColor(200, 100, 50)), dest, 7);
  EXPECT_EQ(dest.Pixel(6, 6), RGBColor(255, 206, 103));
}

TEST(ArtBlend, DestMayBeSourceAndFailureLeavesDest) {
  const Bitmap picture = Varied(20, 16, 2);
  for (int mode = 1; mode <= 7; ++mode) {
    Bitmap apart, same(picture);
    ArtBlend(picture, apart, mode);
    ArtBlend(same, same, mode);
    EXPECT_TRUE(same.SamePixels(apart)) << mode;
  }
  // Too low for a blur at distance 3.
  Bitmap dest = Flat(4, 4, 0x123456);
  EXPECT_THROW(ArtBlend(Varied(10, 3), dest, 1), Error);
  EXPECT_TRUE(dest.SamePixels(Flat(4, 4, 0x123456)));
}

TEST(MosaicRelief, SmallPictureIsSharpenedThriceAndOverlaid) {
  // 100, 200 sharpens to 100, 250, then 100, 255; overlaid with the source:
  // 100 x 100 >> 7 = 78, and a mosaic value of 255 stays 255.
  Bitmap dest;
  MosaicRelief(GreyRows({{100, 200}}), dest);
  EXPECT_EQ(Reds(dest, 0), (std::vector<int>{78, 255}));
}

TEST(MosaicRelief, BlockIsTheLongerSideDiv15) {
  // 45 pixels give blocks of 3: the pixel right of the corner takes the
  // corner's colour, whichever side is the longer one.
  for (auto [w, h] : {std::pair{45, 20}, std::pair{20, 45}}) {
    Bitmap source = Flat(w, h, RGBColor(100, 100, 100));
    source.SetPixel(1, 0, RGBColor(20, 20, 20));
    Bitmap dest;
    MosaicRelief(source, dest);
    EXPECT_EQ(RedOf(dest.Pixel(1, 0)), BlendOverlay(100, 20)) << w;
  }
  const Bitmap picture = Varied(45, 20, 4);
  Bitmap apart, same(picture);
  MosaicRelief(picture, apart);
  MosaicRelief(same, same);
  EXPECT_TRUE(same.SamePixels(apart));
}

Bitmap HalfBlack(int width, int height) {
  Bitmap bmp = Flat(width, height, clWhite);
  bmp.SetBrushColor(clBlack);
  bmp.FillRect({0, 0, width / 2, height});
  return bmp;
}

TEST(PencilSketch, FlatAreasTurnWhiteAndStrokesTakeTheColour) {
  for (TColor c : {clBlack, TColor(0x4080C0)}) {
    Bitmap dest;
    PencilSketch(Flat(16, 12, c), dest, KernelEnv{});
    EXPECT_TRUE(dest.SamePixels(Flat(16, 12, clWhite))) << c;
  }

  const Bitmap source = HalfBlack(40, 20);
  Bitmap grey, tinted, kept;
  PencilSketch(source, grey, KernelEnv{});
  ScriptedColorPrompt red({clRed}), cancel({std::nullopt});
  PencilSketch(source, tinted, KernelEnv{"", &red});
  PencilSketch(source, kept, KernelEnv{"", &cancel});
  EXPECT_EQ(red.TimesAsked(), 1);
  EXPECT_TRUE(kept.SamePixels(grey));

  int strokes = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x) {
      const int g = RedOf(grey.Pixel(x, y));
      const TColor expected =
          g == 255 ? clWhite
                   : RGBColor(BlendOverlay(g, 255), BlendOverlay(g, 0), BlendOverlay(g, 0));
      ASSERT_EQ(tinted.Pixel(x, y), expected) << x << ", " << y;
      strokes += g < 128;
    }
  EXPECT_GT(strokes, 0) << "no stroke along the edge";
}

// The blend blurs with four passes, the sketch with two.
TEST(ArtKernels, BlurPassCounts) {
  const Bitmap source = Varied(30, 24, 6);
  Bitmap blurred(source), lighter;
  ApplyGaussianBlur(blurred, 3);
  ArtBlend(source, lighter, 1);
  Bitmap grey(source), sketch;
  Greyscale(grey);
  Bitmap negative(grey);
  ApplyGaussianBlur(negative, 1);
  Invert(negative);
  PencilSketch(source, sketch, KernelEnv{});
  for (int y = 0; y < 24; ++y)
    for (std::size_t i = 0; i < source.RowBytes(); ++i) {
      ASSERT_EQ(lighter.ScanLine(y)[i],
                BlendLighten(source.ScanLine(y)[i], blurred.ScanLine(y)[i]));
      ASSERT_EQ(sketch.ScanLine(y)[i], BlendDodge(grey.ScanLine(y)[i], negative.ScanLine(y)[i]));
    }
}

TEST(RenderArtEffect, NumbersReachTheirKernels) {
  const Bitmap source = Varied(36, 30, 8);
  for (int effect = 1; effect <= 10; ++effect) {
    Bitmap viaDoor, direct;
    RenderArtEffect(effect, source, viaDoor, KernelEnv{});
    if (effect <= 7) ArtBlend(source, direct, effect);
    if (effect == 8) ContrastCurve(source, direct);
    if (effect == 9) MosaicRelief(source, direct);
    if (effect == 10) PencilSketch(source, direct, KernelEnv{});
    EXPECT_TRUE(viaDoor.SamePixels(direct)) << effect;
    EXPECT_FALSE(viaDoor.SamePixels(source)) << effect << " renders nothing";
  }
  Bitmap dest;
  EXPECT_THROW(RenderArtEffect(11, source, dest, KernelEnv{}), Error);
}

}  // namespace
}  // namespace qv
