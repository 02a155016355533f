// A Windows bitmap reader that trusts nothing in the file: every offset and
// size is computed in 64 bits and checked against the data before use.

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "codecs/Codecs.h"
#include "codecs/SampleRows.h"
#include "gfx/Error.h"
#include "gfx/RunControl.h"

namespace qv {

namespace {

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kJpeg = 4, kPng = 5,
                        kAlphaBitFields = 6;
constexpr std::int64_t kFileHeaderBytes = 14;
constexpr std::int64_t kCoreHeaderBytes = 12;
constexpr std::int64_t kInfoHeaderBytes = 40;
// OS/2 2.x headers run from 16 to 64 bytes; the fields a short one leaves
// out read as zero.
constexpr std::int64_t kOs2MinHeaderBytes = 16, kOs2HeaderBytes = 64;

[[noreturn]] void Invalid(const Text &reason) {
  throw Error(Say(QV_TEXT("Bitmap image is not valid: %1"), reason));
}

constexpr MarkedText kTruncated = QV_TEXT("the file ends before its pixels do");

class FileView {
 public:
  explicit FileView(std::span<const std::uint8_t> data) : data_(data) {}
  std::int64_t Size() const { return std::int64_t(data_.size()); }
  const std::uint8_t *At(std::int64_t offset, std::int64_t count) const {
    if (offset < 0 || count < 0 || offset > Size() || count > Size() - offset) Invalid(kTruncated);
    return data_.data() + offset;
  }
  std::uint32_t U16(std::int64_t offset) const {
    const std::uint8_t *p = At(offset, 2);
    return p[0] | std::uint32_t(p[1]) << 8;
  }
  std::uint32_t U32(std::int64_t offset) const {
    const std::uint8_t *p = At(offset, 4);
    return p[0] | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
  }
  std::int32_t I32(std::int64_t offset) const { return std::int32_t(U32(offset)); }

 private:
  std::span<const std::uint8_t> data_;
};

// One colour channel of a bit-field pixel, scaled to 8 bits through a table
// (a 5-bit 31 becomes 255, not 248).
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  std::array<std::uint8_t, 256> scale{};

