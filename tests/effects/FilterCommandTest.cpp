// End to end: the real quorvane-fx executable on files.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>

#include "Pictures.h"
#include "codecs/Codecs.h"
#include "effects/FilterTable.h"
#include "effects/Filters.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

class FilterCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("qv_filter_cli_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    WritePicture(Path("in.bmp"), test::Pattern(40, 30));
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const char *name) const { return (dir_ / name).string(); }

  // Runs quorvane-fx with the arguments; returns its exit status and keeps
  // what it printed on standard output.
  int Run(std::initializer_list<std::string> args) {
    std::string command = QV_FX_PATH;
    for (const std::string &a : args) command.append(" ").append(a);
    command.append(" > ").append(Path("stdout.txt")).append(" 2>/dev/null");
    const int status = std::system(command.c_str());
    out_.clear();
    if (FILE *f = std::fopen(Path("stdout.txt").c_str(), "r")) {
      char buffer[4096];
      std::size_t n;
      while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) out_.append(buffer, n);
      std::fclose(f);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  fs::path dir_;
  std::string out_;
};

TEST_F(FilterCommand, AppliesTheFilterToTheFile) {
  ASSERT_EQ(Run({"filter posterize 64", Path("in.bmp"), Path("out.bmp")}), 0);
  const Bitmap source = ReadPicture(Path("in.bmp"));
  Bitmap expected;
  ApplyPosterize(source, expected, 64);
  EXPECT_TRUE(ReadPicture(Path("out.bmp")).SamePixels(expected));

  ASSERT_EQ(Run({"filter spot-light 0 5 5 35 25", Path("in.bmp"), Path("spot.bmp")}), 0);
  Bitmap spot = source;
  ApplySpotLight(spot, 0, {5, 5, 35, 25});
  EXPECT_TRUE(ReadPicture(Path("spot.bmp")).SamePixels(spot));
}

TEST_F(FilterCommand, SeededNoiseIsRepeatable) {
  ASSERT_EQ(Run({"filter --seed 12 color-noise 50", Path("in.bmp"), Path("a.bmp")}), 0);
  ASSERT_EQ(Run({"filter --seed 12 color-noise 50", Path("in.bmp"), Path("b.bmp")}), 0);
  EXPECT_TRUE(ReadPicture(Path("a.bmp")).SamePixels(ReadPicture(Path("b.bmp"))));
}

TEST_F(FilterCommand, ListsEveryFilterWithItsParameters) {
  ASSERT_EQ(Run({"filter --list"}), 0);
  for (const FilterInfo &f : Filters()) EXPECT_NE(out_.find(f.name), std::string::npos) << f.name;
  EXPECT_NE(out_.find("spot-light AMOUNT LEFT TOP RIGHT BOTTOM"), std::string::npos);
}

TEST_F(FilterCommand, RefusesBadArgumentsAndReportsFailures) {
  const std::string in = Path("in.bmp"), out = Path("out.bmp");
  EXPECT_EQ(Run({"filter no-such-filter", in, out}), 2);
  EXPECT_EQ(Run({"filter mosaic", in, out}), 2);
  EXPECT_EQ(Run({"filter mosaic ten", in, out}), 2);
  EXPECT_EQ(Run({"filter invert 3", in, out}), 2);
  // A filter that fails writes nothing.
  EXPECT_EQ(Run({"filter fish-eye 0", in, out}), 1);
  EXPECT_FALSE(fs::exists(out));
  EXPECT_EQ(Run({"filter invert", Path("missing.bmp"), out}), 1);
}

}  // namespace
}  // namespace qv
