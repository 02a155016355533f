// TIFF decoding through libtiff: the first page. Grey, palette, RGB and
// CMYK of 1 to 16 and 32 bits, signed grey and RGB, and 32 and 64-bit
// floating-point grey and RGB (0 to 1) are converted by us, in strips or
// tiles, samples interleaved or in planes; the kinds libtiff knows better
// (CIE L*a*b*, LogLuv, YCbCr outside JPEG, old-style JPEG) go through its
// RGBA reader. Each strip or tile is decoded once, into a buffer of its own
// size; one that cannot be read leaves its part of the picture grey and the
// picture opens with a warning.

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "codecs/Codecs.h"
#include "codecs/Metadata.h"
#include "codecs/SampleRows.h"
#include "codecs/TiffMemory.h"
#include "gfx/Error.h"
#include "gfx/RunControl.h"

namespace qv {

namespace {

// Strips and tiles hold at most this many bytes each once decoded; a 16-bit
// CMYK picture at the pixel limit in one strip takes 960 MB.
constexpr std::uint64_t kMaxStripBytes = std::uint64_t(1) << 30;

[[noreturn]] void Refuse(const Text &reason) {
  RefuseImage("TIFF", reason);
}

// The most bytes one stored byte can become under each compression; 0
// where there is no such bound (JPEG).
std::uint64_t MaxInflation(std::uint16_t compression) {
  switch (compression) {
    case COMPRESSION_NONE:
      return 1;
    case COMPRESSION_PACKBITS:
      return 64;  // two bytes repeat one up to 128 times
    case COMPRESSION_LZW:
      return 2731;  // a 12-bit code stands for up to 4096 bytes
    case COMPRESSION_ADOBE_DEFLATE:
    case COMPRESSION_DEFLATE:
      return 1032;
    case COMPRESSION_SGILOG:
    case COMPRESSION_SGILOG24:
      return 256;  // run lengths of at most 129 bytes, and 24 bits a pixel to 32
    default:
      return 0;
  }
}

struct Layout {
  std::uint32_t width = 0, height = 0;
  std::uint16_t bits = 0, samples = 0, photometric = 0, planar = PLANARCONFIG_CONTIG;
  std::uint16_t compression = COMPRESSION_NONE, format = SAMPLEFORMAT_UINT;
  int colours = 0;  // samples that make the colour: 1, 3 or 4
  int alpha = -1;   // index of the alpha sample, or -1
  bool premultiplied = false;
  bool throughRgba = false;           // libtiff's RGBA reader makes the pixels
  std::uint32_t max = 255;            // the largest sample value once unpacked
  std::vector<std::uint8_t> palette;  // 3 bytes an entry, red first
};

int ColourSamples(std::uint16_t photometric) {
  switch (photometric) {
    case PHOTOMETRIC_MINISWHITE:
    case PHOTOMETRIC_MINISBLACK:
    case PHOTOMETRIC_PALETTE:
      return 1;
    case PHOTOMETRIC_RGB:
    case PHOTOMETRIC_YCBCR:
      return 3;
    case PHOTOMETRIC_SEPARATED:
      return 4;
    default:
      return 0;
  }
}

// Whether our own conversion takes the samples: unsigned of 1 to 16 or 32
// bits, signed grey and RGB, floating-point grey and RGB of 32 or 64 bits.
bool OwnKind(const Layout &l, std::uint16_t inks) {
  const bool grey = l.colours == 1 && l.photometric != PHOTOMETRIC_PALETTE;
  const bool greyOrRgb = grey || l.photometric == PHOTOMETRIC_RGB;
  bool bits = false;
  switch (l.format) {
    case SAMPLEFORMAT_UINT:
      bits = (l.bits >= 1 && l.bits <= 16) || l.bits == 32;
      break;
    case SAMPLEFORMAT_INT:
      bits = greyOrRgb && ((l.bits >= 2 && l.bits <= 16) || l.bits == 32);
      break;
    case SAMPLEFORMAT_IEEEFP:
      bits = greyOrRgb && (l.bits == 32 || l.bits == 64);
      break;
    default:
      break;
  }
  return bits && l.colours > 0 && l.samples >= l.colours && l.compression != COMPRESSION_OJPEG &&
         (l.photometric != PHOTOMETRIC_SEPARATED || inks == INKSET_CMYK) &&
         // YCbCr only inside JPEG, where libjpeg turns it into RGB.
         (l.photometric != PHOTOMETRIC_YCBCR ||
          (l.compression == COMPRESSION_JPEG && l.bits == 8 && l.format == SAMPLEFORMAT_UINT));
}

Layout ReadLayout(TIFF *tif) {
  Layout l;
  std::uint16_t inks = INKSET_CMYK;
  if (!TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &l.width) ||
      !TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &l.height))
    Refuse(QV_TEXT("it has no picture size"));
  if (!TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &l.photometric))
    Refuse(QV_TEXT("it does not say how its samples make colours"));
  TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &l.bits);
  TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &l.samples);
  TIFFGetFieldDefaulted(tif, TIFFTAG_PLANARCONFIG, &l.planar);
  TIFFGetFieldDefaulted(tif, TIFFTAG_COMPRESSION, &l.compression);
  TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLEFORMAT, &l.format);
  TIFFGetFieldDefaulted(tif, TIFFTAG_INKSET, &inks);
  CheckPictureSize(l.width, l.height);

  l.colours = ColourSamples(l.photometric);
  if (!OwnKind(l, inks)) {
    char why[1024] = {};
    l.throughRgba = TIFFRGBAImageOK(tif, why);
    if (!l.throughRgba) {
      const Text format = l.format == SAMPLEFORMAT_IEEEFP ? QV_TEXT(", floating point")
                          : l.format == SAMPLEFORMAT_INT  ? QV_TEXT(", signed")
                                                          : Text::Verbatim("");
      RefuseKind("TIFF", Say(QV_TEXT("photometric %1, %2 samples of %3 bits%4"), l.photometric,
                             l.samples, l.bits, format));
    }
    return l;
  }
  if (l.photometric == PHOTOMETRIC_YCBCR) {
    TIFFSetField(tif, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);
    l.photometric = PHOTOMETRIC_RGB;
  }
  l.max = l.format == SAMPLEFORMAT_IEEEFP ? 255
          : l.bits == 32                  ? 0xFFFFFFFFu
                                          : (std::uint32_t(1) << l.bits) - 1;

  std::uint16_t extraCount = 0;
  std::uint16_t *extra = nullptr;
  if (TIFFGetField(tif, TIFFTAG_EXTRASAMPLES, &extraCount, &extra) && extraCount > 0 &&
      l.samples > l.colours &&
      (extra[0] == EXTRASAMPLE_ASSOCALPHA || extra[0] == EXTRASAMPLE_UNASSALPHA)) {
    l.alpha = l.colours;
    l.premultiplied = extra[0] == EXTRASAMPLE_ASSOCALPHA;
  }

  if (l.photometric == PHOTOMETRIC_PALETTE) {
    std::uint16_t *red = nullptr, *green = nullptr, *blue = nullptr;
    if (!TIFFGetField(tif, TIFFTAG_COLORMAP, &red, &green, &blue))
      Refuse(QV_TEXT("its palette is missing"));
    const std::size_t entries = std::size_t(1) << l.bits;
    // Some writers store 8-bit entries; then none is above 255.
    const bool eightBit = std::all_of(red, red + entries, [](auto v) { return v < 256; }) &&
                          std::all_of(green, green + entries, [](auto v) { return v < 256; }) &&
                          std::all_of(blue, blue + entries, [](auto v) { return v < 256; });
    const std::uint32_t max = eightBit ? 255 : 65535;
    for (std::size_t i = 0; i < entries; ++i)
      l.palette.insert(l.palette.end(),
                       {ScaleTo8(red[i], max), ScaleTo8(green[i], max), ScaleTo8(blue[i], max)});
  }
  return l;
}

