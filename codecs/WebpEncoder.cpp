// WebP encoding through libwebp: lossy at the quality of a saved JPEG, with
// the colour profile, EXIF and XMP as chunks of the extended format.

#include <webp/encode.h>
#include <webp/mux.h>

#include <memory>

#include "codecs/Codecs.h"
#include "gfx/Error.h"

namespace qv {

namespace {

struct MuxDelete {
  void operator()(WebPMux *mux) const { WebPMuxDelete(mux); }
};
struct WebpFree {
  void operator()(std::uint8_t *data) const { WebPFree(data); }
};

void AddChunk(WebPMux *mux, const char *fourcc, const Bytes &block) {
  if (block.empty()) return;
  const WebPData data{block.data(), block.size()};
  if (WebPMuxSetChunk(mux, fourcc, &data, 1) != WEBP_MUX_OK)
    throw Error(QV_TEXT("WebP error: out of memory"));
}

}  // namespace

Bytes EncodeWebp(const Bitmap &bitmap, int quality, const Metadata &meta) {
  if (bitmap.Width() > kMaxWebpSide || bitmap.Height() > kMaxWebpSide)
    throw Error(Say(QV_TEXT("Picture is too large for a WebP file (%1 x %2 pixels): WebP holds at "
                            "most 16,383 pixels a side; save it as PNG or TIFF, which can hold it"),
                    bitmap.Width(), bitmap.Height()));
  if (bitmap.Empty()) throw Error(QV_TEXT("WebP image is not valid: a picture without pixels"));
  std::uint8_t *coded = nullptr;
  const std::size_t size = WebPEncodeBGR(bitmap.Bits(), bitmap.Width(), bitmap.Height(),
                                         int(bitmap.RowBytes()), float(quality), &coded);
  const std::unique_ptr<std::uint8_t, WebpFree> owned(coded);
  if (size == 0) throw Error(QV_TEXT("WebP error: the picture could not be encoded"));
  if (meta.Icc.empty() && meta.Exif.empty() && meta.Xmp.empty()) return Bytes(coded, coded + size);

  const std::unique_ptr<WebPMux, MuxDelete> mux(WebPMuxNew());
  const WebPData image{coded, size};
  if (!mux || WebPMuxSetImage(mux.get(), &image, 0) != WEBP_MUX_OK)
    throw Error(QV_TEXT("WebP error: out of memory"));
  AddChunk(mux.get(), "ICCP", meta.Icc);
  AddChunk(mux.get(), "EXIF", meta.Exif);
  AddChunk(mux.get(), "XMP ", meta.Xmp);
  WebPData assembled;
  WebPDataInit(&assembled);
  if (WebPMuxAssemble(mux.get(), &assembled) != WEBP_MUX_OK)
    throw Error(QV_TEXT("WebP error: the picture could not be assembled"));
  Bytes out(assembled.bytes, assembled.bytes + assembled.size);
  WebPDataClear(&assembled);
  return out;
}

}  // namespace qv
