// TIFF decoding through libtiff: the first page, 8 and 16-bit RGB, grey and
// CMYK, palette and 1 to 8-bit grey; no compression, LZW, deflate, PackBits
// or JPEG; strips or tiles, samples interleaved or in planes. Each strip or
// tile is decoded once, into a buffer of its own size; one that cannot be
// read leaves its part of the picture grey and the picture opens with a
// warning.

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "codecs/Codecs.h"
#include "codecs/Metadata.h"
#include "codecs/SampleRows.h"
#include "codecs/TiffMemory.h"
#include "gfx/Error.h"

namespace qv {

namespace {

// Strips and tiles hold at most this many bytes each once decoded; a 16-bit
// CMYK picture at the pixel limit in one strip takes 960 MB.
constexpr std::uint64_t kMaxStripBytes = std::uint64_t(1) << 30;

[[noreturn]] void Refuse(const std::string &reason) {
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
    default:
      return 0;
  }
}

struct Layout {
  std::uint32_t width = 0, height = 0;
  std::uint16_t bits = 0, samples = 0, photometric = 0, planar = PLANARCONFIG_CONTIG;
  std::uint16_t compression = COMPRESSION_NONE;
  int colours = 0;  // samples that make the colour: 1, 3 or 4
  int alpha = -1;   // index of the alpha sample, or -1
  bool premultiplied = false;
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

Layout ReadLayout(TIFF *tif) {
  Layout l;
  std::uint16_t format = SAMPLEFORMAT_UINT, inks = INKSET_CMYK;
  if (!TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &l.width) ||
      !TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &l.height))
    Refuse("it has no picture size");
  if (!TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &l.photometric))
    Refuse("it does not say how its samples make colours");
  TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &l.bits);
  TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &l.samples);
  TIFFGetFieldDefaulted(tif, TIFFTAG_PLANARCONFIG, &l.planar);
  TIFFGetFieldDefaulted(tif, TIFFTAG_COMPRESSION, &l.compression);
  TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLEFORMAT, &format);
  TIFFGetFieldDefaulted(tif, TIFFTAG_INKSET, &inks);
  CheckPictureSize(l.width, l.height);

  l.colours = ColourSamples(l.photometric);
  const bool known = l.colours > 0 && l.samples >= l.colours && format == SAMPLEFORMAT_UINT &&
                     (l.photometric != PHOTOMETRIC_SEPARATED || inks == INKSET_CMYK) &&
                     (l.bits == 8 || l.bits == 16 ||
                      ((l.bits == 1 || l.bits == 2 || l.bits == 4) && l.colours == 1)) &&
                     (l.photometric != PHOTOMETRIC_PALETTE || l.bits <= 8) &&
                     // YCbCr only inside JPEG, where libjpeg turns it into RGB.
                     (l.photometric != PHOTOMETRIC_YCBCR || l.compression == COMPRESSION_JPEG);
  if (!known)
    throw MakeError(
        "TIFF image is not valid: its pixels are of a kind that cannot be opened (photometric "
        "%u, %u samples of %u bits)",
        unsigned(l.photometric), unsigned(l.samples), unsigned(l.bits));
  if (l.compression == COMPRESSION_OJPEG) Refuse("old-style JPEG compression cannot be opened");
  if (l.photometric == PHOTOMETRIC_YCBCR) {
    TIFFSetField(tif, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);
    l.photometric = PHOTOMETRIC_RGB;
  }

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
    if (!TIFFGetField(tif, TIFFTAG_COLORMAP, &red, &green, &blue)) Refuse("its palette is missing");
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

std::uint8_t Ink(unsigned paper, unsigned black) {
  return std::uint8_t((paper * black + 127) / 255);
}

// One row of unpacked samples (values 0 to 2^bits - 1, interleaved) to BGR.
void ToBgr(const Layout &l, const std::uint16_t *v, std::uint8_t *bgr, int width) {
  const std::uint32_t max = (std::uint32_t(1) << l.bits) - 1;
  const int step = l.samples;
  for (int x = 0; x < width; ++x, v += step, bgr += 3) {
    std::uint8_t c[3];
    switch (l.photometric) {
      case PHOTOMETRIC_PALETTE:
        std::memcpy(c, &l.palette[3 * std::size_t(v[0])], 3);
        break;
      case PHOTOMETRIC_MINISBLACK:
      case PHOTOMETRIC_MINISWHITE: {
        const std::uint8_t grey = ScaleTo8(v[0], max);
        c[0] = c[1] = c[2] = l.photometric == PHOTOMETRIC_MINISWHITE ? 255 - grey : grey;
        break;
      }
      case PHOTOMETRIC_SEPARATED: {
        const unsigned paper = 255 - ScaleTo8(v[3], max);
        for (int i = 0; i < 3; ++i) c[i] = Ink(255 - ScaleTo8(v[i], max), paper);
        break;
      }
      default:
        for (int i = 0; i < 3; ++i) c[i] = ScaleTo8(v[i], max);
        break;
    }
    if (l.alpha >= 0) {
      const unsigned a = ScaleTo8(v[l.alpha], max);
      for (std::uint8_t &s : c)
        s = l.premultiplied ? std::uint8_t(std::min(255u, s + 255 - a)) : OverWhite(s, a);
    }
    bgr[0] = c[2], bgr[1] = c[1], bgr[2] = c[0];
  }
}

