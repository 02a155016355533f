#pragma once

// Reading and writing pictures. Every decoder gives a 24-bit Bitmap, checks
// the declared size against the pixel limit before allocating, and reports
// failure by throwing qv::Error with the program's message, followed by a
// colon and the reason:
//   "Cannot open file %s: ..."          a file that cannot be read or written
//   "JPEG error #%d: ..."               any libjpeg error, with libjpeg's text
//   "Bitmap image is not valid: ..."    anything that is no valid BMP
//   "PNG image is not valid: ..."       and so on for PNG, WebP, TIFF, HEIF, AVIF
//   "Unknown picture file extension (.%s): ..."  no codec for the file
// A decoder that throws has not touched anything the caller owns. Damage a
// decoder can work around is reported beside the picture (Picture.h).

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "codecs/ByteSink.h"
#include "codecs/Picture.h"
#include "gfx/Bitmap.h"
#include "gfx/LargeMemory.h"

namespace qv {

// JPEG through libjpeg with its default decompression settings (full scale);
// greyscale becomes 24-bit grey, CMYK and YCCK are converted to RGB. The
// picture comes with its metadata and orientation, still as stored.
DecodedPicture DecodeJpegPicture(std::span<const std::uint8_t> data);
// The same, telling follower of the rows as they are decoded.
DecodedPicture DecodeJpegPicture(std::span<const std::uint8_t> data, DecodeFollower &follower);
// The pixels alone, as stored (asset files).
Bitmap DecodeJpeg(std::span<const std::uint8_t> data);
// Baseline JFIF, colour, default (4:2:0) subsampling, with meta written as
// given (see MetadataForOutput). Refuses a side above kMaxJpegSide.
Bytes EncodeJpeg(const Bitmap &bitmap, int quality = 90, const Metadata &meta = {});
// The same bytes handed to sink as they are made.
void EncodeJpeg(const Bitmap &bitmap, int quality, const Metadata &meta, ByteSink &sink);
inline constexpr int kMaxJpegSide = 65500;

// Windows bitmaps: 1, 4, 8, 16, 24 and 32 bits, RLE4/RLE8, bit fields,
// top-down and bottom-up, OS/2 1.x and 2.x headers. A BMP holds no metadata.
DecodedPicture DecodeBmpPicture(std::span<const std::uint8_t> data);
Bitmap DecodeBmp(std::span<const std::uint8_t> data);
// Uncompressed 24-bit bottom-up BMP.
Bytes EncodeBmp(const Bitmap &bitmap);
void EncodeBmp(const Bitmap &bitmap, ByteSink &sink);

// PNG through libpng: every colour type and bit depth, interlaced or not;
// 16-bit samples rounded to 8 bits, transparency laid over white; an
// animated PNG gives its first frame. Keeps eXIf, iCCP, XMP (iTXt) and
// "Comment" texts.
bool LooksLikePng(std::span<const std::uint8_t> data);
DecodedPicture DecodePngPicture(std::span<const std::uint8_t> data);
// 8-bit RGB.
Bytes EncodePng(const Bitmap &bitmap, const Metadata &meta = {});

// WebP through libwebp: lossy or lossless, alpha over white, the first
// frame of an animation. Keeps the EXIF, ICCP and XMP chunks.
bool LooksLikeWebp(std::span<const std::uint8_t> data);
DecodedPicture DecodeWebpPicture(std::span<const std::uint8_t> data);
// Lossy; refuses a side above kMaxWebpSide.
Bytes EncodeWebp(const Bitmap &bitmap, int quality = 90, const Metadata &meta = {});
inline constexpr int kMaxWebpSide = 16383;

// TIFF through libtiff: the first page; 8 and 16-bit RGB, grey and CMYK,
// 1 to 8-bit grey and palettes; uncompressed, LZW, deflate, PackBits or
// JPEG; strips or tiles. Keeps the colour profile, XMP, Photoshop
// resources (IPTC), the description (as a comment) and the EXIF tags; its
// orientation tag turns it upright.
bool LooksLikeTiff(std::span<const std::uint8_t> data);
DecodedPicture DecodeTiffPicture(std::span<const std::uint8_t> data);
// 8-bit RGB, deflate.
Bytes EncodeTiff(const Bitmap &bitmap, const Metadata &meta = {});

// HEIF (HEIC) and AVIF through libheif, read only: the primary picture,
// upright by the file's own rotation and mirroring, deeper samples rounded
// to 8 bits, alpha over white. Keeps EXIF, XMP and the ICC profile.
bool LooksLikeHeif(std::span<const std::uint8_t> data);
bool LooksLikeAvif(std::span<const std::uint8_t> data);
DecodedPicture DecodeHeifPicture(std::span<const std::uint8_t> data);
DecodedPicture DecodeAvifPicture(std::span<const std::uint8_t> data);

enum class PictureFormat { Unknown, Bmp, Jpeg, Png, Webp, Tiff, Heif, Avif };

// One entry per file format (CodecTable.cpp); the format of a file is found
// by its content, the format to write by the target's extension.
struct PictureCodec {
  PictureFormat Format;
  const char *Name;                      // "JPEG"
  std::vector<const char *> Extensions;  // lower case, the first is the one a save adds
  bool (*Sniff)(std::span<const std::uint8_t> head);
  DecodedPicture (*Decode)(std::span<const std::uint8_t> data);
  // Metadata the format cannot hold is ignored; null when the format is
  // read only.
  Bytes (*Encode)(const Bitmap &bitmap, const Metadata &meta);
  // The same bytes handed to a sink as they are made (a file being
  // written), where the format has it.
  void (*EncodeTo)(const Bitmap &bitmap, const Metadata &meta, ByteSink &sink) = nullptr;
};
const std::vector<PictureCodec> &PictureCodecs();
const PictureCodec *FindCodec(PictureFormat format);

// By content: the first codec whose Sniff accepts the bytes.
PictureFormat SniffFormat(std::span<const std::uint8_t> data);
// By extension, without regard to case: .bmp, .jpg, .jpeg, .png, ...
PictureFormat FormatFromExtension(const std::string &path);

// A file's bytes, read in one go into memory of their own, which is not
// filled with anything first.
class FileContents {
 public:
  std::uint8_t *data() { return data_.get(); }
  const std::uint8_t *data() const { return data_.get(); }
  std::size_t size() const { return size_; }
  std::size_t capacity() const { return capacity_; }
  operator std::span<const std::uint8_t>() const { return {data(), size()}; }
  // Room for bytes in all; the bytes held stay.
  void Reserve(std::size_t bytes);
  // Takes count more bytes, already written past the end, into the contents.
  void Grow(std::size_t count) { size_ += count; }

