// The drawing of masks pinned by golden hashes (gradients, and dabs of
// every kind over what lies beneath), and the properties the editor and
// the steps lean on: any columns in any order give the pixels of whole
// rows, and painting never gives more paint than cover.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "gfx/ContentHash.h"
#include "kernels/MaskDrawing.h"

namespace qv {
namespace {

constexpr int kW = 97, kH = 61;
using Form = MaskShape::Form;

MaskShape Shape(Form kind, int x0, int y0, int x1, int y1, int feather = kMaskUnit / 2,
                bool invert = false) {
  return {kind, x0, y0, x1, y1, feather, invert};
}

std::vector<std::uint8_t> Drawn(const MaskShape &shape) {
  std::vector<std::uint8_t> mask(std::size_t(kW) * kH);
  ShapeRows(shape, kW, kH)(0, kH, mask.data());
  return mask;
}

// Paint and cover after the dabs, and the mask they make over a base.
struct Painting {
  std::vector<std::uint8_t> Paint = std::vector<std::uint8_t>(std::size_t(kW) * kH);
  std::vector<std::uint8_t> Cover = std::vector<std::uint8_t>(std::size_t(kW) * kH);
  void Dabs(const std::vector<Dab> &dabs) {
    for (const Dab &dab : dabs) {
      const DabProfile profile(dab.Hardness, dab.Flow);
      const Rect r = DabBounds(dab, kW, kH);
      for (int y = r.Top; y < r.Bottom; ++y) {
        const std::size_t at = std::size_t(y) * kW + std::size_t(r.Left);
        PaintDabRow(dab, profile, y, r.Left, r.Width(), Paint.data() + at, Cover.data() + at);
      }
    }
  }
  std::vector<std::uint8_t> Over(std::uint8_t base) const {
    std::vector<std::uint8_t> mask(Paint.size(), base);
    ComposeMaskRow(mask.data(), Paint.data(), Cover.data(), int(mask.size()), false, mask.data());
    return mask;
  }
};

std::uint64_t Hash(const std::vector<std::uint8_t> &bytes) {
  return ContentHash(bytes);
}

TEST(MaskDrawing, GradientsGiveTheirGoldenMasks) {
  const struct {
    const char *Name;
    MaskShape Shape;
    std::uint64_t Golden;
  } cases[] = {
      {"linear, corner to corner", Shape(Form::Linear, 0, 0, kMaskUnit, kMaskUnit),
       0xec79f70dcdbdf152u},
      {"linear, short and upwards", Shape(Form::Linear, 500'000, 800'000, 550'000, 300'000),
       0x353a654dcb2cdf12u},
      {"linear, ends outside", Shape(Form::Linear, -1'000'000, 250'000, 2'000'000, 750'000),
       0x23bc185f1ba5b712u},
      {"linear, inverted", Shape(Form::Linear, 0, 0, kMaskUnit, kMaskUnit, kMaskUnit / 2, true),
       0x42d657441f3d09cdu},
      {"radial, centred", Shape(Form::Radial, 500'000, 500'000, 400'000, 400'000),
       0x8ed7031ecc4619edu},
      {"radial, hard edge", Shape(Form::Radial, 500'000, 500'000, 300'000, 450'000, 0),
       0x9b1b147c88c63636u},
      {"radial, soft from the centre",
       Shape(Form::Radial, 500'000, 500'000, 300'000, 450'000, kMaskUnit), 0x422af884ef2aeec0u},
      {"radial, over the edge, inverted",
       Shape(Form::Radial, 950'000, 100'000, 600'000, 250'000, 250'000, true), 0x8ef61d7e18a28277u},
      {"radial, narrower than a pixel", Shape(Form::Radial, 500'000, 500'000, 1, 1),
       0xb1df7da49f7a66b3u},
      {"no effect anywhere", Shape(Form::None, 0, 0, 0, 0, 0, true), 0x1b67170f7372516au},
  };
  for (const auto &c : cases) EXPECT_EQ(Hash(Drawn(c.Shape)), c.Golden) << c.Name;
  // Full effect up to the first point, none from the second, a fade
  // between that falls along every row.
  const auto across = Drawn(Shape(Form::Linear, 250'000, 0, 750'000, 0));
  for (int x = 0; x < kW; ++x) {
    const int value = across[std::size_t(x)], centre = 16 * x + 8;
    EXPECT_TRUE(centre > 16 * kW / 4 || value == 255) << x;
    EXPECT_TRUE(centre < 16 * kW * 3 / 4 || value == 0) << x;
    EXPECT_TRUE(x == 0 || value <= across[std::size_t(x) - 1]) << x;
    EXPECT_EQ(across[std::size_t(kH - 1) * kW + std::size_t(x)], value) << x;
  }
  EXPECT_EQ(Drawn(Shape(Form::None, 0, 0, 0, 0)), std::vector<std::uint8_t>(kW * kH, 255));
}

TEST(MaskDrawing, DabsGiveTheirGoldenMasks) {
  const struct {
    const char *Name;
    std::vector<Dab> Dabs;
    std::uint8_t Base;
    std::uint64_t Golden;
  } cases[] = {
      {"a hard dab", {{16 * 40, 16 * 30, 16 * 12, 255, 100, 100}}, 0, 0x168fd668a052e96eu},
      {"a soft dab", {{16 * 40 + 5, 16 * 30 + 11, 16 * 20, 255, 0, 100}}, 0, 0x37b72c7bb05ae13bu},
      {"half hard, off the edge",
       {{16 * 2, 16 * 55, 16 * 15, 255, 50, 100}},
       0,
       0x63d3b922d6ab23ffu},
      {"low flow building up",
       {{16 * 30, 16 * 30, 16 * 14, 255, 30, 20},
        {16 * 34, 16 * 30, 16 * 14, 255, 30, 20},
        {16 * 38, 16 * 30, 16 * 14, 255, 30, 20},
        {16 * 42, 16 * 31, 16 * 14, 255, 30, 20}},
       0,
       0x78810ec96bb084a2u},
      {"erased over the full effect",
       {{16 * 60, 16 * 20, 16 * 18, 0, 40, 70}, {16 * 70, 16 * 25, 16 * 10, 0, 100, 100}},
       255,
       0xeee0d85a0c0d9c7au},
      {"brushed, then partly erased",
       {{16 * 50, 16 * 30, 16 * 25, 255, 60, 100}, {16 * 50, 16 * 30, 16 * 9, 0, 0, 60}},
       0,
       0xf8d59d27fcba7fbeu},
      {"half a pixel", {{16 * 10 + 8, 16 * 10 + 8, 8, 255, 100, 100}}, 0, 0xb3822605d74dd7a1u},
  };
  for (const auto &c : cases) {
    Painting painting;
    painting.Dabs(c.Dabs);
    EXPECT_EQ(Hash(painting.Over(c.Base)), c.Golden) << c.Name;
  }
}

// The view asks for the pixels it shows, the full size for whole rows:
// both give the same values, and paint never exceeds cover, so that the
// mask never passes 255 whatever lies beneath.
TEST(MaskDrawing, AnyPixelsInAnyOrderGiveTheRowsValues) {
  std::vector<int> columns(kW);
  for (int i = 0; i < kW; ++i) columns[std::size_t(i)] = (i * 37) % kW;
  for (const MaskShape &shape :
       {Shape(Form::Linear, 100'000, 900'000, 700'000, 200'000),
        Shape(Form::Radial, 300'000, 600'000, 500'000, 200'000, 800'000)}) {
    const auto whole = Drawn(shape);
    const ShapeGrid grid(shape, kW, kH);
    std::vector<std::uint8_t> picked(kW);
    for (int y = 0; y < kH; ++y) {
      grid.Pixels(y, columns.data(), kW, picked.data());
      for (int i = 0; i < kW; ++i)
        ASSERT_EQ(picked[std::size_t(i)], whole[std::size_t(y) * kW + std::size_t(columns[i])]);
    }
  }
  Painting painting;
  std::vector<Dab> dabs;
  for (int i = 0; i < 40; ++i)
    dabs.push_back({16 * ((i * 29) % kW), 16 * ((i * 17) % kH) + i, 16 * (3 + i % 11),
                    std::uint8_t(i % 3 ? 255 : 0), std::uint8_t(i * 7 % 101),
                    std::uint8_t(1 + i * 13 % 100)});
  painting.Dabs(dabs);
  for (std::size_t i = 0; i < painting.Paint.size(); ++i)
    ASSERT_LE(painting.Paint[i], painting.Cover[i]);
}

}  // namespace
}  // namespace qv
