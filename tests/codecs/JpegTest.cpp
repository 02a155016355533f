#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

#include <jpeglib.h>

#include <jerror.h>

#include "TestPictures.h"
#include "gfx/Error.h"

namespace qv {
namespace {

using test::BuildJpeg;
using test::JpegParts;

std::string JpegError(int code) {
  return "JPEG error #" + std::to_string(code);
}

std::string MessageOf(const Bytes &data) {
  try {
    DecodeJpeg(data);
  } catch (const Error &e) {
    return e.what();
  }
  return "decoded";
}

JpegParts RgbParts(const Bitmap &source) {
  JpegParts p;
  p.width = source.Width(), p.height = source.Height();
  for (int y = 0; y < source.Height(); ++y)
    for (int x = 0; x < source.Width(); ++x) {
      const TColor c = source.Pixel(x, y);
      p.samples.insert(p.samples.end(), {RedOf(c), GreenOf(c), BlueOf(c)});
    }
  return p;
}

// Offset of the first marker of the given type, or npos.
std::size_t FindMarker(const Bytes &data, std::uint8_t type) {
  for (std::size_t i = 0; i + 1 < data.size(); ++i)
    if (data[i] == 0xFF && data[i + 1] == type) return i;
  return std::string::npos;
}

TEST(JpegCodec, EncoderWritesBaselineJfifWithA16ByteApp0AndHalvedChroma) {
  const Bytes file = EncodeJpeg(test::Gradient(40, 30));
  ASSERT_GT(file.size(), 20u);
  const Bytes head(file.begin(), file.begin() + 11);
  EXPECT_EQ(head, (Bytes{0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0}));
  const std::size_t sof = FindMarker(file, 0xC0);  // baseline, not progressive (C2)
  ASSERT_NE(sof, std::string::npos);
  EXPECT_EQ(FindMarker(file, 0xC2), std::string::npos);
  EXPECT_EQ(file[sof + 9], 3);      // three components
  EXPECT_EQ(file[sof + 11], 0x22);  // luma sampled 2x2: chroma halved both ways
  EXPECT_EQ(file[file.size() - 2], 0xFF);
  EXPECT_EQ(file[file.size() - 1], 0xD9);
}

TEST(JpegCodec, QualityNinetyReadsBackCloseToTheSource) {
  for (auto [w, h] : {std::pair{64, 48}, {1, 1}, {17, 9}}) {
    const Bitmap source = test::Gradient(w, h);
    const Bitmap decoded = DecodeJpeg(EncodeJpeg(source));
    ASSERT_EQ(decoded.Width(), w);
    ASSERT_EQ(decoded.Height(), h);
    EXPECT_LT(test::MeanAbsoluteError(source, decoded), 3.0) << w << "x" << h;
  }
  // Blue, green and red must not trade places on the way.
  Bitmap red(16, 16);
  red.SetBrushColor(clRed);
  red.Fill();
  const TColor c = DecodeJpeg(EncodeJpeg(red)).Pixel(8, 8);
  EXPECT_GT(RedOf(c), 240);
  EXPECT_LT(GreenOf(c), 15);
  EXPECT_LT(BlueOf(c), 15);
  EXPECT_THROW(EncodeJpeg(Bitmap()), Error);
}

TEST(JpegCodec, GreyProgressiveAndArithmeticStreamsDecode) {
  const Bitmap source = test::Gradient(40, 24);
  JpegParts colour = RgbParts(source);
  colour.progressive = true;
  EXPECT_LT(test::MeanAbsoluteError(source, DecodeJpeg(BuildJpeg(colour))), 3.0) << "progressive";
  colour.progressive = false;
  colour.arithmetic = true;
  EXPECT_LT(test::MeanAbsoluteError(source, DecodeJpeg(BuildJpeg(colour))), 3.0) << "arithmetic";

  JpegParts grey;
  grey.width = 40, grey.height = 24, grey.components = 1;
  Bitmap expected(40, 24);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 40; ++x) {
      const std::uint8_t v = std::uint8_t(x * 6);
      grey.samples.push_back(v);
      expected.SetPixel(x, y, RGBColor(v, v, v));
    }
  const Bitmap decoded = DecodeJpeg(BuildJpeg(grey));
  EXPECT_LT(test::MeanAbsoluteError(expected, decoded), 2.0);
  for (int x = 0; x < 40; ++x) {
    const TColor c = decoded.Pixel(x, 5);
    EXPECT_TRUE(RedOf(c) == GreenOf(c) && GreenOf(c) == BlueOf(c)) << x;
  }
}

// Four 8-pixel-wide bars: red, green, blue, white, in CMYK ink amounts.
JpegParts CmykBars(bool invertedLikeAdobe) {
  const std::uint8_t ink[4][4] = {
      {0, 255, 255, 0}, {255, 0, 255, 0}, {255, 255, 0, 0}, {0, 0, 0, 0}};
  JpegParts p;
  p.width = 32, p.height = 16, p.components = 4;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x)
      for (int k = 0; k < 4; ++k) {
        const std::uint8_t amount = ink[x / 8][k];
        p.samples.push_back(invertedLikeAdobe ? std::uint8_t(255 - amount) : amount);
      }
  return p;
}

