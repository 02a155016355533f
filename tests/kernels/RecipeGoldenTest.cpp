// The bytes of every recipe, recorded once on one synthetic picture with one
// synthetic asset set. Any change in a kernel's arithmetic, order of work or
// sharing among threads that alters a single byte shows here. The full-size
// picture is large enough for the passes that split rows among the cores.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "AssetFixture.h"
#include "CodecTestUtil.h"
#include "gfx/Error.h"
#include "kernels/AssetStore.h"
#include "kernels/Categories.h"
#include "kernels/LightMap.h"
#include "kernels/Recipes.h"
#include "kernels/ScriptedColorPrompt.h"
#include "kernels/StreamedRender.h"

namespace qv {
namespace {

std::uint64_t Hash(const Bitmap &bmp) {  // FNV-1a over size and bytes
  std::uint64_t h = 14695981039346656037ULL;
  auto mix = [&h](std::uint8_t byte) { h = (h ^ byte) * 1099511628211ULL; };
  for (int v : {bmp.Width(), bmp.Height()})
    for (int shift = 0; shift < 32; shift += 8) mix(std::uint8_t(v >> shift));
  for (std::size_t i = 0; i < bmp.ByteCount(); ++i) mix(bmp.Bits()[i]);
  return h;
}

// Smooth colour ramps with a little noise and a few hard edges: flat areas,
// gradients and detail for the blurs, mattes and edge kernels alike.
Bitmap StandardPicture(int width, int height) {
  Bitmap picture(width, height);
  std::uint32_t s = 0x9E3779B9u;
  for (int y = 0; y < height; ++y) {
    std::uint8_t *row = picture.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      s ^= s << 13, s ^= s >> 17, s ^= s << 5;
      const int noise = int(s >> 28) - 8;
      const bool block = (x / 37 + y / 29) % 5 == 0;
      const int base[3] = {x * 255 / width, y * 255 / height, (x + y) * 255 / (width + height)};
      for (int c = 0; c < 3; ++c) {
        const int v = block ? 255 - base[c] : base[c] + noise;
        row[3 * x + c] = std::uint8_t(v < 0 ? 0 : v > 255 ? 255 : v);
      }
    }
  }
  return picture;
}

// The folders in the order the hashes were recorded in, each with its own
// run of seeds; a new category's folder goes at the end.
constexpr const char *kRecordedFolders[] = {"lightA",  "lightB", "lightC", "star",     "amazing",
                                            "weather", "dreamA", "dreamB", "gradient", "texture",
                                            "EdgeA",   "EdgeB",  "color",  "line"};

const AssetFolder &RegisteredFolder(std::string_view name) {
  for (const AssetFolder &folder : AssetFolders())
    if (folder.Name == name) return folder;
  throw Error(Text::Verbatim("no asset folder " + std::string(name)));
}

// Assets of several sizes (some larger than the thumbnail, some smaller than
// the full picture, odd sides that leave partial JPEG blocks), each its own
// pattern.
void WriteAssets(test::AssetRoot &root) {
  ASSERT_EQ(std::size(kRecordedFolders), AssetFolders().size()) << "a folder has no seeds";
  int seed = 0;
  for (const char *name : kRecordedFolders) {
    const AssetFolder &folder = RegisteredFolder(name);
    for (int n = 1; n <= folder.Files; ++n) {
      seed += 37;
      const Bitmap art = StandardPicture(19 + 23 * n + seed % 41, 13 + 17 * n + seed % 29);
      Bitmap mixed = test::Varied(art.Width(), art.Height(), seed);
      for (int y = 0; y < art.Height(); ++y)
        for (std::size_t i = 0; i < art.RowBytes(); ++i)
          mixed.ScanLine(y)[i] = std::uint8_t((mixed.ScanLine(y)[i] + art.ScanLine(y)[i]) / 2);
      root.Write(folder.Name, std::to_string(n), mixed);
    }
  }
}

class RecipeGolden : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    root = new test::AssetRoot;
    WriteAssets(*root);
  }
  static void TearDownTestSuite() { delete root; }

  // Hashes of all 160 recipes in category, number order; prints the table
  // when it differs from expected, so a deliberate change can be recorded.
  static void Check(const Bitmap &picture, RenderSize size, bool withColor,
                    const std::uint64_t (&expected)[kCategoryCount * kThumbnailCount]) {
    int failures = 0;
    std::string table;
    for (int id = 1; id <= kCategoryCount; ++id)
      for (int n = 1; n <= kThumbnailCount; ++n) {
        ScriptedColorPrompt prompt({RGBColor(200, 60, 30), RGBColor(20, 90, 250)});
        const KernelEnv env = root->Env(withColor ? &prompt : nullptr);
        Bitmap result;
        RenderRecipe(id, n, picture, result, env, size);
        const std::uint64_t h = Hash(result);
        const std::size_t i = std::size_t((id - 1) * kThumbnailCount + n - 1);
        if (h != expected[i]) {
          ++failures;
          ADD_FAILURE() << "category " << id << " effect " << n << " changed";
        }
        char cell[32];
        std::snprintf(cell, sizeof cell, "0x%016llxULL,%s", static_cast<unsigned long long>(h),
                      n % 2 == 0 ? "\n" : " ");
        table += cell;
      }
    if (failures) std::printf("%s", table.c_str());
  }

  static test::AssetRoot *root;
};
test::AssetRoot *RecipeGolden::root = nullptr;

