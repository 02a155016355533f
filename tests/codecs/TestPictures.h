#pragma once

// Pictures and files built in code for the codec tests.

#include <cstdint>
#include <string>
#include <vector>

#include "codecs/Codecs.h"

namespace qv::test {

// A little-endian byte writer for hand-made BMP files.
struct ByteWriter {
  Bytes bytes;
  void U8(unsigned v) { bytes.push_back(std::uint8_t(v)); }
  void U16(unsigned v) { U8(v & 0xFF), U8(v >> 8 & 0xFF); }
  void U32(std::uint32_t v) { U16(v & 0xFFFF), U16(v >> 16); }
  void Append(const Bytes &more) { bytes.insert(bytes.end(), more.begin(), more.end()); }
};

struct BmpParts {
  std::uint32_t headerBytes = 40;  // 12 (OS/2), 40, 52, 56, 108 or 124
  std::int32_t width = 0, height = 0;
  unsigned bits = 24;
  std::uint32_t compression = 0;
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB, stored blue first
  std::vector<std::uint32_t> masks;    // after a 40-byte header, or inside a larger one
  Bytes pixels;                        // rows exactly as stored, padding included
  std::int64_t offBits = -1;           // -1: right after the palette
  unsigned planes = 1;
};

Bytes BuildBmp(const BmpParts &parts);

// Packs rows of samples (indices or raw values) of the given bit count into
// stored rows padded to 4 bytes.
Bytes PackRows(const std::vector<std::vector<std::uint32_t>> &rows, unsigned bits);

// A smooth, deterministic test picture.
Bitmap Gradient(int width, int height);

// Options for JPEG streams made with libjpeg's compression API.
struct JpegParts {
  int width = 32, height = 24;
  int components = 3;       // 1 grey, 3 RGB, 4 CMYK
  int colorSpace = 0;       // a J_COLOR_SPACE to store, 0 for libjpeg's default
  bool adobeMarker = true;  // for CMYK and YCCK
  bool progressive = false;
  bool arithmetic = false;
  int quality = 90;
  std::vector<std::uint8_t> samples;  // width x height x components, row by row
};

Bytes BuildJpeg(const JpegParts &parts);

double MeanAbsoluteError(const Bitmap &a, const Bitmap &b);

// A fresh folder under the test temporary directory, removed afterwards.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder &) = delete;
  TempFolder &operator=(const TempFolder &) = delete;
  std::string Path(const std::string &name) const { return path_ + "/" + name; }
  std::vector<std::string> Names() const;

 private:
  std::string path_;
};

void WriteRaw(const std::string &path, const Bytes &bytes);

}  // namespace qv::test
