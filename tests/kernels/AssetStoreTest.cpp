#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "AssetFixture.h"
#include "gfx/Error.h"
#include "kernels/AssetStore.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using test::AssetRoot;

// The message of the Error that fn throws, or "" when it throws none.
template <class Fn>
std::string ErrorOf(Fn fn) {
  try {
    fn();
  } catch (const Error &e) {
    return e.what();
  }
  return "";
}

TEST(LoadAsset, ReplacesTheHeadWhateverTheFileHoldsThere) {
  AssetRoot root;
  const Bitmap picture = test::Varied(40, 24);
  const Bytes jpeg = EncodeJpeg(picture);
  ASSERT_EQ(jpeg[4], 0x00);  // an ordinary JFIF file with a 16-byte APP0
  ASSERT_EQ(jpeg[5], 0x10);
  const Bitmap expected = DecodeJpeg(jpeg);

  Bytes zeroed = jpeg, scrambled = jpeg;
  for (int i = 0; i < 16; ++i) {
    zeroed[i] = 0;
    scrambled[i] = std::uint8_t(0xA5 ^ i);
  }
  for (const Bytes &stored : {jpeg, zeroed, scrambled}) {
    Bitmap loaded;
    LoadAsset(root.WriteBytes("f", "1", stored), loaded);
    EXPECT_TRUE(loaded.SamePixels(expected));
  }
}

TEST(LoadAsset, KeepsTheBrushOfTheTarget) {
  AssetRoot root;
  Bitmap target = test::Uniform(3, 3, clRed);
  target.SetBrushColor(clRed);
  LoadAsset(root.Write("f", "1", test::Uniform(8, 8, clWhite)), target);
  EXPECT_EQ(target.Width(), 8);
  EXPECT_EQ(target.BrushColor(), clRed);
}

TEST(LoadAsset, FailuresLeaveTheTargetUntouched) {
  AssetRoot root;
  const Bytes notJpeg = {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', ' ', 't', 'h',
                         'i', 's', ' ', 'i', 's', ' ', 'n', 'o', ' ', 'J', 'P', 'E', 'G'};
  const std::string garbage = root.WriteBytes("f", "garbage", notJpeg);
  const std::string tiny = root.WriteBytes("f", "tiny", Bytes{0xFF, 0xD8, 0x00});
  const std::string empty = root.WriteBytes("f", "empty", Bytes{});
  Bytes truncated = EncodeJpeg(test::Varied(64, 64));
  truncated.resize(200);
  const std::string cut = root.WriteBytes("f", "cut", truncated);
  const std::string missing = root.Dir() + "pic/f/none.ssl";

  const Bitmap before = test::Varied(5, 4, 3);
  Bitmap target = before;
  target.SetBrushColor(clYellow);

  EXPECT_EQ(ErrorOf([&] { LoadAsset(missing, target); }), "Cannot open file " + missing);
  for (const std::string &path : {garbage, tiny, empty, cut}) {
    const std::string message = ErrorOf([&] { LoadAsset(path, target); });
    EXPECT_EQ(message.rfind("JPEG error #", 0), 0u) << path << ": " << message;
  }
  EXPECT_TRUE(target.SamePixels(before));
  EXPECT_EQ(target.BrushColor(), clYellow);
}

TEST(AssetPath, MatchesEveryComponentWithoutRegardToCase) {
  AssetRoot root;
  const std::string edge = root.Write("EdgeA", "9", test::Uniform(8, 8, clBlack));
  const std::string light = root.Write("lightC", "1", test::Uniform(8, 8, clBlack));
  const KernelEnv env = root.Env();
  for (const char *spelling : {"EdgeA", "Edgea", "edgeA", "EDGEA"})
    EXPECT_EQ(fs::path(AssetPath(env, spelling, "9")), fs::path(edge)) << spelling;
  for (const char *spelling : {"lightc", "lightC", "LightC"})
    EXPECT_EQ(fs::path(AssetPath(env, spelling, "1")), fs::path(light)) << spelling;

  // The pic folder and the extension as well.
  fs::rename(root.Dir() + "pic/EdgeA/9.ssl", root.Dir() + "pic/EdgeA/9.SSL");
  fs::rename(root.Dir() + "pic", root.Dir() + "Pic");
  EXPECT_EQ(fs::path(AssetPath(env, "edgea", "9")), fs::path(root.Dir() + "Pic/EdgeA/9.SSL"));
  EXPECT_EQ(LoadAsset(env, "edgea", "9").Width(), 8);
}

TEST(AssetPath, PrefersTheExactSpellingAndKeepsTheCallersForMissingFiles) {
  AssetRoot root;
  const std::string upper = root.Write("Star", "5", test::Uniform(8, 8, clBlack));
  const std::string lower = root.Write("star", "5", test::Uniform(16, 16, clBlack));
  const KernelEnv env = root.Env();
  EXPECT_EQ(fs::path(AssetPath(env, "Star", "5")), fs::path(upper));
  EXPECT_EQ(fs::path(AssetPath(env, "star", "5")), fs::path(lower));
  // No exact match: the first in byte order, so the choice never varies.
  EXPECT_EQ(fs::path(AssetPath(env, "STAR", "5")), fs::path(upper));

  const std::string missing = AssetPath(env, "Weather", "3");
  EXPECT_EQ(fs::path(missing), fs::path(root.Dir() + "pic/Weather/3.ssl"));
  EXPECT_EQ(ErrorOf([&] { LoadAsset(env, "Weather", "3"); }), "Cannot open file " + missing);
}

}  // namespace
}  // namespace qv
