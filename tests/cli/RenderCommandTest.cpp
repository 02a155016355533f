// render, thumbs and list through the real quorvane-fx, against the same
// recipes run in this process.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "AssetFixture.h"
#include "CodecTestUtil.h"
#include "MetadataTestUtil.h"
#include "Pictures.h"
#include "RunFx.h"
#include "codecs/Codecs.h"
#include "fuzz/FormatSamples.h"
#include "kernels/Categories.h"
#include "kernels/MaskedMix.h"
#include "kernels/PackedMask.h"
#include "kernels/Recipes.h"
#include "kernels/ScriptedColorPrompt.h"
#include "kernels/StrengthMix.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

using test::Outcome;
using test::RunFx;

class RenderCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    assets.WriteCompleteSet();
    assets.Write("EdgeA", "10", test::Uniform(16, 16, clBlack));
    work = assets.Dir() + "work/";
    fs::create_directories(work);
    WritePicture(work + "in.bmp", picture);
  }

  // quorvane-fx with the test's assets; arguments may name files in work/.
  Outcome Fx(const std::string &arguments) const {
    return RunFx(arguments + " --assets '" + assets.Dir() + "'");
  }

  Bitmap Expected(int id, int n, ColorPrompt *prompt = nullptr) const {
    Bitmap result;
    RenderRecipe(id, n, picture, result, assets.Env(prompt), RenderSize::FullSize);
    return result;
  }

  test::AssetRoot assets;
  std::string work;
  const Bitmap picture = test::Varied(60, 35, 4);
};

TEST_F(RenderCommand, RendersTheRecipeAtFullSize) {
  for (auto [category, id, n] : {std::tuple{"light-c", 3, 4},
                                 {"3", 3, 4},
                                 {"color", 8, 6},
                                 {"Preset", 16, 1},
                                 {"line", 14, 9}}) {
    SCOPED_TRACE(category);
    const Outcome run = Fx(std::string("render ") + category + " " + std::to_string(n) + " " +
                           work + "in.bmp " + work + "out.bmp");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(ReadPicture(work + "out.bmp").SamePixels(Expected(id, n)));
  }
  // JPEG output by the extension.
  ASSERT_EQ(Fx("render weather 2 " + work + "in.bmp " + work + "out.jpg").status, 0);
  EXPECT_EQ(ReadPicture(work + "out.jpg").Width(), picture.Width());
  // --assets also takes the pic folder itself, with or without a slash.
  for (const char *pic : {"pic", "pic/"}) {
    const Outcome run = RunFx("render light-a 2 " + work + "in.bmp " + work + "pic.bmp --assets '" +
                              assets.Dir() + pic + "'");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(ReadPicture(work + "pic.bmp").SamePixels(Expected(1, 2))) << pic;
  }
}

TEST_F(RenderCommand, ColourAnswersGoToThePromptsInOrder) {
  // Edge A 10 is all black: the matte shows only the fill colour.
  ASSERT_EQ(Fx("render edge-a 10 " + work + "in.bmp " + work + "red.bmp --color FF0000").status, 0);
  EXPECT_EQ(ReadPicture(work + "red.bmp").Pixel(7, 7), clRed);
  ASSERT_EQ(Fx("render edge-a 10 " + work + "in.bmp " + work + "c.bmp --cancel-color").status, 0);
  EXPECT_EQ(ReadPicture(work + "c.bmp").Pixel(7, 7), clWhite);

  // Preset 1 asks three times; the last answer repeats.
  ScriptedColorPrompt prompt({0x00FF00, std::nullopt});
  const Outcome run =
      Fx("render preset 1 " + work + "in.bmp " + work + "p.bmp --color 00ff00 " + "--cancel-color");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_TRUE(ReadPicture(work + "p.bmp").SamePixels(Expected(16, 1, &prompt)));
  EXPECT_EQ(prompt.TimesAsked(), 3);
}

