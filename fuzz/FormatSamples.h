#pragma once

// PNG, WebP, TIFF, HEIC and AVIF files made straight with their libraries
// from samples given in code (not through the program's encoders), so that
// a decoder can be checked against pixels known in advance: the seeds of
// the fuzzers, the codec tests and the bad-file tests.

#include <cstdint>
#include <vector>

#include "codecs/Codecs.h"
#include "fuzz/SampleFiles.h"

namespace qv::samples {

// A PNG written by libpng. Rows hold the samples as PNG packs them (16-bit
// values big-endian, small depths several to a byte), without filter bytes.
struct PngRecipe {
  int Width = 4, Height = 3;
  int ColorType = 2;  // PNG_COLOR_TYPE_*: 0 grey, 2 RGB, 3 palette, 4 grey-alpha, 6 RGBA
  int BitDepth = 8;
  Bytes Rows = {};
  Bytes Palette = {};       // red, green, blue triples
  Bytes Transparency = {};  // tRNS: one alpha per palette entry
  bool Interlaced = false;
  Metadata Meta = {};  // eXIf, iCCP, XMP and comments, written as given
  // After the picture: an animation control chunk and a second frame of the
  // same size whose samples are all SecondFrameByte (an APNG that libpng
  // reads as its first frame).
  bool Animated = false;
  std::uint8_t SecondFrameByte = 0;
};
Bytes MakePng(const PngRecipe &recipe);

// WebP files written by libwebp from BGR(A) pixels: lossy at quality 90 or
// lossless, and a two-frame animation.
Bytes MakeWebp(const Bitmap &picture, bool lossless);
Bytes MakeWebpWithAlpha(int width, int height, const Bytes &bgra, bool lossless);
Bytes MakeAnimatedWebp(const Bitmap &first, const Bitmap &second);

// A TIFF written by libtiff. Samples are interleaved rows, 16-bit values
// in the machine's byte order, small depths packed several to a byte.
struct TiffRecipe {
  int Width = 4, Height = 3;
  int Photometric = 2;  // PHOTOMETRIC_*: 0 min-is-white, 1 min-is-black, 2 RGB, 3 palette, 5 CMYK
  int Bits = 8;
  int Samples = 3;
  int ExtraSample = 0;  // EXTRASAMPLE_* of the samples after the colour ones, 0 for none
  int Compression = 1;  // COMPRESSION_*
  bool Tiled = false;   // 16 x 16 tiles, else strips of RowsPerStrip
  int RowsPerStrip = 2;
  bool Planes = false;  // one plane per sample
  int Orientation = 1;
  Bytes Rows = {};
  std::vector<std::uint16_t> Colormap = {};  // red entries, then green, then blue
  int SampleFormat = 1;  // SAMPLEFORMAT_*: 1 unsigned, 2 signed, 3 floating point
  int ExtraCount = 1;    // how many extra samples of that kind
  // YCbCr subsampling; with it, Rows hold the strips as libtiff stores
  // them (each 2 x 2 block's four Y, then Cb and Cr).
  int SubsampleX = 0, SubsampleY = 0;
  std::vector<std::pair<int, int>> Fields = {};  // more tags (or codec settings) and their values
};
Bytes MakeTiff(const TiffRecipe &recipe);
// An old-style JPEG TIFF (compression 6) around a JFIF stream of 4:2:0
// YCbCr, as early scanners wrote them: libtiff cannot write these.
Bytes MakeOldJpegTiff(const Bytes &jpeg, int width, int height);

// HEIC (x265) or AVIF (libaom) written by libheif from 8-bit interleaved
// RGB(A) or 10-bit RRGGBB(AA) little-endian samples; orientation as EXIF
// counts it becomes the file's own rotation and mirroring. Empty when
// libheif has no encoder for it. Debian 12's libheif and libaom cannot
// write a 10-bit AVIF with alpha (the encoder fails).
struct HeifRecipe {
  int Width = 16, Height = 16;
  bool Avif = false;
  bool Alpha = false;
  int Bits = 8;  // 8 or 10
  Bytes Samples = {};
  int Orientation = 1;
  Metadata Meta = {};  // EXIF, XMP and ICC
};
Bytes MakeHeif(const HeifRecipe &recipe);

// Interleaved 8-bit samples (red first) of picture, for the recipes above.
Bytes RgbSamples(const Bitmap &picture);

// Named seeds of the readers of these formats.
NamedFiles PngSeeds();
NamedFiles WebpSeeds();
NamedFiles TiffSeeds();
NamedFiles HeifSeeds();

}  // namespace qv::samples
