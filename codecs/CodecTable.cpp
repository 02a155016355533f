// The file formats the program reads and writes. A new format is one
// decoder, one encoder and one entry here.

#include "codecs/Codecs.h"

namespace qv {

namespace {

bool LooksLikeBmp(std::span<const std::uint8_t> d) {
  return d.size() >= 2 && d[0] == 'B' && d[1] == 'M';
}
bool LooksLikeJpeg(std::span<const std::uint8_t> d) {
  return d.size() >= 2 && d[0] == 0xFF && d[1] == 0xD8;
}

Bytes WriteBmp(const Bitmap &bitmap, const Metadata &) {
  return EncodeBmp(bitmap);
}
Bytes WriteJpeg(const Bitmap &bitmap, const Metadata &meta) {
  return EncodeJpeg(bitmap, 90, meta);
}
void WriteBmpTo(const Bitmap &bitmap, const Metadata &, ByteSink &sink) {
  EncodeBmp(bitmap, sink);
}
void WriteJpegTo(const Bitmap &bitmap, const Metadata &meta, ByteSink &sink) {
  EncodeJpeg(bitmap, 90, meta, sink);
}

}  // namespace

const std::vector<PictureCodec> &PictureCodecs() {
  static const std::vector<PictureCodec> codecs = {
      {PictureFormat::Bmp, "BMP", {"bmp"}, LooksLikeBmp, DecodeBmpPicture, WriteBmp, WriteBmpTo},
      {PictureFormat::Jpeg,
       "JPEG",
       {"jpg", "jpeg"},
       LooksLikeJpeg,
       DecodeJpegPicture,
       WriteJpeg,
       WriteJpegTo},
  };
  return codecs;
}

const PictureCodec *FindCodec(PictureFormat format) {
  for (const PictureCodec &codec : PictureCodecs())
    if (codec.Format == format) return &codec;
  return nullptr;
}

}  // namespace qv