// A sample of 0 to max as 8 bits, rounded, for any max up to 2^32 - 1.
std::uint8_t To8(std::uint32_t v, std::uint32_t max) {
  return max == 255 ? std::uint8_t(v) : std::uint8_t((std::uint64_t(v) * 255 + max / 2) / max);
}

std::uint8_t Ink(unsigned paper, unsigned black) {
  return std::uint8_t((paper * black + 127) / 255);
}

// One row of unpacked samples (values 0 to max, interleaved) to BGR.
void ToBgr(const Layout &l, const std::uint32_t *v, std::uint8_t *bgr, int width) {
  const std::uint32_t max = l.max;
  const int step = l.samples;
  for (int x = 0; x < width; ++x, v += step, bgr += 3) {
    std::uint8_t c[3];
    switch (l.photometric) {
      case PHOTOMETRIC_PALETTE:
        std::memcpy(c, &l.palette[3 * std::size_t(v[0])], 3);
        break;
      case PHOTOMETRIC_MINISBLACK:
      case PHOTOMETRIC_MINISWHITE: {
        const std::uint8_t grey = To8(v[0], max);
        c[0] = c[1] = c[2] = l.photometric == PHOTOMETRIC_MINISWHITE ? 255 - grey : grey;
        break;
      }
      case PHOTOMETRIC_SEPARATED: {
        const unsigned paper = 255 - To8(v[3], max);
        for (int i = 0; i < 3; ++i) c[i] = Ink(255 - To8(v[i], max), paper);
        break;
      }
      default:
        for (int i = 0; i < 3; ++i) c[i] = To8(v[i], max);
        break;
    }
    if (l.alpha >= 0) {
      const unsigned a = To8(v[l.alpha], max);
      for (std::uint8_t &s : c)
        s = l.premultiplied ? std::uint8_t(std::min(255u, s + 255 - a)) : OverWhite(s, a);
    }
    bgr[0] = c[2], bgr[1] = c[1], bgr[2] = c[0];
  }
}