// --strength puts the effect onto the picture by the strength mix, which
// the preview's Apply uses too: 0 is the picture, 100 the effect, between
// the mix to the byte, in a batch as well.
TEST_F(RenderCommand, StrengthMixesTheEffectIntoThePicture) {
  for (auto [category, id, n] : {std::tuple{"light-a", 1, 2}, {"color", 8, 7}, {"art", 15, 10}}) {
    for (int strength : {0, 37, 100}) {
      SCOPED_TRACE(std::string(category) + " at " + std::to_string(strength));
      const Outcome run =
          Fx(std::string("render ") + category + " " + std::to_string(n) + " " + work + "in.bmp " +
             work + "s.bmp --strength " + std::to_string(strength));
      ASSERT_EQ(run.status, 0) << run.output;
      Bitmap expected;
      StrengthMix(picture, Expected(id, n), expected, strength);
      const Bitmap written = ReadPicture(work + "s.bmp");
      EXPECT_TRUE(written.SamePixels(expected));
      // The ends without the mix: the picture itself and the effect itself.
      if (strength != 37) {
        EXPECT_TRUE(written.SamePixels(strength == 0 ? picture : Expected(id, n)));
      }
    }
  }
  ASSERT_EQ(Fx("render light-a 2 " + work + "in.bmp --out " + work + "b --strength 50").status, 0);
  Bitmap half;
  StrengthMix(picture, Expected(1, 2), half, 50);
  EXPECT_TRUE(ReadPicture(work + "b/in.bmp").SamePixels(half));

  for (const char *bad : {"101", "-1", "99999999999999999999999", "50%", "half", ""}) {
    const Outcome run =
        Fx("render light-a 2 " + work + "in.bmp " + work + "bad.bmp --strength '" + bad + "'");
    EXPECT_EQ(run.status, 2) << bad;
    EXPECT_NE(run.output.find("--strength must be"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find(" 0 to 100"), std::string::npos) << run.output;
  }
  EXPECT_FALSE(fs::exists(work + "bad.bmp"));
}

// --mask mixes the effect in through a grey picture (white the full
// effect), in a batch as well; a mask of another size is refused, naming
// both files and sizes, and nothing is written.
TEST_F(RenderCommand, AMaskSaysWhereTheEffectGoes) {
  const Bitmap grey = test::Grey({{0, 64, 128, 255}}), mask = [&] {
    Bitmap m(60, 35);
    m.StretchDraw({0, 0, 60, 35}, grey);
    return m;
  }();
  WritePicture(work + "mask.png", mask);
  Bitmap full;
  for (int strength : {45, 100}) {
    const Outcome run = Fx("render art 10 " + work + "in.bmp " + work + "m.bmp --mask " + work +
                           "mask.png --strength " + std::to_string(strength));
    ASSERT_EQ(run.status, 0) << run.output;
    Bitmap expected;
    MaskedMix(picture, Expected(15, 10), expected, strength, PackedMask::FromPicture(mask).Rows(),
              PackedMask::kChunkRows);
    EXPECT_TRUE(ReadPicture(work + "m.bmp").SamePixels(expected)) << strength;
    // The black quarter keeps the picture.
    EXPECT_EQ(ReadPicture(work + "m.bmp").Pixel(3, 20), picture.Pixel(3, 20));
    full = expected;
  }
  ASSERT_EQ(Fx("render art 10 " + work + "in.bmp --out " + work + "mb --mask " + work + "mask.png")
                .status,
            0);
  EXPECT_TRUE(ReadPicture(work + "mb/in.bmp").SamePixels(full));

  WritePicture(work + "small.png", test::Grey({{255, 0}, {0, 255}}));
  const Outcome wrong =
      Fx("render art 10 " + work + "in.bmp " + work + "w.bmp --mask " + work + "small.png");
  EXPECT_EQ(wrong.status, 1);
  EXPECT_NE(wrong.output.find("The mask " + work + "small.png is 2 x 2 pixels and the picture " +
                              work + "in.bmp 60 x 35; they must be the same size"),
            std::string::npos)
      << wrong.output;
  EXPECT_FALSE(fs::exists(work + "w.bmp"));
  EXPECT_EQ(Fx("thumbs art " + work + "in.bmp " + work + "t --mask " + work + "mask.png").status,
            2);
}

TEST_F(RenderCommand, ThumbsWritesTenSqueezedThumbnails) {
  const Outcome run = Fx("thumbs edge-b " + work + "in.bmp " + work + "thumbs --bmp");
  ASSERT_EQ(run.status, 0) << run.output;
  Bitmap thumb(kThumbnailSide, kThumbnailSide), result;
  thumb.StretchDraw({0, 0, kThumbnailSide, kThumbnailSide}, picture);
  for (int n = 1; n <= kThumbnailCount; ++n) {
    RenderRecipe(11, n, thumb, result, assets.Env(), RenderSize::Thumbnail);
    const Bitmap written = ReadPicture(work + "thumbs/" + std::to_string(n) + ".bmp");
    EXPECT_EQ(written.Width(), kThumbnailSide);
    EXPECT_TRUE(written.SamePixels(result)) << n;
  }
  ASSERT_EQ(Fx("thumbs 7 " + work + "in.bmp " + work + "jpegs").status, 0);
  for (int n = 1; n <= kThumbnailCount; ++n)
    EXPECT_TRUE(fs::is_regular_file(work + "jpegs/" + std::to_string(n) + ".jpg")) << n;
}

TEST_F(RenderCommand, MissingAssetIsOneLineAndAFailure) {
  fs::remove(assets.Dir() + "pic/amazing/1.ssl");
  const Outcome run = Fx("render amazing 1 " + work + "in.bmp " + work + "out.bmp");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output, "quorvane-fx: Cannot open file " + assets.Dir() +
                            "pic/amazing/1.ssl: No such file or directory\n");
  EXPECT_FALSE(fs::exists(work + "out.bmp"));

  // Preset 1 reads amazing 1 in its second pass.
  const Outcome thumbs = Fx("thumbs preset " + work + "in.bmp " + work + "t");
  EXPECT_EQ(thumbs.status, 1);
  EXPECT_NE(thumbs.output.find("Cannot open file"), std::string::npos);
  EXPECT_FALSE(fs::exists(work + "t/1.jpg"));
}

