// PNG decoding through libpng: every colour type and bit depth, interlaced
// or not. An animated PNG shows its default picture, the first frame; the
// animation chunks are skipped like any chunk libpng does not know.

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <string>
#include <vector>

#include "codecs/Codecs.h"
#include "codecs/Metadata.h"
#include "codecs/PngChunks.h"
#include "codecs/SampleRows.h"
#include "gfx/Error.h"
#include "gfx/RunControl.h"

namespace qv {

namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Deflate makes at most 1032 bytes of each byte it stores, so rows that
// need more than that many times the picture data present cannot be there.
constexpr std::uint64_t kMaxInflation = 1032;
// Text, colour profile and EXIF chunks: each at most one metadata block,
// and no more than this many kept, so that compressed text cannot expand
// into gigabytes.
constexpr int kMaxTextChunks = 32;
constexpr std::size_t kCutReadBytes = 16;
// zlib's word for a stream whose checksum does not match its data.
constexpr char kBadAdler[] = "incorrect data check";
// Our own refusal when the bytes run out, passed through libpng's error.
constexpr MarkedText kCutShort = QV_TEXT("the file is cut short");

struct PngReader {
  png_structp png = nullptr;
  png_infop info = nullptr;
  std::jmp_buf jump;
  char error[200] = {};
  PngPieceReader *input = nullptr;
  int rowsRead = 0;
  std::string badChecksum;    // libpng's first CRC warning of a critical chunk
  std::vector<Text> leftOut;  // ancillary chunks dropped for their CRC

  ~PngReader() { png_destroy_read_struct(&png, &info, nullptr); }

  // libpng's words, or ours when the bytes ran out.
  Text Reason() const {
    if (std::strcmp(error, kCutShort.English) == 0) return kCutShort;
    return Text::Verbatim(error);
  }
};

Text BadChecksum(const std::string &libraryWords) {
  return Say(QV_TEXT("its data does not match its checksums and may be damaged (%1)"),
             libraryWords);
}

PngReader &ReaderOf(png_structp png) {
  return *static_cast<PngReader *>(png_get_error_ptr(png));
}

void JumpBack(png_structp png, png_const_charp message) {
  PngReader &reader = ReaderOf(png);
  std::snprintf(reader.error, sizeof reader.error, "%s", message);
  std::longjmp(reader.jump, 1);
}
// libpng's warnings are mostly about style; those about checksums say the
// file is damaged ("IDAT: CRC error").
void Warn(png_structp png, png_const_charp message) {
  PngReader &reader = ReaderOf(png);
  const std::string text = message;
  if (text.find(kBadAdler) != std::string::npos && reader.badChecksum.empty())
    reader.badChecksum = text;
  if (text.find("CRC error") == std::string::npos || text.size() < 4) return;
  if (text[0] & 0x20)  // ancillary: dropped
    reader.leftOut.push_back(
        Say(QV_TEXT("its %1 chunk is damaged and was left out"), text.substr(0, 4)));
  else if (reader.badChecksum.empty())
    reader.badChecksum = text;
}

void ReadBytes(png_structp png, png_bytep out, std::size_t count) {
  PngReader &reader = *static_cast<PngReader *>(png_get_io_ptr(png));
  if (!reader.input->Read(out, count)) png_error(png, kCutShort.English);
}

// Runs body, which may only call libpng and touch plain data; a libpng
// error comes back as false.
template <class Body>
bool RunPng(PngReader &reader, Body &&body) {
  if (setjmp(reader.jump)) return false;
  body();
  return true;
}

void ReadMetadata(const PngReader &r, Metadata &meta) {
  png_charp name = nullptr;
  int compression = 0;
  png_bytep profile = nullptr;
  png_uint_32 profileBytes = 0;
  if (png_get_iCCP(r.png, r.info, &name, &compression, &profile, &profileBytes) && profile)
    meta.Icc.assign(profile, profile + profileBytes);
  png_uint_32 exifBytes = 0;
  png_bytep exif = nullptr;
  if (png_get_eXIf_1(r.png, r.info, &exifBytes, &exif) && exif)
    meta.Exif.assign(exif, exif + exifBytes);
  png_textp texts = nullptr;
  int count = 0;
  png_get_text(r.png, r.info, &texts, &count);
  for (int i = 0; i < count; ++i) {
    const png_text &t = texts[i];
    const std::size_t length = t.compression > 0 ? t.itxt_length : t.text_length;
    if (!t.text) continue;
    if (std::strcmp(t.key, "XML:com.adobe.xmp") == 0)
      meta.Xmp.assign(t.text, t.text + length);
    else if (std::strcmp(t.key, "Comment") == 0)
      meta.Comments.emplace_back(t.text, length);
  }
}

}  // namespace

bool LooksLikePng(std::span<const std::uint8_t> data) {
  return data.size() >= 8 && std::memcmp(data.data(), kSignature, 8) == 0;
}

