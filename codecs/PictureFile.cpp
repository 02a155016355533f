// Pictures on disk: choosing the codec for a file and its extension.

#include "codecs/Codecs.h"
#include "gfx/Error.h"
#include "gfx/Text.h"

namespace qv {

namespace {

// The text after the last dot of the file name, as written; empty when the
// name has no dot.
std::string ExtensionOf(const std::string &path) {
  const std::size_t slash = path.rfind('/');
  const std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  return path.substr(dot + 1);
}

[[noreturn]] void UnknownExtension(const std::string &path) {
  throw MakeError("Unknown picture file extension (.%s)", ExtensionOf(path).c_str());
}

Bitmap Decode(PictureFormat format, std::span<const std::uint8_t> data) {
  return format == PictureFormat::Bmp ? DecodeBmp(data) : DecodeJpeg(data);
}

}  // namespace

PictureFormat SniffFormat(std::span<const std::uint8_t> data) {
  if (data.size() >= 2 && data[0] == 'B' && data[1] == 'M') return PictureFormat::Bmp;
  if (data.size() >= 2 && data[0] == 0xFF && data[1] == 0xD8) return PictureFormat::Jpeg;
  return PictureFormat::Unknown;
}

PictureFormat FormatFromExtension(const std::string &path) {
  const std::string ext = LowerAscii(ExtensionOf(path));
  if (ext == "bmp") return PictureFormat::Bmp;
  if (ext == "jpg" || ext == "jpeg") return PictureFormat::Jpeg;
  return PictureFormat::Unknown;
}

Bitmap ReadPicture(const std::string &path) {
  const Bytes data = ReadFileBytes(path);
  if (const PictureFormat sniffed = SniffFormat(data); sniffed != PictureFormat::Unknown)
    return Decode(sniffed, data);
  // Content that is neither format: the codec its name promises explains
  // what is wrong with it ("Bitmap image is not valid", "JPEG error #N").
  if (const PictureFormat named = FormatFromExtension(path); named != PictureFormat::Unknown)
    return Decode(named, data);
  UnknownExtension(path);
}

void WritePicture(const std::string &path, const Bitmap &bitmap) {
  const PictureFormat format = FormatFromExtension(path);
  if (format == PictureFormat::Unknown) UnknownExtension(path);
  // Encode first, so that a failure leaves any existing file untouched.
  const Bytes data = format == PictureFormat::Bmp ? EncodeBmp(bitmap) : EncodeJpeg(bitmap);
  WriteFileBytes(path, data);
}

}  // namespace qv