// A batch renders every picture alike, each with the same colour answers;
// a bad picture or a clash of names is reported and the others still come.
TEST_F(RenderCommand, BatchRendersEveryPictureAndReportsEachFailure) {
  const Bitmap other = test::Varied(41, 29, 9);
  WritePicture(work + "b.bmp", other);
  fs::create_directories(work + "sub");
  WritePicture(work + "sub/in.bmp", other);
  WriteFileBytes(work + "bad.bmp", Bytes{'B', 'M', 1, 2});
  const Outcome run =
      Fx("render edge-a 2 " + work + "in.bmp " + work + "bad.bmp " + work + "missing.bmp " + work +
         "b.bmp " + work + "sub/in.bmp --out " + work + "batch --color 00ff00");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find(work + "bad.bmp: Bitmap image is not valid: the file ends before its "
                                   "pixels do\n"),
            std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find(work + "missing.bmp: Cannot open file"), std::string::npos);
  EXPECT_NE(run.output.find(work + "sub/in.bmp: its result"), std::string::npos);
  EXPECT_NE(run.output.find("3 of 5 pictures failed"), std::string::npos);

  for (const auto &[name, source] : {std::pair{"in.bmp", &picture}, {"b.bmp", &other}}) {
    ScriptedColorPrompt prompt({0x00FF00});
    Bitmap expected;
    RenderRecipe(10, 2, *source, expected, assets.Env(&prompt), RenderSize::FullSize);
    EXPECT_TRUE(ReadPicture(work + "batch/" + name).SamePixels(expected)) << name;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(work + "batch"), fs::directory_iterator()), 2);

  // A photo of a format that is only read comes back as JPEG.
  std::string inputs = work + "in.bmp " + work + "b.bmp";
  const Bytes heic = samples::MakeHeif({.Width = 16, .Height = 16, .Samples = Bytes(768, 90)});
  if (!heic.empty()) WriteFileBytes(work + "phone.heic", heic), inputs += " " + work + "phone.heic";
  const Outcome good = Fx("render 1 1 " + inputs + " --out " + work + "ok");
  EXPECT_EQ(good.status, 0) << good.output;
  EXPECT_EQ(good.output, "");  // no progress line when the output is no terminal
  if (!heic.empty()) {
    EXPECT_EQ(SniffFormat(ReadFileBytes(work + "ok/phone.jpg")), PictureFormat::Jpeg);
  }
}