namespace {

// One decode; with ignoreChecksum the zlib streams' checksums are not
// compared (a file whose only damage is one opens whole).
DecodedPicture Decode(const PngChunkPlan &plan, bool ignoreChecksum, bool &badAdler) {
  PngPieceReader input(plan);
  PngReader r;
  r.input = &input;
  r.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &r, JumpBack, Warn);
  if (!r.png || !(r.info = png_create_info_struct(r.png))) throw Error(QV_TEXT("Out of memory"));
  png_uint_32 width = 0, height = 0;
  int depth = 0, colorType = 0, interlace = 0, passes = 1, channels = 0;
  const bool headerRead = RunPng(r, [&] {
    png_set_read_fn(r.png, &r, ReadBytes);
    png_set_user_limits(r.png, kMaxSide, kMaxSide);
    png_set_chunk_malloc_max(r.png, kMaxMetadataBlockBytes);
    png_set_chunk_cache_max(r.png, kMaxTextChunks);
    // Damage libpng can step over (a bad ancillary chunk) is no reason to
    // refuse the picture; a critical chunk whose CRC is wrong is used, and
    // said.
    png_set_benign_errors(r.png, 1);
    png_set_crc_action(r.png, PNG_CRC_WARN_USE, PNG_CRC_WARN_DISCARD);
    if (ignoreChecksum) png_set_option(r.png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
    png_read_info(r.png, r.info);
    png_get_IHDR(r.png, r.info, &width, &height, &depth, &colorType, &interlace, nullptr, nullptr);
  });
  if (!headerRead) RefuseImage("PNG", r.Reason());
  CheckPictureSize(width, height);
  const std::uint64_t rawBytes =
      std::uint64_t(height) *
      (1 + (std::uint64_t(width) * png_get_channels(r.png, r.info) * std::uint64_t(depth) + 7) / 8);
  if (plan.PictureBytes * kMaxInflation < rawBytes)
    RefuseImage("PNG", QV_TEXT("the file ends before its pixels do"));

  const bool transformed = RunPng(r, [&] {
    png_set_expand(r.png);    // palette to colour, small grey to 8 bits, tRNS to alpha
    png_set_scale_16(r.png);  // (v * 255 + 32767) / 65535
    png_set_gray_to_rgb(r.png);
    png_set_bgr(r.png);
    passes = png_set_interlace_handling(r.png);
    // libpng reads picture data 8 KB at a time and stops at a read that
    // the file cannot fill; in small steps, a file cut short gives every
    // row its data holds.
    if (plan.Cut) png_set_compression_buffer_size(r.png, kCutReadBytes);
    png_read_update_info(r.png, r.info);
    channels = png_get_channels(r.png, r.info);
  });
  if (!transformed) RefuseImage("PNG", r.Reason());

  DecodedPicture decoded;
  Bitmap &picture = decoded.Pixels;
  picture.Recreate(int(width), int(height));
  const SampleLayout layout{channels, true, 255};
  const std::size_t rowBytes = std::size_t(width) * std::size_t(channels);
  // Interlaced rows fill in over several passes, so they are all kept;
  // otherwise one row at a time goes straight into the picture.
  std::vector<std::uint8_t> rows(passes > 1 ? rowBytes * height : rowBytes, 128);
  if (passes > 1)
    for (std::size_t i = 3; channels == 4 && i < rows.size(); i += 4) rows[i] = 255;
  const RunProgress progress;
  const std::uint64_t total = std::uint64_t(passes) * height;
  bool cancelled = false;
  const bool complete = RunPng(r, [&] {
    for (int pass = 0; pass < passes; ++pass)
      for (png_uint_32 y = 0; y < height; ++y) {
        std::uint8_t *row = passes > 1 ? &rows[rowBytes * y] : rows.data();
        png_read_row(r.png, row, nullptr);
        if (passes == 1) ToBgrRow(row, layout, picture.ScanLine(int(y)), int(width));
        ++r.rowsRead;
        if (r.rowsRead % 64 == 0) {
          progress.Report(double(r.rowsRead) / double(total));
          if ((cancelled = progress.Cancelled())) return;
        }
      }
  });
  if (cancelled) throw Cancelled();
  badAdler = std::strstr(r.error, kBadAdler) != nullptr;
  if (!complete && badAdler && !ignoreChecksum) return {};
  if (!complete && r.rowsRead == 0) RefuseImage("PNG", r.Reason());
  if (passes > 1)
    for (png_uint_32 y = 0; y < height; ++y)
      ToBgrRow(&rows[rowBytes * y], layout, picture.ScanLine(int(y)), int(width));
  else if (!complete)
    FillMissingRows(picture.ScanLine(r.rowsRead), picture.RowBytes(), int(height) - r.rowsRead);
  if (!complete) decoded.Warnings.push_back(DamageWarning(r.Reason()));
  // Chunks after the picture data (EXIF and text may be there); a file that
  // ends without them is complete enough.
  else
    RunPng(r, [&] { png_read_end(r.png, r.info); });

  if (!r.badChecksum.empty()) decoded.Warnings.push_back(BadChecksum(r.badChecksum));
  decoded.Warnings.insert(decoded.Warnings.end(), r.leftOut.begin(), r.leftOut.end());
  ReadMetadata(r, decoded.Meta);
  return decoded;
}

}  // namespace

DecodedPicture DecodePngPicture(std::span<const std::uint8_t> data) {
  if (!LooksLikePng(data)) RefuseImage("PNG", QV_TEXT("it does not start with the PNG signature"));
  const PngChunkPlan plan = PlanPngChunks(data);
  bool badAdler = false;
  DecodedPicture decoded = Decode(plan, false, badAdler);
  // A picture whose only fault is the checksum of its compressed data is
  // read again without comparing it, and said.
  if (badAdler) {
    decoded = Decode(plan, true, badAdler);
    decoded.Warnings.insert(decoded.Warnings.begin(), BadChecksum(kBadAdler));
  }
  if (plan.MetadataLeftOut)
    decoded.Warnings.push_back(QV_TEXT("some of its metadata was too large and was left out"));
  CheckMetadata(decoded.Meta, decoded.Warnings);
  decoded.Orientation = ExifOrientation(decoded.Meta.Exif);
  return decoded;
}

}  // namespace qv
