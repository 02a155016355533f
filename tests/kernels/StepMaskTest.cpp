// A step's mask: a painted mask packed and read back (whole, in bands, as
// a file, and refused when damaged), a grey picture as a mask, and steps
// applied through their masks or refused for a mask of another size.

#include <gtest/gtest.h>

#include <vector>

#include "AssetFixture.h"
#include "CodecTestUtil.h"
#include "Pictures.h"
#include "kernels/MaskDrawing.h"
#include "kernels/MaskedMix.h"
#include "kernels/Recipes.h"
#include "kernels/Step.h"

namespace qv {
namespace {

constexpr int kW = 67, kH = 150;  // three chunks, the last one short

std::uint8_t ValueAt(int x, int y) {
  return std::uint8_t((x * 7 + y * y) & 255);
}

PackedMask Varied() {
  return PackedMask::Pack(kW, kH, [](int first, int last, std::uint8_t *rows) {
    for (int y = first; y < last; ++y)
      for (int x = 0; x < kW; ++x) *rows++ = ValueAt(x, y);
  });
}

TEST(PackedMask, GivesBackItsRowsWholeInBandsAndFromItsFile) {
  const PackedMask mask = Varied();
  EXPECT_EQ(mask.Width(), kW);
  EXPECT_EQ(mask.Height(), kH);
  for (auto [first, last] : {std::pair{0, kH}, {64, 100}, {128, 150}}) {
    std::vector<std::uint8_t> rows(std::size_t(last - first) * kW);
    mask.Unpack(first, last, rows.data());
    int wrong = 0;
    for (int y = first; y < last; ++y)
      for (int x = 0; x < kW; ++x) wrong += rows[std::size_t(y - first) * kW + x] != ValueAt(x, y);
    EXPECT_EQ(wrong, 0) << first << " to " << last;
  }
  const std::vector<std::uint8_t> file = mask.FileBytes();
  EXPECT_EQ(PackedMask::Parse(file), mask);
  EXPECT_EQ(PackedMask::Parse(file).Hash(), mask.Hash());
}

TEST(PackedMask, RefusesWhatIsNoMaskOrIsDamaged) {
  const std::vector<std::uint8_t> good = Varied().FileBytes();
  auto spoiled = [&](auto change) {
    std::vector<std::uint8_t> bytes = good;
    change(bytes);
    return bytes;
  };
  const struct {
    const char *Name;
    std::vector<std::uint8_t> Bytes;
    const char *Message;
  } cases[] = {
      {"empty", {}, "The painted mask is not a mask file"},
      {"a picture", EncodeBmp(test::Pattern(4, 4)), "The painted mask is not a mask file"},
      {"cut short", spoiled([](auto &b) { b.resize(b.size() - 9); }),
       "The painted mask is damaged"},
      {"a byte longer", spoiled([](auto &b) { b.push_back(0); }), "The painted mask is damaged"},
      {"a chunk changed", spoiled([](auto &b) { b[b.size() - 20] ^= 0x5A; }),
       "The painted mask is damaged"},
      {"taller than its chunks", spoiled([](auto &b) { b[12] = 200; }),
       "The painted mask is damaged"},
      {"no width", spoiled([](auto &b) { b[8] = 0; }), "The painted mask is damaged"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(test::MessageOf([&] { PackedMask::Parse(c.Bytes); }), c.Message) << c.Name;
}

TEST(PackedMask, AGreyPictureIsItsOwnMask) {
  const Bitmap grey = test::Grey({{0, 128, 255}, {7, 64, 200}});
  const PackedMask mask = PackedMask::FromPicture(grey);
  std::vector<std::uint8_t> values(6);
  mask.Unpack(0, 2, values.data());
  EXPECT_EQ(values, (std::vector<std::uint8_t>{0, 128, 255, 7, 64, 200}));
  // A colour picture by its grey.
  PackedMask::FromPicture(test::Uniform(3, 2, {10, 20, 250})).Unpack(0, 2, values.data());
  EXPECT_EQ(values[0], (28 * 10 + 151 * 20 + 77 * 250) >> 8);
}

class MaskedStep : public ::testing::Test {
 protected:
  MaskedStep() { assets.WriteCompleteSet(); }
  test::AssetRoot assets;
  const PictureRef picture = Share(test::Varied(kW, kH, 3));
};

// Through a gradient or a painted mask, a step is its render mixed by the
// mask; a painted mask of another size is refused, saying both sizes.
TEST_F(MaskedStep, IsItsRenderMixedThroughItsMask) {
  Step step;
  step.Category = 1;
  step.Number = 3;
  step.Strength = 70;
  Bitmap render;
  RenderRecipe(1, 3, *picture, render, assets.Env(), RenderSize::FullSize);

  step.Mask.Shape = {MaskShape::Form::Radial, 400'000, 500'000, 300'000, 600'000, 700'000, false};
  Bitmap expected;
  MaskedMix(*picture, render, expected, 70, ShapeRows(step.Mask.Shape, kW, kH));
  EXPECT_TRUE(ApplyStep(step, picture, assets.Env())->SamePixels(expected));

  step.Mask.Painted = std::make_shared<const PackedMask>(Varied());
  MaskedMix(*picture, render, expected, 70, step.Mask.Painted->Rows(), PackedMask::kChunkRows);
  EXPECT_TRUE(ApplyStep(step, picture, assets.Env())->SamePixels(expected));

  step.Mask.Painted =
      std::make_shared<const PackedMask>(PackedMask::FromPicture(test::Pattern(66, 150)));
  EXPECT_EQ(test::MessageOf([&] { ApplyStep(step, picture, assets.Env()); }),
            "The mask is 66 x 150 pixels and the picture 67 x 150; they must be the same size");
}

}  // namespace
}  // namespace qv
