// Pictures on disk: choosing the codec for a file and its extension, and
// carrying the metadata from the file read to the file written.

#include "codecs/Codecs.h"
#include "codecs/FileWriter.h"
#include "codecs/Metadata.h"
#include "codecs/Orientation.h"
#include "gfx/Error.h"
#include "gfx/RunControl.h"
#include "gfx/Text.h"
#include "gfx/VectorState.h"

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

// "JPEG, BMP, ... or AVIF", or the extensions of the formats that can be
// written (".jpg, .jpeg, ... or .tiff"), from the codec table.
Text Listed(bool extensions) {
  std::vector<std::string> names;
  for (const PictureCodec &codec : PictureCodecs()) {
    if (!extensions) names.emplace_back(codec.Name);
    if (extensions && codec.Encode)
      for (const char *ext : codec.Extensions) names.push_back(std::string(".") + ext);
  }
  Text text = Text::Verbatim(names.empty() ? "" : names[0]);
  for (std::size_t i = 1; i < names.size(); ++i)
    text = Say(i + 1 == names.size() ? QV_TEXT("%1 or %2") : QV_TEXT("%1, %2"), text, names[i]);
  return text;
}

[[noreturn]] void UnknownExtension(const std::string &path, const Text &reason) {
  const std::string ext = ExtensionOf(path);
  if (ext.empty())
    throw Error(
        Say(QV_TEXT("Unknown picture file extension: the file name has none, and %1"), reason));
  throw Error(Say(QV_TEXT("Unknown picture file extension (.%1): %2"), ext, reason));
}

}  // namespace

PictureFormat SniffFormat(std::span<const std::uint8_t> data) {
  for (const PictureCodec &codec : PictureCodecs())
    if (codec.Sniff(data)) return codec.Format;
  return PictureFormat::Unknown;
}

PictureFormat FormatFromExtension(const std::string &path) {
  const std::string ext = LowerAscii(ExtensionOf(path));
  for (const PictureCodec &codec : PictureCodecs())
    for (const char *known : codec.Extensions)
      if (ext == known) return codec.Format;
  return PictureFormat::Unknown;
}

DecodedPicture DecodePicture(std::span<const std::uint8_t> data, const std::string &name,
                             DecodeFollower *follower) {
  ClearUpperVectorState();
  PictureFormat format = SniffFormat(data);
  // Content of no known kind: the codec its name promises explains what is
  // wrong with it ("Bitmap image is not valid: ...", "JPEG error #N: ...").
  if (format == PictureFormat::Unknown) format = FormatFromExtension(name);
  if (format == PictureFormat::Unknown)
    UnknownExtension(name, Say(QV_TEXT("the file holds no %1 picture"), Listed(false)));
  DecodedPicture picture = follower && format == PictureFormat::Jpeg
                               ? DecodeJpegPicture(data, *follower)
                               : FindCodec(format)->Decode(data);
  picture.Pixels = Upright(std::move(picture.Pixels), picture.Orientation);
  picture.Orientation = 1;
  RunProgress().Report(1);
  return picture;
}

DecodedPicture ReadPictureFile(const std::string &path, DecodeFollower *follower) {
  return DecodePicture(ReadFileContents(path), path, follower);
}

Bitmap ReadPicture(const std::string &path) {
  return std::move(ReadPictureFile(path).Pixels);
}

Bytes EncodePicture(const std::string &name, const Bitmap &bitmap, const Metadata &meta,
                    bool stripMetadata) {
  const PictureFormat format = FormatFromExtension(name);
  const PictureCodec *codec = FindCodec(format);
  if (!codec) UnknownExtension(name, Say(QV_TEXT("pictures are saved as %1"), Listed(true)));
  if (!codec->Encode)
    throw Error(Say(QV_TEXT("%1 pictures can be opened but not saved: pictures are saved as %2"),
                    codec->Name, Listed(true)));
  return EncodePicture(format, bitmap, meta, stripMetadata);
}

namespace {

const PictureCodec &EncoderOf(PictureFormat format) {
  const PictureCodec *codec = FindCodec(format);
  if (!codec || !codec->Encode) throw Error(QV_TEXT("No encoder for this picture format"));
  return *codec;
}

// Only JPEG holds an extended XMP packet of its own.
Metadata Written(PictureFormat format, const Bitmap &bitmap, const Metadata &meta,
                 bool stripMetadata) {
  return stripMetadata || meta.Empty() ? Metadata()
                                       : MetadataForOutput(meta, bitmap.Width(), bitmap.Height(),
                                                           format == PictureFormat::Jpeg);
}

}  // namespace

Bytes EncodePicture(PictureFormat format, const Bitmap &bitmap, const Metadata &meta,
                    bool stripMetadata) {
  ClearUpperVectorState();
  const PictureCodec &codec = EncoderOf(format);
  return codec.Encode(bitmap, Written(format, bitmap, meta, stripMetadata));
}

void WritePictureFile(const std::string &path, const Bitmap &bitmap, const Metadata &meta,
                      const WriteOptions &options) {
  const PictureFormat format = FormatFromExtension(path);
  const PictureCodec *codec = FindCodec(format);
  if (!codec || !codec->Encode) {
    const Bytes data = EncodePicture(path, bitmap, meta, options.StripMetadata);
    return WriteFileBytes(path, data, options.ReplaceReadOnly);
  }
  WritePictureFile(path, format, bitmap, meta, options);
}

void WritePictureFile(const std::string &path, PictureFormat format, const Bitmap &bitmap,
                      const Metadata &meta, const WriteOptions &options) {
  const PictureCodec *codec = FindCodec(format);
  const int quality = options.Quality;
  if (quality && format == PictureFormat::Webp) {
    ClearUpperVectorState();
    const Bytes data =
        EncodeWebp(bitmap, quality, Written(format, bitmap, meta, options.StripMetadata));
    return WriteFileBytes(path, data, options.ReplaceReadOnly);
  }
  if (!codec || !codec->EncodeTo) {
    const Bytes data = EncodePicture(format, bitmap, meta, options.StripMetadata);
    return WriteFileBytes(path, data, options.ReplaceReadOnly);
  }
  // The encoder's bytes go straight to the file as they are made.
  const Metadata written = Written(format, bitmap, meta, options.StripMetadata);
  FileWriter file(path, options.ReplaceReadOnly);
  ClearUpperVectorState();
  if (quality && format == PictureFormat::Jpeg)
    EncodeJpeg(bitmap, quality, written, file);
  else
    codec->EncodeTo(bitmap, written, file);
  file.Commit();
}

void WritePicture(const std::string &path, const Bitmap &bitmap) {
  WritePictureFile(path, bitmap, Metadata());
}

Text JoinedWarnings(const std::vector<Text> &warnings) {
  Text text;
  for (const Text &warning : warnings)
    text = text.Empty() ? warning : Say(QV_TEXT("%1; %2"), text, warning);
  return text;
}

Text WarningText(const std::string &name, const std::vector<Text> &warnings) {
  return Say(QV_TEXT("%1: %2"), name, JoinedWarnings(warnings));
}

std::string WarningLine(const std::string &name, const std::vector<Text> &warnings) {
  return WarningText(name, warnings).English();
}

}  // namespace qv