// A floating-point sample from 0 to 1 as 0 to 255; outside that range it
// is clamped, and not-a-number is black.
template <class Real>
std::uint32_t FromReal(const std::uint8_t *in) {
  Real f;
  std::memcpy(&f, in, sizeof f);
  if (!(f > 0)) return 0;
  return f >= 1 ? 255 : std::uint32_t(f * 255 + Real(0.5));
}

// count samples as libtiff hands them (whole bytes in the machine's order,
// other widths packed from the first bit), to values 0 to max; signed
// samples are offset by half their range, so the most negative is 0.
void Unpack(const std::uint8_t *in, const Layout &l, std::size_t count, std::uint32_t *out,
            std::size_t stride) {
  const int bits = l.bits;
  if (l.format == SAMPLEFORMAT_IEEEFP) {
    for (std::size_t i = 0; i < count; ++i)
      out[i * stride] = bits == 32 ? FromReal<float>(in + 4 * i) : FromReal<double>(in + 8 * i);
    return;
  }
  switch (bits) {
    case 8:
      for (std::size_t i = 0; i < count; ++i) out[i * stride] = in[i];
      break;
    case 16:
      for (std::size_t i = 0; i < count; ++i) {
        std::uint16_t v;
        std::memcpy(&v, in + 2 * i, 2);
        out[i * stride] = v;
      }
      break;
    case 32:
      for (std::size_t i = 0; i < count; ++i) std::memcpy(&out[i * stride], in + 4 * i, 4);
      break;
    default:
      for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t v = 0;
        for (std::size_t bit = i * std::size_t(bits), end = bit + std::size_t(bits); bit < end;
             ++bit)
          v = v << 1 | (in[bit / 8] >> (7 - bit % 8) & 1);
        out[i * stride] = v;
      }
  }
  if (l.format == SAMPLEFORMAT_INT) {
    const std::uint32_t sign = std::uint32_t(1) << (bits - 1);
    for (std::size_t i = 0; i < count; ++i) out[i * stride] ^= sign;
  }
}

