// render art N and render preset 5 through the real quorvane-fx, against the
// art kernels run in this process.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "codecs/Codecs.h"
#include "kernels/ArtEffect.h"
#include "kernels/Recipes.h"
#include "kernels/ScriptedColorPrompt.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

class ArtRender : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "qv-art-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir = pattern + "/";
    for (int y = 0; y < picture.Height(); ++y)
      for (std::size_t i = 0; i < picture.RowBytes(); ++i)
        picture.ScanLine(y)[i] = std::uint8_t((i * 37 + std::size_t(y) * 101) * 2654435761u >> 24);
    WritePicture(dir + "in.bmp", picture);
  }
  void TearDown() override { fs::remove_all(dir); }

  // Runs quorvane-fx render and reads what it wrote.
  Bitmap Render(const std::string &category, int n, const std::string &options = "") const {
    const std::string command = std::string("'") + QV_FX_PATH + "' render " + category + " " +
                                std::to_string(n) + " '" + dir + "in.bmp' '" + dir +
                                "out.bmp' --assets '" + dir + "' " + options + " 2>&1";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
    return ReadPicture(dir + "out.bmp");
  }

  std::string dir;
  Bitmap picture{64, 48};
};

TEST_F(ArtRender, ArtEffectsAndTheirPickedColour) {
  for (int n = 1; n <= 10; ++n) {
    Bitmap expected;
    RenderArtEffect(n, picture, expected, KernelEnv{});
    EXPECT_TRUE(Render("art", n).SamePixels(expected)) << n;
  }
  ScriptedColorPrompt blue({RGBColor(0, 0, 255)});
  Bitmap expected;
  RenderArtEffect(10, picture, expected, KernelEnv{"", &blue});
  EXPECT_TRUE(Render("art", 10, "--color 0000FF").SamePixels(expected));
}

TEST_F(ArtRender, PresetFiveBlendsThenLightsWithAmazingTen) {
  fs::create_directories(dir + "pic/amazing");
  Bitmap light(30, 20);
  light.SetBrushColor(0x3080C0);
  light.FillRect({0, 0, 15, 20});
  WriteFileBytes(dir + "pic/amazing/10.ssl", EncodeJpeg(light));

  const Bitmap got = Render("preset", 5);
  Bitmap expected, blendOnly;
  RenderRecipe(16, 5, picture, expected, KernelEnv{dir, nullptr}, RenderSize::FullSize);
  RenderArtEffect(3, picture, blendOnly, KernelEnv{});
  EXPECT_TRUE(got.SamePixels(expected));
  EXPECT_FALSE(got.SamePixels(blendOnly)) << "the light map was not applied";
}

}  // namespace
}  // namespace qv
