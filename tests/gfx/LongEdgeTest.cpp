// A picture brought down to a longest side: its size, rounded as the
// command line's help says, and its pixels those of the screen copy's area
// averaging, the exact rounded mean where the sides halve.

#include <gtest/gtest.h>

#include <vector>

#include "Pictures.h"
#include "gfx/LongEdge.h"
#include "gfx/ReduceByArea.h"

namespace qv {
namespace {

TEST(LongEdge, SizeKeepsTheProportionsAndNeverEnlarges) {
  const struct {
    int W, H, Edge;
    PictureSize Fitted;
  } cases[] = {
      {4000, 3000, 2048, {2048, 1536}},
      {3000, 4000, 2048, {1536, 2048}},
      {60, 35, 30, {30, 18}},
      {35, 60, 12, {7, 12}},  // 17.5 rounds up
      {20, 10, 40, {20, 10}},
      {20, 10, 20, {20, 10}},  // fits already
      {3, 1000, 10, {1, 10}},
      {1000, 3, 10, {10, 1}},  // never below 1
      {64, 64, 0, {64, 64}},
  };
  for (const auto &k : cases)
    EXPECT_EQ(FitLongEdge(k.W, k.H, k.Edge), k.Fitted) << k.W << "x" << k.H << " to " << k.Edge;
}

TEST(LongEdge, PixelsAreTheAreaAverage) {
  const Bitmap picture = test::Pattern(97, 61);
  for (int edge : {50, 31, 7, 1}) {
    const Bitmap reduced = ReduceToLongEdge(picture, edge);
    const PictureSize size = FitLongEdge(97, 61, edge);
    ASSERT_EQ(reduced.Width(), size.Width);
    ASSERT_EQ(reduced.Height(), size.Height);
    std::vector<std::uint8_t> screen(std::size_t(size.Width) * size.Height * 4);
    ReduceByArea(PixelsOf(picture), {0, 0, 97, 61}, size.Width, size.Height, screen.data(),
                 std::size_t(size.Width) * 4);
    for (int y = 0; y < size.Height; ++y)
      for (int x = 0; x < size.Width; ++x)
        for (int c = 0; c < 3; ++c)
          ASSERT_EQ(reduced.ScanLine(y)[3 * x + c],
                    screen[(std::size_t(y) * size.Width + x) * 4 + c])
              << edge << " at " << x << "," << y;
  }
  // Halved twice: each pixel the mean of its 4 x 4 block, rounded to the nearest.
  const Bitmap block = test::Pattern(16, 12);
  const Bitmap quarter = ReduceToLongEdge(block, 4);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x)
      for (int c = 0; c < 3; ++c) {
        int sum = 0;
        for (int j = 0; j < 4; ++j)
          for (int i = 0; i < 4; ++i) sum += block.ScanLine(4 * y + j)[3 * (4 * x + i) + c];
        ASSERT_EQ(quarter.ScanLine(y)[3 * x + c], (sum + 8) / 16) << x << "," << y;
      }
  // A picture that fits is the same picture, not a copy.
  const Bitmap same = ReduceToLongEdge(block, 16);
  EXPECT_EQ(same.Bits(), block.Bits());
}

}  // namespace
}  // namespace qv