// A strip or tile: which part of the picture it covers.
struct Piece {
  std::uint32_t left, top, width, height;  // width and height as stored
};

class PieceReader {
 public:
  PieceReader(TIFF *tif, const Layout &layout, bool tiled) : tif_(tif), l_(layout), tiled_(tiled) {
    const bool planes = l_.planar == PLANARCONFIG_SEPARATE && l_.samples > 1;
    planeCount_ = planes ? l_.samples : 1;
    const tmsize_t size = tiled ? TIFFTileSize(tif) : TIFFStripSize(tif);
    if (size <= 0 || std::uint64_t(size) > kMaxStripBytes)
      Refuse(QV_TEXT("its strips or tiles are too large"));
    bufferBytes_ = std::size_t(size);
    for (int p = 0; p < planeCount_; ++p)
      buffers_.push_back(std::make_unique_for_overwrite<std::uint8_t[]>(bufferBytes_));
    rowBytes_ = std::size_t(tiled ? TIFFTileRowSize(tif) : TIFFScanlineSize(tif));
  }

  // Decodes piece number index (of each plane), whose first rows rows are
  // used; false when it cannot give them all.
  bool Read(std::uint32_t index, std::uint32_t piecesPerPlane, std::uint32_t rows) {
    for (int p = 0; p < planeCount_; ++p) {
      const std::uint32_t strile = index + std::uint32_t(p) * piecesPerPlane;
      std::uint8_t *buffer = buffers_[std::size_t(p)].get();
      const tmsize_t got = tiled_
                               ? TIFFReadEncodedTile(tif_, strile, buffer, tmsize_t(bufferBytes_))
                               : TIFFReadEncodedStrip(tif_, strile, buffer, tmsize_t(bufferBytes_));
      if (got < 0 || std::size_t(got) < rowBytes_ * rows) return false;
    }
    return true;
  }

  // Row y of the piece read last, width pixels of it, as interleaved samples.
  void Samples(std::uint32_t y, std::uint32_t width, std::uint32_t *out) const {
    if (planeCount_ == 1) {
      Unpack(&buffers_[0][rowBytes_ * y], l_, std::size_t(width) * l_.samples, out, 1);
      return;
    }
    for (int p = 0; p < planeCount_; ++p)
      Unpack(&buffers_[std::size_t(p)][rowBytes_ * y], l_, width, out + p, std::size_t(l_.samples));
  }

 private:
  TIFF *tif_;
  const Layout &l_;
  bool tiled_;
  int planeCount_ = 1;
  std::vector<std::unique_ptr<std::uint8_t[]>> buffers_;
  std::size_t bufferBytes_ = 0;
  std::size_t rowBytes_ = 0;  // of one plane
};

// Refuses a file whose strips or tiles, as far as they lie inside it, are
// too few bytes to make even a quarter of the picture under its
// compression, before anything of the picture's size is allocated. One
// that holds more opens, its missing parts grey.
void CheckDataPresent(TIFF *tif, const Layout &l, std::uint64_t fileSize) {
  const std::uint64_t inflation = MaxInflation(l.compression);
  if (inflation == 0) return;
  const std::uint32_t pieces = TIFFIsTiled(tif) ? TIFFNumberOfTiles(tif) : TIFFNumberOfStrips(tif);
  std::uint64_t present = 0;
  for (std::uint32_t i = 0; i < pieces; ++i) {
    const std::uint64_t offset = TIFFGetStrileOffset(tif, i);
    const std::uint64_t count = TIFFGetStrileByteCount(tif, i);
    if (offset < fileSize) present += std::min(count, fileSize - offset);
  }
  const std::uint64_t needed = (std::uint64_t(l.width) * l.samples * l.bits + 7) / 8 * l.height;
  if (present * inflation < needed / 4) Refuse(QV_TEXT("the file ends before its pixels do"));
}

