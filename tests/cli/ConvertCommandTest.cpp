// quorvane-fx convert, run as the real executable.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "CodecTestUtil.h"
#include "codecs/Codecs.h"
#include "fuzz/FormatSamples.h"

namespace qv {
namespace {

// Exit status and everything printed, standard error included; environment
// settings may go before the command.
std::pair<int, std::string> RunFx(const std::string &arguments, const std::string &env = "") {
  FILE *pipe =
      ::popen((env + " " + std::string(QV_FX_PATH) + " " + arguments + " 2>&1").c_str(), "r");
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
      {"in.bmp keep.gif", "Unknown picture file extension (.gif)"},
      {"in.bmp keep.avif", "AVIF pictures can be opened but not saved"},
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

// Every format read to every format written: the picture arrives, the
// size kept, in the format the name asks for.
TEST(ConvertCommand, EveryReadableFormatConvertsToEveryWritableOne) {
  std::string dir = ::testing::TempDir() + "qv-cli-XXXXXX";
  ASSERT_TRUE(::mkdtemp(dir.data()));
  const Bitmap picture = samples::Gradient(40, 24);
  const Bytes rgb = samples::RgbSamples(picture);
  std::vector<std::pair<std::string, Bytes>> inputs = {
      {"in.jpg", EncodeJpeg(picture)},
      {"in.bmp", EncodeBmp(picture)},
      {"in.png", samples::MakePng({.Width = 40, .Height = 24, .Rows = rgb})},
      {"in.webp", samples::MakeWebp(picture, true)},
      {"in.tif", samples::MakeTiff({.Width = 40, .Height = 24, .Rows = rgb})},
  };
  for (const bool avif : {false, true}) {
    const Bytes heif = samples::MakeHeif({.Width = 40, .Height = 24, .Avif = avif, .Samples = rgb});
    if (!heif.empty()) inputs.emplace_back(avif ? "in.avif" : "in.heic", heif);
  }
  const std::pair<const char *, PictureFormat> outputs[] = {{"jpg", PictureFormat::Jpeg},
                                                            {"bmp", PictureFormat::Bmp},
                                                            {"png", PictureFormat::Png},
                                                            {"webp", PictureFormat::Webp},
                                                            {"tiff", PictureFormat::Tiff}};
  for (const auto &[name, bytes] : inputs) {
    WriteFileBytes(dir + "/" + name, bytes);
    for (const auto &[ext, format] : outputs) {
      const std::string out = dir + "/out." + ext;
      EXPECT_EQ(RunFx("convert " + dir + "/" + name + " " + out), std::make_pair(0, std::string()))
          << name << " to " << ext;
      const Bytes written = ReadFileBytes(out);
      EXPECT_EQ(SniffFormat(written), format) << name << " to " << ext;
      const Bitmap back = DecodePicture(written, out).Pixels;
      EXPECT_LT(test::MeanAbsoluteError(back, picture), 6.0) << name << " to " << ext;
    }
  }
  // libheif is loaded only for such a picture; one that cannot be loaded is
  // a clear failure of that picture, not of the program.
  if (std::filesystem::exists(dir + "/in.heic")) {
    WriteFileBytes(dir + "/libheif.so.1", Bytes{'n', 'o', 't', ' ', 'E', 'L', 'F'});
    const auto [status, output] =
        RunFx("convert " + dir + "/in.heic " + dir + "/out.bmp", "LD_LIBRARY_PATH=" + dir);
    EXPECT_EQ(status, 1);
    EXPECT_NE(output.find("HEIF and AVIF pictures need libheif, which cannot be loaded"),
              std::string::npos)
        << output;
    EXPECT_EQ(RunFx("convert " + dir + "/in.jpg " + dir + "/out.bmp", "LD_LIBRARY_PATH=" + dir),
              std::make_pair(0, std::string()));
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace qv
