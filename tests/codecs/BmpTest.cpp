#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <random>

#include "TestPictures.h"
#include "gfx/Error.h"

namespace qv {
namespace {

using test::BmpParts;
using test::BuildBmp;
using test::PackRows;
using Rows = std::vector<std::vector<std::uint32_t>>;

constexpr std::uint32_t kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6;

// 0x00RRGGBB, as palettes store them.
const std::vector<std::uint32_t> kPalette = {0x102030, 0xFF0000, 0x00FF00, 0x0000FF};
// Colours with channels of 0 and 255 only, exact in every direct format.
const std::vector<std::uint32_t> kPure = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};

// Index rows of the 5 x 2 reference picture, top row first.
const Rows kIndices = {{0, 1, 2, 3, 1}, {3, 2, 1, 0, 0}};

Bitmap Expected(const Rows &topDownIndices, const std::vector<std::uint32_t> &palette) {
  Bitmap b(int(topDownIndices[0].size()), int(topDownIndices.size()));
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) {
      const std::uint32_t c = palette[topDownIndices[y][x]];
      b.SetPixel(x, y, RGBColor(c >> 16 & 0xFF, c >> 8 & 0xFF, c & 0xFF));
    }
  return b;
}

// Stored values of the reference picture, bottom row first as BMP keeps them.
Rows Stored(const Rows &topDownIndices, std::uint32_t (*encode)(std::uint32_t)) {
  Rows rows(topDownIndices.rbegin(), topDownIndices.rend());
  for (auto &row : rows)
    for (auto &v : row) v = encode(v);
  return rows;
}

std::uint32_t Channel(std::uint32_t index, int shift) {
  return kPure[index] >> shift & 0xFF;
}

void ExpectInvalid(const Bytes &file, const char *what) {
  try {
    DecodeBmp(file);
    ADD_FAILURE() << what << ": decoded";
  } catch (const Error &e) {
    EXPECT_STREQ(e.what(), "Bitmap image is not valid") << what;
  }
}

TEST(BmpCodec, WriteThenReadKeepsEveryPixelAtOddWidths) {
  std::mt19937 random(7);
  for (auto [w, h] : {std::pair{1, 1}, {2, 3}, {3, 2}, {5, 7}, {17, 4}}) {
    Bitmap source(w, h);
    for (int y = 0; y < h; ++y)
      for (std::size_t i = 0; i < source.RowBytes(); ++i)
        source.ScanLine(y)[i] = std::uint8_t(random());
    const Bytes file = EncodeBmp(source);
    const std::size_t stride = (std::size_t(w) * 3 + 3) & ~std::size_t(3);
    ASSERT_EQ(file.size(), 54 + stride * std::size_t(h)) << w << "x" << h;
    // Bottom-up: the first stored row is the picture's last, padded with zeros.
    EXPECT_EQ(0, std::memcmp(&file[54], source.ScanLine(h - 1), source.RowBytes()));
    for (std::size_t pad = source.RowBytes(); pad < stride; ++pad) EXPECT_EQ(file[54 + pad], 0);
    EXPECT_TRUE(DecodeBmp(file).SamePixels(source)) << w << "x" << h;
  }
  EXPECT_THROW(EncodeBmp(Bitmap()), Error);
}

