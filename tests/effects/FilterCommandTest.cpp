// End to end: the real quorvane-fx executable on files.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
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
    dir_ = fs::temp_directory_path() / ("qv_filter_cli_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    WritePicture(Path("in.bmp"), test::Pattern(40, 30));
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const char *name) const { return (dir_ / name).string(); }

  // Runs quorvane-fx; returns its exit status and keeps its standard output.
  int Run(std::initializer_list<std::string> args) {
    std::string command = QV_FX_PATH;
    for (const std::string &a : args) command.append(" ").append(a);
    command.append(" > ").append(Path("stdout.txt")).append(" 2>").append(Path("stderr.txt"));
    const int status = std::system(command.c_str());
    std::ostringstream text, error;
    text << std::ifstream(Path("stdout.txt")).rdbuf();
    error << std::ifstream(Path("stderr.txt")).rdbuf();
    out_ = text.str();
    err_ = error.str();
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  fs::path dir_;
  std::string out_, err_;
};

TEST_F(FilterCommand, AppliesTheFilterToTheFile) {
  const Bitmap source = ReadPicture(Path("in.bmp"));
  ASSERT_EQ(Run({"filter posterize 64", Path("in.bmp"), Path("out.bmp")}), 0);
  Bitmap expected;
  ApplyPosterize(source, expected, 64);
  EXPECT_TRUE(ReadPicture(Path("out.bmp")).SamePixels(expected));
  ASSERT_EQ(Run({"filter spot-light 0 5 5 35 25", Path("in.bmp"), Path("spot.bmp")}), 0);
  expected = source;
  ApplySpotLight(expected, 0, {5, 5, 35, 25});
  EXPECT_TRUE(ReadPicture(Path("spot.bmp")).SamePixels(expected));
  // Noise with a given seed repeats.
  ASSERT_EQ(Run({"filter --seed 12 color-noise 50", Path("in.bmp"), Path("a.bmp")}), 0);
  ASSERT_EQ(Run({"filter --seed 12 color-noise 50", Path("in.bmp"), Path("b.bmp")}), 0);
  EXPECT_TRUE(ReadPicture(Path("a.bmp")).SamePixels(ReadPicture(Path("b.bmp"))));
}

TEST_F(FilterCommand, ListsEveryFilterWithItsParameters) {
  ASSERT_EQ(Run({"filter --list"}), 0);
  for (const FilterInfo &f : Filters()) EXPECT_NE(out_.find(f.name), std::string::npos);
  EXPECT_NE(out_.find("spot-light AMOUNT LEFT TOP RIGHT BOTTOM"), std::string::npos);
}

TEST_F(FilterCommand, RefusesBadArgumentsAndWritesNothingOnFailure) {
  const std::string in = Path("in.bmp"), out = Path("out.bmp");
  EXPECT_EQ(Run({"filter no-such-filter", in, out}), 2);
  EXPECT_EQ(Run({"filter mosaic", in, out}), 2);
  EXPECT_EQ(Run({"filter mosaic ten", in, out}), 2);
  EXPECT_EQ(Run({"filter invert 3", in, out}), 2);
  // Out of range: refused at once, naming the range, also beyond an int.
  for (const char *value : {"2000000000", "21", "-2", "99999999999"}) {
    EXPECT_EQ(Run({"filter gaussian-blur", value, in, out}), 2) << value;
    EXPECT_NE(err_.find("AMOUNT must be -1 to 20, not " + std::string(value)), std::string::npos)
        << err_;
  }
  EXPECT_EQ(Run({"filter spot-light 256 0 0 9 9", in, out}), 2);
  EXPECT_EQ(Run({"filter fish-eye 0", in, out}), 2);
  // In range but failing on this picture: three rows are too few to blur.
  WritePicture(Path("low.bmp"), test::Pattern(40, 3));
  EXPECT_EQ(Run({"filter gaussian-blur 0", Path("low.bmp"), out}), 1);
  EXPECT_EQ(Run({"filter invert", Path("missing.bmp"), out}), 1);
  EXPECT_FALSE(fs::exists(out));
}

}  // namespace
}  // namespace qv