void ExpectBars(const Bitmap &b, const char *what) {
  ASSERT_EQ(b.Width(), 32) << what;
  const TColor want[4] = {clRed, clLime, RGBColor(0, 0, 255), clWhite};
  for (int bar = 0; bar < 4; ++bar) {
    const TColor got = b.Pixel(bar * 8 + 4, 8);
    EXPECT_NEAR(RedOf(got), RedOf(want[bar]), 24) << what << " bar " << bar;
    EXPECT_NEAR(GreenOf(got), GreenOf(want[bar]), 24) << what << " bar " << bar;
    EXPECT_NEAR(BlueOf(got), BlueOf(want[bar]), 24) << what << " bar " << bar;
  }
}

TEST(JpegCodec, CmykAndYcckBecomeRgb) {
  JpegParts adobe = CmykBars(true);  // Adobe's inverted CMYK
  ExpectBars(DecodeJpeg(BuildJpeg(adobe)), "Adobe CMYK");
  adobe.progressive = true;  // four full-size components in whole-image buffers
  ExpectBars(DecodeJpeg(BuildJpeg(adobe)), "progressive CMYK");
  adobe.progressive = false;
  adobe.colorSpace = JCS_YCCK;
  ExpectBars(DecodeJpeg(BuildJpeg(adobe)), "YCCK");
  JpegParts plain = CmykBars(false);
  plain.adobeMarker = false;
  ExpectBars(DecodeJpeg(BuildJpeg(plain)), "plain CMYK");
}

TEST(JpegCodec, BrokenStreamsGiveTheLibraryErrorNumber) {
  const Bytes good = EncodeJpeg(test::Gradient(24, 16));
  EXPECT_EQ(MessageOf({}), JpegError(JERR_INPUT_EMPTY));
  const Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13};
  EXPECT_EQ(MessageOf(png), JpegError(JERR_NO_SOI));
  Bytes junkFirst = {'j', 'u', 'n', 'k'};
  junkFirst.insert(junkFirst.end(), good.begin(), good.end());
  EXPECT_EQ(MessageOf(junkFirst), JpegError(JERR_NO_SOI));
  Bytes headOnly(good.begin(), good.begin() + std::ptrdiff_t(FindMarker(good, 0xC0)));
  EXPECT_EQ(MessageOf(headOnly).rfind("JPEG error #", 0), 0u);

  // Junk after the end of the picture is ignored.
  Bytes junkAfter = good;
  junkAfter.insert(junkAfter.end(), 100, 0x5A);
  EXPECT_EQ(MessageOf(junkAfter), "decoded");

  // A wrecked Huffman table.
  Bytes badTable = good;
  const std::size_t dht = FindMarker(badTable, 0xC4);
  ASSERT_NE(dht, std::string::npos);
  for (int i = 5; i < 21; ++i) badTable[dht + std::size_t(i)] = 0xFF;
  EXPECT_EQ(MessageOf(badTable).rfind("JPEG error #", 0), 0u);
}

TEST(JpegCodec, TwelveBitAndLosslessStreamsAreRefusedClearly) {
  Bytes deep = EncodeJpeg(test::Gradient(16, 16));
  const std::size_t sof = FindMarker(deep, 0xC0);
  deep[sof + 4] = 12;  // sample precision
  EXPECT_EQ(MessageOf(deep),
            JpegError(JERR_BAD_PRECISION) + " (only 8-bit JPEG pictures can be opened)");
  Bytes lossless = EncodeJpeg(test::Gradient(16, 16));
  lossless[sof + 1] = 0xC3;
  EXPECT_EQ(MessageOf(lossless).rfind(JpegError(JERR_SOF_UNSUPPORTED) + " (lossless", 0), 0u);
}