 private:
  LargeBlock data_;
  std::size_t size_ = 0, capacity_ = 0;
};
FileContents ReadFileContents(const std::string &path);
// The same as a vector.
Bytes ReadFileBytes(const std::string &path);
// Replaces path once every byte is on disk. An existing file that no one may
// write to (no write permission bit, or none for this user) is refused with
// "Cannot open file %s: the file is read-only" unless replaceReadOnly is
// set, also for root.
void WriteFileBytes(const std::string &path, std::span<const std::uint8_t> data,
                    bool replaceReadOnly = false);
// Whether path is an existing file that WriteFileBytes refuses by default.
bool IsReadOnlyFile(const std::string &path);

// The picture in data, chosen by its content, turned upright by its EXIF
// orientation, with its metadata and warnings. Content of no known format
// goes to the codec that name's extension promises, which says what is
// wrong with it; without one the error is "Unknown picture file extension".
// A follower, where given, is told of the rows of a picture that can be
// followed (see DecodeFollower).
DecodedPicture DecodePicture(std::span<const std::uint8_t> data, const std::string &name,
                             DecodeFollower *follower = nullptr);
// DecodePicture of the file's bytes.
DecodedPicture ReadPictureFile(const std::string &path, DecodeFollower *follower = nullptr);
// Only the upright pixels.
Bitmap ReadPicture(const std::string &path);

struct WriteOptions {
  bool StripMetadata = false;
  bool ReplaceReadOnly = false;
  // JPEG and WebP: 1 to 100; 0 is the formats' own 90. The others ignore it.
  int Quality = 0;
};
// The file's bytes for a picture written to name, by its extension: the
// metadata made to fit the picture (MetadataForOutput) unless stripped.
Bytes EncodePicture(const std::string &name, const Bitmap &bitmap, const Metadata &meta,
                    bool stripMetadata = false);
// The same for a format chosen otherwise (the editor's save filter).
Bytes EncodePicture(PictureFormat format, const Bitmap &bitmap, const Metadata &meta,
                    bool stripMetadata = false);
// The encoder writes into a temporary beside the file as it goes, which
// replaces the file at the end; a failure leaves any existing file untouched.
void WritePictureFile(const std::string &path, const Bitmap &bitmap, const Metadata &meta,
                      const WriteOptions &options = {});
// The same for a format chosen otherwise (the editor's save filter).
void WritePictureFile(const std::string &path, PictureFormat format, const Bitmap &bitmap,
                      const Metadata &meta, const WriteOptions &options = {});
// Without metadata.
void WritePicture(const std::string &path, const Bitmap &bitmap);

// The damage worked around in reading a picture, "<warning>; <warning>",
// and the line for the user about it, "<name>: <warning>; <warning>" (its
// English is the command line's).
Text JoinedWarnings(const std::vector<Text> &warnings);
Text WarningText(const std::string &name, const std::vector<Text> &warnings);
std::string WarningLine(const std::string &name, const std::vector<Text> &warnings);

}  // namespace qv
