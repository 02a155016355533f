// Area averaging against the exact mean worked out in floating point: whole
// and fractional factors, one side kept, a part of the picture, 3- and
// 4-byte sources, pictures large enough to be shared among the cores, and
// a picture followed while it is made.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Pictures.h"
#include "gfx/ReduceByArea.h"

namespace qv {
namespace {

using test::Pattern;
using test::Uniform;

// The mean of the source area under target pixel (tx, ty), channel c.
double ExactMean(const Bitmap &picture, const Rect &source, int width, int height, int tx, int ty,
                 int c) {
  const double sx = double(source.Width()) / width, sy = double(source.Height()) / height;
  double sum = 0;
  for (int y = int(ty * sy); y < source.Height() && y < (ty + 1) * sy; ++y)
    for (int x = int(tx * sx); x < source.Width() && x < (tx + 1) * sx; ++x) {
      const double cover = (std::min(x + 1.0, (tx + 1) * sx) - std::max(double(x), tx * sx)) *
                           (std::min(y + 1.0, (ty + 1) * sy) - std::max(double(y), ty * sy));
      sum += cover * picture.ScanLine(source.Top + y)[3 * (source.Left + x) + c];
    }
  return sum / (sx * sy);
}

TEST(ReduceByArea, EachPixelWithinOneLevelOfTheMean) {
  const struct {
    int W, H;
    Rect Source;
    int Width, Height;
  } cases[] = {
      {8, 8, {0, 0, 8, 8}, 4, 4},               // whole factor
      {10, 7, {0, 0, 10, 7}, 3, 2},             // fractional both ways
      {9, 9, {0, 0, 9, 9}, 9, 4},               // one side kept
      {40, 30, {5, 3, 37, 29}, 7, 5},           // a part
      {1200, 700, {0, 0, 1200, 700}, 311, 97},  // shared among the cores
  };
  for (const auto &k : cases) {
    const Bitmap picture = Pattern(k.W, k.H);
    std::vector<std::uint8_t> out(std::size_t(k.Width) * k.Height * 4);
    ReduceByArea(PixelsOf(picture), k.Source, k.Width, k.Height, out.data(),
                 std::size_t(k.Width) * 4);
    for (int y = 0; y < k.Height; ++y)
      for (int x = 0; x < k.Width; ++x) {
        const std::uint8_t *p = &out[(std::size_t(y) * k.Width + x) * 4];
        ASSERT_EQ(p[3], 255);
        for (int c = 0; c < 3; ++c)
          ASSERT_NEAR(p[c], ExactMean(picture, k.Source, k.Width, k.Height, x, y, c), 1.0)
              << k.W << "x" << k.H << " to " << k.Width << "x" << k.Height << " at " << x << ","
              << y << " channel " << c;
      }
  }
}

// A 4-byte source gives what the same pixels in 3 bytes give, its fourth
// byte ignored; a uniform picture stays exactly its colour.
TEST(ReduceByArea, FourByteSourcesAndUniformColour) {
  const Bitmap picture = Pattern(23, 17);
  std::vector<std::uint8_t> wide(23 * 17 * 4);
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 23; ++x)
      for (int c = 0; c < 4; ++c)
        wide[(std::size_t(y) * 23 + x) * 4 + c] = c < 3 ? picture.ScanLine(y)[3 * x + c] : 77;
  std::vector<std::uint8_t> fromThree(6 * 5 * 4), fromFour(6 * 5 * 4);
  ReduceByArea(PixelsOf(picture), {0, 0, 23, 17}, 6, 5, fromThree.data(), 24);
  ReduceByArea({wide.data(), 23 * 4, 4}, {0, 0, 23, 17}, 6, 5, fromFour.data(), 24);
  EXPECT_EQ(fromThree, fromFour);

  const Bitmap flat = Uniform(301, 203, {17, 128, 254});
  std::vector<std::uint8_t> out(7 * 3 * 4);
  ReduceByArea(PixelsOf(flat), {0, 0, 301, 203}, 7, 3, out.data(), 28);
  for (std::size_t i = 0; i < out.size(); i += 4)
    EXPECT_EQ((std::vector<int>{out[i], out[i + 1], out[i + 2]}), (std::vector<int>{17, 128, 254}));
}

// Following a picture made in uneven steps gives the reduction of the whole;
// one abandoned half way stops without waiting for rows never made.
TEST(ReduceByArea, FollowingAPictureAsItIsMade) {
  const Bitmap picture = Pattern(157, 233);
  std::vector<std::uint8_t> whole(40 * 61 * 4), followed(whole.size());
  ReduceByArea(PixelsOf(picture), {0, 0, 157, 233}, 40, 61, whole.data(), 160);
  {
    FollowingReduction reduction(PixelsOf(picture), 157, 233, 40, 61, followed.data(), 160);
    for (int rows : {1, 16, 17, 100, 101, 200, 233}) reduction.RowsMade(rows);
    reduction.Finish();
  }
  EXPECT_EQ(followed, whole);

  FollowingReduction abandoned(PixelsOf(picture), 157, 233, 40, 61, followed.data(), 160);
  abandoned.RowsMade(50);
}

}  // namespace
}  // namespace qv
