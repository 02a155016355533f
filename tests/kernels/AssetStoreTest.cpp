#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "AssetFixture.h"
#include "gfx/Error.h"
#include "kernels/AssetStore.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

std::string ErrorOf(const std::string &path, Bitmap &target) {
  try {
    LoadAsset(path, target);
  } catch (const Error &e) {
    return e.what();
  }
  return "";
}

TEST(LoadAsset, ReplacesTheFirstSixteenBytesWhateverTheyHold) {
  test::AssetRoot root;
  const Bytes jpeg = EncodeJpeg(test::Varied(40, 24));
  ASSERT_EQ(jpeg[5], 0x10);  // an ordinary JFIF file with a 16-byte APP0
  const Bitmap expected = DecodeJpeg(jpeg);
  Bytes zeroed = jpeg, scrambled = jpeg;
  for (int i = 0; i < 16; ++i) zeroed[i] = 0, scrambled[i] = std::uint8_t(0xA5 ^ i);
  for (const Bytes &stored : {jpeg, zeroed, scrambled}) {
    Bitmap loaded;
    loaded.SetBrushColor(clRed);
    LoadAsset(root.WriteBytes("f", "1", stored), loaded);
    EXPECT_TRUE(loaded.SamePixels(expected));
    EXPECT_EQ(loaded.BrushColor(), clRed);
  }
}

TEST(LoadAsset, FailuresLeaveTheTargetUntouched) {
  test::AssetRoot root;
  Bytes truncated = EncodeJpeg(test::Varied(64, 64));
  truncated.resize(200);
  const Bitmap before = test::Varied(5, 4, 3);
  Bitmap target = before;
  const std::string missing = root.Dir() + "pic/f/none.ssl";
  EXPECT_EQ(ErrorOf(missing, target),
            "Cannot open file " + missing + ": No such file or directory");
  for (const Bytes &bad : {Bytes(40, 'x'), Bytes{0xFF, 0xD8, 0}, Bytes{}, truncated}) {
    const std::string message = ErrorOf(root.WriteBytes("f", "bad", bad), target);
    EXPECT_EQ(message.rfind("JPEG error #", 0), 0u) << message;
  }
  EXPECT_TRUE(target.SamePixels(before));
}

TEST(AssetPath, EveryComponentIgnoresCaseButExactSpellingWins) {
  test::AssetRoot root;
  const std::string edge = root.Write("EdgeA", "9", test::Uniform(8, 8, clBlack));
  const std::string upper = root.Write("Star", "5", test::Uniform(8, 8, clBlack));
  const std::string lower = root.Write("star", "5", test::Uniform(8, 8, clBlack));
  const KernelEnv env = root.Env();
  for (const char *spelling : {"EdgeA", "Edgea", "edgeA", "EDGEA"})
    EXPECT_EQ(fs::path(AssetPath(env, spelling, "9")), fs::path(edge)) << spelling;
  EXPECT_EQ(fs::path(AssetPath(env, "Star", "5")), fs::path(upper));
  EXPECT_EQ(fs::path(AssetPath(env, "star", "5")), fs::path(lower));
  EXPECT_EQ(fs::path(AssetPath(env, "STAR", "5")), fs::path(upper));  // first in byte order
  // A missing file keeps the caller's spelling in its path.
  EXPECT_EQ(fs::path(AssetPath(env, "Weather", "3")), fs::path(root.Dir() + "pic/Weather/3.ssl"));

  fs::rename(root.Dir() + "pic/EdgeA/9.ssl", root.Dir() + "pic/EdgeA/9.SSL");
  fs::rename(root.Dir() + "pic", root.Dir() + "Pic");
  EXPECT_EQ(fs::path(AssetPath(env, "edgea", "9")), fs::path(root.Dir() + "Pic/EdgeA/9.SSL"));
  EXPECT_EQ(LoadAsset(env, "edgea", "9").Width(), 8);
}

}  // namespace
}  // namespace qv
