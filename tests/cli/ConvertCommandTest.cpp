#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "codecs/Codecs.h"

namespace qv {
namespace {

struct Outcome {
  int status = -1;
  std::string output;  // standard output and error together
};

Outcome RunFx(const std::string &arguments) {
  const std::string command = std::string("'") + QV_FX_PATH + "' " + arguments + " 2>&1";
  Outcome result;
  FILE *pipe = ::popen(command.c_str(), "r");
  if (!pipe) return result;
  char chunk[512];
  while (std::size_t n = std::fread(chunk, 1, sizeof chunk, pipe)) result.output.append(chunk, n);
  const int raw = ::pclose(pipe);
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return result;
}

class ConvertCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = ::testing::TempDir() + "qv-cli-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::string Path(const std::string &name) const { return folder_ + "/" + name; }
  void Write(const std::string &name, const Bytes &bytes) const {
    std::ofstream(Path(name), std::ios::binary)
        .write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
  }

  std::string folder_;
};

Bitmap Picture() {
  Bitmap b(21, 13);
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      b.SetPixel(x, y, RGBColor(std::uint8_t(x * 12), std::uint8_t(y * 19), 90));
  return b;
}

TEST_F(ConvertCommand, ConvertsByTheOutputsExtension) {
  const Bitmap source = Picture();
  Write("in.bmp", EncodeBmp(source));

  Outcome run = RunFx("convert " + Path("in.bmp") + " " + Path("out.jpg"));
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(SniffFormat(ReadFileBytes(Path("out.jpg"))), PictureFormat::Jpeg);

  run = RunFx("convert " + Path("out.jpg") + " " + Path("back.BMP"));
  EXPECT_EQ(run.status, 0) << run.output;
  const Bitmap back = ReadPicture(Path("back.BMP"));
  ASSERT_EQ(back.Width(), source.Width());
  ASSERT_EQ(back.Height(), source.Height());
  EXPECT_NEAR(RedOf(back.Pixel(10, 6)), RedOf(source.Pixel(10, 6)), 12);

  run = RunFx("convert " + Path("in.bmp") + " " + Path("copy.bmp"));
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(ReadFileBytes(Path("copy.bmp")), ReadFileBytes(Path("in.bmp")));
}

TEST_F(ConvertCommand, FailuresPrintOneLineLeaveTheOutputAloneAndExitNonZero) {
  Write("good.bmp", EncodeBmp(Picture()));
  Write("bad.bmp", {'B', 'M', 1, 2, 3});
  Write("png.jpg", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'});
  Write("keep.jpg", {'o', 'l', 'd'});
  struct Case {
    std::string in, out, line;
  };
  const Case cases[] = {
      {Path("missing.bmp"), Path("keep.jpg"), "Cannot open file " + Path("missing.bmp")},
      {Path("bad.bmp"), Path("keep.jpg"), "Bitmap image is not valid"},
      {Path("png.jpg"), Path("keep.jpg"), "JPEG error #"},
      {Path("good.bmp"), Path("keep.png"), "Unknown picture file extension (.png)"},
      {Path("good.bmp"), Path("no/such.bmp"), "Cannot open file " + Path("no/such.bmp")},
  };
  for (const Case &c : cases) {
    const Outcome run = RunFx("convert " + c.in + " " + c.out);
    EXPECT_EQ(run.status, 1) << c.line;
    EXPECT_EQ(run.output.rfind("quorvane-fx: " + c.line, 0), 0u) << run.output;
    EXPECT_EQ(run.output.find('\n'), run.output.size() - 1) << run.output;
  }
  EXPECT_EQ(ReadFileBytes(Path("keep.jpg")), (Bytes{'o', 'l', 'd'}));
  EXPECT_FALSE(std::filesystem::exists(Path("keep.png")));

  const Outcome usage = RunFx("convert " + Path("good.bmp"));
  EXPECT_EQ(usage.status, 2);
  EXPECT_NE(usage.output.find("usage: quorvane-fx convert IN OUT"), std::string::npos);
}

}  // namespace
}  // namespace qv
