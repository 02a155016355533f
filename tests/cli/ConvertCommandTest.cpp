// quorvane-fx convert, run as the real executable.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "codecs/Codecs.h"

namespace qv {
namespace {

// Exit status and everything printed, standard error included.
std::pair<int, std::string> RunFx(const std::string &arguments) {
  FILE *pipe = ::popen((std::string(QV_FX_PATH) + " " + arguments + " 2>&1").c_str(), "r");
  std::string output;
  char chunk[512];
  while (std::size_t n = std::fread(chunk, 1, sizeof chunk, pipe)) output.append(chunk, n);
  const int status = ::pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

TEST(ConvertCommand, ConvertsByTheOutputsExtensionAndReportsFailuresInOneLine) {
  std::string dir = ::testing::TempDir() + "qv-cli-XXXXXX";
  ASSERT_TRUE(::mkdtemp(dir.data()));
  Bitmap source(21, 13);
  source.SetBrushColor(0x336699);
  source.Fill();
  WriteFileBytes(dir + "/in.bmp", EncodeBmp(source));
  WriteFileBytes(dir + "/bad.bmp", Bytes{'B', 'M', 1});
  WriteFileBytes(dir + "/keep.jpg", Bytes{'o', 'l', 'd'});

  for (const char *step : {"in.bmp out.jpg", "out.jpg back.BMP", "in.bmp copy.bmp"}) {
    const std::string in = step, out = in.substr(in.find(' ') + 1);
    EXPECT_EQ(RunFx("convert " + dir + "/" + in.substr(0, in.find(' ')) + " " + dir + "/" + out),
              std::make_pair(0, std::string()));
  }
  EXPECT_EQ(SniffFormat(ReadFileBytes(dir + "/out.jpg")), PictureFormat::Jpeg);
  const TColor back = ReadPicture(dir + "/back.BMP").Pixel(3, 3);
  EXPECT_NEAR(RedOf(back), 0x99, 3);
  EXPECT_NEAR(BlueOf(back), 0x33, 3);
  EXPECT_EQ(ReadFileBytes(dir + "/copy.bmp"), ReadFileBytes(dir + "/in.bmp"));

  const std::pair<std::string, std::string> failures[] = {
      {"missing.bmp keep.jpg", "Cannot open file " + dir + "/missing.bmp"},
      {"bad.bmp keep.jpg", "Bitmap image is not valid"},
      {"keep.jpg x.bmp", "JPEG error #"},
      {"in.bmp keep.png", "Unknown picture file extension (.png)"},
      {"in.bmp no/such.bmp", "Cannot open file " + dir + "/no/such.bmp"},
  };
  for (const auto &[files, line] : failures) {
    const std::string in = files.substr(0, files.find(' ')), out = files.substr(in.size() + 1);
    const auto [status, output] = RunFx("convert " + dir + "/" + in + " " + dir + "/" + out);
    EXPECT_EQ(status, 1) << files;
    EXPECT_EQ(output.rfind("quorvane-fx: " + line, 0), 0u) << output;
    EXPECT_EQ(output.find('\n'), output.size() - 1) << output;  // one line
  }
  EXPECT_EQ(ReadFileBytes(dir + "/keep.jpg"), (Bytes{'o', 'l', 'd'}));
  EXPECT_EQ(RunFx("convert " + dir + "/in.bmp").first, 2);  // usage
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace qv
