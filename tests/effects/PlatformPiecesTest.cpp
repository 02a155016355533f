#include <gtest/gtest.h>

#include <set>

#include "effects/EllipseSpans.h"
#include "effects/HalftonePalette.h"

namespace qv {
namespace {

int Distance2(TColor a, TColor b) {
  const int dr = RedOf(a) - RedOf(b), dg = GreenOf(a) - GreenOf(b), db = BlueOf(a) - BlueOf(b);
  return dr * dr + dg * dg + db * db;
}

TEST(HalftonePalette, SpansTheCubeAndMapsToTheNearestColour) {
  std::set<TColor> colours;
  for (int i = 0; i < 256; ++i) {
    const TColor c = HalftoneColor(std::uint8_t(i));
    colours.insert(c);
    EXPECT_EQ(HalftoneIndex(BlueOf(c), GreenOf(c), RedOf(c)), i);
  }
  EXPECT_EQ(colours.size(), 256u);
  EXPECT_TRUE(colours.count(clBlack) && colours.count(clWhite) && colours.count(clYellow));
  for (int r = 0; r < 256; r += 17)
    for (int g = 3; g < 256; g += 23)
      for (int b = 7; b < 256; b += 31) {
        const TColor c = RGBColor(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b));
        const int chosen = Distance2(c, HalftoneColor(HalftoneIndex(b, g, r)));
        for (int i = 0; i < 256; ++i) ASSERT_LE(chosen, Distance2(c, HalftoneColor(i)));
      }
}

TEST(EllipseSpans, InscribedWithRightAndBottomOutside) {
  for (const Rect box : {Rect{3, -4, 13, 30}, Rect{13, 30, 3, -4}}) {
    EXPECT_TRUE(EllipseRow(box, -5).Empty() && EllipseRow(box, 30).Empty());
    EXPECT_FALSE(EllipseRow(box, -4).Empty() || EllipseRow(box, 29).Empty());
    EXPECT_TRUE(EllipseInsideRow(box, -4).Empty() && EllipseInsideRow(box, 29).Empty());
    for (int y = -4; y < 30; ++y) {
      const Span row = EllipseRow(box, y), inside = EllipseInsideRow(box, y);
      EXPECT_EQ(row.Left - 3, 13 - row.Right) << "symmetric, row " << y;
      EXPECT_TRUE(row.Left >= 3 && row.Right <= 13 && (y < 12 || y > 13 || row.Right == 13));
      EXPECT_TRUE(inside.Empty() || (inside.Left > row.Left && inside.Right < row.Right));
    }
  }
  const Span huge = EllipseRow({-2147483647, -2147483647, 2147483647, 2147483647}, 0);
  EXPECT_TRUE(huge.Left < 0 && huge.Right > 0);
}

}  // namespace
}  // namespace qv
