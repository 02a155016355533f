#include <gtest/gtest.h>

#include <random>
#include <string>

#include <jpeglib.h>

#include <jerror.h>

#include "CodecTestUtil.h"

namespace qv {
namespace {

using test::BuildJpeg;
using test::Gradient;
using test::JpegRecipe;
using test::operator+;

std::string JpegError(int code) {
  return "JPEG error #" + std::to_string(code);
}
std::string MessageOf(const Bytes &data) {
  return test::MessageOf([&] { DecodeJpeg(data); });
}
bool IsJpegError(const std::string &message) {
  return message.rfind("JPEG error #", 0) == 0;
}

std::size_t FindMarker(const Bytes &data, std::uint8_t type) {
  for (std::size_t i = 0; i + 1 < data.size(); ++i)
    if (data[i] == 0xFF && data[i + 1] == type) return i;
  return std::string::npos;
}

TEST(JpegCodec, EncoderWritesBaselineJfifWithA16ByteApp0AndHalvedChroma) {
  const Bytes file = EncodeJpeg(Gradient(40, 30));
  EXPECT_EQ(Bytes(file.begin(), file.begin() + 11),
            (Bytes{0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0}));
  const std::size_t sof = FindMarker(file, 0xC0);  // baseline; progressive would be C2
  ASSERT_NE(sof, std::string::npos);
  EXPECT_EQ(file[sof + 9], 3);      // components
  EXPECT_EQ(file[sof + 11], 0x22);  // luma 2x2: chroma halved both ways
}

TEST(JpegCodec, PicturesReadBackCloseToTheirSourceInEveryCodingAndColourSpace) {
  for (auto [w, h] : {std::pair{64, 48}, {1, 1}, {17, 9}}) {
    const Bitmap source = Gradient(w, h);
    EXPECT_LT(test::MeanAbsoluteError(source, DecodeJpeg(EncodeJpeg(source))), 3.0)
        << w << "x" << h;
  }
  Bitmap red(16, 16);  // blue and red must not trade places
  red.SetBrushColor(clRed);
  red.Fill();
  EXPECT_LT(test::MeanAbsoluteError(red, DecodeJpeg(EncodeJpeg(red))), 3.0);
  EXPECT_THROW(EncodeJpeg(Bitmap()), Error);

  const Bitmap source = Gradient(40, 24);
  JpegRecipe recipe = test::RgbRecipe(source);
  recipe.progressive = true;
  EXPECT_LT(test::MeanAbsoluteError(source, DecodeJpeg(BuildJpeg(recipe))), 3.0) << "progressive";
  recipe.arithmetic = true;
  EXPECT_LT(test::MeanAbsoluteError(source, DecodeJpeg(BuildJpeg(recipe))), 3.0) << "arithmetic";

  JpegRecipe grey{40, 24, 1, {}};
  Bitmap expected(40, 24);
  for (int i = 0; i < 40 * 24; ++i) {
    grey.samples.push_back(std::uint8_t(i % 40 * 6));
    expected.SetPixel(i % 40, i / 40, RGBColor(i % 40 * 6, i % 40 * 6, i % 40 * 6));
  }
  EXPECT_LT(test::MeanAbsoluteError(expected, DecodeJpeg(BuildJpeg(grey))), 2.0) << "grey";
}

TEST(JpegCodec, CmykAndYcckBecomeRgb) {
  // Bars of red, green, blue and white in ink amounts; Adobe's files (the
  // usual kind) store them inverted.
  const std::uint8_t ink[4][4] = {{0, 255, 255, 0}, {255, 0, 255, 0}, {255, 255, 0, 0}, {}};
  auto bars = [&](bool inverted) {
    JpegRecipe r{32, 8, 4, {}};
    for (int i = 0; i < 32 * 8 * 4; ++i)
      r.samples.push_back(
          std::uint8_t(inverted ? 255 - ink[i / 4 % 32 / 8][i % 4] : ink[i / 4 % 32 / 8][i % 4]));
    return r;
  };
  const TColor colours[4] = {clRed, clLime, 0xFF0000, clWhite};
  Bitmap want(32, 8);
  for (int bar = 0; bar < 4; ++bar) {
    want.SetBrushColor(colours[bar]);
    want.FillRect({bar * 8, 0, bar * 8 + 8, 8});
  }
  JpegRecipe adobe = bars(true), progressive = bars(true), ycck = bars(true), plain = bars(false);
  progressive.progressive = true;  // four full-size components in whole-image buffers
  ycck.store = JCS_YCCK;
  plain.adobeMarker = false;
  for (const JpegRecipe *r : {&adobe, &progressive, &ycck, &plain})
    EXPECT_LT(test::MeanAbsoluteError(want, DecodeJpeg(BuildJpeg(*r))), 10.0) << r - &adobe;
}

TEST(JpegCodec, BrokenStreamsGiveTheLibraryErrorNumberAndItsText) {
  const Bytes good = EncodeJpeg(Gradient(24, 16));
  const std::size_t sof = FindMarker(good, 0xC0);
  EXPECT_EQ(MessageOf({}), JpegError(JERR_INPUT_EMPTY) + ": Empty input file");
  EXPECT_EQ(MessageOf({0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}),
            JpegError(JERR_NO_SOI) + ": Not a JPEG file: starts with 0x89 0x50");
  Bytes junk = {'j', 'u', 'n', 'k'};
  EXPECT_EQ(MessageOf(junk + good),
            JpegError(JERR_NO_SOI) + ": Not a JPEG file: starts with 0x6a 0x75");
  EXPECT_EQ(MessageOf(good + junk), "no error");  // whatever follows the end is ignored
  EXPECT_TRUE(IsJpegError(MessageOf(Bytes(good.begin(), good.begin() + std::ptrdiff_t(sof)))));
  Bytes table = good;  // Huffman code counts beyond any table
  std::fill_n(table.begin() + std::ptrdiff_t(FindMarker(table, 0xC4) + 5), 16, 0xFF);
  EXPECT_EQ(MessageOf(table), JpegError(JERR_BAD_HUFF_TABLE) + ": Bogus Huffman table definition");

  Bytes deep = good, lossless = good;
  deep[sof + 4] = 12;  // sample precision
  lossless[sof + 1] = 0xC3;
  EXPECT_EQ(MessageOf(deep), JpegError(JERR_BAD_PRECISION) +
                                 ": Unsupported JPEG data precision 12 (only 8-bit JPEG "
                                 "pictures can be opened)");
  EXPECT_EQ(MessageOf(lossless).rfind(JpegError(JERR_SOF_UNSUPPORTED) + ": ", 0), 0u);
  EXPECT_NE(MessageOf(lossless).find("(lossless and hierarchical"), std::string::npos);
}

TEST(JpegCodec, TinyFilesCannotCostMoreThanTheirDeclaredPictureNorRunForever) {
  JpegRecipe recipe = test::RgbRecipe(Gradient(16, 16));
  recipe.progressive = true;
  const Bytes small = BuildJpeg(recipe);
  auto declaring = [&](int w, int h) {
    Bytes lie = small;
    const std::size_t sof = FindMarker(lie, 0xC2);
    lie[sof + 5] = std::uint8_t(h >> 8), lie[sof + 6] = std::uint8_t(h);
    lie[sof + 7] = std::uint8_t(w >> 8), lie[sof + 8] = std::uint8_t(w);
    return lie;
  };
  EXPECT_NE(MessageOf(declaring(65500, 65500)).find("too large"), std::string::npos);
  EXPECT_NE(MessageOf(declaring(20000, 20000)).find("too large"), std::string::npos);
  // Within the limit the missing data is filled in.
  const Bitmap filled = DecodeJpeg(declaring(3000, 2000));
  EXPECT_EQ(filled.Width() * filled.Height(), 3000 * 2000);

  // The first scan (marker to next marker) repeated thousands of times.
  const std::size_t sos = FindMarker(small, 0xDA);
  std::size_t end = sos + 2;
  while (small[end] != 0xFF || small[end + 1] == 0 || (small[end + 1] & 0xF8) == 0xD0) ++end;
  const Bytes scan(small.begin() + std::ptrdiff_t(sos), small.begin() + std::ptrdiff_t(end));
  auto repeated = [&](int times, const Bytes &stream) {
    Bytes out(stream.begin(), stream.end() - 2);
    for (int i = 0; i < times; ++i) out.insert(out.end(), scan.begin(), scan.end());
    return out + Bytes{0xFF, 0xD9};
  };
  EXPECT_EQ(MessageOf(repeated(300, small)), "no error");
  EXPECT_EQ(MessageOf(repeated(20000, small)), "JPEG picture has too many scans");
  // On a large picture far fewer scans are already too much work.
  EXPECT_EQ(MessageOf(repeated(40, declaring(3000, 2000))), "no error");
  EXPECT_EQ(MessageOf(repeated(100, declaring(3000, 2000))), "JPEG picture has too many scans");
}

// Cut at every length and damaged at random: each stream decodes (libjpeg
// fills in what is missing) or gives the program's exception.
TEST(JpegCodec, TruncatedAndDamagedStreamsNeverEscapeAsAnythingButError) {
  JpegRecipe progressive = test::RgbRecipe(Gradient(24, 16)), arithmetic = progressive;
  progressive.progressive = arithmetic.arithmetic = true;
  const Bytes seeds[] = {EncodeJpeg(Gradient(24, 16)), BuildJpeg(progressive),
                         BuildJpeg(arithmetic)};
  for (const Bytes &seed : seeds)
    for (std::size_t n = 0; n < seed.size(); n += 3) {
      const std::string message = test::MessageOf([&] { DecodeJpeg(std::span(seed.data(), n)); });
      EXPECT_TRUE(message == "no error" || IsJpegError(message)) << message;
    }
  std::mt19937 random(99);
  for (int round = 0; round < 1500; ++round) {
    Bytes data = seeds[round % 3];
    for (int i = 0, hits = 1 + int(random() % 3); i < hits; ++i)
      data[random() % data.size()] = std::uint8_t(random());
    MessageOf(data);
  }
}

}  // namespace
}  // namespace qv
