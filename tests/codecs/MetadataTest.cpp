// Metadata from decode to encode, and the EXIF orientation.

#include <gtest/gtest.h>

#include <cstring>

#include "CodecTestUtil.h"
#include "MetadataTestUtil.h"
#include "Pictures.h"
#include "kernels/AssetStore.h"

namespace qv {
namespace {

using test::CameraMetadata;
using test::JpegWith;

TEST(JpegMetadata, EveryBlockSurvivesAnEncodeAndADecodeUnchanged) {
  const Metadata meta = CameraMetadata(6);
  const DecodedPicture read = DecodeJpegPicture(JpegWith(test::Gradient(16, 8), meta));
  EXPECT_TRUE(read.Warnings.empty()) << WarningLine("x", read.Warnings);
  EXPECT_EQ(read.Orientation, 6);
  EXPECT_EQ(read.Meta.Exif, meta.Exif);
  EXPECT_EQ(read.Meta.Xmp, meta.Xmp);
  EXPECT_EQ(read.Meta.ExtendedXmp, meta.ExtendedXmp);  // two chunks
  EXPECT_EQ(read.Meta.ExtendedXmpGuid, meta.ExtendedXmpGuid);
  EXPECT_EQ(read.Meta.Photoshop, meta.Photoshop);
  EXPECT_EQ(read.Meta.Icc, meta.Icc);  // three chunks
  EXPECT_EQ(read.Meta.Comments, meta.Comments);
}

TEST(JpegMetadata, ASavedPictureKeepsItAllButSaysUprightItsSizeAndHasNoOldThumbnail) {
  const Bitmap picture = test::Gradient(30, 20);
  const Metadata meta = CameraMetadata(6);
  const test::MetadataSeen seen = test::ReadBackMetadata(EncodePicture("x.jpg", picture, meta));
  EXPECT_EQ(seen.Make, "Quorvane Test Camera");
  EXPECT_EQ(seen.DateTaken, "2024:05:06 07:08:09");
  EXPECT_EQ(seen.GpsLatitude, "48/1 6/1 0/1");
  EXPECT_EQ(seen.Artist, "Ann Example");
  EXPECT_EQ(seen.XmpCreator, "Ann Example");
  EXPECT_EQ(seen.IptcKeyword, "beach");
  EXPECT_EQ(seen.Comment, "taken by the test");
  EXPECT_EQ(seen.Icc, meta.Icc);
  EXPECT_EQ(seen.Orientation, 1);
  EXPECT_EQ(seen.XmpOrientation, 1);
  EXPECT_EQ(seen.PixelWidth, 30);
  EXPECT_EQ(seen.PixelHeight, 20);
  EXPECT_FALSE(seen.ExifThumbnail);
  EXPECT_FALSE(seen.XmpThumbnail);
  EXPECT_FALSE(seen.PhotoshopThumbnail);

  EXPECT_TRUE(test::ReadBackMetadata(EncodePicture("x.jpg", picture, meta, true)).Empty());
  EXPECT_EQ(EncodePicture("x.bmp", picture, meta), EncodeBmp(picture));  // BMP holds none
}

TEST(JpegMetadata, DamagedBlocksAreLeftOutWithAWarningAndThePictureStillOpens) {
  const Bitmap picture = test::Gradient(16, 8);
  const Bytes whole = JpegWith(picture, CameraMetadata(1));
  // The stream without its n-th segment of the given marker.
  auto without = [&](std::uint8_t marker, int n) {
    Bytes b = whole;
    for (std::size_t at = 2; at + 4 < b.size();) {
      const std::size_t end = at + 2 + (std::size_t(b[at + 2]) << 8 | b[at + 3]);
      if (b[at + 1] == marker && n-- == 0) {
        b.erase(b.begin() + std::ptrdiff_t(at), b.begin() + std::ptrdiff_t(end));
        break;
      }
      at = end;
    }
    return b;
  };
  auto with = [&](auto change) {
    Metadata meta = CameraMetadata(1);
    change(meta);
    return JpegWith(picture, meta);
  };
  Metadata cmyk = CameraMetadata(1);
  std::memcpy(&cmyk.Icc[16], "CMYK", 4);
  const std::pair<Bytes, std::string> cases[] = {
      {with([](Metadata &m) { std::fill(m.Exif.begin() + 4, m.Exif.end(), 0xFF); }),
       "its EXIF block is damaged and was left out"},
      {with([](Metadata &m) { m.Xmp.resize(200); }), "its XMP block is damaged and was left out"},
      {with([](Metadata &m) { m.Photoshop[8] = 0x7F; }),  // the first resource's size
       "its IPTC block is damaged and was left out"},
      {with([](Metadata &m) { m.Icc[36] = 'X'; }),
       "its colour profile is damaged and was left out"},
      {without(0xE2, 1), "its colour profile is incomplete and was left out"},
      {without(0xE1, 3), "its extended XMP block is incomplete and was left out"},
  };
  for (const auto &[file, warning] : cases) {
    const DecodedPicture read = DecodeJpegPicture(file);
    EXPECT_EQ(test::EnglishOf(read.Warnings), std::vector<std::string>{warning});
    EXPECT_LT(test::MeanAbsoluteError(read.Pixels, picture), 8.0) << warning;
    EXPECT_FALSE(read.Meta.Comments.empty()) << warning;  // the rest is kept
  }
  // A CMYK profile cannot describe the RGB pixels; it goes without a word.
  const DecodedPicture read = DecodeJpegPicture(JpegWith(picture, cmyk));
  EXPECT_TRUE(read.Meta.Icc.empty());
  EXPECT_TRUE(read.Warnings.empty());
  // An EXIF block whose only directory is empty, as some editors write it,
  // is no damage: the picture opens without a word and keeps it.
  for (const Bytes &empty : {Bytes{'I', 'I', 42, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                             Bytes{'M', 'M', 0, 42, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0}}) {
    const DecodedPicture opened = DecodeJpegPicture(with([&](Metadata &m) { m.Exif = empty; }));
    EXPECT_TRUE(opened.Warnings.empty()) << opened.Warnings.front().English();
    EXPECT_EQ(opened.Meta.Exif, empty);
  }
}

TEST(JpegDamage, WhatLibjpegWorksAroundOpensWithItsWarning) {
  const Bytes good = EncodeJpeg(test::Gradient(48, 32));
  EXPECT_TRUE(DecodeJpegPicture(good).Warnings.empty());
  const Bytes cut(good.begin(), good.end() - 200);
  Bytes stray = good;
  stray.insert(stray.begin() + 20, {0x12, 0x34});  // between the JFIF header and the tables
  const std::pair<Bytes, const char *> cases[] = {
      {cut, "part of the picture is missing or damaged (Premature end of JPEG file)"},
      {stray,
       "part of the picture is missing or damaged (Corrupt JPEG data: 2 extraneous bytes before "
       "marker 0xdb)"},
  };
  for (const auto &[file, warning] : cases) {
    const DecodedPicture read = DecodeJpegPicture(file);
    EXPECT_EQ(test::EnglishOf(read.Warnings), std::vector<std::string>{warning});
    EXPECT_EQ(read.Pixels.Width(), 48);
  }
}

// The test's own turns, from three primitives.
Bitmap Transposed(const Bitmap &s) {
  Bitmap t(s.Height(), s.Width());
  for (int y = 0; y < t.Height(); ++y)
    for (int x = 0; x < t.Width(); ++x) test::Put(t, x, y, test::At(s, y, x));
  return t;
}
Bitmap FlippedX(const Bitmap &s) {
  Bitmap t(s.Width(), s.Height());
  for (int y = 0; y < t.Height(); ++y)
    for (int x = 0; x < t.Width(); ++x) test::Put(t, x, y, test::At(s, s.Width() - 1 - x, y));
  return t;
}
Bitmap FlippedY(const Bitmap &s) {
  Bitmap t(s.Width(), s.Height());
  for (int y = 0; y < t.Height(); ++y)
    for (int x = 0; x < t.Width(); ++x) test::Put(t, x, y, test::At(s, x, s.Height() - 1 - y));
  return t;
}

TEST(Orientation, EveryExifOrientationGivesTheUprightPictureAndAssetsStayAsStored) {
  const Bitmap stored = test::Pattern(5, 3);
  for (int o = 1; o <= 8; ++o) {
    Metadata meta;
    meta.Exif = CameraMetadata(o).Exif;
    const Bytes file = JpegWith(stored, meta);
    // Compared with the decoder's own pixels as stored, so JPEG's loss
    // does not count.
    const Bitmap asStored = DecodeJpeg(file);
    const Bitmap turned[9] = {{},
                              asStored,
                              FlippedX(asStored),
                              FlippedX(FlippedY(asStored)),
                              FlippedY(asStored),
                              Transposed(asStored),
                              FlippedX(Transposed(asStored)),
                              FlippedX(FlippedY(Transposed(asStored))),
                              FlippedY(Transposed(asStored))};
    EXPECT_TRUE(DecodePicture(file, "photo.jpg").Pixels.SamePixels(turned[o])) << o;
    EXPECT_TRUE(DecodeAsset(file).SamePixels(asStored)) << o;
  }
}

// Every format that holds metadata, as exiftool reads what we wrote: the
// EXIF once (a PNG's before the picture data), the Canon maker notes
// readable whatever the EXIF's place in the file, the extended XMP merged
// where the format has no room for it beside the main packet, and EXIF
// whose directories pointed outside the block or back at themselves
// written back whole, said once when read.
TEST(WrittenMetadata, ExiftoolReadsItWhole) {
  const Bitmap picture = test::Gradient(32, 24);
  const Metadata canon = test::CanonMetadata();
  const DecodedPicture photo = DecodePicture(JpegWith(picture, canon), "canon.jpg");
  ASSERT_TRUE(photo.Warnings.empty()) << WarningLine("canon.jpg", photo.Warnings);
  const char *faults[] = {"maker notes",         "MakerNotes",     "after PNG IDAT", "Bad IFD",
                          "references previous", "Bad ExifOffset", "Duplicate"};
  for (const char *ext : {"jpg", "png", "webp", "tif"}) {
    const std::string out =
        test::Exiftool(EncodePicture(std::string("x.") + ext, photo.Pixels, photo.Meta), ext,
                       {"-G1", "-validate", "-warning", "-a", "-Canon:all", "-Make",
                        "-XMP:Description", "-HasExtendedXMP"});
    for (const char *fault : faults)
      EXPECT_EQ(out.find(fault), std::string::npos) << ext << "\n" << out;
    std::size_t canonTags = 0, makes = 0;
    for (std::size_t at = 0; (at = out.find("[Canon]", at)) != std::string::npos; ++at) ++canonTags;
    for (std::size_t at = 0; (at = out.find("Make  ", at)) != std::string::npos; ++at) ++makes;
    EXPECT_EQ(canonTags, 35u) << ext << "\n" << out;
    EXPECT_EQ(makes, 1u) << ext << "\n" << out;
    EXPECT_NE(out.find("kept in the extended packet"), std::string::npos) << ext << "\n" << out;
    EXPECT_EQ(out.find("Has Extended XMP") != std::string::npos, std::string(ext) == "jpg")
        << ext << "\n"
        << out;
  }

  // IFD0's pointer to the next directory, out of the block and back at itself.
  const Metadata camera = CameraMetadata(1);
  const std::size_t next = 8 + 2 + 12 * std::size_t(camera.Exif[8] | camera.Exif[9] << 8);
  for (const std::uint32_t pointer : {0xF00000u, 8u}) {
    Metadata broken = camera;
    for (int i = 0; i < 4; ++i)
      broken.Exif[next + std::size_t(i)] = std::uint8_t(pointer >> (8 * i));
    const DecodedPicture read = DecodePicture(JpegWith(picture, broken), "broken.jpg");
    EXPECT_EQ(WarningLine("broken.jpg", read.Warnings),
              "broken.jpg: its EXIF block is damaged; the tags that could be read were kept");
    const std::string out = test::Exiftool(EncodePicture("x.jpg", read.Pixels, read.Meta), "jpg",
                                           {"-validate", "-warning", "-a", "-Make"});
    for (const char *fault : faults)
      EXPECT_EQ(out.find(fault), std::string::npos) << pointer << "\n" << out;
    EXPECT_NE(out.find("Quorvane Test Camera"), std::string::npos) << out;
  }
}

}  // namespace
}  // namespace qv
