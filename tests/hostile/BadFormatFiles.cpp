// The bad-file catalogue's PNG, WebP, TIFF, HEIC and AVIF cases: files cut
// short, damaged inside, and declaring pictures larger than the data or the
// limit.

#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "BadFiles.h"
#include "fuzz/FormatSamples.h"

namespace qv::hostile {

namespace {

std::uint32_t BE32(const Bytes &b, std::size_t at) {
  return std::uint32_t(b[at]) << 24 | std::uint32_t(b[at + 1]) << 16 |
         std::uint32_t(b[at + 2]) << 8 | b[at + 3];
}
void PutBE32(Bytes &b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + std::size_t(i)] = std::uint8_t(v >> (24 - 8 * i));
}
Bytes Cut(const Bytes &b, std::size_t size) {
  return Bytes(b.begin(), b.begin() + std::ptrdiff_t(size));
}
std::size_t Find(const Bytes &b, const char *text, std::size_t from = 0) {
  const auto at =
      std::search(b.begin() + std::ptrdiff_t(from), b.end(), text, text + std::strlen(text));
  return std::size_t(at - b.begin());
}
std::string Too(int width, int height) {
  return "Picture is too large (" + std::to_string(width) + " x " + std::to_string(height);
}

// The PNG with its IHDR declaring width x height, its CRC made good.
Bytes PngDeclaring(Bytes png, std::uint32_t width, std::uint32_t height) {
  PutBE32(png, 16, width), PutBE32(png, 20, height);
  PutBE32(png, 29, std::uint32_t(crc32(0, &png[12], 17)));
  return png;
}

// Samples that deflate cannot shrink much, so that half a file holds half
// the rows.
Bytes Noise(std::size_t count) {
  Bytes b(count);
  std::uint32_t state = 12345;
  for (std::uint8_t &v : b) v = std::uint8_t((state = state * 1103515245 + 12345) >> 24);
  return b;
}

Bytes WithChunkBefore(Bytes png, const char *before, const char *type, const Bytes &body,
                      std::uint32_t declared) {
  Bytes chunk(8);
  PutBE32(chunk, 0, declared);
  std::memcpy(&chunk[4], type, 4);
  chunk.insert(chunk.end(), body.begin(), body.end());
  chunk.resize(chunk.size() + 4);
  PutBE32(chunk, chunk.size() - 4, std::uint32_t(crc32(0, &chunk[4], uInt(4 + body.size()))));
  png.insert(png.begin() + std::ptrdiff_t(Find(png, before) - 4), chunk.begin(), chunk.end());
  return png;
}

}  // namespace

Bytes PngWithLongText(bool beforePicture) {
  const Bytes good = samples::MakePng({.Width = 48, .Height = 32, .Rows = Noise(48 * 32 * 3)});
  Bytes text = {'C', 'o', 'm', 'm', 'e', 'n', 't', 0};
  text.resize(2000, 'x');
  return WithChunkBefore(good, beforePicture ? "IDAT" : "IEND", "tEXt", text, 1800000000);
}