TEST(BmpCodec, EveryBitDepthDecodesToTheSamePicture) {
  const Rows halves = {{0, 1, 0, 1, 1}, {1, 0, 1, 0, 0}};
  struct Case {
    const char *name;
    BmpParts parts;
    Bitmap expected;
  };
  auto pal = [](unsigned bits, std::uint32_t headerBytes, const Rows &rows) {
    BmpParts p;
    p.headerBytes = headerBytes;
    p.width = 5, p.height = 2, p.bits = bits;
    p.palette = bits == 1 ? std::vector<std::uint32_t>(kPalette.begin() + 1, kPalette.begin() + 3)
                          : kPalette;
    p.pixels = PackRows(Stored(rows, [](std::uint32_t i) { return i; }), bits);
    return p;
  };
  auto direct = [](unsigned bits, std::uint32_t compression, std::uint32_t headerBytes,
                   std::vector<std::uint32_t> masks, std::uint32_t (*encode)(std::uint32_t)) {
    BmpParts p;
    p.headerBytes = headerBytes;
    p.width = 5, p.height = 2, p.bits = bits, p.compression = compression;
    p.masks = std::move(masks);
    p.pixels = PackRows(Stored(kIndices, encode), bits);
    return p;
  };
  const Bitmap pure = Expected(kIndices, kPure);
  std::vector<Case> cases;
  cases.push_back({"1-bit", pal(1, 40, halves),
                   Expected(halves, {kPalette.begin() + 1, kPalette.begin() + 3})});
  cases.push_back({"4-bit", pal(4, 40, kIndices), Expected(kIndices, kPalette)});
  cases.push_back({"8-bit", pal(8, 40, kIndices), Expected(kIndices, kPalette)});
  cases.push_back({"8-bit V5 header", pal(8, 124, kIndices), Expected(kIndices, kPalette)});
  cases.push_back({"8-bit OS/2", pal(8, 12, kIndices), Expected(kIndices, kPalette)});
  cases.push_back(
      {"24-bit", direct(24, 0, 40, {}, [](std::uint32_t i) { return kPure[i]; }), pure});
  cases.push_back(
      {"24-bit OS/2", direct(24, 0, 12, {}, [](std::uint32_t i) { return kPure[i]; }), pure});
  cases.push_back({"16-bit 5-5-5",
                   direct(16, 0, 40, {},
                          [](std::uint32_t i) {
                            return Channel(i, 16) >> 3 << 10 | Channel(i, 8) >> 3 << 5 |
                                   Channel(i, 0) >> 3;
                          }),
                   pure});
  cases.push_back({"16-bit 5-6-5 fields",
                   direct(16, kBitFields, 40, {0xF800, 0x07E0, 0x001F},
                          [](std::uint32_t i) {
                            return Channel(i, 16) >> 3 << 11 | Channel(i, 8) >> 2 << 5 |
                                   Channel(i, 0) >> 3;
                          }),
                   pure});
  cases.push_back(
      {"32-bit", direct(32, 0, 40, {}, [](std::uint32_t i) { return kPure[i]; }), pure});
  cases.push_back({"32-bit fields in a V5 header with alpha",
                   direct(32, kBitFields, 124, {0x0000FF00, 0x00FF0000, 0xFF000000, 0x000000FF},
                          [](std::uint32_t i) {
                            return Channel(i, 16) << 8 | Channel(i, 8) << 16 | Channel(i, 0) << 24 |
                                   0x80;
                          }),
                   pure});
  cases.push_back({"32-bit alpha fields after the header",
                   direct(32, kAlphaBitFields, 40, {0xFF0000, 0x00FF00, 0x0000FF, 0xFF000000},
                          [](std::uint32_t i) { return kPure[i] | 0x7F000000; }),
                   pure});
  for (const Case &c : cases) {
    const Bitmap decoded = DecodeBmp(BuildBmp(c.parts));
    EXPECT_TRUE(decoded.SamePixels(c.expected)) << c.name;
  }
}

TEST(BmpCodec, NarrowFieldsScaleToFullRangeAndWideFieldsKeepTheirTopBits) {
  BmpParts p;
  p.width = 3, p.height = 1, p.bits = 16, p.compression = kBitFields;
  p.masks = {0xF800, 0x07E0, 0x001F};
  p.pixels = PackRows({{16u << 11 | 32u << 5 | 31u, 1u << 11, 0}}, 16);
  Bitmap b = DecodeBmp(BuildBmp(p));
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(132, 130, 255));  // v * 255 / max, rounded
  EXPECT_EQ(b.Pixel(1, 0), RGBColor(8, 0, 0));
  EXPECT_EQ(b.Pixel(2, 0), RGBColor(0, 0, 0));

  p.bits = 32;
  p.width = 1;
  p.masks = {0x3FF00000, 0x000FFC00, 0x000003FF};
  p.pixels = PackRows({{0x3FFu << 20 | 0x200u << 10 | 0x0FFu}}, 32);
  b = DecodeBmp(BuildBmp(p));
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(255, 0x80, 0x3F));
}

TEST(BmpCodec, TopDownRowsNeedANegativeHeight) {
  BmpParts p;
  p.width = 5, p.height = -2, p.bits = 8;
  p.palette = kPalette;
  p.pixels = PackRows(kIndices, 8);  // stored top row first
  EXPECT_TRUE(DecodeBmp(BuildBmp(p)).SamePixels(Expected(kIndices, kPalette)));
  p.height = 2;  // the same bytes read bottom-up come out flipped
  EXPECT_TRUE(DecodeBmp(BuildBmp(p)).SamePixels(Expected({kIndices[1], kIndices[0]}, kPalette)));
}

// A 6 x 3 RLE8 picture touching every code: runs, literals with padding,
// a move, end of line, a run past the row's end, end of bitmap.
Bytes Rle8Stream() {
  return {3,    1, 0, 3, 2, 3, 1, 0,  // bottom row: run, 3 literals + pad
          0,    0,                    // end of line
          2,    3, 0, 2, 2, 0,        // run, move right by 2
          2,    2, 0, 0,              // run, end of line
          10,   1, 0, 0,              // run clipped at the row's end, end of line
          0x00, 1};                   // end of bitmap
}