TEST_F(RenderCommand, BadCommandLinesAreUsageErrors) {
  const std::string files = " " + work + "in.bmp " + work + "out.bmp";
  EXPECT_EQ(Fx("render star 1 --out " + work + "o").status, 2);  // no picture
  for (const char *args : {"render sepia 1", "render 17 1", "render star 0", "render star 11",
                           "render star 1x", "render star 1 --color 12345"})
    EXPECT_EQ(Fx(args + files).status, 2) << args;
  EXPECT_EQ(Fx("thumbs star " + work + "in.bmp").status, 2);
  EXPECT_FALSE(fs::exists(work + "out.bmp"));
  const Outcome list = RunFx("list");
  EXPECT_EQ(list.status, 0);
  EXPECT_NE(list.output.find("light-c"), std::string::npos);
}

}  // namespace
}  // namespace qv

namespace qv {
namespace {

// Every command that writes keeps the input's metadata, fitted to the
// result (upright, its size, no old thumbnail), unless told to strip it;
// the input is read upright.
TEST_F(RenderCommand, EveryCommandThatWritesKeepsTheMetadataUnlessStripped) {
  // Stored 30 x 20, a quarter turn from upright.
  WriteFileBytes(work + "photo.jpg",
                 test::JpegWith(test::Gradient(30, 20), test::CameraMetadata(6)));
  const std::string in = work + "photo.jpg ";
  const std::pair<std::string, std::string> commands[] = {
      {"convert " + in + work + "c.jpg", "c.jpg"},
      {"filter invert " + in + work + "f.jpg", "f.jpg"},
      {"render light-a 1 " + in + work + "r.jpg --assets '" + assets.Dir() + "'", "r.jpg"},
      {"render light-a 1 " + in + "--out " + work + "batch --assets '" + assets.Dir() + "'",
       "batch/photo.jpg"},
      {"thumbs light-a " + in + work + "t --assets '" + assets.Dir() + "'", "t/1.jpg"},
  };
  for (const auto &[command, out] : commands) {
    ASSERT_EQ(RunFx(command).status, 0) << command;
    const Bytes written = ReadFileBytes(work + out);
    const test::MetadataSeen seen = test::ReadBackMetadata(written);
    EXPECT_EQ(seen.Make, "Quorvane Test Camera") << command;
    EXPECT_EQ(seen.GpsLatitude, "48/1 6/1 0/1") << command;
    EXPECT_EQ(seen.IptcKeyword, "beach") << command;
    EXPECT_EQ(seen.Icc.size(), 150'000u) << command;
    EXPECT_EQ(seen.Orientation, 1) << command;
    EXPECT_FALSE(seen.ExifThumbnail) << command;
    const Bitmap result = DecodeJpeg(written);
    EXPECT_EQ(seen.PixelWidth, result.Width()) << command;
    if (out != "t/1.jpg") {
      EXPECT_EQ(result.Width(), 20) << command;  // upright
    }

    ASSERT_EQ(RunFx(command + " --strip-metadata").status, 0) << command;
    EXPECT_TRUE(test::ReadBackMetadata(ReadFileBytes(work + out)).Empty()) << command;
  }
}

// A damaged picture is still rendered; one warning line names it.
TEST_F(RenderCommand, ADamagedPictureIsRenderedWithAWarningLine) {
  const Bytes whole = EncodeJpeg(test::Gradient(64, 48));
  WriteFileBytes(work + "cut.jpg", Bytes(whole.begin(), whole.end() - 300));
  const Outcome run = RunFx("convert " + work + "cut.jpg " + work + "out.bmp");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, "quorvane-fx: warning: " + work +
                            "cut.jpg: part of the picture is missing or damaged (Premature end of "
                            "JPEG file)\n");
  EXPECT_EQ(ReadPicture(work + "out.bmp").Width(), 64);
}

// No write permission bit: refused for every user, root included.
TEST_F(RenderCommand, AReadOnlyTargetIsNotReplaced) {
  WriteFileBytes(work + "ro.jpg", Bytes{'o', 'l', 'd'});
  fs::permissions(work + "ro.jpg",
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const Outcome run = RunFx("convert " + work + "in.bmp " + work + "ro.jpg");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output,
            "quorvane-fx: Cannot open file " + work + "ro.jpg: the file is read-only\n");
  EXPECT_EQ(ReadFileBytes(work + "ro.jpg"), (Bytes{'o', 'l', 'd'}));
}

}  // namespace
}  // namespace qv
