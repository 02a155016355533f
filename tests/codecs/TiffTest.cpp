// TIFF: each compression, strips, tiles and planes; grey, palette, 16-bit,
// CMYK and alpha against samples the test writes itself; orientation;
// the encoder with its metadata.

#include <gtest/gtest.h>
#include <tiffio.h>

#include "CodecTestUtil.h"
#include "MetadataTestUtil.h"
#include "Pictures.h"
#include "codecs/TiffMemory.h"
#include "fuzz/FormatSamples.h"

namespace qv {
namespace {

using samples::MakeTiff;
using samples::TiffRecipe;

// libtiff's own decode (its RGBA interface), for JPEG-compressed files.
Bitmap LibtiffDecode(const Bytes &file) {
  TiffMemory memory;
  memory.Input = file;
  const std::unique_ptr<TIFF, TiffClose> tif(OpenTiff(memory, "r", 1 << 28));
  std::uint32_t width = 0, height = 0;
  TIFFGetField(tif.get(), TIFFTAG_IMAGEWIDTH, &width);
  TIFFGetField(tif.get(), TIFFTAG_IMAGELENGTH, &height);
  std::vector<std::uint32_t> abgr(std::size_t(width) * height);
  TIFFReadRGBAImageOriented(tif.get(), width, height, abgr.data(), ORIENTATION_TOPLEFT, 0);
  Bitmap b{int(width), int(height)};
  for (std::size_t i = 0; i < abgr.size(); ++i)
    b.SetPixel(int(i % width), int(i / width),
               RGBColor(TIFFGetR(abgr[i]), TIFFGetG(abgr[i]), TIFFGetB(abgr[i])));
  return b;
}

TEST(Tiff, EveryCompressionAndLayoutGivesThePicture) {
  const Bitmap picture = test::Pattern(37, 21);
  const Bytes rgb = samples::RgbSamples(picture);
  const int compressions[] = {COMPRESSION_NONE, COMPRESSION_LZW, COMPRESSION_ADOBE_DEFLATE,
                              COMPRESSION_PACKBITS, COMPRESSION_JPEG};
  for (const int compression : compressions)
    for (const int layout : {0, 1, 2}) {  // strips, tiles, planes
      TiffRecipe r{.Width = 37, .Height = 21};
      r.Compression = compression;
      r.Tiled = layout == 1;
      r.Planes = layout == 2;
      r.RowsPerStrip = compression == COMPRESSION_JPEG ? 16 : 4;  // JPEG: whole blocks
      r.Rows = rgb;
      const Bytes file = MakeTiff(r);
      const DecodedPicture read = DecodeTiffPicture(file);
      EXPECT_TRUE(read.Warnings.empty());
      EXPECT_TRUE(
          read.Pixels.SamePixels(compression == COMPRESSION_JPEG ? LibtiffDecode(file) : picture))
          << compression << " " << layout;
    }
}

TEST(Tiff, GreyPaletteSixteenBitCmykAndAlphaGiveTheSamplesTheyStore) {
  // Two pixels of each kind, worked by hand.
  auto read = [](TiffRecipe r) {
    r.Width = 2, r.Height = 1;
    return DecodeTiffPicture(MakeTiff(r)).Pixels;
  };
  auto le16 = [](std::initializer_list<unsigned> values) {
    Bytes b;
    for (unsigned v : values) b.push_back(std::uint8_t(v)), b.push_back(std::uint8_t(v >> 8));
    return b;
  };
  using P = test::Px;
  struct Case {
    const char *name;
    TiffRecipe recipe;
    P first, second;
  };
  // Photometric, bits, samples, extra sample, the two pixels' samples.
  auto kind = [](int photometric, int bits, int samples, int extra, Bytes rows) {
    return TiffRecipe{.Photometric = photometric,
                      .Bits = bits,
                      .Samples = samples,
                      .ExtraSample = extra,
                      .Rows = std::move(rows)};
  };
  const Case cases[] = {
      {"grey 1-bit", kind(1, 1, 1, 0, {0x40}), {0, 0, 0}, {255, 255, 255}},
      {"grey 4-bit", kind(1, 4, 1, 0, {0x3C}), {51, 51, 51}, {204, 204, 204}},
      {"white is zero", kind(0, 8, 1, 0, {0, 200}), {255, 255, 255}, {55, 55, 55}},
      {"grey 16-bit", kind(1, 16, 1, 0, le16({128, 65406})), {0, 0, 0}, {254, 254, 254}},
      {"RGB 16-bit",
       kind(2, 16, 3, 0, le16({65535, 32896, 0, 257, 514, 771})),
       {0, 128, 255},
       {3, 2, 1}},
      {"CMYK", kind(5, 8, 4, 0, {255, 0, 0, 0, 0, 128, 255, 51}), {255, 255, 0}, {0, 102, 204}},
      {"RGBA",
       kind(2, 8, 4, EXTRASAMPLE_UNASSALPHA, {0, 0, 0, 128, 10, 20, 30, 0}),
       {127, 127, 127},
       {255, 255, 255}},
      {"premultiplied RGBA",
       kind(2, 8, 4, EXTRASAMPLE_ASSOCALPHA, {0, 0, 0, 128, 100, 50, 0, 128}),
       {127, 127, 127},
       {127, 177, 227}},
  };
  for (const Case &c : cases) {
    const Bitmap b = read(c.recipe);
    EXPECT_EQ(test::At(b, 0, 0), c.first) << c.name;
    EXPECT_EQ(test::At(b, 1, 0), c.second) << c.name;
  }
  // A 4-bit palette with 16-bit entries: index 1, then 14.
  TiffRecipe palette{.Width = 2, .Height = 1, .Photometric = 3, .Bits = 4, .Samples = 1};
  palette.Rows = {0x1E};
  palette.Colormap.assign(48, 0);
  palette.Colormap[1] = 65535, palette.Colormap[16 + 14] = 32896, palette.Colormap[32 + 14] = 257;
  const Bitmap p = DecodeTiffPicture(MakeTiff(palette)).Pixels;
  EXPECT_EQ(test::At(p, 0, 0), (P{0, 0, 255}));
  EXPECT_EQ(test::At(p, 1, 0), (P{1, 128, 0}));
}

TEST(Tiff, TheOrientationTagTurnsThePictureAndSavesKeepTheirMetadata) {
  const Bitmap picture = test::Pattern(5, 3);
  TiffRecipe turned{.Width = 5, .Height = 3};
  turned.Orientation = ORIENTATION_RIGHTTOP;  // 6: stored a quarter turn anticlockwise
  turned.Rows = samples::RgbSamples(picture);
  const Bitmap upright = DecodePicture(MakeTiff(turned), "x.tif").Pixels;
  ASSERT_EQ(upright.Width(), 3);
  EXPECT_EQ(test::At(upright, 2, 0), test::At(picture, 0, 0));
  EXPECT_EQ(test::At(upright, 0, 4), test::At(picture, 4, 2));

  const Metadata meta = test::CameraMetadata(6);
  const Bytes saved = EncodePicture("x.tif", picture, meta);
  const DecodedPicture read = DecodeTiffPicture(saved);
  EXPECT_TRUE(read.Warnings.empty()) << WarningLine("x", read.Warnings);
  EXPECT_TRUE(read.Pixels.SamePixels(picture));
  EXPECT_EQ(read.Orientation, 1);
  EXPECT_EQ(read.Meta.Icc, meta.Icc);
  EXPECT_EQ(read.Meta.Comments, meta.Comments);
  const test::MetadataSeen seen = test::ReadBackMetadata(saved);
  EXPECT_EQ(seen.Make, "Quorvane Test Camera");
  EXPECT_EQ(seen.DateTaken, "2024:05:06 07:08:09");
  EXPECT_EQ(seen.GpsLatitude, "48/1 6/1 0/1");
  EXPECT_EQ(seen.XmpCreator, "Ann Example");
  EXPECT_EQ(seen.IptcKeyword, "beach");
  EXPECT_EQ(seen.Icc, meta.Icc);
  // The camera's tags come back from the file into a block of their own.
  EXPECT_EQ(test::ReadBackMetadata(EncodeJpeg(picture, 90, read.Meta)).Make,
            "Quorvane Test Camera");
}

}  // namespace
}  // namespace qv