void ReadMetadata(TIFF *tif, Metadata &meta) {
  std::uint32_t count = 0;
  void *data = nullptr;
  auto block = [&](std::uint32_t tag, Bytes &into) {
    if (TIFFGetField(tif, tag, &count, &data) && data)
      into.assign(static_cast<std::uint8_t *>(data), static_cast<std::uint8_t *>(data) + count);
  };
  block(TIFFTAG_ICCPROFILE, meta.Icc);
  block(TIFFTAG_XMLPACKET, meta.Xmp);
  block(TIFFTAG_PHOTOSHOP, meta.Photoshop);
  char *description = nullptr;
  if (TIFFGetField(tif, TIFFTAG_IMAGEDESCRIPTION, &description) && description && *description)
    meta.Comments.emplace_back(description);
}

// How the picture is cut into strips or tiles.
struct Grid {
  std::uint32_t pieceWidth, pieceHeight, across, down;
};

constexpr std::uint8_t kMissingGrey = 128;

// Our own conversion, strip by strip or tile by tile; the pieces that
// cannot be read, which stay grey.
std::uint32_t ReadOwn(TIFF *tif, const Layout &l, const Grid &g, const TiffMemory &memory,
                      Bitmap &picture) {
  const bool tiled = TIFFIsTiled(tif);
  PieceReader reader(tif, l, tiled);
  if (memory.FirstError.size()) Refuse(Text::Verbatim(memory.FirstError));
  picture.Recreate(int(l.width), int(l.height));
  std::vector<std::uint32_t> samples(std::size_t(g.pieceWidth) * l.samples);
  const RunProgress progress;
  const std::uint32_t pieces = g.across * g.down;
  std::uint32_t damaged = 0;
  for (std::uint32_t i = 0; i < pieces; ++i) {
    CheckCancelled();
    const Piece piece{i % g.across * g.pieceWidth, i / g.across * g.pieceHeight, g.pieceWidth,
                      g.pieceHeight};
    const std::uint32_t width = std::min(piece.width, l.width - piece.left);
    const std::uint32_t height = std::min(piece.height, l.height - piece.top);
    const bool read = reader.Read(i, pieces, tiled ? piece.height : height);
    damaged += !read;
    for (std::uint32_t y = 0; y < height; ++y) {
      std::uint8_t *row = picture.ScanLine(int(piece.top + y)) + 3 * std::size_t(piece.left);
      if (!read) {
        std::memset(row, kMissingGrey, 3 * std::size_t(width));
        continue;
      }
      reader.Samples(y, width, samples.data());
      ToBgr(l, samples.data(), row, int(width));
    }
    progress.Report(double(i + 1) / pieces);
  }
  return damaged;
}

// libtiff's RGBA reader, a band of strips or tiles at a time; the rows come
// as stored, and the orientation is applied afterwards like any other
// TIFF's. Its colour comes premultiplied by its alpha, so over white it is
// the colour plus what the alpha leaves out. The bands that cannot be read
// stay grey.
std::uint32_t ReadThroughRgba(TIFF *tif, const Layout &l, std::uint32_t band, Bitmap &picture) {
  char why[1024] = {};
  TIFFRGBAImage image;
  if (!TIFFRGBAImageBegin(&image, tif, 1, why)) Refuse(Text::Verbatim(why));
  struct End {
    TIFFRGBAImage *image;
    ~End() { TIFFRGBAImageEnd(image); }
  } end{&image};
  image.req_orientation = image.orientation;
  picture.Recreate(int(l.width), int(l.height));
  std::vector<std::uint32_t> abgr(std::size_t(l.width) * band);
  const RunProgress progress;
  std::uint32_t damaged = 0;
  for (std::uint32_t top = 0; top < l.height; top += band) {
    CheckCancelled();
    const std::uint32_t rows = std::min(band, l.height - top);
    image.row_offset = int(top);
    image.col_offset = 0;
    const bool read = TIFFRGBAImageGet(&image, abgr.data(), l.width, rows);
    damaged += !read;
    for (std::uint32_t y = 0; y < rows; ++y) {
      std::uint8_t *out = picture.ScanLine(int(top + y));
      if (!read) {
        std::memset(out, kMissingGrey, picture.RowBytes());
        continue;
      }
      const std::uint32_t *in = &abgr[std::size_t(y) * l.width];
      for (std::uint32_t x = 0; x < l.width; ++x, out += 3) {
        const std::uint32_t p = in[x], clear = 255 - TIFFGetA(p);
        out[0] = std::uint8_t(std::min(255u, TIFFGetB(p) + clear));
        out[1] = std::uint8_t(std::min(255u, TIFFGetG(p) + clear));
        out[2] = std::uint8_t(std::min(255u, TIFFGetR(p) + clear));
      }
    }
    progress.Report(double(top + rows) / l.height);
  }
  return damaged;
}

}  // namespace