// count samples of bits each, starting at the first bit of in.
void Unpack(const std::uint8_t *in, int bits, std::size_t count, std::uint16_t *out,
            std::size_t stride) {
  switch (bits) {
    case 8:
      for (std::size_t i = 0; i < count; ++i) out[i * stride] = in[i];
      break;
    case 16:
      for (std::size_t i = 0; i < count; ++i) std::memcpy(&out[i * stride], in + 2 * i, 2);
      break;
    default: {
      const unsigned mask = (1u << bits) - 1;
      for (std::size_t i = 0; i < count; ++i) {
        const std::size_t bit = i * std::size_t(bits);
        out[i * stride] = std::uint16_t(in[bit / 8] >> (8 - bits - bit % 8) & mask);
      }
    }
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
      Refuse("its strips or tiles are too large");
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
  void Samples(std::uint32_t y, std::uint32_t width, std::uint16_t *out) const {
    if (planeCount_ == 1) {
      Unpack(&buffers_[0][rowBytes_ * y], l_.bits, std::size_t(width) * l_.samples, out, 1);
      return;
    }
    for (int p = 0; p < planeCount_; ++p)
      Unpack(&buffers_[std::size_t(p)][rowBytes_ * y], l_.bits, width, out + p,
             std::size_t(l_.samples));
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
  if (present * inflation < needed / 4) Refuse("the file ends before its pixels do");
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
  if (!tif) Refuse(memory.FirstError);
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
  if (pieceWidth == 0 || pieceHeight == 0) Refuse("its strips or tiles have no size");
  const std::uint32_t across = (l.width + pieceWidth - 1) / pieceWidth;
  const std::uint32_t down = (l.height + pieceHeight - 1) / pieceHeight;
  // Tiles far larger than the picture would cost far more than it.
  if (std::uint64_t(across) * down * pieceWidth * pieceHeight >
      16 * std::uint64_t(l.width) * l.height + (std::uint64_t(1) << 24))
    Refuse("its tiles are far larger than the picture");
  PieceReader reader(tif.get(), l, tiled);
  if (memory.FirstError.size()) Refuse(memory.FirstError);

  DecodedPicture decoded;
  Bitmap &picture = decoded.Pixels;
  picture.Recreate(int(l.width), int(l.height));
  std::vector<std::uint16_t> samples(std::size_t(pieceWidth) * l.samples);
  std::uint32_t damaged = 0;
  for (std::uint32_t i = 0; i < across * down; ++i) {
    const Piece piece{i % across * pieceWidth, i / across * pieceHeight, pieceWidth, pieceHeight};
    const std::uint32_t width = std::min(piece.width, l.width - piece.left);
    const std::uint32_t height = std::min(piece.height, l.height - piece.top);
    const bool read = reader.Read(i, across * down, tiled ? piece.height : height);
    damaged += !read;
    for (std::uint32_t y = 0; y < height; ++y) {
      std::uint8_t *row = picture.ScanLine(int(piece.top + y)) + 3 * std::size_t(piece.left);
      if (!read) {
        std::memset(row, 128, 3 * std::size_t(width));
        continue;
      }
      reader.Samples(y, width, samples.data());
      ToBgr(l, samples.data(), row, int(width));
    }
  }
  if (damaged == across * down)
    Refuse(memory.FirstError.empty() ? "its pixels cannot be read" : memory.FirstError);
  if (damaged) decoded.Warnings.push_back(DamageWarning(memory.FirstError));

  std::uint16_t orientation = ORIENTATION_TOPLEFT;
  TIFFGetFieldDefaulted(tif.get(), TIFFTAG_ORIENTATION, &orientation);
  decoded.Orientation = orientation >= 1 && orientation <= 8 ? orientation : 1;
  ReadMetadata(tif.get(), decoded.Meta);
  decoded.Meta.Exif = ExifFromTiff(data);
  CheckMetadata(decoded.Meta, decoded.Warnings);
  return decoded;
}

}  // namespace qv
