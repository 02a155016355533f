#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TestPictures.h"
#include "gfx/Error.h"

namespace qv {
namespace {

using test::TempFolder;

std::string MessageOf(auto &&action) {
  try {
    action();
  } catch (const Error &e) {
    return e.what();
  }
  return "no error";
}

TEST(PictureFile, FormatsAreKnownByContentAndByExtension) {
  EXPECT_EQ(SniffFormat(Bytes{'B', 'M', 0}), PictureFormat::Bmp);
  EXPECT_EQ(SniffFormat(Bytes{0xFF, 0xD8, 0xFF}), PictureFormat::Jpeg);
  EXPECT_EQ(SniffFormat(Bytes{'B'}), PictureFormat::Unknown);
  EXPECT_EQ(SniffFormat(Bytes{0x89, 'P', 'N', 'G'}), PictureFormat::Unknown);

  EXPECT_EQ(FormatFromExtension("a/b.BMP"), PictureFormat::Bmp);
  EXPECT_EQ(FormatFromExtension("x.bmp.jpg"), PictureFormat::Jpeg);
  EXPECT_EQ(FormatFromExtension("photo.JPEG"), PictureFormat::Jpeg);
  EXPECT_EQ(FormatFromExtension("photo.jpe"), PictureFormat::Unknown);
  EXPECT_EQ(FormatFromExtension("folder.jpg/photo"), PictureFormat::Unknown);
  EXPECT_EQ(FormatFromExtension("photo"), PictureFormat::Unknown);
}

TEST(PictureFile, PicturesOpenByContentWhateverTheirName) {
  TempFolder folder;
  const Bitmap source = test::Gradient(9, 5);
  test::WriteRaw(folder.Path("really-bmp.jpg"), EncodeBmp(source));
  EXPECT_TRUE(ReadPicture(folder.Path("really-bmp.jpg")).SamePixels(source));
  test::WriteRaw(folder.Path("really-jpeg.bmp"), EncodeJpeg(source));
  EXPECT_EQ(ReadPicture(folder.Path("really-jpeg.bmp")).Width(), 9);

  // Content that is neither: the name decides which codec explains it.
  const Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  const Bytes text = {'h', 'e', 'l', 'l', 'o', '\n'};
  test::WriteRaw(folder.Path("png.jpg"), png);
  test::WriteRaw(folder.Path("text.bmp"), text);
  test::WriteRaw(folder.Path("empty.jpeg"), {});
  test::WriteRaw(folder.Path("picture.PNG"), png);
  test::WriteRaw(folder.Path("noname"), text);
  EXPECT_EQ(MessageOf([&] { ReadPicture(folder.Path("png.jpg")); }).rfind("JPEG error #", 0), 0u);
  EXPECT_EQ(MessageOf([&] { ReadPicture(folder.Path("text.bmp")); }), "Bitmap image is not valid");
  EXPECT_EQ(MessageOf([&] { ReadPicture(folder.Path("empty.jpeg")); }).rfind("JPEG error #", 0),
            0u);
  EXPECT_EQ(MessageOf([&] { ReadPicture(folder.Path("picture.PNG")); }),
            "Unknown picture file extension (.PNG)");
  EXPECT_EQ(MessageOf([&] { ReadPicture(folder.Path("noname")); }),
            "Unknown picture file extension (.)");
}

TEST(PictureFile, UnreadablePathsCannotBeOpened) {
  TempFolder folder;
  const std::string missing = folder.Path("missing.jpg");
  EXPECT_EQ(MessageOf([&] { ReadPicture(missing); }), "Cannot open file " + missing);
  EXPECT_EQ(MessageOf([&] { ReadFileBytes(folder.Path("")); }),
            "Cannot open file " + folder.Path(""));
}

TEST(PictureFile, WritingPicksTheCodecByExtensionWithoutRegardToCase) {
  TempFolder folder;
  const Bitmap source = test::Gradient(6, 4);
  WritePicture(folder.Path("a.BMP"), source);
  WritePicture(folder.Path("b.Jpeg"), source);
  EXPECT_EQ(SniffFormat(ReadFileBytes(folder.Path("a.BMP"))), PictureFormat::Bmp);
  EXPECT_EQ(SniffFormat(ReadFileBytes(folder.Path("b.Jpeg"))), PictureFormat::Jpeg);
  EXPECT_TRUE(ReadPicture(folder.Path("a.BMP")).SamePixels(source));
  EXPECT_EQ(MessageOf([&] { WritePicture(folder.Path("c.gif"), source); }),
            "Unknown picture file extension (.gif)");
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"a.BMP", "b.Jpeg"}));
}

TEST(PictureFile, FailedSavesLeaveExistingFilesAndNoLitter) {
  TempFolder folder;
  const std::string keep = folder.Path("keep.jpg");
  test::WriteRaw(keep, {'o', 'l', 'd'});
  // The encoder refuses an empty picture before anything is written.
  EXPECT_THROW(WritePicture(keep, Bitmap()), Error);
  EXPECT_EQ(ReadFileBytes(keep), (Bytes{'o', 'l', 'd'}));

  ::mkdir(folder.Path("sub.bmp").c_str(), 0755);
  const Bitmap one = test::Gradient(2, 2);
  EXPECT_EQ(MessageOf([&] { WritePicture(folder.Path("sub.bmp"), one); }),
            "Cannot open file " + folder.Path("sub.bmp"));
  const std::string noFolder = folder.Path("none/x.bmp");
  EXPECT_EQ(MessageOf([&] { WritePicture(noFolder, one); }), "Cannot open file " + noFolder);

  // A full device, reached through a link, reports the write error.
  if (::access("/dev/full", W_OK) == 0) {
    ::symlink("/dev/full", folder.Path("full.bmp").c_str());
    EXPECT_EQ(MessageOf([&] {
                WritePicture(folder.Path("full.bmp"), one);
              }).rfind("Cannot write file " + folder.Path("full.bmp"), 0),
              0u);
  }
  if (::geteuid() != 0) {  // root may write anywhere
    ::chmod(folder.Path("sub.bmp").c_str(), 0555);
    EXPECT_THROW(WritePicture(folder.Path("sub.bmp/x.bmp"), one), Error);
    ::chmod(keep.c_str(), 0444);
    EXPECT_EQ(MessageOf([&] { WritePicture(keep, one); }), "Cannot open file " + keep);
    EXPECT_EQ(ReadFileBytes(keep), (Bytes{'o', 'l', 'd'}));
  }
  std::vector<std::string> expected = {"keep.jpg", "sub.bmp"};
  if (::access("/dev/full", W_OK) == 0) expected.insert(expected.begin(), "full.bmp");
  EXPECT_EQ(folder.Names(), expected);
}

TEST(PictureFile, SavesReplaceTheFileBehindALinkAndKeepItsMode) {
  TempFolder folder;
  const std::string real = folder.Path("real.bmp"), link = folder.Path("link.bmp");
  test::WriteRaw(real, {'o', 'l', 'd'});
  ::chmod(real.c_str(), 0640);
  ::symlink("real.bmp", link.c_str());
  const Bitmap source = test::Gradient(3, 3);
  WritePicture(link, source);

  struct stat info;
  ASSERT_EQ(::lstat(link.c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
  ASSERT_EQ(::stat(real.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_TRUE(ReadPicture(real).SamePixels(source));
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"link.bmp", "real.bmp"}));
}

}  // namespace
}  // namespace qv
