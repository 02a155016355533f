#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <random>
#include <tuple>

#include "CodecTestUtil.h"

namespace qv {
namespace {

using test::MessageOf;
using test::operator+;
constexpr std::uint32_t kRle8 = 1, kRle4 = 2, kFields = 3, kAlphaFields = 6;
constexpr TColor kBlue = 0xFF0000;
const char kInvalid[] = "Bitmap image is not valid";

void Put(Bytes &b, std::size_t at, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
}

// Values as little-endian groups of the given byte width.
Bytes LE(std::initializer_list<std::uint32_t> values, int bytes) {
  Bytes out(values.size() * std::size_t(bytes));
  std::size_t at = 0;
  for (std::uint32_t v : values) Put(out, at, v, bytes), at += std::size_t(bytes);
  return out;
}

// A BMP file: header of the given size (12 is OS/2 1.x's, 16 to 64 other
// than 40 OS/2 2.x's), masks at offset 54 (inside a V4/V5 header, after a
// 40-byte one), palette, then pixels. Fields past a short header are left out.
Bytes Bmp(std::uint32_t header, std::int32_t w, std::int32_t h, unsigned bits,
          std::uint32_t compression, const Bytes &pixels, const Bytes &palette = {},
          std::initializer_list<std::uint32_t> masks = {}) {
  Bytes f(14 + std::max<std::size_t>(header, header == 40 ? 40 + masks.size() * 4 : 0));
  f[0] = 'B', f[1] = 'M';
  Put(f, 14, header, 4);
  if (header == 12) {
    Put(f, 18, std::uint32_t(w), 2), Put(f, 20, std::uint32_t(h), 2);
    Put(f, 22, 1, 2), Put(f, 24, bits, 2);
  } else {
    Put(f, 18, std::uint32_t(w), 4), Put(f, 22, std::uint32_t(h), 4);
    Put(f, 26, 1, 2), Put(f, 28, bits, 2);
    if (header >= 20) Put(f, 30, compression, 4);
    std::size_t at = 54;
    for (std::uint32_t m : masks) Put(f, at, m, 4), at += 4;
  }
  f = f + palette;
  Put(f, 10, std::uint32_t(f.size()), 4);
  f = f + pixels;
  Put(f, 2, std::uint32_t(f.size()), 4);
  return f;
}

// The reference picture: red, green on top; blue, white below.
const Bytes kQuad = LE({0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}, 4);  // indices 0..3
bool IsReference(const Bitmap &b) {
  return b.Width() == 2 && b.Height() == 2 && b.Pixel(0, 0) == clRed && b.Pixel(1, 0) == clLime &&
         b.Pixel(0, 1) == kBlue && b.Pixel(1, 1) == clWhite;
}

TEST(BmpCodec, WriteThenReadKeepsEveryPixelWithRowsPaddedToFourBytes) {
  for (auto [w, h] : {std::pair{1, 1}, {2, 3}, {3, 2}, {5, 7}, {17, 4}}) {
    const Bitmap source = test::Gradient(w, h);
    const Bytes file = EncodeBmp(source);
    const std::size_t stride = (std::size_t(w) * 3 + 3) & ~std::size_t(3);
    ASSERT_EQ(file.size(), 54 + stride * std::size_t(h));
    EXPECT_EQ(0, std::memcmp(&file[54], source.ScanLine(h - 1), source.RowBytes()));  // bottom-up
    EXPECT_TRUE(DecodeBmp(file).SamePixels(source)) << w << "x" << h;
  }
  EXPECT_THROW(EncodeBmp(Bitmap()), Error);
}

TEST(BmpCodec, EveryDepthAndHeaderDecodesTheSamePicture) {
  // Rows stored bottom-up: blue, white, then red, green.
  const Bytes bgr = {255, 0, 0, 255, 255, 255, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0};
  const Bytes os2Palette = {0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255};
  const std::pair<const char *, Bytes> cases[] = {
      {"4-bit", Bmp(40, 2, 2, 4, 0, LE({0x23, 0x01}, 4), kQuad)},
      {"8-bit", Bmp(40, 2, 2, 8, 0, LE({0x0302, 0x0100}, 4), kQuad)},
      {"8-bit V5", Bmp(124, 2, 2, 8, 0, LE({0x0302, 0x0100}, 4), kQuad)},
      {"8-bit OS/2", Bmp(12, 2, 2, 8, 0, LE({0x0302, 0x0100}, 4), os2Palette)},
      {"24-bit", Bmp(40, 2, 2, 24, 0, bgr)},
      {"24-bit OS/2", Bmp(12, 2, 2, 24, 0, bgr)},
      {"8-bit OS/2 2.x", Bmp(64, 2, 2, 8, 0, LE({0x0302, 0x0100}, 4), kQuad)},
      {"8-bit OS/2 2.x, 16-byte header", Bmp(16, 2, 2, 8, 0, LE({0x0302, 0x0100}, 4), kQuad)},
      {"24-bit OS/2 2.x, 24-byte header", Bmp(24, 2, 2, 24, 0, bgr)},
      {"24-bit top-down",
       Bmp(40, 2, -2, 24, 0,
           Bytes(bgr.begin() + 8, bgr.end()) + Bytes(bgr.begin(), bgr.begin() + 8))},
      {"16-bit 5-5-5", Bmp(40, 2, 2, 16, 0, LE({0x001F, 0x7FFF, 0x7C00, 0x03E0}, 2))},
      {"16-bit 5-6-5", Bmp(40, 2, 2, 16, kFields, LE({0x001F, 0xFFFF, 0xF800, 0x07E0}, 2), {},
                           {0xF800, 0x07E0, 0x001F})},
      {"32-bit", Bmp(40, 2, 2, 32, 0, LE({0xFF, 0xFFFFFF, 0xFF0000, 0xFF00}, 4))},
      {"32-bit V5 fields with alpha",
       Bmp(124, 2, 2, 32, kFields, LE({0xFF0000FF, 0xFFFFFFFF, 0x0000FFFF, 0x00FF00FF}, 4), {},
           {0x0000FF00, 0x00FF0000, 0xFF000000, 0x000000FF})},
      {"32-bit alpha fields",
       Bmp(40, 2, 2, 32, kAlphaFields, LE({0xFF0000FF, 0xFFFFFFFF, 0xFFFF0000, 0xFF00FF00}, 4), {},
           {0xFF0000, 0x00FF00, 0x0000FF, 0xFF000000})},
      // Every alpha 0 under an alpha mask: a writer's slip, shown opaque.
      {"32-bit V4 alpha all 0",
       Bmp(108, 2, 2, 32, kFields, LE({0x0000FF, 0xFFFFFF, 0xFF0000, 0x00FF00}, 4), {},
           {0xFF0000, 0x00FF00, 0x0000FF, 0xFF000000})},
  };
  for (const auto &[name, file] : cases) EXPECT_TRUE(IsReference(DecodeBmp(file))) << name;

  // One bit per pixel, two colours: red white / white red.
  const Bitmap mono =
      DecodeBmp(Bmp(40, 2, 2, 1, 0, LE({0x80, 0x40}, 4), LE({0xFF0000, 0xFFFFFF}, 4)));
  EXPECT_EQ(mono.Pixel(0, 0), clRed);
  EXPECT_EQ(mono.Pixel(1, 0), clWhite);
  EXPECT_EQ(mono.Pixel(0, 1), clWhite);
}

TEST(BmpCodec, BitFieldsScaleToTheFullByteRangeAndAlphaLiesOverWhite) {
  // 5 and 6 bits stretch to 0..255 (16 -> 132, 32/63 -> 130); wide fields
  // keep their top 8 bits.
  Bitmap b = DecodeBmp(Bmp(40, 2, 1, 16, kFields, LE({16u << 11 | 32u << 5 | 31u, 1u << 11}, 2), {},
                           {0xF800, 0x07E0, 0x001F}));
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(132, 130, 255));
  EXPECT_EQ(b.Pixel(1, 0), RGBColor(8, 0, 0));
  b = DecodeBmp(Bmp(40, 1, 1, 32, kFields, LE({0x3FFu << 20 | 0x200u << 10 | 0x0FFu}, 4), {},
                    {0x3FF00000, 0x000FFC00, 0x000003FF}));
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(255, 0x80, 0x3F));
  // An alpha mask lays the colour over white: (c a + 255 (255 - a) + 127) / 255.
  // 32 bits: black at 128, red at 64; 16 bits (1-5-5-5): clear, opaque.
  b = DecodeBmp(Bmp(124, 2, 1, 32, kFields, LE({0x80000000u, 0x40FF0000u}, 4), {},
                    {0xFF0000, 0xFF00, 0xFF, 0xFF000000}));
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(127, 127, 127));
  EXPECT_EQ(b.Pixel(1, 0), RGBColor(255, 191, 191));
  b = DecodeBmp(Bmp(40, 2, 1, 16, kAlphaFields, LE({0x001F, 0x801F}, 2), {},
                    {0x7C00, 0x03E0, 0x001F, 0x8000}));
  EXPECT_EQ(b.Pixel(0, 0), clWhite);
  EXPECT_EQ(b.Pixel(1, 0), kBlue);
}

