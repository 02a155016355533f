// The vectorised row loops against the plain arithmetic, on both routes
// (AVX-512 and AVX2 where the processor has them, and the baseline), for
// every input.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <tuple>
#include <utility>

#include "gfx/Bitmap.h"
#include "kernels/BlendByLuminance.h"
#include "kernels/ChannelPass.h"
#include "kernels/Greyscale.h"
#include "kernels/VectorRoute.h"

namespace qv {
namespace {

enum class Route { kBaseline, kAvx2, kAvx512 };

class VectorRoute : public ::testing::TestWithParam<Route> {
 protected:
  void SetUp() override {
    saved = {Avx2Route(), Avx512Route()};
    if (GetParam() != Route::kBaseline && !saved.first) GTEST_SKIP() << "no AVX2 here";
    if (GetParam() == Route::kAvx512 && !saved.second) GTEST_SKIP() << "no AVX-512 here";
    Avx2Route() = GetParam() != Route::kBaseline;
    Avx512Route() = GetParam() == Route::kAvx512;
  }
  void TearDown() override { std::tie(Avx2Route(), Avx512Route()) = saved; }
  std::pair<bool, bool> saved;
};

// Byte i of the two inputs holds the pair (i div 256, i mod 256); the odd
// width leaves a tail that no full vector covers.
template <class F>
int PassMismatches() {
  Bitmap a(21846, 1), b(21846, 1), out(21846, 1);
  for (std::size_t i = 0; i < a.RowBytes(); ++i) {
    a.Bits()[i] = std::uint8_t(i >> 8);
    b.Bits()[i] = std::uint8_t(i);
  }
  ChannelPass<F>(out, a, b, out);
  ChannelPass<F>(b, a, b, b);  // in place as well
  int mismatches = 0;
  for (std::size_t i = 0; i < a.RowBytes(); ++i) {
    const int expected = F::Apply(int(i >> 8 & 255), int(i & 255));
    mismatches += (out.Bits()[i] != expected) + (b.Bits()[i] != expected);
  }
  return mismatches;
}

TEST_P(VectorRoute, BlendPassesEqualTheArithmeticForAllPairs) {
  EXPECT_EQ(PassMismatches<Screen>(), 0);
  EXPECT_EQ(PassMismatches<Overlay>(), 0);
  EXPECT_EQ(PassMismatches<HardLight>(), 0);
  EXPECT_EQ(PassMismatches<Lighten>(), 0);
  EXPECT_EQ(PassMismatches<Darken>(), 0);
  EXPECT_EQ(PassMismatches<Dodge>(), 0);
  EXPECT_EQ(PassMismatches<Burn>(), 0);
}

// With a white source over a black picture the result is the weight itself:
// every colour of the cube as a mask gives its luminance, near halves and all.
TEST_P(VectorRoute, LuminanceWeightsEqualTheReferenceForAllColours) {
  Bitmap mask(4096, 4096), dest(4096, 4096), white(4096, 4096);
  white.Fill();
  for (int y = 0; y < 4096; ++y)
    for (int x = 0; x < 4096; ++x) mask.SetPixel(x, y, TColor(y * 4096 + x));
  BlendByLuminance(dest, white, mask);
  int mismatches = 0;
  for (int y = 0; y < 4096; ++y) {
    const std::uint8_t *m = mask.ScanLine(y), *d = dest.ScanLine(y);
    for (int x = 0; x < 4096; ++x, m += 3, d += 3) {
      const int l = MaskLuminance(m[0], m[1], m[2]);
      mismatches += d[0] != l || d[1] != l || d[2] != l;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

// Row r of the mask is grey r, so its weight is r; byte i of each row pairs
// source i div 256 with dest i mod 256, so that every (source, dest, weight)
// triple is mixed once. The odd width leaves pixels beyond the last block.
TEST_P(VectorRoute, LuminanceMixOfAllSourceDestAndWeightTriples) {
  Bitmap mask(21846, 256), source(21846, 256), dest(21846, 256);
  for (int r = 0; r < 256; ++r) {
    std::uint8_t *m = mask.ScanLine(r), *s = source.ScanLine(r), *d = dest.ScanLine(r);
    for (std::size_t i = 0; i < mask.RowBytes(); ++i) {
      m[i] = std::uint8_t(r);
      s[i] = std::uint8_t(i >> 8);
      d[i] = std::uint8_t(i);
    }
  }
  auto mismatches = [&](const Bitmap &out, auto base) {
    int count = 0;
    for (int r = 0; r < 256; ++r) {
      const std::uint8_t *o = out.ScanLine(r);
      for (std::size_t i = 0; i < out.RowBytes(); ++i) {
        const int s = int(i >> 8 & 255), b = base(i);
        count += o[i] != (s * r + b * (255 - r)) / 255;
      }
    }
    return count;
  };
  Bitmap over(21846, 256);
  BlendByLuminanceOverColor(over, RGBColor(7, 200, 93), source, mask);
  const int colour[3] = {93, 200, 7};  // blue, green, red
  EXPECT_EQ(mismatches(over, [&](std::size_t i) { return colour[i % 3]; }), 0);
  BlendByLuminance(dest, source, mask);
  EXPECT_EQ(mismatches(dest, [](std::size_t i) { return int(i & 255); }), 0);
  // The mask itself as dest: each pixel's weight is read before it is mixed.
  Bitmap expected = mask, grey = mask;
  BlendByLuminance(expected, source, mask);
  BlendByLuminance(grey, source, grey);
  EXPECT_EQ(std::memcmp(expected.Bits(), grey.Bits(), grey.ByteCount()), 0);
}

TEST_P(VectorRoute, GreyscaleOfAllColours) {
  Bitmap picture(4096, 4096);
  for (int y = 0; y < 4096; ++y)
    for (int x = 0; x < 4096; ++x) picture.SetPixel(x, y, TColor(y * 4096 + x));
  Greyscale(picture);
  int mismatches = 0;
  for (int y = 0; y < 4096; ++y)
    for (int x = 0; x < 4096; ++x) {
      const TColor c = TColor(y * 4096 + x);
      const int b = int(c >> 16 & 255), g = int(c >> 8 & 255), r = int(c & 255);
      const int grey = (28 * b + 151 * g + 77 * r) >> 8;
      mismatches += picture.Pixel(x, y) != RGBColor(grey, grey, grey);
    }
  EXPECT_EQ(mismatches, 0);
}

std::string RouteName(const ::testing::TestParamInfo<Route> &info) {
  switch (info.param) {
    case Route::kAvx2:
      return "Avx2";
    case Route::kAvx512:
      return "Avx512";
    default:
      return "Baseline";
  }
}

INSTANTIATE_TEST_SUITE_P(Routes, VectorRoute,
                         ::testing::Values(Route::kBaseline, Route::kAvx2, Route::kAvx512),
                         RouteName);

}  // namespace
}  // namespace qv
