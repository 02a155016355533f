// The bad-file catalogue through the real renderer: every case ends by
// itself with one line on standard error and status 1, or decodes (with one
// warning line when damaged), and a file it was to replace is left as it was.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <tuple>

#include "BadFiles.h"
#include "HostileTestUtil.h"

namespace qv::hostile {
namespace {

namespace fs = std::filesystem;

const Bytes kOld = {'o', 'l', 'd'};
constexpr ChildLimits kHangGuard{60, -1};

// Only the output (and no temporary beside it) is in its folder.
bool AloneInFolder(const std::string &file) {
  const fs::path folder = fs::path(file).parent_path();
  return std::distance(fs::directory_iterator(folder), {}) == 1;
}

TEST(HostileRenderer, BadPicturesAreRefusedInOneLineOrDecoded) {
  Workspace space;
  fs::create_directories(space / "out");
  const std::string out = space / "out/result.bmp";
  for (const BadFile &bad : BadPictures()) {
    SCOPED_TRACE(bad.FileName);
    space.Write(bad.FileName, bad.Content);
    space.Write("out/result.bmp", kOld);
    const ChildResult run = Render(space, space / bad.FileName, out, kHangGuard);
    if (bad.Expect == Verdict::Refused) {
      EXPECT_TRUE(RefusedInOneLine(run, bad.Message));
      EXPECT_EQ(ReadOrEmpty(out), kOld);
    } else {
      EXPECT_TRUE(bad.Expect == Verdict::Damaged ? SucceededWithWarning(run, space / bad.FileName)
                                                 : Succeeded(run));
      EXPECT_NO_THROW(ReadPicture(out));
    }
    EXPECT_TRUE(AloneInFolder(out));
  }
}

TEST(HostileRenderer, BadAssetsAreRefusedInOneLine) {
  Workspace space;
  const std::string out = space / "out.bmp";
  for (const BadFile &bad : BadAssets()) {
    SCOPED_TRACE(bad.FileName);
    space.Write("pic/lightA/1.ssl", bad.Content);
    fs::remove(out);
    const ChildResult run = Render(space, space / "in.bmp", out, kHangGuard);
    if (bad.Expect == Verdict::Refused) {
      EXPECT_TRUE(RefusedInOneLine(run, bad.Message));
      EXPECT_FALSE(fs::exists(out));
    } else {
      EXPECT_TRUE(Succeeded(run));
    }
  }
}

TEST(HostileRenderer, AssetPathsThatAreNotFilesAreCannotOpen) {
  Workspace space;
  const std::string cannot = "Cannot open file " + space.AssetFile();
  fs::remove(space.AssetFile());
  EXPECT_TRUE(RefusedInOneLine(Render(space, space / "in.bmp", space / "o.bmp"), cannot))
      << "missing";
  fs::create_directory(space.AssetFile());
  EXPECT_TRUE(RefusedInOneLine(Render(space, space / "in.bmp", space / "o.bmp"), cannot))
      << "a folder";
  fs::remove_all(space / "pic/lightA");
  space.Write("pic/lightA", kOld);
  EXPECT_TRUE(RefusedInOneLine(Render(space, space / "in.bmp", space / "o.bmp"), cannot))
      << "the folder is a file";
  EXPECT_FALSE(fs::exists(space / "o.bmp"));
}

// Inputs that are no files: a pipe without a writer reads as empty; an
// endless device is cut off at the largest size a picture file can have.
TEST(HostileRenderer, PipesAndDevicesAsInputEndByThemselves) {
  Workspace space;
  ASSERT_EQ(::mkfifo((space / "pipe.jpg").c_str(), 0644), 0);
  EXPECT_TRUE(
      RefusedInOneLine(Render(space, space / "pipe.jpg", space / "o.bmp", kHangGuard), kJpegError));
  fs::create_symlink("/dev/zero", space / "zeros.bmp");
  EXPECT_TRUE(RefusedInOneLine(Render(space, space / "zeros.bmp", space / "o.bmp", kHangGuard),
                               "File " + space / "zeros.bmp" + " is too large to be a picture"));
  EXPECT_FALSE(fs::exists(space / "o.bmp"));
}

TEST(HostileRenderer, SaveTargetsThatCannotBeWrittenKeepWhatWasThere) {
  Workspace space;
  const std::string in = space / "in.bmp";
  auto refused = [&](const std::string &out, const std::string &message) {
    return RefusedInOneLine(Render(space, in, out, kHangGuard), message + out);
  };

  // As root, permission bits stop nothing; /proc takes no new files.
  std::string readOnly = "/proc/qv-hostile-out.bmp";
  if (::geteuid() != 0) {
    fs::create_directory(space / "locked");
    ::chmod((space / "locked").c_str(), 0555);
    readOnly = space / "locked/out.bmp";
  }
  EXPECT_TRUE(refused(readOnly, "Cannot open file ")) << "read-only folder";
  EXPECT_TRUE(refused(space / "missing/out.bmp", "Cannot open file ")) << "missing folder";
  fs::create_directory(space / "folder.bmp");
  EXPECT_TRUE(refused(space / "folder.bmp", "Cannot open file ")) << "a folder's name";
  space.Write("plain", kOld);
  EXPECT_TRUE(refused(space / "plain/out.bmp", "Cannot open file ")) << "parent is a file";
  fs::create_symlink("/dev/full", space / "full.jpg");
  EXPECT_TRUE(refused(space / "full.jpg", "Cannot write file ")) << "full device";

  // A write that fails halfway (file size limit) leaves the old file whole
  // and no temporary beside it.
  fs::create_directory(space / "keep");
  const std::string keep = space / "keep/old.bmp";
  space.Write("keep/old.bmp", kOld);
  EXPECT_TRUE(RefusedInOneLine(Render(space, in, keep, {60, 1024}), "Cannot write file " + keep));
  EXPECT_EQ(ReadOrEmpty(keep), kOld);
  EXPECT_TRUE(AloneInFolder(keep));
}

// A few kilobytes that declare a huge picture must cost a few megabytes,
// not the gigabytes the declared size would take; the HEIF file, found by
// fuzzing, hides a 2-gigapixel overlay under a 24 x 16 picture, and the PNG
// declares a text of 1.8 GB, which libpng would allocate.
TEST(HostileRenderer, TinyFilesDeclaringHugePicturesCostLittleMemory) {
  Workspace space;
  constexpr long long kFewMegabytes = 256LL << 20;
  const std::tuple<const char *, Bytes, const char *> files[] = {
      {"progressive.jpg", ProgressiveDeclaring(20000, 20000), "Picture is too large"},
      {"beyond.jpg", ProgressiveDeclaring(12000, 10001), "Picture is too large"},
      {"beyond.bmp", BmpHeaderDeclaring(12000, 10001), "Picture is too large"},
      {"long-text.png", PngWithLongText(true), "PNG image is not valid: the file is cut short"},
      {"overlay-over-grid.heif",
       ReadFileBytes(QV_SOURCE_DIR "/fuzz/regressions/heif/overlay-over-grid.heif"),
       "HEIF image is not valid: its overlay (item 1) is too large (33379 x 61577 pixels)"},
  };
  for (const auto &[name, bytes, message] : files) {
    SCOPED_TRACE(name);
    space.Write(name, bytes);
    const ChildResult run = Render(space, space / name, space / "o.bmp", kHangGuard);
    EXPECT_TRUE(RefusedInOneLine(run, message));
    EXPECT_LT(run.PeakRssBytes, kFewMegabytes);
  }
}

}  // namespace
}  // namespace qv::hostile
