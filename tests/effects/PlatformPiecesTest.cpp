#include <gtest/gtest.h>

#include <set>

#include "effects/EllipseSpans.h"
#include "effects/HalftonePalette.h"
#include "effects/Random.h"

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
  EXPECT_TRUE(colours.count(clBlack) && colours.count(clWhite) && colours.count(clRed) &&
              colours.count(clYellow));
  // Nearest by the squared distance, checked against every palette colour.
  for (int r = 0; r < 256; r += 17)
    for (int g = 3; g < 256; g += 23)
      for (int b = 7; b < 256; b += 31) {
        const TColor c = RGBColor(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b));
        const int chosen = Distance2(c, HalftoneColor(HalftoneIndex(b, g, r)));
        for (int i = 0; i < 256; ++i) ASSERT_LE(chosen, Distance2(c, HalftoneColor(i)));
      }
}

TEST(EllipseSpans, InscribedWithRightAndBottomOutside) {
  for (const Rect box : {Rect{0, 0, 21, 15}, Rect{3, -4, 13, 30}, Rect{5, 5, 6, 9}}) {
    bool touchesLeft = false, touchesRight = false;
    for (int y = box.Top - 2; y < box.Bottom + 2; ++y) {
      const Span row = EllipseRow(box, y);
      if (y < box.Top || y >= box.Bottom) {
        EXPECT_TRUE(row.Empty()) << y;
        continue;
      }
      if (row.Empty()) continue;
      EXPECT_GE(row.Left, box.Left);
      EXPECT_LE(row.Right, box.Right);
      EXPECT_EQ(row.Left - box.Left, box.Right - row.Right) << "symmetric, row " << y;
      touchesLeft |= row.Left == box.Left;
      touchesRight |= row.Right == box.Right;
      const Span inside = EllipseInsideRow(box, y);
      if (!inside.Empty()) {
        EXPECT_GT(inside.Left, row.Left);
        EXPECT_LT(inside.Right, row.Right);
      }
    }
    EXPECT_TRUE(touchesLeft && touchesRight);
    EXPECT_FALSE(EllipseRow(box, box.Top).Empty());
    EXPECT_FALSE(EllipseRow(box, box.Bottom - 1).Empty());
    EXPECT_TRUE(EllipseInsideRow(box, box.Top).Empty());
    EXPECT_TRUE(EllipseInsideRow(box, box.Bottom - 1).Empty());
  }
  // Sides given the other way round, and an empty box.
  const Rect box{2, 1, 30, 20}, flipped{30, 20, 2, 1};
  for (int y = 0; y < 22; ++y) {
    EXPECT_EQ(EllipseRow(box, y).Left, EllipseRow(flipped, y).Left);
    EXPECT_EQ(EllipseRow(box, y).Right, EllipseRow(flipped, y).Right);
  }
  EXPECT_TRUE(EllipseRow({4, 0, 4, 10}, 5).Empty());
  // A box of the full int range still gives a sane span.
  const Span huge = EllipseRow({-2147483647, -2147483647, 2147483647, 2147483647}, 0);
  EXPECT_LT(huge.Left, 0);
  EXPECT_GT(huge.Right, 0);
}

TEST(Random, DeterministicAndInRange) {
  RandomSeed(42);
  int first[8];
  for (int &v : first) v = Random(1000);
  RandomSeed(42);
  for (int v : first) EXPECT_EQ(Random(1000), v);
  std::set<int> seen;
  for (int i = 0; i < 2000; ++i) {
    const int v = Random(7);
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 7);
    seen.insert(v);
  }
  EXPECT_EQ(seen.size(), 7u);
  EXPECT_EQ(Random(0), 0);
  EXPECT_EQ(Random(-5), 0);
}

}  // namespace
}  // namespace qv
