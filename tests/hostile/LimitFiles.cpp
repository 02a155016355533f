// Files of every format declaring the largest picture the pixel limit
// allows, 12000 x 10000 (WebP, at most 16383 wide: 16383 x 7324), and a row
// more; each a few kilobytes to a few hundred, their pixels a flat picture
// or missing.

#include <tiffio.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "BadFiles.h"
#include "codecs/TiffMemory.h"
#include "fuzz/FormatSamples.h"
#include "fuzz/HeifBuilder.h"
#include "fuzz/SampleFiles.h"
#include "gfx/Error.h"

namespace qv::hostile {

namespace {

constexpr int kWidth = 12000, kHeight = 10000;

void PutBE32(Bytes &b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(v >> (24 - 8 * i)));
}

void PngChunk(Bytes &png, const char *type, const Bytes &data) {
  PutBE32(png, std::uint32_t(data.size()));
  const std::size_t start = png.size();
  png.insert(png.end(), type, type + 4);
  png.insert(png.end(), data.begin(), data.end());
  PutBE32(png, std::uint32_t(crc32(0, &png[start], uInt(png.size() - start))));
}

// Grey rows of zeros, deflated as they go: the whole picture's data.
Bytes BlackPng(std::uint32_t declaredHeight) {
  Bytes header;
  PutBE32(header, kWidth), PutBE32(header, declaredHeight);
  header.insert(header.end(), {8, 0, 0, 0, 0});
  z_stream z{};
  deflateInit(&z, 9);
  const Bytes row(kWidth + 1, 0);  // filter byte and pixels
  Bytes idat, out(1 << 16);
  for (int y = 0; y <= kHeight; ++y) {
    z.next_in = const_cast<Bytef *>(row.data());
    z.avail_in = y < kHeight ? uInt(row.size()) : 0;
    int status = Z_OK;
    do {
      z.next_out = out.data();
      z.avail_out = uInt(out.size());
      status = deflate(&z, y < kHeight ? Z_NO_FLUSH : Z_FINISH);
      idat.insert(idat.end(), out.data(), out.data() + (out.size() - z.avail_out));
    } while (z.avail_out == 0 || (y == kHeight && status != Z_STREAM_END));
  }
  deflateEnd(&z);
  Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PngChunk(png, "IHDR", header);
  PngChunk(png, "IDAT", idat);
  PngChunk(png, "IEND", {});
  return png;
}

// RGB in deflated strips of 64 rows of zeros.
Bytes BlackTiff(std::uint32_t declaredHeight) {
  TiffMemory memory;
  memory.Writing = true;
  {
    const std::unique_ptr<TIFF, TiffClose> tif(OpenTiff(memory, "w", std::uint64_t(1) << 30));
    TIFF *t = tif.get();
    TIFFSetField(t, TIFFTAG_IMAGEWIDTH, std::uint32_t(kWidth));
    TIFFSetField(t, TIFFTAG_IMAGELENGTH, std::uint32_t(kHeight));
    TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, 3);
    TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(t, TIFFTAG_COMPRESSION, COMPRESSION_ADOBE_DEFLATE);
    TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, 64u);
    Bytes row(std::size_t(kWidth) * 3, 0);
    for (std::uint32_t y = 0; y < std::uint32_t(kHeight); ++y)
      TIFFWriteScanline(t, row.data(), y, 0);
    TIFFWriteDirectory(t);
  }
  if (!memory.FirstError.empty()) throw Error(Text::Verbatim("libtiff: " + memory.FirstError));
  Bytes tiff = std::move(memory.Output);
  // The height in the first directory's entry 257, raised where asked.
  const std::size_t ifd = tiff[4] | tiff[5] << 8 | tiff[6] << 16 | std::size_t(tiff[7]) << 24;
  for (std::size_t i = 0, n = tiff[ifd] | tiff[ifd + 1] << 8; i < n; ++i) {
    const std::size_t entry = ifd + 2 + 12 * i;
    if ((tiff[entry] | tiff[entry + 1] << 8) != 257) continue;
    for (int b = 0; b < 4; ++b)
      tiff[entry + 8 + std::size_t(b)] = std::uint8_t(declaredHeight >> (8 * b));
  }
  return tiff;
}

