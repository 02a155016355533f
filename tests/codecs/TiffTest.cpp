// TIFF: each compression, strips, tiles and planes; grey, palette, 16-bit,
// CMYK and alpha against samples the test writes itself; the rarer kinds
// (deeper, signed and floating-point samples by our conversion, CIE
// L*a*b*, LogLuv, YCbCr and old-style JPEG through libtiff's RGBA reader);
// orientation; the encoder with its metadata.

#include <gtest/gtest.h>
#include <tiffio.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <tuple>

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

Bytes Le(std::initializer_list<std::uint64_t> values, int bytes) {
  Bytes b;
  for (const std::uint64_t v : values)
    for (int i = 0; i < bytes; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
  return b;
}
template <class Real>
Bytes Reals(std::initializer_list<Real> values) {
  Bytes b(values.size() * sizeof(Real));
  std::size_t at = 0;
  for (const Real v : values) {
    std::memcpy(b.data() + at, &v, sizeof v);
    at += sizeof v;
  }
  return b;
}

// Samples our own conversion takes, two pixels each, worked by hand: deeper
// values rounded to 8 bits, signed ones offset by half their range (the
// most negative black), floating point from 0 to 1, clamped.
TEST(Tiff, DeeperSignedAndFloatingPointSamplesGiveTheirValues) {
  using P = test::Px;
  auto kind = [](int photometric, int bits, int samples, int format, Bytes rows) {
    return TiffRecipe{.Width = 2,
                      .Height = 1,
                      .Photometric = photometric,
                      .Bits = bits,
                      .Samples = samples,
                      .Rows = std::move(rows),
                      .SampleFormat = format};
  };
  struct Case {
    const char *name;
    TiffRecipe recipe;
    P first, second;
  };
  const float nan = std::numeric_limits<float>::quiet_NaN();
  TiffRecipe planes = kind(2, 16, 5, 1, Le({0, 65535, 32896, 65535, 0, 1, 0, 0, 9, 9}, 2));
  planes.Planes = true, planes.ExtraSample = EXTRASAMPLE_UNASSALPHA, planes.ExtraCount = 2;
  // Two planar pixels: samples interleaved here, (R, G, B, A, X) each.
  planes.Rows = Le({65535, 32896, 0, 65535, 9, 0, 0, 0, 0, 9}, 2);
  const Case cases[] = {
      // 12 bits packed: 0x800 and 0xFFF.
      {"grey 12-bit", kind(1, 12, 1, 1, {0x80, 0x0F, 0xFF}), {128, 128, 128}, {255, 255, 255}},
      {"grey 32-bit",
       kind(1, 32, 1, 1, Le({0x80000000u, 0x01000000u}, 4)),
       {128, 128, 128},
       {1, 1, 1}},
      {"RGB 12-bit",
       kind(2, 12, 3, 1, {0xFF, 0xF0, 0x00, 0x80, 0x00, 0x01, 0x00, 0x10, 0x0F}),
       {128, 0, 255},
       {1, 0, 0}},
      {"signed grey 8-bit", kind(1, 8, 1, 2, {0x80, 0x7F}), {0, 0, 0}, {255, 255, 255}},
      {"signed grey 16-bit", kind(1, 16, 1, 2, Le({0, 0xC000}, 2)), {128, 128, 128}, {64, 64, 64}},
      {"float RGB",
       kind(2, 32, 3, 3, Reals<float>({1.0f, 0.5f, 0.0f, 2.0f, -1.0f, nan})),
       {0, 128, 255},
       {0, 0, 255}},
      {"float grey",
       kind(1, 32, 1, 3, Reals<float>({0.25f, 0.999f})),
       {64, 64, 64},
       {255, 255, 255}},
      {"double RGB",
       kind(2, 64, 3, 3, Reals<double>({0.1, 0.2, 0.3, 1, 1, 1})),
       {77, 51, 26},
       {255, 255, 255}},
      {"planar RGBA and one more", planes, {0, 128, 255}, {255, 255, 255}},
  };
  for (const Case &c : cases) {
    const DecodedPicture read = DecodeTiffPicture(MakeTiff(c.recipe));
    EXPECT_EQ(test::At(read.Pixels, 0, 0), c.first) << c.name;
    EXPECT_EQ(test::At(read.Pixels, 1, 0), c.second) << c.name;
    EXPECT_TRUE(read.Warnings.empty()) << c.name;
  }
  EXPECT_EQ(test::MessageOf([&] {
              DecodeTiffPicture(MakeTiff(kind(2, 16, 3, 3, Le({0, 0, 0, 0, 0, 0}, 2))));
            }),
            "TIFF image is a kind of picture Quorvane does not open (photometric 2, 3 samples of "
            "16 bits, floating point)");
}

// The kinds libtiff's RGBA reader knows better give its pixels, whole and
// in order, and stay close to the picture they were made from.
TEST(Tiff, LabLogLuvYCbCrAndOldJpegGiveWhatLibtiffsRgbaReaderGives) {
  const int w = 24, h = 16;
  const Bitmap picture = test::Gradient(w, h);
  const Bytes rgb = samples::RgbSamples(picture);
  auto linear = [](std::uint8_t v) {
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  Bytes lab, xyz, y;
  Bitmap grey(w, h);  // the luminance, as LogL holds it
  for (std::size_t i = 0; i < rgb.size(); i += 3) {
    const double r = linear(rgb[i]), g = linear(rgb[i + 1]), b = linear(rgb[i + 2]);
    const double X = 0.4124 * r + 0.3576 * g + 0.1805 * b, Y = 0.2126 * r + 0.7152 * g + 0.0722 * b,
                 Z = 0.0193 * r + 0.1192 * g + 0.9505 * b;
    auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    const double L = 116 * f(Y) - 16, A = 500 * (f(X / 0.9505) - f(Y)),
                 B = 200 * (f(Y) - f(Z / 1.089));
    lab.insert(lab.end(),
               {std::uint8_t(L * 255 / 100 + 0.5), std::uint8_t(std::int8_t(std::lround(A))),
                std::uint8_t(std::int8_t(std::lround(B)))});
    const Bytes sample = Reals<float>({float(X), float(Y), float(Z)});
    xyz.insert(xyz.end(), sample.begin(), sample.end());
    const Bytes luminance = Reals<float>({float(Y)});
    y.insert(y.end(), luminance.begin(), luminance.end());
    const double shown = Y <= 0.0031308 ? 12.92 * Y : 1.055 * std::pow(Y, 1 / 2.4) - 0.055;
    const std::uint8_t v = std::uint8_t(std::lround(255 * shown));
    test::Put(grey, int(i / 3 % w), int(i / 3 / w), {v, v, v});
  }
  // YCbCr 4:2:0 as libtiff stores it: per 2 x 2 block four Y, Cb, Cr.
  Bytes ycbcr;
  for (int by = 0; by < h; by += 2)
    for (int bx = 0; bx < w; bx += 2) {
      double cb = 0, cr = 0;
      for (int i = 0; i < 4; ++i) {
        const std::uint8_t *p = &rgb[3 * std::size_t((by + i / 2) * w + bx + i % 2)];
        const double luma = 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2];
        ycbcr.push_back(std::uint8_t(std::lround(luma)));
        cb += (p[2] - luma) / 1.772 / 4, cr += (p[0] - luma) / 1.402 / 4;
      }
      ycbcr.insert(ycbcr.end(),
                   {std::uint8_t(std::lround(cb + 128)), std::uint8_t(std::lround(cr + 128))});
    }
  auto recipe = [&](int photometric, int bits, int samples, int compression, Bytes rows) {
    return TiffRecipe{.Width = w,
                      .Height = h,
                      .Photometric = photometric,
                      .Bits = bits,
                      .Samples = samples,
                      .Compression = compression,
                      .RowsPerStrip = 4,
                      .Rows = std::move(rows)};
  };
  TiffRecipe tiledLab = recipe(PHOTOMETRIC_CIELAB, 8, 3, COMPRESSION_LZW, lab);
  tiledLab.Tiled = true;
  TiffRecipe logLuv = recipe(PHOTOMETRIC_LOGLUV, 32, 3, COMPRESSION_SGILOG, xyz);
  logLuv.Fields = {{TIFFTAG_SGILOGDATAFMT, SGILOGDATAFMT_FLOAT}};
  TiffRecipe logL = recipe(PHOTOMETRIC_LOGL, 32, 1, COMPRESSION_SGILOG, y);
  logL.Fields = logLuv.Fields;
  TiffRecipe subsampled = recipe(PHOTOMETRIC_YCBCR, 8, 3, COMPRESSION_LZW, ycbcr);
  subsampled.SubsampleX = subsampled.SubsampleY = 2;
  // How far each may stray from the picture: libtiff shows L*a*b* and LogLuv
  // through display models of its own, YCbCr loses detail to subsampling.
  const std::tuple<const char *, Bytes, const Bitmap *, double> cases[] = {
      {"CIE L*a*b*", MakeTiff(recipe(PHOTOMETRIC_CIELAB, 8, 3, COMPRESSION_NONE, lab)), &picture,
       12},
      {"CIE L*a*b* in tiles", MakeTiff(tiledLab), &picture, 12},
      {"LogLuv", MakeTiff(logLuv), &picture, 12},
      {"LogL", MakeTiff(logL), &grey, 12},
      {"YCbCr 4:2:0 with LZW", MakeTiff(subsampled), &picture, 6},
      {"old-style JPEG", samples::MakeOldJpegTiff(EncodeJpeg(picture), w, h), &picture, 6},
  };
  for (const auto &[name, file, near, error] : cases) {
    const DecodedPicture read = DecodePicture(file, "x.tif");
    EXPECT_TRUE(read.Warnings.empty()) << name;
    EXPECT_TRUE(read.Pixels.SamePixels(LibtiffDecode(file))) << name;
    EXPECT_LT(test::MeanAbsoluteError(read.Pixels, *near), error) << name;
  }
}

}  // namespace
}  // namespace qv
