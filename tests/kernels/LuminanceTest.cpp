#include <gtest/gtest.h>

#include "gfx/Bitmap.h"
#include "kernels/BlendByLuminance.h"

namespace qv {
namespace {

TEST(MaskLuminance, HalvesGoToEvenAndExtendedPrecisionDecides) {
  EXPECT_EQ(MaskLuminanceExtended(0, 0, 15), 4);  // t = 4.5
  EXPECT_EQ(MaskLuminanceExtended(0, 0, 25), 8);  // t = 7.5
  EXPECT_EQ(MaskLuminanceExtended(5, 5, 0), 3);   // t falls just below 3.5
  EXPECT_EQ(MaskLuminanceExtended(255, 255, 255), 255);
  EXPECT_EQ(MaskLuminanceExtended(0, 0, 0), 0);
}

// The integer route must agree with the extended computation everywhere.
TEST(MaskLuminance, FastRouteEqualsExtendedForAllColours) {
  int mismatches = 0;
  for (int r = 0; r < 256; ++r)
    for (int g = 0; g < 256; ++g)
      for (int b = 0; b < 256; ++b) {
        const auto B = std::uint8_t(b), G = std::uint8_t(g), R = std::uint8_t(r);
        if (MaskLuminance(B, G, R) != MaskLuminanceExtended(B, G, R)) ++mismatches;
      }
  EXPECT_EQ(mismatches, 0);
}

TEST(MaskLuminance, DivideBy255IsExactOverTheMixRange) {
  for (int x = 0; x <= 255 * 255; ++x) ASSERT_EQ(DivideBy255(std::uint16_t(x)), x / 255) << x;
}

Bitmap Filled(int w, int h, TColor c) {
  Bitmap b(w, h);
  b.SetBrushColor(c);
  b.Fill();
  return b;
}

Bitmap Ramp(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (std::size_t i = 0; i < b.RowBytes(); ++i) b.ScanLine(y)[i] = std::uint8_t(y * 31 + i * 7);
  return b;
}

TEST(BlendByLuminance, WhiteMaskCopiesSourceBlackMaskKeepsDest) {
  const Bitmap source = Ramp(9, 5);
  Bitmap dest = Filled(9, 5, RGBColor(1, 2, 3));
  BlendByLuminance(dest, source, Filled(9, 5, clWhite));
  EXPECT_TRUE(dest.SamePixels(source));

  Bitmap kept = Filled(9, 5, RGBColor(1, 2, 3));
  const Bitmap before = kept;
  BlendByLuminance(kept, source, Filled(9, 5, clBlack));
  EXPECT_TRUE(kept.SamePixels(before));
}

TEST(BlendByLuminance, GreyMaskMixesAndTruncates) {
  // Mask red 25 gives L = 8: (200 * 8 + 10 * 247) div 255 = 15.
  Bitmap dest = Filled(2, 2, RGBColor(10, 10, 10));
  BlendByLuminance(dest, Filled(2, 2, RGBColor(200, 200, 200)), Filled(2, 2, RGBColor(25, 0, 0)));
  EXPECT_EQ(dest.Pixel(1, 1), RGBColor(15, 15, 15));
}

TEST(BlendByLuminance, BoundsComeFromDestAndSmallerInputsAreRefused) {
  Bitmap dest = Filled(2, 2, clBlack);
  const Bitmap big = Filled(4, 4, clWhite);
  BlendByLuminance(dest, big, big);
  EXPECT_EQ(dest.Pixel(1, 1), clWhite);
  Bitmap tooBig = Filled(5, 5, clBlack);
  EXPECT_THROW(BlendByLuminance(tooBig, big, big), std::exception);
  Bitmap empty;
  BlendByLuminance(empty, big, big);
  EXPECT_TRUE(empty.Empty());
}

}  // namespace
}  // namespace qv
