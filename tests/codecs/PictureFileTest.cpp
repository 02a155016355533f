#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "CodecTestUtil.h"

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

  const Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  const std::pair<std::string, Bytes> files[] = {{"png.jpg", png},
                                                 {"text.bmp", {'h', 'i'}},
                                                 {"empty.JPEG", {}},
                                                 {"p.PNG", png},
                                                 {"none", png}};
  for (const auto &[name, bytes] : files) WriteFileBytes(dir / name, bytes);
  auto message = [&](const std::string &name) {
    return MessageOf([&] { ReadPicture(dir / name); });
  };
  EXPECT_EQ(message("png.jpg").rfind("JPEG error #", 0), 0u);
  EXPECT_EQ(message("text.bmp"), "Bitmap image is not valid");
  EXPECT_EQ(message("empty.JPEG").rfind("JPEG error #", 0), 0u);
  EXPECT_EQ(message("p.PNG"), "Unknown picture file extension (.PNG)");
  EXPECT_EQ(message("none"), "Unknown picture file extension (.)");
  EXPECT_EQ(message("missing.jpg"), "Cannot open file " + dir / "missing.jpg");
  EXPECT_EQ(MessageOf([&] { ReadFileBytes(dir.path); }), "Cannot open file " + dir.path);
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
  EXPECT_EQ(save("keep.gif", source), "Unknown picture file extension (.gif)");
  EXPECT_THROW(WritePicture(dir / "keep.jpg", Bitmap()), Error);  // refused before writing
  EXPECT_EQ(save("sub.bmp", source), "Cannot open file " + dir / "sub.bmp");
  EXPECT_EQ(save("none/x.bmp", source), "Cannot open file " + dir / "none/x.bmp");
  EXPECT_EQ(save("full.bmp", source).rfind("Cannot write file " + dir / "full.bmp", 0), 0u);
  if (::geteuid() != 0) {  // root may write anywhere
    ::chmod((dir / "keep.jpg").c_str(), 0444);
    EXPECT_EQ(save("keep.jpg", source), "Cannot open file " + dir / "keep.jpg");
  }
  EXPECT_EQ(ReadFileBytes(dir / "keep.jpg"), old);
  // No temporary is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 5);
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

}  // namespace
}  // namespace qv
