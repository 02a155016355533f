// render art N and render preset 5 through the real quorvane-fx, against the
// art kernels run in this process.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "codecs/Codecs.h"
#include "gfx/Bitmap.h"
#include "kernels/ArtEffect.h"
#include "kernels/Categories.h"
#include "kernels/Recipes.h"
#include "kernels/ScriptedColorPrompt.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

struct FxRun {
  int status = -1;
  std::string output;
};

FxRun Fx(const std::string &arguments) {
  const std::string command = std::string("'") + QV_FX_PATH + "' " + arguments + " 2>&1";
  FxRun run;
  FILE *pipe = ::popen(command.c_str(), "r");
  if (!pipe) return run;
  char chunk[512];
  while (std::size_t n = std::fread(chunk, 1, sizeof chunk, pipe)) run.output.append(chunk, n);
  const int raw = ::pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

Bitmap Varied(int width, int height, int seed) {
  Bitmap bmp(width, height);
  for (int y = 0; y < height; ++y)
    for (std::size_t i = 0; i < bmp.RowBytes(); ++i)
      bmp.ScanLine(y)[i] = std::uint8_t((i * 37 + std::size_t(y) * 101 + seed) * 2654435761u >> 24);
  return bmp;
}

class ArtRender : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "qv-art-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir = pattern + "/";
    in = dir + "in.bmp";
    out = dir + "out.bmp";
    WritePicture(in, picture);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(dir, ignored);
  }

  FxRun Render(const std::string &category, int n, const std::string &options = "") const {
    return Fx("render " + category + " " + std::to_string(n) + " '" + in + "' '" + out + "' " +
              "--assets '" + dir + "' " + options);
  }

  std::string dir, in, out;
  const Bitmap picture = Varied(64, 48, 3);
};

TEST_F(ArtRender, EveryArtEffectMatchesTheKernels) {
  for (int n = 1; n <= kThumbnailCount; ++n) {
    SCOPED_TRACE(n);
    const FxRun run = Render("art", n);
    ASSERT_EQ(run.status, 0) << run.output;
    Bitmap expected;
    RenderArtEffect(n, picture, expected, KernelEnv{});
    const Bitmap got = ReadPicture(out);
    EXPECT_TRUE(got.SamePixels(expected));
    EXPECT_FALSE(got.SamePixels(picture)) << "renders nothing";
  }
}

TEST_F(ArtRender, PencilSketchTakesThePickedColour) {
  ASSERT_EQ(Render("art", 10, "--color 0000FF").status, 0);
  ScriptedColorPrompt blue({RGBColor(0, 0, 255)});
  Bitmap expected;
  RenderArtEffect(10, picture, expected, KernelEnv{"", &blue});
  EXPECT_TRUE(ReadPicture(out).SamePixels(expected));

  ASSERT_EQ(Render("art", 10, "--cancel-color").status, 0);
  RenderArtEffect(10, picture, expected, KernelEnv{});
  EXPECT_TRUE(ReadPicture(out).SamePixels(expected));
}

TEST_F(ArtRender, PresetFiveBlendsThenLightsWithAmazingTen) {
  // Without its light map the preset fails and writes nothing.
  const FxRun missing = Render("preset", 5);
  EXPECT_NE(missing.status, 0);
  EXPECT_NE(missing.output.find("Cannot open file"), std::string::npos) << missing.output;
  EXPECT_FALSE(fs::exists(out));

  fs::create_directories(dir + "pic/amazing");
  const Bytes light = EncodeJpeg(Varied(30, 20, 77));
  WriteFileBytes(dir + "pic/amazing/10.ssl", light);
  const FxRun run = Render("preset", 5);
  ASSERT_EQ(run.status, 0) << run.output;
  Bitmap expected;
  RenderRecipe(FindCategory("preset")->Id, 5, picture, expected, KernelEnv{dir, nullptr},
               RenderSize::FullSize);
  const Bitmap got = ReadPicture(out);
  EXPECT_TRUE(got.SamePixels(expected));
  Bitmap blendOnly;
  RenderArtEffect(3, picture, blendOnly, KernelEnv{});
  EXPECT_FALSE(got.SamePixels(blendOnly)) << "the light map was not applied";
}

}  // namespace
}  // namespace qv