// 6 x 3, bottom row first: run + literals with a pad byte; run, move right
// by two, run; a run past the row's end; end of bitmap.
const Bytes kRle8Stream = {3, 1, 0, 3, 2, 3, 1, 0,  0, 0, 2, 3, 0,
                           2, 2, 0, 2, 2, 0, 0, 10, 1, 0, 0, 0, 1};

TEST(BmpCodec, RunLengthStreamsLeaveSkippedPixelsBlackAndClipRuns) {
  Bitmap b = DecodeBmp(Bmp(40, 6, 3, 8, kRle8, kRle8Stream, kQuad));
  const TColor q[5] = {clRed, clLime, kBlue, clWhite, clBlack};
  const int want[3][6] = {{1, 1, 1, 1, 1, 1}, {3, 3, 4, 4, 2, 2}, {1, 1, 1, 2, 3, 1}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(b.Pixel(x, y), q[want[y][x]]) << x << "," << y;

  // RLE4: a run alternates two nibbles; literals hold two pixels a byte.
  b = DecodeBmp(Bmp(40, 3, 2, 4, kRle4, {3, 0x12, 0, 0, 0, 3, 0x30, 0x20, 0, 1}, kQuad));
  EXPECT_EQ(b.Pixel(0, 1), clLime);
  EXPECT_EQ(b.Pixel(1, 1), kBlue);
  EXPECT_EQ(b.Pixel(0, 0), clWhite);
  EXPECT_EQ(b.Pixel(1, 0), clRed);
  EXPECT_EQ(b.Pixel(2, 0), kBlue);

  // A move past the top ends the picture; nothing after it is read.
  b = DecodeBmp(Bmp(40, 3, 2, 4, kRle4, {2, 0x11, 0, 2, 1, 200}, kQuad));
  EXPECT_EQ(b.Pixel(1, 1), clLime);
  EXPECT_EQ(b.Pixel(2, 1), clBlack);
}

TEST(BmpCodec, PaletteEntriesTheFileLacksAreBlack) {
  // Two entries (the pixels start right after them), indices 1, 200, 0.
  const Bitmap b = DecodeBmp(Bmp(40, 3, 1, 8, 0, {1, 200, 0, 0}, LE({0xFF00, 0xFF}, 4)));
  EXPECT_EQ(b.Pixel(0, 0), kBlue);
  EXPECT_EQ(b.Pixel(1, 0), clBlack);
  EXPECT_EQ(b.Pixel(2, 0), clLime);
}

TEST(BmpCodec, DamageThatStillDecodesIsReportedBesideThePicture) {
  const char kPalette[] =
      "part of the picture is missing or damaged (colour indices past the end of its palette)";
  const char kRuns[] =
      "part of the picture is missing or damaged (run-length codes reach outside the picture)";
  const std::pair<Bytes, std::vector<std::string>> cases[] = {
      {Bmp(40, 2, 2, 8, 0, LE({0x0302, 0x0100}, 4), kQuad), {}},
      {Bmp(40, 3, 1, 8, 0, {1, 200, 0, 0}, LE({0xFF00, 0xFF}, 4)), {kPalette}},
      {Bmp(40, 2, 2, 1, 0, LE({0x80, 0x40}, 4)), {kPalette}},  // no palette at all
      {Bmp(40, 6, 3, 8, kRle8, kRle8Stream, kQuad), {kRuns}},
      {Bmp(40, 3, 2, 4, kRle4, {2, 0x11, 0, 2, 1, 200}, kQuad), {kRuns}},
      {Bmp(40, 2, 1, 8, kRle8, {2, 9, 0, 1}, kQuad), {kPalette}},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(test::EnglishOf(DecodeBmpPicture(cases[i].first).Warnings), cases[i].second) << i;
}

TEST(BmpCodec, AnythingOutOfRangeIsNotValidAndSaysWhy) {
  const Bytes good = Bmp(40, 2, 2, 24, 0, Bytes(16, 0x55));
  ASSERT_NO_THROW(DecodeBmp(good));
  // {offset, byte count, value} patched into the good file, and the reason.
  const std::tuple<std::size_t, int, std::uint32_t, const char *> patches[] = {
      {1, 1, 'A', "it does not start with \"BM\""},
      {14, 4, 14, "its header size is unknown"},
      {14, 4, 70, "its header size is unknown"},
      {14, 4, 64, "the file ends before its pixels do"},  // OS/2 2.x, longer than the file
      {26, 2, 0, "its number of planes is not 1"},
      {18, 4, 0, "it has no pixels"},
      {18, 4, std::uint32_t(-2), "it has no pixels"},
      {22, 4, 0, "it has no pixels"},
      {28, 2, 7, "its bits per pixel are not 1, 4, 8, 16, 24 or 32"},
      {30, 4, 99, "its compression is not supported"},
      {30, 4, 1, "its run-length coding does not match its bits per pixel"},
      {30, 4, kFields, "its colour masks need 16 or 32 bits per pixel"},
      {10, 4, 30, "its pixel data lies outside the file"},
      {10, 4, 0xFFFFFFF0, "its pixel data lies outside the file"},
  };
  Bytes jpeg = good;
  Put(jpeg, 30, 4, 4);
  EXPECT_EQ(MessageOf([&] { DecodeBmp(jpeg); }),
            "Bitmap image is a kind of picture Quorvane does not open (JPEG inside a bitmap)");
  EXPECT_EQ(MessageOf([&] { DecodeBmp(Bmp(64, 8, 1, 1, 3, Bytes(4), Bytes(8))); }),
            "Bitmap image is a kind of picture Quorvane does not open (OS/2 Huffman coding)");
  for (const auto &[at, bytes, value, reason] : patches) {
    Bytes bad = good;
    Put(bad, at, value, bytes);
    EXPECT_EQ(MessageOf([&] { DecodeBmp(bad); }), kInvalid + std::string(": ") + reason) << at;
  }
  const std::pair<const char *, Bytes> files[] = {
      {"top-down RLE8", Bmp(40, 2, -2, 8, kRle8, {0, 1}, kQuad)},
      {"zero mask", Bmp(40, 1, 1, 32, kFields, Bytes(4), {}, {0xFF0000, 0, 0xFF})},
      {"overlapping masks", Bmp(40, 1, 1, 32, kFields, Bytes(4), {}, {0xFF0000, 0x1FF00, 0xFF})},
      {"split mask", Bmp(40, 1, 1, 32, kFields, Bytes(4), {}, {0xF0F000, 0xF, 0xF00})},
      {"16-bit mask past 16 bits",
       Bmp(40, 1, 1, 16, kFields, Bytes(4), {}, {0x1F0000, 0x3E0, 0x1F})},
      {"OS/2 at 16 bits", Bmp(12, 1, 1, 16, 0, Bytes(4))},
      {"OS/2 2.x at 16 bits", Bmp(64, 1, 1, 16, 0, Bytes(4))},
  };
  for (const auto &[name, file] : files)
    EXPECT_EQ(MessageOf([&] { DecodeBmp(file); }).rfind(kInvalid + std::string(": "), 0), 0u)
        << name;

  // Every cut of a plain file (rows without padding) and every cut of an
  // RLE stream before its last row ends.
  const Bytes flat = Bmp(40, 4, 2, 24, 0, Bytes(24, 0x55));
  const Bytes rle = Bmp(40, 6, 3, 8, kRle8, kRle8Stream, kQuad);
  for (const Bytes *whole : {&flat, &rle})
    for (std::size_t n = 0; n + (whole == &rle ? 4 : 0) < whole->size(); ++n)
      EXPECT_EQ(MessageOf([&] { DecodeBmp(std::span(whole->data(), n)); }).rfind(kInvalid, 0), 0u)
          << n;
}

TEST(BmpCodec, DeclaredSizesBeyondTheLimitAreRefused) {
  for (auto [w, h] : {std::pair{65500, 65500}, {INT_MAX, 1}, {1, INT_MIN}, {70000, 1}})
    EXPECT_NE(MessageOf([&] { DecodeBmp(Bmp(40, w, h, 24, 0, Bytes(16))); }).find("too large"),
              std::string::npos)
        << w << "x" << h;
}

// Random damage to files of every kind must decode or be refused with the
// program's exception: never crash, never read out of bounds.
TEST(BmpCodec, DamagedFilesNeverEscapeAsAnythingButError) {
  const Bytes seeds[] = {Bmp(40, 6, 3, 8, kRle8, kRle8Stream, kQuad),
                         Bmp(40, 3, 2, 4, kRle4, {3, 0x12, 0, 0, 0, 3, 0x30, 0x20, 0, 1}, kQuad),
                         Bmp(40, 2, 2, 16, kFields, Bytes(8, 7), {}, {0xF800, 0x07E0, 0x001F}),
                         Bmp(12, 2, 2, 4, 0, Bytes(8, 0x31), Bytes(12, 9))};
  std::mt19937 random(2024);
  for (int round = 0; round < 4000; ++round) {
    Bytes file = seeds[round % 4];
    for (int i = 0, hits = 1 + int(random() % 4); i < hits; ++i)
      file[random() % file.size()] = std::uint8_t(random());
    try {
      DecodeBmp(file);
    } catch (const Error &) {
    }
  }
}

}  // namespace
}  // namespace qv
