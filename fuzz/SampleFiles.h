#pragma once

// Well-formed pictures of every kind the readers accept, built in code: the
// seeds of the fuzzers and the starting points of the bad-file tests.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "codecs/Codecs.h"

namespace qv::samples {

// A smooth, deterministic picture.
Bitmap Gradient(int width, int height);

// JPEG streams made with libjpeg's compressor, in the codings and colour
// spaces a camera or an editor may write.
enum class JpegCoding { Baseline, Progressive, Arithmetic, ArithmeticProgressive };
enum class JpegColors { Rgb, Grey, Cmyk };
struct JpegRecipe {
  int Width = 16, Height = 16;
  JpegCoding Coding = JpegCoding::Baseline;
  JpegColors Colors = JpegColors::Rgb;
  int RestartRows = 0;  // restart markers every this many MCU rows
};
Bytes MakeJpeg(const JpegRecipe &recipe);

// A Windows bitmap with every header field given, so that any field can be
// set out of range. The file header's offsets and sizes are filled in.
struct BmpRecipe {
  std::uint32_t HeaderBytes = 40;  // 12: OS/2 1.x
  std::int32_t Width = 2, Height = 2;
  std::uint16_t Planes = 1, Bits = 24;
  std::uint32_t Compression = 0;
  std::uint32_t ColorsUsed = 0;
  std::vector<std::uint32_t> Masks;  // red, green, blue (, alpha) after the header
  Bytes Palette;                     // 4 bytes an entry (3 for OS/2)
  Bytes Pixels;
};
Bytes MakeBmp(const BmpRecipe &recipe);

// EXIF (camera, date, GPS, artist, copyright, the orientation given, pixel
// size 0 x 0 and an embedded thumbnail), XMP (creator, the orientation, a
// thumbnail, naming an extended packet of the given size), Photoshop
// resources (IPTC keyword "beach" and a thumbnail), an RGB colour profile of
// the given size and a comment: a photo's metadata as cameras and editors
// leave it, built with libexiv2.
Metadata CameraMetadata(int orientation, std::size_t iccBytes, std::size_t extendedXmpBytes);
// An RGB ICC profile of the given size: a valid header (D50 white), no tags.
Bytes FakeIccProfile(std::size_t size);

// Named seeds of each reader. Assets are JPEG streams whose first 16 bytes
// the reader replaces; some seeds keep a JFIF head there, some hold zeros.
using NamedFiles = std::vector<std::pair<std::string, Bytes>>;
NamedFiles JpegSeeds();
NamedFiles BmpSeeds();
NamedFiles AssetSeeds();

// Offset of the first marker FF <type> in data at or after from, or
// data.size().
std::size_t FindMarker(const Bytes &data, std::uint8_t type, std::size_t from = 0);

}  // namespace qv::samples