TEST(BmpCodec, RunLengthStreamsDecodeWithSkippedPixelsBlackAndRunsClipped) {
  const std::uint32_t black = 0x000000;
  std::vector<std::uint32_t> withBlack = kPalette;
  withBlack.push_back(black);
  BmpParts p;
  p.width = 6, p.height = 3, p.bits = 8, p.compression = kRle8;
  p.palette = kPalette;
  p.pixels = Rle8Stream();
  EXPECT_TRUE(DecodeBmp(BuildBmp(p))
                  .SamePixels(Expected({{1, 1, 1, 1, 1, 1}, {3, 3, 4, 4, 2, 2}, {1, 1, 1, 2, 3, 1}},
                                       withBlack)));

  // RLE4 runs alternate two nibbles; literals hold two pixels a byte.
  p.width = 5, p.height = 2, p.bits = 4, p.compression = kRle4;
  p.pixels = {5, 0x12, 0, 0, 0, 3, 0x30, 0x10, 2, 0x22, 0, 1};
  EXPECT_TRUE(
      DecodeBmp(BuildBmp(p)).SamePixels(Expected({{3, 0, 1, 2, 2}, {1, 2, 1, 2, 1}}, kPalette)));

  // A move past the top ends the picture; nothing after it is read.
  p.pixels = {2, 0x11, 0, 2, 1, 200};
  const Bitmap moved = DecodeBmp(BuildBmp(p));
  EXPECT_EQ(moved.Pixel(1, 1), RGBColor(0xFF, 0, 0));
  EXPECT_EQ(moved.Pixel(2, 1), clBlack);
}

TEST(BmpCodec, PaletteEntriesTheFileLacksAreBlack) {
  BmpParts p;
  p.width = 3, p.height = 1, p.bits = 8;
  p.palette = {0x00FF00, 0x0000FF};
  p.pixels = PackRows({{1, 200, 0}}, 8);
  Bitmap b = DecodeBmp(BuildBmp(p));
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(0, 0, 255));
  EXPECT_EQ(b.Pixel(1, 0), clBlack);
  EXPECT_EQ(b.Pixel(2, 0), RGBColor(0, 255, 0));

  // A palette cut short by the pixel offset keeps only what lies before it.
  p.palette = {0x00FF00, 0x0000FF, 0xFF0000};
  p.offBits = 14 + 40 + 4;
  p.pixels = PackRows({{1, 2, 0}}, 8);
  b = DecodeBmp(BuildBmp(p));
  EXPECT_EQ(b.Pixel(0, 0), clBlack);
  EXPECT_EQ(b.Pixel(2, 0), RGBColor(0, 255, 0));
}

TEST(BmpCodec, HeadersOutOfRangeAreNotValid) {
  BmpParts base;
  base.width = 4, base.height = 2, base.bits = 24;
  base.pixels = Bytes(24, 0x55);
  ASSERT_NO_THROW(DecodeBmp(BuildBmp(base)));

  struct Case {
    const char *name;
    void (*change)(BmpParts &);
  };
  const Case cases[] = {
      {"header size 20", [](BmpParts &p) { p.headerBytes = 20; }},
      {"OS/2 2.x header", [](BmpParts &p) { p.headerBytes = 64; }},
      {"no planes", [](BmpParts &p) { p.planes = 0; }},
      {"zero width", [](BmpParts &p) { p.width = 0; }},
      {"negative width", [](BmpParts &p) { p.width = -4; }},
      {"zero height", [](BmpParts &p) { p.height = 0; }},
      {"7 bits", [](BmpParts &p) { p.bits = 7; }},
      {"2 bits", [](BmpParts &p) { p.bits = 2; }},
      {"JPEG inside", [](BmpParts &p) { p.compression = 4; }},
      {"PNG inside", [](BmpParts &p) { p.compression = 5; }},
      {"unknown compression", [](BmpParts &p) { p.compression = 99; }},
      {"RLE8 at 24 bits", [](BmpParts &p) { p.compression = kRle8; }},
      {"top-down RLE8",
       [](BmpParts &p) {
         p.bits = 8, p.compression = kRle8, p.height = -2, p.pixels = {0, 1};
       }},
      {"bit fields at 24 bits",
       [](BmpParts &p) {
         p.compression = kBitFields, p.masks = {1, 2, 4};
       }},
      {"zero mask",
       [](BmpParts &p) {
         p.bits = 32, p.compression = kBitFields, p.masks = {0xFF0000, 0, 0xFF};
       }},
      {"overlapping masks",
       [](BmpParts &p) {
         p.bits = 32, p.compression = kBitFields, p.masks = {0xFF0000, 0x01FF00, 0xFF};
       }},
      {"split mask",
       [](BmpParts &p) {
         p.bits = 32, p.compression = kBitFields, p.masks = {0xF0F000, 0xF, 0xF00};
       }},
      {"16-bit mask beyond 16 bits",
       [](BmpParts &p) {
         p.bits = 16, p.compression = kBitFields, p.masks = {0x1F0000, 0x3E0, 0x1F};
       }},
      {"pixels inside the header", [](BmpParts &p) { p.offBits = 30; }},
      {"OS/2 at 16 bits", [](BmpParts &p) { p.headerBytes = 12, p.bits = 16; }},
  };
  for (const Case &c : cases) {
    BmpParts p = base;
    c.change(p);
    ExpectInvalid(BuildBmp(p), c.name);
  }
  Bytes file = BuildBmp(base);
  file[1] = 'A';
  ExpectInvalid(file, "not BM");
  for (std::uint32_t offset : {std::uint32_t(file.size()), 0xFFFFFFF0u}) {
    file = BuildBmp(base);
    file[10] = std::uint8_t(offset), file[11] = std::uint8_t(offset >> 8);
    file[12] = std::uint8_t(offset >> 16), file[13] = std::uint8_t(offset >> 24);
    ExpectInvalid(file, "pixels past the end");
  }
}

