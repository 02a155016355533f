#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "CodecTestUtil.h"
#include "Pictures.h"
#include "fuzz/FormatSamples.h"
#include "fuzz/HeifBuilder.h"
#include "gfx/RunControl.h"

namespace qv {
namespace {

using test::MessageOf;
using test::TempFolder;

TEST(PictureFile, ContentChoosesTheCodecAndTheNameExplainsTheRest) {
  TempFolder dir;
  const Bitmap source = test::Gradient(9, 5);
  WriteFileBytes(dir / "bmp.jpg", EncodeBmp(source));
  WriteFileBytes(dir / "jpeg.bmp", EncodeJpeg(source));
  EXPECT_TRUE(ReadPicture(dir / "bmp.jpg").SamePixels(source));
  EXPECT_EQ(ReadPicture(dir / "jpeg.bmp").Width(), 9);
  EXPECT_EQ(FormatFromExtension("x.bmp.jpg"), PictureFormat::Jpeg);
  EXPECT_EQ(FormatFromExtension("folder.jpg/photo"), PictureFormat::Unknown);

  const Bytes gif = {'G', 'I', 'F', '8', '9', 'a'};
  const std::pair<std::string, Bytes> files[] = {
      {"gif.jpg", gif}, {"text.bmp", {'h', 'i'}},          {"empty.JPEG", {}}, {"p.GIF", gif},
      {"none", gif},    {"cut.png", {0x89, 'P', 'N', 'G'}}};
  for (const auto &[name, bytes] : files) WriteFileBytes(dir / name, bytes);
  auto message = [&](const std::string &name) {
    return MessageOf([&] { ReadPicture(dir / name); });
  };
  EXPECT_EQ(message("gif.jpg"), "JPEG error #53: Not a JPEG file: starts with 0x47 0x49");
  EXPECT_EQ(message("text.bmp"), "Bitmap image is not valid: it does not start with \"BM\"");
  EXPECT_EQ(message("empty.JPEG"), "JPEG error #42: Empty input file");
  EXPECT_EQ(message("cut.png"), "PNG image is not valid: it does not start with the PNG signature");
  EXPECT_EQ(message("p.GIF"),
            "Unknown picture file extension (.GIF): the file holds no JPEG, BMP, PNG, WebP, TIFF, "
            "HEIC or AVIF picture");
  EXPECT_EQ(message("none"),
            "Unknown picture file extension: the file name has none, and the file holds no JPEG, "
            "BMP, PNG, WebP, TIFF, HEIC or AVIF picture");
  EXPECT_EQ(message("missing.jpg"),
            "Cannot open file " + dir / "missing.jpg" + ": No such file or directory");
  EXPECT_EQ(MessageOf([&] { ReadFileBytes(dir.path); }),
            "Cannot open file " + dir.path + ": Is a directory");
  if (::geteuid() != 0) {  // root reads anything
    ::chmod((dir / "gif.jpg").c_str(), 0);
    EXPECT_EQ(message("gif.jpg"), "Cannot open file " + dir / "gif.jpg" + ": Permission denied");
  }
}

TEST(PictureFile, SavesChooseTheCodecByExtensionAndFailWithoutHarm) {
  TempFolder dir;
  const Bitmap source = test::Gradient(6, 4);
  WritePicture(dir / "a.BMP", source);
  WritePicture(dir / "b.Jpeg", source);
  EXPECT_TRUE(ReadPicture(dir / "a.BMP").SamePixels(source));
  EXPECT_EQ(SniffFormat(ReadFileBytes(dir / "b.Jpeg")), PictureFormat::Jpeg);

  const Bytes old = {'o', 'l', 'd'};
  WriteFileBytes(dir / "keep.jpg", old);
  ::mkdir((dir / "sub.bmp").c_str(), 0755);
  ::symlink("/dev/full", (dir / "full.bmp").c_str());
  auto save = [&](const std::string &name, const Bitmap &b) {
    return MessageOf([&] { WritePicture(dir / name, b); });
  };
  EXPECT_EQ(
      save("keep.gif", source),
      "Unknown picture file extension (.gif): pictures are saved as .jpg, .jpeg, .jpe, .jfif, "
      ".bmp, .png, .webp, .tif or .tiff");
  EXPECT_EQ(save("keep", source).rfind("Unknown picture file extension: the file name has none", 0),
            0u);
  EXPECT_THROW(WritePicture(dir / "keep.jpg", Bitmap()), Error);  // refused before writing
  // JPEG holds 65,500 pixels a side; BMP more.
  Bitmap wide(65501, 1);
  EXPECT_EQ(save("keep.jpg", wide),
            "Picture is too large for a JPEG file (65501 x 1 pixels): JPEG holds at most 65,500 "
            "pixels a side; save it as BMP, which can hold it");
  EXPECT_EQ(DecodeBmp(EncodeBmp(wide)).Width(), 65501);
  EXPECT_EQ(save("sub.bmp", source), "Cannot open file " + dir / "sub.bmp" + ": Is a directory");
  EXPECT_EQ(save("none/x.bmp", source),
            "Cannot open file " + dir / "none/x.bmp" + ": No such file or directory");
  EXPECT_EQ(save("full.bmp", source).rfind("Cannot write file " + dir / "full.bmp", 0), 0u);
  EXPECT_EQ(ReadFileBytes(dir / "keep.jpg"), old);
  // No temporary is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 5);
}

// No write permission bit at all stops every user, root too, unless the
// replacing is asked for; the replaced file keeps its mode.
TEST(PictureFile, ReadOnlyFilesAreReplacedOnlyWhenAskedTo) {
  TempFolder dir;
  const Bytes old = {'o', 'l', 'd'};
  WriteFileBytes(dir / "ro.bmp", old);
  ::chmod((dir / "ro.bmp").c_str(), 0444);
  EXPECT_TRUE(IsReadOnlyFile(dir / "ro.bmp"));
  EXPECT_FALSE(IsReadOnlyFile(dir / "missing.bmp"));
  const Bitmap source = test::Gradient(3, 2);
  EXPECT_EQ(MessageOf([&] { WritePicture(dir / "ro.bmp", source); }),
            "Cannot open file " + dir / "ro.bmp" + ": the file is read-only");
  EXPECT_EQ(ReadFileBytes(dir / "ro.bmp"), old);
  WritePictureFile(dir / "ro.bmp", source, {}, {.ReplaceReadOnly = true});
  EXPECT_TRUE(ReadPicture(dir / "ro.bmp").SamePixels(source));
  struct stat info;
  ASSERT_EQ(::stat((dir / "ro.bmp").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0444u);
}

TEST(PictureFile, SavesReplaceTheFileBehindALinkAndKeepItsMode) {
  TempFolder dir;
  WriteFileBytes(dir / "real.bmp", Bytes{'o', 'l', 'd'});
  ::chmod((dir / "real.bmp").c_str(), 0640);
  ::symlink("real.bmp", (dir / "link.bmp").c_str());
  const Bitmap source = test::Gradient(3, 3);
  WritePicture(dir / "link.bmp", source);
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.bmp"));
  struct stat info;
  ASSERT_EQ(::stat((dir / "real.bmp").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_TRUE(ReadPicture(dir / "real.bmp").SamePixels(source));
}

// What the editor's Open needs of a decode on a thread of its own: progress
// told as it goes, rising to 1, and a cancel honoured: within the decode
// by JPEG, PNG, TIFF, WebP and BMP, after it by HEIF, which libheif cannot
// stop.
struct Recorded : ProgressSink {
  std::vector<double> Told;
  CancelToken *CancelAt = nullptr;  // set at the first report
  void Report(double fraction) override {
    Told.push_back(fraction);
    if (CancelAt) CancelAt->Cancel();
  }
};

TEST(PictureFile, DecodesTellTheirProgressAndCanBeCancelled) {
  const Bitmap picture = test::Gradient(300, 200);
  Bitmap noise(400, 300);  // large enough a WebP to come in several steps
  std::uint32_t state = 1;
  for (std::size_t i = 0; i < noise.ByteCount(); ++i)
    noise.Bits()[i] = std::uint8_t((state = state * 1103515245 + 12345) >> 24);
  const Bytes rgb = samples::RgbSamples(picture);
  const samples::CodedTile tile = samples::CodedPictureOf(samples::MakeHeif(
      {.Width = 64, .Height = 64, .Samples = samples::RgbSamples(test::Gradient(64, 64))}));
  const std::pair<const char *, Bytes> files[] = {
      {"jpg", EncodeJpeg(picture)},
      {"png", EncodePng(picture)},
      {"tif", samples::MakeTiff({.Width = 300, .Height = 200, .RowsPerStrip = 20, .Rows = rgb})},
      {"webp", samples::MakeWebp(noise, false)},
      {"bmp", EncodeBmp(test::Gradient(300, 600))},
      {"heic", samples::BuildHeif(samples::GridOf(tile, 2, 2, 128, 128))},
  };
  for (const auto &[ext, file] : files) {
    Recorded sink;
    CancelToken token;
    {
      const RunScope scope({&token, &sink});
      EXPECT_FALSE(DecodePicture(file, ext).Pixels.Empty()) << ext;
    }
    // libheif 1.15 tells nothing while it decodes: only the end is told.
    ASSERT_GE(sink.Told.size(), std::string(ext) == "heic" ? 1u : 2u) << ext;
    EXPECT_TRUE(std::is_sorted(sink.Told.begin(), sink.Told.end())) << ext;
    EXPECT_EQ(sink.Told.back(), 1.0) << ext;

    // Cancelled at the first step it tells; HEIF, which tells none, before.
    Recorded cancelling;
    cancelling.CancelAt = &token;
    if (std::string(ext) == "heic") token.Cancel();
    const RunScope scope({&token, &cancelling});
    EXPECT_THROW(DecodePicture(file, ext), Cancelled) << ext;
  }
}

}  // namespace
}  // namespace qv
