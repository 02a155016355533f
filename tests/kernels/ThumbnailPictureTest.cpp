// The pictures the strip renders on: the fitted size for every shape of
// picture and cell, and the averaged copy's pixels.

#include <gtest/gtest.h>

#include "Pictures.h"
#include "kernels/ThumbnailPicture.h"

namespace qv {
namespace {

using test::At;
using test::Px;

struct FitCase {
  const char *Shape;
  int Width, Height, CellWidth, CellHeight;
  PixelSize Expected;
};

TEST(ThumbnailPicture, FittedSizeKeepsTheShapeInsideTheCell) {
  const FitCase cases[] = {
      // The largest cell of two rows of five on a wide strip.
      {"portrait 3:4", 3000, 4000, 320, 184, {138, 184}},
      {"square", 1000, 1000, 320, 184, {184, 184}},
      {"panorama 2:1", 4000, 2000, 320, 184, {320, 160}},
      {"landscape 3:2 in a square", 6000, 4000, 320, 320, {320, 213}},
      {"portrait in a tall cell", 3000, 4000, 159, 320, {159, 212}},
      {"at twice the density", 6000, 4000, 640, 640, {640, 427}},
      // Never enlarged: a small picture is shown at its own size.
      {"smaller than the cell", 96, 72, 320, 320, {96, 72}},
      {"as wide as the cell", 320, 100, 320, 320, {320, 100}},
      // A sliver keeps a pixel.
      {"a line", 10000, 10, 100, 100, {100, 1}},
      {"no cell", 100, 100, 0, 50, {}},
      {"no picture", 0, 0, 100, 100, {}},
  };
  for (const FitCase &c : cases)
    EXPECT_EQ(FittedThumbnailSize(c.Width, c.Height, c.CellWidth, c.CellHeight), c.Expected)
        << c.Shape;
}

TEST(ThumbnailPicture, FittedCopyAveragesEachArea) {
  // Blocks of 3 x 3 pixels whose mean is the middle pixel's value: each
  // block becomes one pixel of exactly that value.
  Bitmap picture(12, 6);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 12; ++x) {
      const int block = (y / 3) * 4 + x / 3, offset = (x % 3 - 1) * 2 + (y % 3 - 1) * 6;
      test::Put(picture, x, y,
                {std::uint8_t(40 + 20 * block + offset), std::uint8_t(200 - 10 * block),
                 std::uint8_t(17 * block)});
    }
  const Bitmap fitted = FittedThumbnail(picture, 4, 4);
  ASSERT_EQ(fitted.Width(), 4);
  ASSERT_EQ(fitted.Height(), 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) {
      const int block = y * 4 + x;
      EXPECT_EQ(At(fitted, x, y), (Px{std::uint8_t(40 + 20 * block), std::uint8_t(200 - 10 * block),
                                      std::uint8_t(17 * block)}))
          << x << ", " << y;
    }
  // A picture that fits already is the picture itself.
  EXPECT_TRUE(FittedThumbnail(picture, 50, 50).SamePixels(picture));
}

}  // namespace
}  // namespace qv
