#include <gtest/gtest.h>

#include <algorithm>

#include "gfx/Bitmap.h"
#include "kernels/Blend.h"
#include "kernels/ChannelPass.h"
#include "kernels/Greyscale.h"

namespace qv {
namespace {

TEST(Blend, WorkedExamples) {
  EXPECT_EQ(BlendScreen(0, 0), 1);
  EXPECT_EQ(BlendScreen(128, 128), 192);
  EXPECT_EQ(BlendDodge(0, 255), 255);
  EXPECT_EQ(BlendDodge(100, 100), 165);
  EXPECT_EQ(BlendDodge(200, 100), 255);
  EXPECT_EQ(BlendDodge(255, 0), 255);
  EXPECT_EQ(BlendDodge(128, 0), 128);
  EXPECT_EQ(BlendBurn(255, 0), 0);
  EXPECT_EQ(BlendBurn(100, 200), 57);
  EXPECT_EQ(BlendBurn(10, 100), 0);
  EXPECT_EQ(BlendBurn(0, 255), 0);
  EXPECT_EQ(BlendOverlay(100, 200), 156);
  EXPECT_EQ(BlendOverlay(200, 100), 189);
  EXPECT_EQ(BlendOverlay(127, 255), 253);
  EXPECT_EQ(BlendOverlay(128, 0), 2);
  EXPECT_EQ(BlendHardLight(100, 200), 189);
  EXPECT_EQ(BlendLighten(3, 7), 7);
  EXPECT_EQ(BlendDarken(3, 7), 3);
}

// Properties over the whole 256 x 256 domain: results stay in a byte, the
// symmetric blends are symmetric, and the fixed rows and columns hold.
TEST(Blend, PropertiesOverAllPairs) {
  for (int a = 0; a < 256; ++a) {
    for (int b = 0; b < 256; ++b) {
      for (int v : {BlendDodge(a, b), BlendScreen(a, b), BlendHardLight(a, b), BlendBurn(a, b),
                    BlendOverlay(a, b)}) {
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 255);
      }
      ASSERT_EQ(BlendScreen(a, b), BlendScreen(b, a));
      ASSERT_EQ(BlendHardLight(a, b), BlendOverlay(b, a));
      ASSERT_EQ(BlendScreen(255, b), 255);
      ASSERT_EQ(BlendOverlay(0, b), 0);
      ASSERT_EQ(BlendOverlay(255, b), 255);
      ASSERT_EQ(BlendDodge(a, 255), 255);
      ASSERT_EQ(BlendBurn(a, 0), 0);
      if (b >= 1) {
        ASSERT_EQ(BlendBurn(255, b), 255);
      }
      ASSERT_GE(BlendScreen(a, b), std::max(a, b));  // screening never darkens
    }
  }
}

template <class F>
int LaneMismatches() {
  int mismatches = 0;
  for (int a = 0; a < 256; ++a)
    for (int b = 0; b < 256; ++b)
      mismatches += F::Lane(std::uint8_t(a), std::uint8_t(b)) != F::Apply(a, b);
  return mismatches;
}

// The vectorisable forms used by the channel pass must be the same functions.
TEST(Blend, LaneFormsEqualTheArithmeticForAllPairs) {
  EXPECT_EQ(LaneMismatches<Dodge>(), 0);
  EXPECT_EQ(LaneMismatches<Screen>(), 0);
  EXPECT_EQ(LaneMismatches<Lighten>(), 0);
  EXPECT_EQ(LaneMismatches<Darken>(), 0);
  EXPECT_EQ(LaneMismatches<HardLight>(), 0);
  EXPECT_EQ(LaneMismatches<Burn>(), 0);
  EXPECT_EQ(LaneMismatches<Overlay>(), 0);
}

Bitmap Filled(int w, int h, TColor c) {
  Bitmap b(w, h);
  b.SetBrushColor(c);
  b.Fill();
  return b;
}

TEST(ChannelPass, InPlaceAndBoundedBySizeBitmap) {
  Bitmap x = Filled(5, 4, RGBColor(10, 200, 128));
  const Bitmap y = Filled(5, 4, RGBColor(128, 128, 0));
  Bitmap bounds(5, 2);  // only the top two rows are worked
  ChannelPass<Screen>(x, x, y, bounds);
  EXPECT_EQ(x.Pixel(4, 1),
            RGBColor(BlendScreen(10, 128), BlendScreen(200, 128), BlendScreen(128, 0)));
  EXPECT_EQ(x.Pixel(0, 2), RGBColor(10, 200, 128));
  // The picture as B: argument order is kept when the target is the second input.
  Bitmap t = Filled(3, 3, RGBColor(100, 100, 100));
  const Bitmap s = Filled(3, 3, RGBColor(200, 200, 200));
  ChannelPass<Overlay>(t, s, t, t);
  EXPECT_EQ(t.Pixel(2, 2), RGBColor(189, 189, 189));
}

TEST(Greyscale, PrimaryColoursAndEdges) {
  Bitmap b(3, 2);
  b.SetPixel(0, 0, clBlack | 0xFF0000);  // blue
  b.SetPixel(1, 0, clLime);
  b.SetPixel(2, 0, clRed);
  b.SetPixel(0, 1, clWhite);
  b.SetPixel(2, 1, clRed);  // bottom-right corner is converted like the rest
  Greyscale(b);
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(27, 27, 27));
  EXPECT_EQ(b.Pixel(1, 0), RGBColor(150, 150, 150));
  EXPECT_EQ(b.Pixel(2, 0), RGBColor(76, 76, 76));
  EXPECT_EQ(b.Pixel(0, 1), RGBColor(255, 255, 255));
  EXPECT_EQ(b.Pixel(1, 1), RGBColor(0, 0, 0));
  EXPECT_EQ(b.Pixel(2, 1), RGBColor(76, 76, 76));
}

TEST(Greyscale, EmptyBitmapsAreLeftAlone) {
  Bitmap empty(0, 5);
  Greyscale(empty);
  Bitmap flat(7, 0);
  ChannelPass<Dodge>(flat, flat, flat, flat);
  EXPECT_TRUE(empty.Empty());
  EXPECT_TRUE(flat.Empty());
}

}  // namespace
}  // namespace qv