  explicit Channel(std::uint32_t fieldMask) {
    int bits = std::popcount(fieldMask);
    shift = std::countr_zero(fieldMask);
    if (bits > 8) {  // keep the top 8 bits of a wide field
      shift += bits - 8;
      bits = 8;
    }
    mask = ((1u << bits) - 1) << shift;
    const unsigned top = (1u << bits) - 1;
    for (unsigned v = 0; v <= top; ++v) scale[v] = std::uint8_t((v * 255 + top / 2) / top);
  }
  std::uint8_t operator()(std::uint32_t pixel) const { return scale[(pixel & mask) >> shift]; }
};

bool Contiguous(std::uint32_t mask) {
  const std::uint32_t low = mask >> std::countr_zero(mask);
  return (low & (low + 1)) == 0;
}

struct Layout {
  std::int64_t width = 0, height = 0;
  bool topDown = false;
  int bits = 0;
  std::uint32_t compression = kRgb;
  std::uint32_t masks[3] = {};  // red, green, blue
  std::uint32_t alphaMask = 0;  // 0: opaque
  std::int64_t pixelOffset = 0;
  // Entries the file does not hold stay black.
  std::array<std::uint8_t, 256 * 3> palette{};
  int paletteEntries = 0;  // those the file holds
};

// What a decode had to work around, for the warnings.
struct Damage {
  int highestIndex = 0;  // the highest palette index a pixel used
  bool clipped = false;  // run-length codes that reached outside the picture
};

void ReadMasks(const FileView &file, Layout &layout) {
  if (layout.compression == kBitFields || layout.compression == kAlphaBitFields) {
    // Inside the V2+ headers, right after the 40-byte one otherwise: the
    // same file offset either way.
    const std::int64_t at = kFileHeaderBytes + kInfoHeaderBytes;
    for (int i = 0; i < 3; ++i) layout.masks[i] = file.U32(at + 4 * i);
  } else if (layout.bits == 16) {
    layout.masks[0] = 0x7C00, layout.masks[1] = 0x03E0, layout.masks[2] = 0x001F;
  } else {
    layout.masks[0] = 0xFF0000, layout.masks[1] = 0x00FF00, layout.masks[2] = 0x0000FF;
  }
  const std::uint32_t r = layout.masks[0], g = layout.masks[1], b = layout.masks[2];
  const std::uint64_t limit = layout.bits == 16 ? 0xFFFF : 0xFFFFFFFF;
  for (std::uint32_t m : layout.masks)
    if (m == 0 || m > limit || !Contiguous(m)) Invalid(QV_TEXT("its colour masks are not valid"));
  if ((r & g) | (r & b) | (g & b)) Invalid(QV_TEXT("its colour masks overlap"));
}

// The alpha mask that follows the colour masks in the V3 to V5 headers and
// after a 40-byte header with alpha bit fields; one that is not a field of
// its own leaves the picture opaque.
void ReadAlphaMask(const FileView &file, std::int64_t headerBytes, Layout &layout) {
  const bool fields = layout.compression == kBitFields || layout.compression == kAlphaBitFields;
  const bool present = layout.compression == kAlphaBitFields || headerBytes >= 56;
  if (!fields || !present || layout.bits < 16) return;
  const std::uint32_t a = file.U32(kFileHeaderBytes + kInfoHeaderBytes + 12);
  const std::uint64_t limit = layout.bits == 16 ? 0xFFFF : 0xFFFFFFFF;
  const std::uint32_t colours = layout.masks[0] | layout.masks[1] | layout.masks[2];
  if (a != 0 && a <= limit && Contiguous(a) && !(a & colours)) layout.alphaMask = a;
}

// A field of an OS/2 2.x header that may lie beyond a short header.
std::uint32_t Os2Field(const FileView &file, std::int64_t headerBytes, std::int64_t offset) {
  return offset + 4 <= kFileHeaderBytes + headerBytes ? file.U32(offset) : 0;
}

Layout ReadLayout(const FileView &file) {
  const std::uint8_t *magic = file.At(0, 2);
  if (magic[0] != 'B' || magic[1] != 'M') Invalid(QV_TEXT("it does not start with \"BM\""));
  Layout layout;
  const std::int64_t offBits = file.U32(10);
  const std::int64_t headerBytes = file.U32(14);
  std::int64_t clrUsed = 0, entryBytes = 4, extraBytes = 0;
  std::uint32_t planes = 0;
  if (headerBytes == kCoreHeaderBytes) {  // OS/2 1.x
    layout.width = file.U16(18);
    layout.height = file.U16(20);
    planes = file.U16(22);
    layout.bits = int(file.U16(24));
    entryBytes = 3;
    if (layout.bits != 1 && layout.bits != 4 && layout.bits != 8 && layout.bits != 24)
      Invalid(QV_TEXT("its bits per pixel are not 1, 4, 8 or 24"));
  } else if (headerBytes >= kOs2MinHeaderBytes && headerBytes <= kOs2HeaderBytes &&
             headerBytes != kInfoHeaderBytes && headerBytes != 52 && headerBytes != 56) {
    // OS/2 2.x: the Windows layout for the fields both have; its
    // compression 3 and 4 (Huffman, RLE24) are not the Windows ones.
    file.At(kFileHeaderBytes, headerBytes);
    layout.width = file.I32(18);
    layout.height = file.I32(22);
    planes = file.U16(26);
    layout.bits = int(file.U16(28));
    layout.compression = Os2Field(file, headerBytes, 30);
    clrUsed = Os2Field(file, headerBytes, 46);
    if (layout.compression == 3 || layout.compression == 4)
      RefuseKind("Bitmap", layout.compression == 3 ? QV_TEXT("OS/2 Huffman coding")
                                                   : QV_TEXT("OS/2 RLE24 coding"));
    if (layout.compression > kRle4) Invalid(QV_TEXT("its OS/2 compression is not supported"));
    if (layout.bits != 1 && layout.bits != 4 && layout.bits != 8 && layout.bits != 24)
      Invalid(QV_TEXT("its bits per pixel are not 1, 4, 8 or 24"));
  } else if (headerBytes == 40 || headerBytes == 52 || headerBytes == 56 || headerBytes == 108 ||
             headerBytes == 124) {
    file.At(kFileHeaderBytes, headerBytes);
    layout.width = file.I32(18);
    layout.height = file.I32(22);
    planes = file.U16(26);
    layout.bits = int(file.U16(28));
    layout.compression = file.U32(30);
    clrUsed = file.U32(46);
  } else {
    Invalid(QV_TEXT("its header size is unknown"));
  }
  if (planes != 1) Invalid(QV_TEXT("its number of planes is not 1"));
  if (layout.width <= 0 || layout.height == 0) Invalid(QV_TEXT("it has no pixels"));
  layout.topDown = layout.height < 0;
  if (layout.topDown) layout.height = -layout.height;

  switch (layout.compression) {
    case kRgb: {
      const int b = layout.bits;
      if (b != 1 && b != 4 && b != 8 && b != 16 && b != 24 && b != 32)
        Invalid(QV_TEXT("its bits per pixel are not 1, 4, 8, 16, 24 or 32"));
      break;
    }
    case kRle8:
    case kRle4:
      if (layout.bits != (layout.compression == kRle8 ? 8 : 4))
        Invalid(QV_TEXT("its run-length coding does not match its bits per pixel"));
      // Compressed rows always run bottom-up.
      if (layout.topDown) Invalid(QV_TEXT("its run-length coded rows run top-down"));
      break;
    case kBitFields:
    case kAlphaBitFields:
      if (layout.bits != 16 && layout.bits != 32)
        Invalid(QV_TEXT("its colour masks need 16 or 32 bits per pixel"));
      if (headerBytes == kInfoHeaderBytes) extraBytes = layout.compression == kBitFields ? 12 : 16;
      break;
    case kJpeg:
    case kPng:
      // Printers' formats: a JPEG or PNG stream inside a bitmap header.
      RefuseKind("Bitmap", layout.compression == kJpeg ? QV_TEXT("JPEG inside a bitmap")
                                                       : QV_TEXT("PNG inside a bitmap"));
    default:
      Invalid(QV_TEXT("its compression is not supported"));
  }
  if (layout.bits >= 16 && layout.bits != 24) ReadMasks(file, layout);
  if (headerBytes != kCoreHeaderBytes && layout.compression != kRgb)
    ReadAlphaMask(file, headerBytes, layout);
  CheckPictureSize(layout.width, layout.height);

  const std::int64_t paletteStart = kFileHeaderBytes + headerBytes + extraBytes;
  const std::int64_t colors = layout.bits <= 8
                                  ? (clrUsed ? std::min<std::int64_t>(clrUsed, 1 << layout.bits)
                                             : std::int64_t(1) << layout.bits)
                                  : 0;
  layout.pixelOffset =
      offBits ? offBits : paletteStart + (layout.bits <= 8 ? colors : clrUsed) * entryBytes;
  if (layout.pixelOffset < paletteStart || layout.pixelOffset > file.Size())
    Invalid(QV_TEXT("its pixel data lies outside the file"));
  const std::int64_t present = std::min(colors, (layout.pixelOffset - paletteStart) / entryBytes);
  layout.paletteEntries = int(present);
  const std::uint8_t *entries = file.At(paletteStart, present * entryBytes);
  for (std::int64_t i = 0; i < present; ++i)
    std::memcpy(&layout.palette[std::size_t(i) * 3], entries + i * entryBytes, 3);
  return layout;
}

// channels: red, green, blue and, where the picture has one, alpha, which
// lays the colour over white.
void DecodeRow(const Layout &layout, const std::uint8_t *src, std::uint8_t *dst,
               const Channel *channels, bool alpha, Damage &damage) {
  const int width = int(layout.width);
  const std::uint8_t *palette = layout.palette.data();
  int high = damage.highestIndex;
  switch (layout.bits) {
    case 1:
      for (int x = 0; x < width; ++x, dst += 3) {
        const int index = (src[x >> 3] >> (7 - (x & 7))) & 1;
        high = std::max(high, index);
        std::memcpy(dst, palette + 3 * index, 3);
      }
      break;
    case 4:
      for (int x = 0; x < width; ++x, dst += 3) {
        const std::uint8_t pair = src[x >> 1];
        const int index = x & 1 ? pair & 15 : pair >> 4;
        high = std::max(high, index);
        std::memcpy(dst, palette + 3 * index, 3);
      }
      break;
    case 8:
      for (int x = 0; x < width; ++x, dst += 3) {
        high = std::max(high, int(src[x]));
        std::memcpy(dst, palette + 3 * src[x], 3);
      }
      break;
    case 24:
      std::memcpy(dst, src, std::size_t(width) * 3);
      break;
    case 16:
    case 32: {
      const int bytes = layout.bits / 8;
      for (int x = 0; x < width; ++x, src += bytes, dst += 3) {
        std::uint32_t v = src[0] | std::uint32_t(src[1]) << 8;
        if (bytes == 4) v |= std::uint32_t(src[2]) << 16 | std::uint32_t(src[3]) << 24;
        dst[0] = channels[2](v), dst[1] = channels[1](v), dst[2] = channels[0](v);
        if (!alpha) continue;
        const unsigned a = channels[3](v);
        for (int c = 0; c < 3; ++c) dst[c] = OverWhite(dst[c], a);
      }
      break;
    }
  }
  damage.highestIndex = high;
}

Bitmap DecodeUncompressed(const FileView &file, const Layout &layout, Damage &damage) {
  const std::int64_t rowBits = layout.width * layout.bits;
  const std::int64_t stride = (rowBits + 31) / 32 * 4;
  // The last row's padding may be missing; its pixels may not.
  const std::int64_t needed = stride * (layout.height - 1) + (rowBits + 7) / 8;
  const std::uint8_t *pixels = file.At(layout.pixelOffset, needed);

  const Channel channels[4] = {Channel(layout.masks[0] ? layout.masks[0] : 0xFF),
                               Channel(layout.masks[1] ? layout.masks[1] : 0xFF),
                               Channel(layout.masks[2] ? layout.masks[2] : 0xFF),
                               Channel(layout.alphaMask ? layout.alphaMask : 0xFF)};
  // Some writers give an alpha mask and leave every alpha 0: such a
  // picture is shown opaque, as browsers show it.
  bool alpha = false;
  const int bytes = layout.bits / 8;
  for (std::int64_t row = 0; layout.alphaMask && !alpha && row < layout.height; ++row) {
    const std::uint8_t *p = pixels + row * stride;
    for (std::int64_t x = 0; x < layout.width && !alpha; ++x, p += bytes) {
      std::uint32_t v = p[0] | std::uint32_t(p[1]) << 8;
      if (bytes == 4) v |= std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
      alpha = (v & layout.alphaMask) != 0;
    }
  }
  Bitmap picture;
  picture.Recreate(int(layout.width), int(layout.height));
  const RunProgress progress;
  for (std::int64_t row = 0; row < layout.height; ++row) {
    if (row % 256 == 0) {
      if (progress.Cancelled()) throw Cancelled();
      progress.Report(double(row) / double(layout.height));
    }
    const int target = int(layout.topDown ? row : layout.height - 1 - row);
    DecodeRow(layout, pixels + row * stride, picture.ScanLine(target), channels, alpha, damage);
  }
  return picture;
}

// RLE4 and RLE8, into picture, or only through the codes when picture is
// null. Pixels the stream skips stay black; runs that pass the row's end or
// the picture's top are clipped. A stream that ends before its last row
// without an end-of-bitmap code is truncated.
void WalkRunLength(const FileView &file, const Layout &layout, Bitmap *picture, Damage &damage) {
  const bool rle8 = layout.compression == kRle8;
  const std::int64_t width = layout.width, height = layout.height;
  const std::uint8_t *palette = layout.palette.data();
  std::int64_t pos = layout.pixelOffset, x = 0, y = 0;
  auto put = [&](std::int64_t column, int index) {
    damage.highestIndex = std::max(damage.highestIndex, index);
    if (picture)
      std::memcpy(picture->ScanLine(int(height - 1 - y)) + 3 * column, palette + 3 * index, 3);
  };
  while (y < height) {
    const std::uint8_t *code = file.At(pos, 2);
    pos += 2;
    if (code[0] > 0) {  // a run of one index, or of two alternating nibbles
      const int count = code[0], value = code[1];
      for (int i = 0; i < count && x + i < width; ++i)
        put(x + i, rle8 ? value : (i & 1 ? value & 15 : value >> 4));
      x += count;
    } else if (code[1] == 0) {  // end of line
      x = 0;
      ++y;
    } else if (code[1] == 1) {  // end of bitmap
      break;
    } else if (code[1] == 2) {  // move right and up
      const std::uint8_t *delta = file.At(pos, 2);
      pos += 2;
      x += delta[0];
      y += delta[1];
      damage.clipped = damage.clipped || y >= height;
    } else {  // literal indices, padded to a whole word
      const int count = code[1];
      const std::int64_t bytes = rle8 ? count : (count + 1) / 2;
      const std::uint8_t *literal = file.At(pos, bytes);
      pos += std::min(bytes + (bytes & 1), file.Size() - pos);
      for (int i = 0; i < count && x + i < width; ++i)
        put(x + i, rle8 ? literal[i] : (i & 1 ? literal[i >> 1] & 15 : literal[i >> 1] >> 4));
      x += count;
    }
    damage.clipped = damage.clipped || x > width;
  }
}

Bitmap DecodeRunLength(const FileView &file, const Layout &layout, Damage &damage) {
  // The codes are read through once before the picture is made, so that a
  // few bytes declaring a huge picture cost nothing before they are refused.
  WalkRunLength(file, layout, nullptr, damage);
  Bitmap picture{int(layout.width), int(layout.height)};
  WalkRunLength(file, layout, &picture, damage);
  return picture;
}

}  // namespace

DecodedPicture DecodeBmpPicture(std::span<const std::uint8_t> data) {
  const FileView file(data);
  const Layout layout = ReadLayout(file);
  Damage damage;
  DecodedPicture decoded;
  decoded.Pixels = layout.compression == kRle8 || layout.compression == kRle4
                       ? DecodeRunLength(file, layout, damage)
                       : DecodeUncompressed(file, layout, damage);
  if (layout.bits <= 8 && damage.highestIndex >= layout.paletteEntries)
    decoded.Warnings.push_back(
        DamageWarning(QV_TEXT("colour indices past the end of its palette")));
  if (damage.clipped)
    decoded.Warnings.push_back(
        DamageWarning(QV_TEXT("run-length codes reach outside the picture")));
  return decoded;
}

Bitmap DecodeBmp(std::span<const std::uint8_t> data) {
  return std::move(DecodeBmpPicture(data).Pixels);
}

}  // namespace qv