bool LooksLikeTiff(std::span<const std::uint8_t> data) {
  if (data.size() < 8) return false;
  const std::uint8_t *d = data.data();
  // Classic TIFF (42) and BigTIFF (43), either byte order.
  return (d[0] == 'I' && d[1] == 'I' && (d[2] == 42 || d[2] == 43) && d[3] == 0) ||
         (d[0] == 'M' && d[1] == 'M' && d[2] == 0 && (d[3] == 42 || d[3] == 43));
}

DecodedPicture DecodeTiffPicture(std::span<const std::uint8_t> data) {
  TiffMemory memory;
  memory.Input = data;
  const std::unique_ptr<TIFF, TiffClose> tif(OpenTiff(memory, "r", kMaxStripBytes));
  if (!tif) Refuse(Text::Verbatim(memory.FirstError));
  const Layout l = ReadLayout(tif.get());
  CheckDataPresent(tif.get(), l, data.size());

  const bool tiled = TIFFIsTiled(tif.get());
  std::uint32_t pieceWidth = l.width, pieceHeight = 0;
  if (tiled) {
    TIFFGetField(tif.get(), TIFFTAG_TILEWIDTH, &pieceWidth);
    TIFFGetField(tif.get(), TIFFTAG_TILELENGTH, &pieceHeight);
  } else {
    TIFFGetFieldDefaulted(tif.get(), TIFFTAG_ROWSPERSTRIP, &pieceHeight);
  }
  pieceHeight = std::min(pieceHeight, l.height);
  if (pieceWidth == 0 || pieceHeight == 0) Refuse(QV_TEXT("its strips or tiles have no size"));
  const std::uint32_t across = (l.width + pieceWidth - 1) / pieceWidth;
  const std::uint32_t down = (l.height + pieceHeight - 1) / pieceHeight;
  // Tiles far larger than the picture would cost far more than it.
  if (std::uint64_t(across) * down * pieceWidth * pieceHeight >
      16 * std::uint64_t(l.width) * l.height + (std::uint64_t(1) << 24))
    Refuse(QV_TEXT("its tiles are far larger than the picture"));
  DecodedPicture decoded;
  const std::uint32_t pieces = across * down;
  const std::uint32_t damaged =
      l.throughRgba
          ? ReadThroughRgba(tif.get(), l, pieceHeight, decoded.Pixels)
          : ReadOwn(tif.get(), l, {pieceWidth, pieceHeight, across, down}, memory, decoded.Pixels);
  const std::uint32_t parts = l.throughRgba ? down : pieces;
  if (damaged == parts)
    Refuse(memory.FirstError.empty() ? QV_TEXT("its pixels cannot be read")
                                     : Text::Verbatim(memory.FirstError));
  if (damaged) decoded.Warnings.push_back(DamageWarning(Text::Verbatim(memory.FirstError)));

  std::uint16_t orientation = ORIENTATION_TOPLEFT;
  TIFFGetFieldDefaulted(tif.get(), TIFFTAG_ORIENTATION, &orientation);
  decoded.Orientation = orientation >= 1 && orientation <= 8 ? orientation : 1;
  ReadMetadata(tif.get(), decoded.Meta);
  decoded.Meta.Exif = ExifFromTiff(data);
  CheckMetadata(decoded.Meta, decoded.Warnings);
  return decoded;
}

}  // namespace qv