// Patches the declared size of the first frame header.
Bytes WithDeclaredSize(Bytes data, std::uint8_t sofType, int width, int height) {
  const std::size_t sof = FindMarker(data, sofType);
  data[sof + 5] = std::uint8_t(height >> 8), data[sof + 6] = std::uint8_t(height);
  data[sof + 7] = std::uint8_t(width >> 8), data[sof + 8] = std::uint8_t(width);
  return data;
}

TEST(JpegCodec, HugeDeclaredSizesAreRefusedAndTinyLiesStayCheap) {
  const Bytes baseline = EncodeJpeg(test::Gradient(16, 16));
  JpegParts progressive = RgbParts(test::Gradient(16, 16));
  progressive.progressive = true;
  const Bytes small = BuildJpeg(progressive);
  ASSERT_LT(small.size(), 4096u);

  EXPECT_NE(MessageOf(WithDeclaredSize(baseline, 0xC0, 65500, 65500)).find("too large"),
            std::string::npos);
  EXPECT_NE(MessageOf(WithDeclaredSize(small, 0xC2, 20000, 20000)).find("too large"),
            std::string::npos);

  // Within the limit, a few hundred bytes declaring 3000 x 2000 decode to a
  // picture of that size (the missing data filled in), not an error.
  const Bitmap lied = DecodeJpeg(WithDeclaredSize(small, 0xC2, 3000, 2000));
  EXPECT_EQ(lied.Width(), 3000);
  EXPECT_EQ(lied.Height(), 2000);
}

TEST(JpegCodec, ProgressiveStreamsWithThousandsOfScansAreStopped) {
  JpegParts p;
  p.width = 8, p.height = 8, p.components = 1, p.progressive = true;
  p.samples.assign(64, 128);
  const Bytes small = BuildJpeg(p);
  // Repeat the first scan (marker, header and data up to the next marker).
  const std::size_t sos = FindMarker(small, 0xDA);
  std::size_t end = sos + 2;
  while (end + 1 < small.size() && !(small[end] == 0xFF && small[end + 1] != 0 &&
                                     (small[end + 1] < 0xD0 || small[end + 1] > 0xD7)))
    ++end;
  const Bytes scan(small.begin() + std::ptrdiff_t(sos), small.begin() + std::ptrdiff_t(end));
  Bytes many(small.begin(), small.end() - 2);
  for (int i = 0; i < 20000; ++i) many.insert(many.end(), scan.begin(), scan.end());
  many.insert(many.end(), {0xFF, 0xD9});
  EXPECT_EQ(MessageOf(many), "JPEG picture has too many scans (more than 1000)");

  // A few hundred repeats are still a picture.
  Bytes some(small.begin(), small.end() - 2);
  for (int i = 0; i < 300; ++i) some.insert(some.end(), scan.begin(), scan.end());
  some.insert(some.end(), {0xFF, 0xD9});
  EXPECT_EQ(MessageOf(some), "decoded");
}

// Cut at every length and damaged at random: each stream decodes (libjpeg
// fills in what is missing) or gives the program's exception.
TEST(JpegCodec, TruncatedAndDamagedStreamsNeverEscapeAsAnythingButError) {
  const Bitmap source = test::Gradient(24, 16);
  JpegParts progressive = RgbParts(source);
  progressive.progressive = true;
  JpegParts arithmetic = RgbParts(source);
  arithmetic.arithmetic = true;
  const Bytes seeds[] = {EncodeJpeg(source), BuildJpeg(progressive), BuildJpeg(arithmetic)};
  int refused = 0;
  for (const Bytes &seed : seeds) {
    for (std::size_t n = 0; n < seed.size(); n += 3) {
      try {
        const Bitmap b = DecodeJpeg(std::span(seed.data(), n));
        EXPECT_EQ(b.Width(), 24);
      } catch (const Error &e) {
        ++refused;
        EXPECT_EQ(std::string(e.what()).rfind("JPEG error #", 0), 0u) << e.what();
      }
    }
  }
  EXPECT_GT(refused, 0);

  std::mt19937 random(99);
  for (int round = 0; round < 1500; ++round) {
    Bytes data = seeds[std::size_t(round) % 3];
    const int hits = 1 + int(random() % 3);
    for (int i = 0; i < hits; ++i) data[random() % data.size()] = std::uint8_t(random());
    try {
      DecodeJpeg(data);
    } catch (const Error &) {
    }
  }
}

}  // namespace
}  // namespace qv
