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
Bytes WriteWebp(const Bitmap &bitmap, const Metadata &meta) {
  return EncodeWebp(bitmap, 90, meta);
}

}  // namespace

const std::vector<PictureCodec> &PictureCodecs() {
  // JPEG first: the editor's save dialog offers the writable formats in
  // this order, the first as the default, BMP second.
  static const std::vector<PictureCodec> codecs = {
      {PictureFormat::Jpeg,
       "JPEG",
       {"jpg", "jpeg", "jpe", "jfif"},
       LooksLikeJpeg,
       DecodeJpegPicture,
       WriteJpeg,
       WriteJpegTo},
      {PictureFormat::Bmp, "BMP", {"bmp"}, LooksLikeBmp, DecodeBmpPicture, WriteBmp, WriteBmpTo},
      {PictureFormat::Png, "PNG", {"png"}, LooksLikePng, DecodePngPicture, EncodePng},
      {PictureFormat::Webp, "WebP", {"webp"}, LooksLikeWebp, DecodeWebpPicture, WriteWebp},
      {PictureFormat::Tiff, "TIFF", {"tif", "tiff"}, LooksLikeTiff, DecodeTiffPicture, EncodeTiff},
      {PictureFormat::Heif, "HEIC", {"heic", "heif"}, LooksLikeHeif, DecodeHeifPicture, nullptr},
      {PictureFormat::Avif, "AVIF", {"avif"}, LooksLikeAvif, DecodeAvifPicture, nullptr},
  };
  return codecs;
}

const PictureCodec *FindCodec(PictureFormat format) {
  for (const PictureCodec &codec : PictureCodecs())
    if (codec.Format == format) return &codec;
  return nullptr;
}

}  // namespace qv
