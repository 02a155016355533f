#include <gtest/gtest.h>

#include <vector>

#include "gfx/Bands.h"
#include "gfx/Bitmap.h"
#include "gfx/Error.h"

namespace qv {
namespace {

// Each pixel carries its own coordinates, so a stretch can be traced back.
Bitmap Coordinates(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, RGBColor(std::uint8_t(x), std::uint8_t(y), 7));
  return b;
}

// A nearest-neighbour stretch must cover every target pixel with some source
// pixel, keep the order of rows and columns, reach both source corners, and
// never invent a value by averaging.
void ExpectCoveringStretch(int sw, int sh, int dw, int dh) {
  SCOPED_TRACE(testing::Message() << sw << "x" << sh << " -> " << dw << "x" << dh);
  const Bitmap source = Coordinates(sw, sh);
  Bitmap target(dw, dh);
  target.SetBrushColor(RGBColor(1, 2, 3));
  target.Fill();
  target.StretchDraw({0, 0, dw, dh}, source);
  int lastX = -1;
  for (int x = 0; x < dw; ++x) {
    const int sx = RedOf(target.Pixel(x, 0));
    ASSERT_GE(sx, lastX);
    lastX = sx;
  }
  for (int y = 0; y < dh; ++y)
    for (int x = 0; x < dw; ++x) {
      const TColor c = target.Pixel(x, y);
      ASSERT_EQ(BlueOf(c), 7) << "pixel " << x << "," << y << " was not drawn";
      ASSERT_LT(RedOf(c), sw);
      ASSERT_LT(GreenOf(c), sh);
    }
  if (dw >= sw) {
    EXPECT_EQ(RedOf(target.Pixel(0, 0)), 0);
    EXPECT_EQ(RedOf(target.Pixel(dw - 1, 0)), sw - 1);
  }
  if (dh >= sh) {
    EXPECT_EQ(GreenOf(target.Pixel(0, 0)), 0);
    EXPECT_EQ(GreenOf(target.Pixel(0, dh - 1)), sh - 1);
  }
}

TEST(Bitmap, StretchCoversTargetForShrinkEnlargeAndOddSizes) {
  ExpectCoveringStretch(200, 150, 105, 105);
  ExpectCoveringStretch(7, 5, 105, 105);
  ExpectCoveringStretch(13, 17, 13, 17);
  ExpectCoveringStretch(1, 1, 9, 4);
  ExpectCoveringStretch(101, 3, 7, 11);
  ExpectCoveringStretch(3, 101, 250, 2);
}

TEST(Bitmap, StretchOfEqualSizeIsACopy) {
  const Bitmap source = Coordinates(31, 17);
  Bitmap target(31, 17);
  target.StretchDraw({0, 0, 31, 17}, source);
  EXPECT_TRUE(target.SamePixels(source));
}

TEST(Bitmap, StretchIntoAPartlyOutsideRectangleIsClipped) {
  const Bitmap source = Coordinates(4, 4);
  Bitmap target(5, 5);
  target.StretchDraw({-2, -2, 6, 6}, source);  // source pixel (1,1) lands at (0,0)
  EXPECT_EQ(target.Pixel(0, 0), RGBColor(1, 1, 7));
  EXPECT_EQ(target.Pixel(4, 4), RGBColor(3, 3, 7));
}

TEST(Bitmap, BrushIsWhiteUntilFilledAndSurvivesAssignment) {
  Bitmap a(2, 2);
  EXPECT_EQ(a.BrushColor(), clWhite);
  a.SetBrushColor(clYellow);
  a.Fill();
  const std::uint8_t *p = a.ScanLine(1) + 3;
  EXPECT_EQ(p[0], 0);  // yellow is stored blue, green, red = 0, 255, 255
  EXPECT_EQ(p[1], 255);
  EXPECT_EQ(p[2], 255);
  Bitmap b(5, 1);
  b = a;  // takes size and pixels, not the brush
  EXPECT_EQ(b.Width(), 2);
  EXPECT_EQ(b.BrushColor(), clWhite);
  EXPECT_TRUE(b.SamePixels(a));
  const Bitmap c(a);
  EXPECT_EQ(c.BrushColor(), clWhite);
}

TEST(Bitmap, FillRectAndDrawClip) {
  Bitmap a(4, 3);
  a.SetBrushColor(clRed);
  a.FillRect({-5, 1, 2, 99});
  EXPECT_EQ(a.Pixel(0, 2), clRed);
  EXPECT_EQ(a.Pixel(2, 2), clBlack);
  EXPECT_EQ(a.Pixel(0, 0), clBlack);

  const Bitmap tile = Coordinates(3, 3);
  Bitmap big(5, 5);
  big.Draw(3, 3, tile);  // only the top-left 2 x 2 of the tile fits
  EXPECT_EQ(big.Pixel(4, 4), RGBColor(1, 1, 7));
  EXPECT_EQ(big.Pixel(2, 2), clBlack);
  big.Draw(-2, -2, tile);
  EXPECT_EQ(big.Pixel(0, 0), RGBColor(2, 2, 7));
  big.Draw(100, 0, tile);  // fully outside: nothing happens
}

TEST(Bitmap, ResizeKeepsTheSharedAreaAndBlackensTheRest) {
  Bitmap a = Coordinates(4, 4);
  a.SetWidth(6);
  EXPECT_EQ(a.Pixel(3, 3), RGBColor(3, 3, 7));
  EXPECT_EQ(a.Pixel(5, 0), clBlack);
  a.SetHeight(2);
  EXPECT_EQ(a.Height(), 2);
  EXPECT_EQ(a.Pixel(1, 1), RGBColor(1, 1, 7));
}

// A copy shares the pixels until either side is written, by any way of
// writing; the other side keeps the picture as it was. The bands of one pass
// may all be the first to write a shared bitmap.
TEST(Bitmap, CopiesShareUntilOneIsWritten) {
  using Write = void (*)(Bitmap &);
  const std::pair<const char *, Write> writes[] = {
      {"SetPixel", [](Bitmap &b) { b.SetPixel(1, 1, clWhite); }},
      {"ScanLine", [](Bitmap &b) { b.ScanLine(2)[0] = 255; }},
      {"Bits", [](Bitmap &b) { b.Bits()[5] ^= 1; }},
      {"FillRect",
       [](Bitmap &b) {
         b.FillRect({0, 0, 2, 2});
       }},
      {"StretchDraw",
       [](Bitmap &b) {
         b.StretchDraw({0, 0, 3, 3}, Bitmap(1, 1));
       }},
      {"Recreate", [](Bitmap &b) { b.Recreate(b.Width(), b.Height()), b.Fill(); }},
      {"SetSize", [](Bitmap &b) { b.SetSize(b.Width() + 1, b.Height()); }},
      {"bands",
       [](Bitmap &b) {
         ForEachBand(b.Height(), 1, true, [&b](int first, int last) {
           for (int y = first; y < last; ++y) b.ScanLine(y)[0] = 1;
         });
       }},
  };
  for (bool writeCopy : {false, true})
    for (const auto &[name, write] : writes) {
      SCOPED_TRACE(testing::Message() << name << (writeCopy ? " on the copy" : " on the original"));
      Bitmap original = Coordinates(40, 300);
      const Bitmap before = Coordinates(40, 300);
      Bitmap copy = original;
      EXPECT_TRUE(copy.SharesPixelsWith(original));
      write(writeCopy ? copy : original);
      const Bitmap &kept = writeCopy ? original : copy;
      const Bitmap &written = writeCopy ? copy : original;
      EXPECT_FALSE(written.SharesPixelsWith(kept));
      EXPECT_TRUE(kept.SamePixels(before));
      EXPECT_FALSE(written.SamePixels(before));
    }
}

TEST(Bitmap, SizeLimitRefusesBeforeAllocating) {
  EXPECT_NO_THROW(CheckPictureSize(12000, 10000));  // 120 megapixels
  EXPECT_THROW(CheckPictureSize(65500, 65500), Error);
  EXPECT_THROW(CheckPictureSize(70000, 1), Error);
  EXPECT_THROW(CheckPictureSize(-1, 5), Error);
  EXPECT_THROW(Bitmap(65500, 65500), Error);
  try {
    CheckPictureSize(20000, 20000);
    FAIL();
  } catch (const Error &e) {
    EXPECT_NE(std::string(e.what()).find("too large"), std::string::npos);
  }
}

}  // namespace
}  // namespace qv
