// PNG: every colour type and depth against samples the test packs itself,
// alpha over white, 16-bit rounding, interlacing, animation, metadata,
// damaged checksums and chunks longer than the file or the limits.

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "CodecTestUtil.h"
#include "MetadataTestUtil.h"
#include "Pictures.h"
#include "fuzz/FormatSamples.h"

namespace qv {
namespace {

using samples::MakePng;
using samples::PngRecipe;

int ChannelsOf(int colorType) {
  return colorType == 0 || colorType == 3 ? 1 : colorType == 4 ? 2 : colorType == 2 ? 3 : 4;
}

// Samples of channels values (0 to 2^depth - 1) a pixel packed as PNG rows.
Bytes Pack(const std::vector<unsigned> &values, int width, int channels, int depth) {
  Bytes rows;
  const std::size_t perRow = std::size_t(width) * std::size_t(channels);
  for (std::size_t start = 0; start < values.size(); start += perRow) {
    unsigned bits = 0, filled = 0;
    for (std::size_t i = start; i < start + perRow; ++i) {
      if (depth == 16) {
        rows.insert(rows.end(), {std::uint8_t(values[i] >> 8), std::uint8_t(values[i])});
        continue;
      }
      bits = bits << depth | values[i];
      if ((filled += unsigned(depth)) == 8) rows.push_back(std::uint8_t(bits)), bits = filled = 0;
    }
    if (filled) rows.push_back(std::uint8_t(bits << (8 - filled)));
  }
  return rows;
}

unsigned To8(unsigned v, int depth) {
  const unsigned max = (1u << depth) - 1;
  return (v * 255 + max / 2) / max;
}
unsigned Over(unsigned c, unsigned a) {
  return (c * a + 255 * (255 - a) + 127) / 255;
}

TEST(Png, EveryColourTypeAndDepthGivesTheSamplesItStores) {
  const std::pair<int, int> kinds[] = {{0, 1}, {0, 2},  {0, 4},  {0, 8}, {0, 16},
                                       {2, 8}, {2, 16}, {3, 1},  {3, 2}, {3, 4},
                                       {3, 8}, {4, 8},  {4, 16}, {6, 8}, {6, 16}};
  const int width = 13, height = 9;
  for (const bool interlaced : {false, true})
    for (const auto &[type, depth] : kinds) {
      const int channels = ChannelsOf(type);
      const unsigned max = (1u << depth) - 1;
      std::vector<unsigned> values;
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
          for (int c = 0; c < channels; ++c)
            values.push_back(unsigned(x * 40503 + y * 30011 + c * 12345 + x * y) % (max + 1));
      PngRecipe r{.Width = width,
                  .Height = height,
                  .ColorType = type,
                  .BitDepth = depth,
                  .Rows = Pack(values, width, channels, depth)};
      r.Interlaced = interlaced;
      for (unsigned i = 0; type == 3 && i <= max; ++i) {
        r.Palette.insert(r.Palette.end(), {std::uint8_t(i * 7), std::uint8_t(255 - i), 90});
        r.Transparency.push_back(std::uint8_t(255 - i * 3));
      }
      const Bitmap read = DecodePngPicture(MakePng(r)).Pixels;
      const std::string name =
          std::to_string(type) + "/" + std::to_string(depth) + (interlaced ? " interlaced" : "");
      ASSERT_EQ(read.Width(), width) << name;
      int wrong = 0;
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
          const unsigned *v = &values[std::size_t(y * width + x) * std::size_t(channels)];
          unsigned rgb[3];
          switch (type) {
            case 3:
              for (int c = 0; c < 3; ++c)
                rgb[c] = Over(r.Palette[3 * v[0] + unsigned(c)], r.Transparency[v[0]]);
              break;
            case 0:
            case 4:
              rgb[0] = rgb[1] = rgb[2] =
                  type == 0 ? To8(v[0], depth) : Over(To8(v[0], depth), To8(v[1], depth));
              break;
            default:
              for (int c = 0; c < 3; ++c)
                rgb[c] = type == 2 ? To8(v[c], depth) : Over(To8(v[c], depth), To8(v[3], depth));
          }
          wrong += test::At(read, x, y) !=
                   test::Px{std::uint8_t(rgb[2]), std::uint8_t(rgb[1]), std::uint8_t(rgb[0])};
        }
      EXPECT_EQ(wrong, 0) << name;
    }
}

TEST(Png, SixteenBitValuesRoundAndAlphaLiesOverWhite) {
  // Every 16-bit value once: (v * 255 + 32767) / 65535.
  std::vector<unsigned> all(65536);
  for (unsigned v = 0; v < 65536; ++v) all[v] = v;
  const Bitmap grey = DecodePngPicture(MakePng({.Width = 256,
                                                .Height = 256,
                                                .ColorType = 0,
                                                .BitDepth = 16,
                                                .Rows = Pack(all, 256, 1, 16)}))
                          .Pixels;
  int wrong = 0;
  for (unsigned v = 0; v < 65536; ++v)
    wrong += test::GreyAt(grey, int(v % 256), int(v / 256)) != int((v * 255 + 32767) / 65535);
  EXPECT_EQ(wrong, 0);
  // Worked by hand: black at half cover is 127, anything transparent is
  // white, opaque keeps its colour.
  const Bytes rgba = {0, 0, 0, 128, 200, 100, 0, 0, 10, 20, 30, 255};
  const Bitmap over =
      DecodePngPicture(MakePng({.Width = 3, .Height = 1, .ColorType = 6, .Rows = rgba})).Pixels;
  EXPECT_EQ(test::At(over, 0, 0), (test::Px{127, 127, 127}));
  EXPECT_EQ(test::At(over, 1, 0), (test::Px{255, 255, 255}));
  EXPECT_EQ(test::At(over, 2, 0), (test::Px{30, 20, 10}));
}

TEST(Png, AnAnimationShowsItsFirstFrameAndSavesComeBackExactly) {
  const Bitmap picture = test::Pattern(11, 6);
  PngRecipe animated{.Width = 11, .Height = 6, .Rows = samples::RgbSamples(picture)};
  animated.Animated = true;
  animated.SecondFrameByte = 7;
  EXPECT_TRUE(DecodePngPicture(MakePng(animated)).Pixels.SamePixels(picture));
  const DecodedPicture back = DecodePngPicture(EncodePng(picture));
  EXPECT_TRUE(back.Pixels.SamePixels(picture));
  EXPECT_TRUE(back.Warnings.empty());
  EXPECT_TRUE(back.Meta.Empty());
}

TEST(Png, MetadataIsKeptAndTheExifOrientationTurnsThePicture) {
  const Metadata meta = test::CameraMetadata(6);
  const Bitmap picture = test::Pattern(5, 3);
  const DecodedPicture read = DecodePngPicture(EncodePng(picture, meta));
  EXPECT_TRUE(read.Warnings.empty()) << WarningLine("x", read.Warnings);
  EXPECT_EQ(read.Meta.Exif, meta.Exif);
  EXPECT_EQ(read.Meta.Xmp, meta.Xmp);
  EXPECT_EQ(read.Meta.Icc, meta.Icc);
  EXPECT_EQ(read.Meta.Comments, meta.Comments);
  EXPECT_EQ(read.Orientation, 6);
  EXPECT_EQ(DecodePicture(EncodePng(picture, meta), "x.png").Pixels.Width(), 3);
  // A save through the codec table: upright, its new size, no thumbnail.
  const test::MetadataSeen seen = test::ReadBackMetadata(EncodePicture("x.png", picture, meta));
  EXPECT_EQ(seen.Make, "Quorvane Test Camera");
  EXPECT_EQ(seen.Orientation, 1);
  EXPECT_EQ(seen.PixelWidth, 5);
  EXPECT_FALSE(seen.ExifThumbnail);
  EXPECT_EQ(seen.XmpCreator, "Ann Example");
  EXPECT_EQ(seen.Icc, meta.Icc);
}

std::size_t ChunkAt(const Bytes &png, const char *type) {
  const char *t = type;
  return std::size_t(std::search(png.begin(), png.end(), t, t + 4) - png.begin()) - 4;
}

// png with a chunk put in before the chunk named before; its length field
// says declared bytes (its own size when 0), its CRC is right unless
// badCrc.
Bytes WithChunk(Bytes png, const char *before, const char *type, const Bytes &body,
                std::uint32_t declared = 0, bool badCrc = false) {
  Bytes chunk(8);
  const std::uint32_t length = declared ? declared : std::uint32_t(body.size());
  for (int i = 0; i < 4; ++i) chunk[std::size_t(i)] = std::uint8_t(length >> (24 - 8 * i));
  std::memcpy(&chunk[4], type, 4);
  chunk.insert(chunk.end(), body.begin(), body.end());
  const std::uint32_t crc =
      std::uint32_t(crc32(0, &chunk[4], uInt(4 + body.size()))) ^ (badCrc ? 1 : 0);
  for (int i = 0; i < 4; ++i) chunk.push_back(std::uint8_t(crc >> (24 - 8 * i)));
  png.insert(png.begin() + std::ptrdiff_t(ChunkAt(png, before)), chunk.begin(), chunk.end());
  return png;
}

// A chunk's CRC made wrong (fromEnd 1 to 4), or a byte of its data that
// many bytes from the chunk's end, the CRC made good again.
Bytes Spoilt(Bytes png, const char *type, int fromEnd) {
  const std::size_t at = ChunkAt(png, type);
  const std::size_t length = std::size_t(png[at]) << 24 | std::size_t(png[at + 1]) << 16 |
                             std::size_t(png[at + 2]) << 8 | png[at + 3];
  png[at + 8 + length + 4 - std::size_t(fromEnd)] ^= 1;
  if (fromEnd > 4) {
    const std::uint32_t crc = std::uint32_t(crc32(0, &png[at + 4], uInt(4 + length)));
    for (int i = 0; i < 4; ++i)
      png[at + 8 + length + std::size_t(i)] = std::uint8_t(crc >> (24 - 8 * i));
  }
  return png;
}

Bytes Compressed(std::size_t zeros) {
  Bytes out(compressBound(uLong(zeros)));
  uLongf size = uLongf(out.size());
  compress(out.data(), &size, Bytes(zeros).data(), uLong(zeros));
  out.resize(size);
  return out;
}

// Damage other readers step over opens with one warning and the pixels
// the file holds; chunks longer than the file or beyond the metadata
// limits cost nothing.
TEST(Png, BadChecksumsOpenWithAWarningAndOversizedChunksAreLeftOut) {
  const Bitmap picture = test::Pattern(40, 30);
  const Bytes good = MakePng({.Width = 40, .Height = 30, .Rows = samples::RgbSamples(picture)});
  const Bytes comment = {'C', 'o', 'm', 'm', 'e', 'n', 't', 0, 'h', 'i'};
  Bytes bomb = {'C', 'o', 'm', 'm', 'e', 'n', 't', 0, 0};
  const Bytes inflating = Compressed(std::size_t(20) << 20);
  bomb.insert(bomb.end(), inflating.begin(), inflating.end());
  const std::pair<Bytes, const char *> cases[] = {
      {Spoilt(good, "IHDR", 1),
       "its data does not match its checksums and may be damaged "
       "(IHDR: CRC error)"},
      {Spoilt(good, "IDAT", 1),
       "its data does not match its checksums and may be damaged "
       "(IDAT: CRC error)"},
      {Spoilt(good, "IDAT", 5),
       "its data does not match its checksums and may be damaged "
       "(incorrect data check)"},
      {WithChunk(good, "IDAT", "tEXt", comment, 0, true),
       "its tEXt chunk is damaged and was left out"},
      {WithChunk(good, "IEND", "zTXt", bomb),
       "some of its metadata was too large and was left out"},
      // 1.8 GB declared after the picture, a few bytes there: the file ends.
      {WithChunk(good, "IEND", "tEXt", comment, 1800000000), nullptr},
  };
  for (const auto &[file, warning] : cases) {
    const DecodedPicture read = DecodePngPicture(file);
    EXPECT_TRUE(read.Pixels.SamePixels(picture)) << (warning ? warning : "cut text");
    EXPECT_EQ(WarningLine("x", read.Warnings), std::string("x: ") + (warning ? warning : ""));
    EXPECT_TRUE(read.Meta.Comments.empty());
  }
  EXPECT_EQ(test::MessageOf(
                [&] { DecodePngPicture(WithChunk(good, "IDAT", "tEXt", comment, 1800000000)); }),
            "PNG image is not valid: the file is cut short");
  // What we write holds its EXIF once, before the picture data.
  const Bytes written = EncodePng(picture, test::CameraMetadata(1));
  const char *exif = "eXIf";
  EXPECT_EQ(std::search(written.begin() + std::ptrdiff_t(ChunkAt(written, exif)) + 8, written.end(),
                        exif, exif + 4),
            written.end());
  EXPECT_LT(ChunkAt(written, exif), ChunkAt(written, "IDAT"));
}

}  // namespace
}  // namespace qv