#include "RecipeGoldenHashes.inc"

TEST_F(RecipeGolden, Thumbnails) {
  const Bitmap picture = StandardPicture(317, 211);
  Bitmap thumb;
  thumb.Recreate(kThumbnailSide, kThumbnailSide);
  thumb.StretchDraw({0, 0, kThumbnailSide, kThumbnailSide}, picture);
  Check(thumb, RenderSize::Thumbnail, false, kThumbnailHashes);
}

TEST_F(RecipeGolden, FullSize) {
  Check(StandardPicture(601, 403), RenderSize::FullSize, false, kFullSizeHashes);
}

// Under a colour prompt the kernels run their extra passes over the map.
TEST_F(RecipeGolden, FullSizeWithPickedColors) {
  Check(StandardPicture(523, 389), RenderSize::FullSize, true, kPickedColorHashes);
}

// A JPEG rendered band by band as it is decoded gives the very file that
// decoding it whole, rendering and encoding gives, with and without picked
// colours, for every recipe. A height that is no multiple of the band
// leaves a short last band.
TEST_F(RecipeGolden, StreamedRenderWritesTheSameFile) {
  test::TempFolder folder;
  const Bytes input = EncodeJpeg(StandardPicture(301, 203));
  const Bitmap decoded = DecodeJpeg(input);
  const std::string out = folder / "out.jpg";
  int streamed = 0;
  for (bool withColor : {false, true})
    for (int id = 1; id <= kCategoryCount; ++id)
      for (int n = 1; n <= kThumbnailCount; ++n) {
        ScriptedColorPrompt streamPrompt({RGBColor(200, 60, 30), RGBColor(20, 90, 250)});
        ScriptedColorPrompt wholePrompt = streamPrompt;
        const auto ignore = [](const std::vector<Text> &) {};
        if (!RenderStreamed(id, n, input, out, root->Env(withColor ? &streamPrompt : nullptr), {},
                            ignore)) {
          ADD_FAILURE() << "not streamed: " << id << " " << n;
          continue;
        }
        ++streamed;
        Bitmap whole;
        RenderRecipe(id, n, decoded, whole, root->Env(withColor ? &wholePrompt : nullptr),
                     RenderSize::FullSize);
        EXPECT_EQ(ReadFileBytes(out), EncodeJpeg(whole)) << id << " " << n << " " << withColor;
      }
  EXPECT_EQ(streamed, 2 * kCategoryCount * kThumbnailCount);
}

// A picture so wide that the decoder's ring holds three bands: the art
// passes read over band edges while the slots come round again, and the
// encoder takes each band one behind the decoder.
TEST_F(RecipeGolden, StreamedRenderOfAPictureWiderThanTheRing) {
  test::TempFolder folder;
  const Bytes input = EncodeJpeg(StandardPicture(22000, 70));
  const Bitmap decoded = DecodeJpeg(input);
  const std::string out = folder / "out.jpg";
  const int recipes[][2] = {{15, 1}, {15, 7}, {15, 9}, {15, 10}, {16, 5}, {1, 3}};
  for (const auto &[id, n] : recipes) {
    const auto ignore = [](const std::vector<Text> &) {};
    ASSERT_TRUE(RenderStreamed(id, n, input, out, root->Env(), {}, ignore)) << id << " " << n;
    Bitmap whole;
    RenderRecipe(id, n, decoded, whole, root->Env(), RenderSize::FullSize);
    EXPECT_EQ(ReadFileBytes(out), EncodeJpeg(whole)) << id << " " << n;
  }
}

// Preset 1 is light, stage, light, stage, matte; with the matte's asset
// missing the error comes out and the result holds the second light map.
TEST(RecipeChain, AFailingStepLeavesTheResultOfTheStepsBefore) {
  test::AssetRoot partial;
  partial.Write("lightA", "2", StandardPicture(40, 30));
  partial.Write("amazing", "1", test::Varied(33, 21, 5));
  const Bitmap picture = StandardPicture(700, 500);
  Bitmap first, second, result;
  ApplyLightMap(picture, first, "LightA", "2", partial.Env());
  ApplyLightMap(first, second, "Amazing", "1", partial.Env());
  EXPECT_THROW(RenderRecipe(16, 1, picture, result, partial.Env(), RenderSize::FullSize), Error);
  EXPECT_TRUE(result.SamePixels(second));
}

}  // namespace
}  // namespace qv