namespace {

void AddPngCases(std::vector<BadFile> &cases) {
  const Bytes rgb = Noise(48 * 32 * 3);
  const Bytes good = samples::MakePng({.Width = 48, .Height = 32, .Rows = rgb});
  const std::size_t idat = Find(good, "IDAT") - 4;
  const char *invalid = "PNG image is not valid";
  cases.push_back({"cut-in-header.png", Cut(good, 20), Verdict::Refused, invalid});
  cases.push_back(
      {"cut-in-pixels.png", Cut(good, idat + BE32(good, idat) / 2), Verdict::Damaged, ""});
  cases.push_back(
      {"interlaced-cut-in-pixels.png",
       Cut(samples::MakePng({.Width = 48, .Height = 32, .Rows = rgb, .Interlaced = true}),
           idat + BE32(good, idat) * 3 / 4),
       Verdict::Damaged, ""});
  cases.push_back({"cut-before-end.png", Cut(good, good.size() - 12), Verdict::Decoded, ""});
  Bytes badCrc = good;
  badCrc[idat + 8 + BE32(good, idat) + 1] ^= 0xFF;
  cases.push_back({"picture-data-crc-wrong.png", badCrc, Verdict::Damaged, ""});
  Bytes depth3 = good;
  depth3[24] = 3;
  cases.push_back({"bit-depth-3.png", PngDeclaring(depth3, 48, 32), Verdict::Refused, invalid});
  cases.push_back({"declares-0-wide.png", PngDeclaring(good, 0, 32), Verdict::Refused, invalid});
  cases.push_back({"declares-65535x65535.png", PngDeclaring(good, 65535, 65535), Verdict::Refused,
                   Too(65535, 65535)});
  cases.push_back({"declares-10000x10000.png", PngDeclaring(good, 10000, 10000), Verdict::Refused,
                   "PNG image is not valid: the file ends before its pixels do"});
  cases.push_back({"text-declaring-1.8GB-before-picture.png", PngWithLongText(true),
                   Verdict::Refused, "PNG image is not valid: the file is cut short"});
  cases.push_back(
      {"text-declaring-1.8GB-after-picture.png", PngWithLongText(false), Verdict::Decoded, ""});
}

void AddWebpCases(std::vector<BadFile> &cases) {
  const Bitmap picture = samples::Gradient(64, 48);
  const Bytes lossy = samples::MakeWebp(picture, false);
  const Bytes lossless = samples::MakeWebp(picture, true);
  const char *invalid = "WebP image is not valid";
  cases.push_back({"cut-in-header.webp", Cut(lossy, 24), Verdict::Refused, invalid});
  cases.push_back({"cut-in-pixels.webp", Cut(lossy, lossy.size() * 2 / 3), Verdict::Damaged, ""});
  cases.push_back(
      {"lossless-cut.webp", Cut(lossless, lossless.size() / 2), Verdict::Refused, invalid});
  // The lossless header's 14-bit sides, less one, after the signature byte.
  Bytes huge = lossless;
  const std::size_t vp8l = Find(huge, "VP8L") + 9;
  const std::uint32_t sides = 16383u | 16383u << 14;
  for (int i = 0; i < 4; ++i)
    huge[vp8l + std::size_t(i)] = std::uint8_t((huge[vp8l + std::size_t(i)] & (i == 3 ? 0xF0 : 0)) |
                                               (sides >> (8 * i) & (i == 3 ? 0x0F : 0xFF)));
  cases.push_back({"declares-16384x16384.webp", huge, Verdict::Refused, Too(16384, 16384)});
  // A RIFF size past the end of a complete picture is no reason to refuse it.
  Bytes longer = lossy;
  PutBE32(longer, 4, 0xFFFFFFF0);
  cases.push_back({"riff-size-past-end.webp", longer, Verdict::Decoded, ""});
}

// Little-endian TIFF: value element index of entry tag in the first
// directory set to value (SHORT or LONG, held in the entry or where it
// points).
Bytes TiffWith(Bytes tiff, std::uint16_t tag, std::uint32_t value, std::size_t index = 0) {
  auto le = [&](std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = v << 8 | tiff[at + std::size_t(i)];
    return v;
  };
  const std::size_t ifd = le(4, 4);
  for (std::size_t i = 0, n = le(ifd, 2); i < n; ++i) {
    const std::size_t entry = ifd + 2 + 12 * i;
    if (le(entry, 2) != tag) continue;
    const std::size_t bytes = le(entry + 2, 2) == 3 ? 2 : 4;
    const std::size_t at = bytes * le(entry + 4, 4) > 4 ? le(entry + 8, 4) : entry + 8;
    for (std::size_t b = 0; b < bytes; ++b)
      tiff[at + bytes * index + b] = std::uint8_t(value >> (8 * b));
  }
  return tiff;
}

void AddTiffCases(std::vector<BadFile> &cases) {
  samples::TiffRecipe recipe{.Width = 48, .Height = 32, .RowsPerStrip = 8};
  recipe.Rows = samples::RgbSamples(samples::Gradient(48, 32));
  const Bytes plain = samples::MakeTiff(recipe);
  recipe.Compression = 5;  // LZW
  const Bytes lzw = samples::MakeTiff(recipe);
  const char *invalid = "TIFF image is not valid";
  cases.push_back({"cut-in-header.tif", Cut(plain, 6), Verdict::Refused, invalid});
  // libtiff writes the directory after the pixels: a file cut short loses it.
  cases.push_back({"cut-in-pixels.tif", Cut(plain, plain.size() / 2), Verdict::Refused, invalid});
  cases.push_back(
      {"strip-past-end.tif", TiffWith(plain, 273, 0xFFFFFF00, 1), Verdict::Damaged, ""});
  Bytes scrambled = lzw;
  std::memset(&scrambled[8], 0xFF, 64);  // the start of the first strip's codes
  cases.push_back({"lzw-codes-damaged.tif", scrambled, Verdict::Damaged, ""});
  // The same samples read as CIE L*a*b*: another picture, but a valid one.
  cases.push_back({"photometric-cielab.tif", TiffWith(plain, 262, 8), Verdict::Decoded, ""});
  cases.push_back({"photometric-colour-filter-array.tif", TiffWith(plain, 262, 32803),
                   Verdict::Refused,
                   "TIFF image is a kind of picture Quorvane does not open (photometric 32803, 3 "
                   "samples of 8 bits)"});
  cases.push_back({"bits-per-sample-3.tif", TiffWith(plain, 258, 3), Verdict::Refused, invalid});
  cases.push_back({"declares-60000x60000.tif", TiffWith(TiffWith(plain, 256, 60000), 257, 60000),
                   Verdict::Refused, Too(60000, 60000)});
  cases.push_back({"declares-10000x10000.tif",
                   TiffWith(TiffWith(TiffWith(plain, 256, 10000), 257, 10000), 278, 10000),
                   Verdict::Refused,
                   "TIFF image is not valid: the file ends before its pixels do"});
}

void AddHeifCases(std::vector<BadFile> &cases) {
  const Bitmap picture = samples::Gradient(64, 48);
  for (const bool avif : {false, true}) {
    const Bytes good = samples::MakeHeif(
        {.Width = 64, .Height = 48, .Avif = avif, .Samples = samples::RgbSamples(picture)});
    if (good.empty()) continue;  // no encoder in this libheif
    const std::string ext = avif ? ".avif" : ".heic";
    const std::string invalid = avif ? "AVIF image is not valid" : "HEIF image is not valid";
    cases.push_back({"cut-in-header" + ext, Cut(good, 40), Verdict::Refused, invalid});
    cases.push_back(
        {"cut-in-pixels" + ext, Cut(good, good.size() - 40), Verdict::Refused, invalid});
    // Every picture's size box: libheif may have wrapped the coded picture
    // in a grid of one tile.
    Bytes huge = good;
    for (std::size_t at = Find(huge, "ispe"); at < huge.size(); at = Find(huge, "ispe", at + 4))
      PutBE32(huge, at + 8, 60000), PutBE32(huge, at + 12, 60000);
    cases.push_back({"declares-60000x60000" + ext, huge, Verdict::Refused, Too(60000, 60000)});
  }
  cases.push_back({"only-a-brand.heic",
                   Bytes{0, 0, 0, 16, 'f', 't', 'y', 'p', 'h', 'e', 'i', 'c', 0, 0, 0, 0},
                   Verdict::Refused, "HEIF image is not valid"});
}

}  // namespace

void AddOtherFormatCases(std::vector<BadFile> &cases) {
  AddPngCases(cases);
  AddWebpCases(cases);
  AddTiffCases(cases);
  AddHeifCases(cases);
}

}  // namespace qv::hostile