// A lossless WebP of one colour (black) written bit by bit: no transforms,
// and five prefix codes of one symbol each, so that a pixel takes no bits
// at all and the header's size (14 bits a side) is all that makes it large.
Bytes FlatWebp(std::uint32_t width, std::uint32_t height) {
  Bytes bits;
  int used = 8;                                     // bits taken of the last byte
  auto put = [&](std::uint32_t value, int count) {  // least significant bit first
    for (int i = 0; i < count; ++i, ++used) {
      if (used == 8) bits.push_back(0), used = 0;
      bits.back() |= std::uint8_t((value >> i & 1) << used);
    }
  };
  put(0x2F, 8);
  put(width - 1, 14), put(height - 1, 14), put(0, 1), put(0, 3);
  put(0, 1);  // no transform
  put(0, 1);  // no colour cache
  put(0, 1);  // no meta prefix codes
  // Green, red, blue, alpha and distance: one symbol each (0, 0, 0, 255, 0).
  for (const std::uint32_t symbol : {0u, 0u, 0u, 255u, 0u}) {
    put(1, 1), put(0, 1);  // a simple code of one symbol
    if (symbol < 2) {
      put(0, 1), put(symbol, 1);
    } else {
      put(1, 1), put(symbol, 8);
    }
  }
  if (bits.size() % 2) bits.push_back(0);
  Bytes webp = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'E', 'B', 'P', 'V', 'P', '8', 'L'};
  for (const std::size_t v : {bits.size()}) {
    for (int i = 0; i < 4; ++i) webp.push_back(std::uint8_t(v >> (8 * i)));
  }
  webp.insert(webp.end(), bits.begin(), bits.end());
  for (int i = 0; i < 4; ++i) webp[4 + std::size_t(i)] = std::uint8_t((webp.size() - 8) >> (8 * i));
  return webp;
}

// A grid of 24 x 20 uses of one 500 x 500 tile.
Bytes GridHeif(bool avif, std::uint32_t declaredHeight) {
  const Bitmap tile = samples::Gradient(500, 500);
  const samples::CodedTile coded = samples::CodedPictureOf(samples::MakeHeif(
      {.Width = 500, .Height = 500, .Avif = avif, .Samples = samples::RgbSamples(tile)}));
  samples::HeifBuild grid = samples::GridOf(coded, 20, 24, kWidth, declaredHeight);
  return samples::BuildHeif(grid);
}

}  // namespace

std::vector<LimitFile> LimitPictures() {
  std::vector<LimitFile> files;
  for (const bool above : {false, true}) {
    const int height = kHeight + (above ? 1 : 0);
    const std::string size = above ? "-a-row-more" : "-at-the-limit";
    files.push_back({"jpeg" + size + ".jpg", ProgressiveDeclaring(kWidth, height), above});
    files.push_back({"png" + size + ".png", BlackPng(std::uint32_t(height)), above});
    files.push_back({"webp" + size + ".webp", FlatWebp(16383, above ? 7325 : 7324), above});
    files.push_back({"tiff" + size + ".tif", BlackTiff(std::uint32_t(height)), above});
    files.push_back({"bmp" + size + ".bmp",
                     samples::MakeBmp({40, kWidth, height, 1, 8, 1, 2, {}, Bytes(8), {0, 1}}),
                     above});
    files.push_back({"heif" + size + ".heic", GridHeif(false, std::uint32_t(height)), above});
    files.push_back({"avif" + size + ".avif", GridHeif(true, std::uint32_t(height)), above});
  }
  return files;
}

}  // namespace qv::hostile