TEST(BmpCodec, TruncatedFilesAreNotValidAtEveryLength) {
  BmpParts flat;  // 4 pixels of 24 bits: rows without padding
  flat.width = 4, flat.height = 2, flat.bits = 24;
  flat.pixels = Bytes(24, 0x55);
  const Bytes whole = BuildBmp(flat);
  for (std::size_t n = 0; n < whole.size(); ++n)
    ExpectInvalid(Bytes(whole.begin(), whole.begin() + std::ptrdiff_t(n)), "cut 24-bit");

  BmpParts rle;
  rle.width = 6, rle.height = 3, rle.bits = 8, rle.compression = kRle8;
  rle.palette = kPalette;
  rle.pixels = Rle8Stream();
  const Bytes packed = BuildBmp(rle);
  // Cut anywhere before the last row's end of line.
  for (std::size_t n = 0; n + 4 < packed.size(); ++n)
    ExpectInvalid(Bytes(packed.begin(), packed.begin() + std::ptrdiff_t(n)), "cut RLE8");
}

TEST(BmpCodec, DeclaredSizesBeyondTheLimitAreRefusedBeforeReadingPixels) {
  BmpParts p;
  p.bits = 24;
  p.pixels = Bytes(16, 0);
  for (auto [w, h] : {std::pair{65500, 65500}, {INT_MAX, 1}, {1, INT_MIN}, {70000, 1}}) {
    p.width = w, p.height = h;
    try {
      DecodeBmp(BuildBmp(p));
      ADD_FAILURE() << w << "x" << h << " decoded";
    } catch (const Error &e) {
      EXPECT_NE(std::string(e.what()).find("too large"), std::string::npos) << e.what();
    }
  }
}

// Random damage to files of every kind: each must decode or be refused with
// the program's exception, never crash or read out of bounds.
TEST(BmpCodec, DamagedFilesNeverEscapeAsAnythingButError) {
  std::vector<Bytes> seeds;
  BmpParts p;
  p.width = 6, p.height = 3, p.bits = 8, p.compression = kRle8, p.palette = kPalette;
  p.pixels = Rle8Stream();
  seeds.push_back(BuildBmp(p));
  p.width = 5, p.height = 2, p.bits = 4, p.compression = kRle4;
  p.pixels = {5, 0x12, 0, 0, 0, 3, 0x30, 0x10, 2, 0x22, 0, 1};
  seeds.push_back(BuildBmp(p));
  p = {};
  p.width = 5, p.height = 2, p.bits = 16, p.compression = kBitFields;
  p.masks = {0xF800, 0x07E0, 0x001F};
  p.pixels = PackRows(kIndices, 16);
  seeds.push_back(BuildBmp(p));
  p.headerBytes = 12, p.bits = 4, p.compression = 0, p.masks = {}, p.palette = kPalette;
  p.pixels = PackRows(kIndices, 4);
  seeds.push_back(BuildBmp(p));

  std::mt19937 random(2024);
  int decoded = 0;
  for (int round = 0; round < 4000; ++round) {
    Bytes file = seeds[std::size_t(round) % seeds.size()];
    const int hits = 1 + int(random() % 4);
    for (int i = 0; i < hits; ++i) file[random() % file.size()] = std::uint8_t(random());
    try {
      const Bitmap b = DecodeBmp(file);
      ++decoded;
      EXPECT_FALSE(b.Empty());
    } catch (const Error &) {
    }
  }
  EXPECT_GT(decoded, 0);
}

}  // namespace
}  // namespace qv
