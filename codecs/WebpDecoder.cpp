// WebP decoding through libwebp: lossy and lossless, with or without alpha;
// an animation shows its first frame as the canvas holds it. A still
// picture is decoded incrementally, so one that is cut short opens with
// the rows it has.

#include <webp/decode.h>
#include <webp/demux.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "codecs/Codecs.h"
#include "codecs/Metadata.h"
#include "codecs/SampleRows.h"
#include "gfx/Error.h"
#include "gfx/RunControl.h"

namespace qv {

namespace {

MarkedText Reason(VP8StatusCode status) {
  switch (status) {
    case VP8_STATUS_OUT_OF_MEMORY:
      return QV_TEXT("out of memory");
    case VP8_STATUS_UNSUPPORTED_FEATURE:
      return QV_TEXT("it uses a feature this reader does not know");
    case VP8_STATUS_SUSPENDED:
    case VP8_STATUS_NOT_ENOUGH_DATA:
      return QV_TEXT("the file ends before its pixels do");
    default:
      return QV_TEXT("its picture data is damaged");
  }
}

// A feature libwebp does not know makes a kind of picture, not a damaged one.
[[noreturn]] void Refuse(VP8StatusCode status) {
  if (status == VP8_STATUS_UNSUPPORTED_FEATURE) RefuseKind("WebP", Reason(status));
  RefuseImage("WebP", Reason(status));
}

struct DemuxDelete {
  void operator()(WebPDemuxer *d) const { WebPDemuxDelete(d); }
};
struct IncrementalDelete {
  void operator()(WebPIDecoder *d) const { WebPIDelete(d); }
};
struct AnimDelete {
  void operator()(WebPAnimDecoder *d) const { WebPAnimDecoderDelete(d); }
};

// A chunk's payload; EXIF chunks written with JPEG's "Exif\0\0" in front
// lose it, so that the block starts at its byte-order mark.
Bytes Chunk(WebPDemuxer *demux, const char *fourcc) {
  WebPChunkIterator it;
  if (!WebPDemuxGetChunk(demux, fourcc, 1, &it)) return {};
  Bytes bytes(it.chunk.bytes, it.chunk.bytes + it.chunk.size);
  WebPDemuxReleaseChunkIterator(&it);
  if (std::strcmp(fourcc, "EXIF") == 0 && bytes.size() >= 6 &&
      std::memcmp(bytes.data(), "Exif\0\0", 6) == 0)
    bytes.erase(bytes.begin(), bytes.begin() + 6);
  return bytes;
}

void FirstFrame(std::span<const std::uint8_t> data, Bitmap &picture) {
  const WebPData whole{data.data(), data.size()};
  WebPAnimDecoderOptions options;
  WebPAnimDecoderOptionsInit(&options);
  options.color_mode = MODE_BGRA;
  options.use_threads = 0;
  const std::unique_ptr<WebPAnimDecoder, AnimDelete> decoder(WebPAnimDecoderNew(&whole, &options));
  std::uint8_t *canvas = nullptr;
  int timestamp = 0;
  if (!decoder || !WebPAnimDecoderGetNext(decoder.get(), &canvas, &timestamp))
    RefuseImage("WebP", QV_TEXT("its first frame cannot be decoded"));
  const SampleLayout layout{4, true, 255};
  const std::size_t stride = std::size_t(picture.Width()) * 4;
  for (int y = 0; y < picture.Height(); ++y)
    ToBgrRow(canvas + stride * std::size_t(y), layout, picture.ScanLine(y), picture.Width());
}

// Decodes into the picture; rows after the last one decoded are missing
// when the data ends early.
void StillPicture(std::span<const std::uint8_t> data, bool alpha, DecodedPicture &decoded) {
  Bitmap &picture = decoded.Pixels;
  const int width = picture.Width(), height = picture.Height();
  WebPDecBuffer output;
  WebPInitDecBuffer(&output);
  std::vector<std::uint8_t> bgra(alpha ? std::size_t(width) * 4 * std::size_t(height) : 0);
  output.colorspace = alpha ? MODE_BGRA : MODE_BGR;
  output.is_external_memory = 1;
  output.u.RGBA.rgba = alpha ? bgra.data() : picture.Bits();
  output.u.RGBA.stride = alpha ? width * 4 : width * 3;
  output.u.RGBA.size = alpha ? bgra.size() : picture.ByteCount();
  const std::unique_ptr<WebPIDecoder, IncrementalDelete> decoder(WebPINewDecoder(&output));
  if (!decoder) throw Error(QV_TEXT("Out of memory"));
  // The data goes in a step at a time, so that a decode can be cancelled
  // and tell how far it has come.
  constexpr std::size_t kStep = std::size_t(1) << 16;
  const RunProgress progress;
  VP8StatusCode status = VP8_STATUS_SUSPENDED;
  for (std::size_t given = 0; given < data.size() && status == VP8_STATUS_SUSPENDED;) {
    if (progress.Cancelled()) throw Cancelled();
    given = std::min(data.size(), given + kStep);
    status = WebPIUpdate(decoder.get(), data.data(), given);
    int done = 0, w = 0, h = 0, stride = 0;
    if (WebPIDecGetRGB(decoder.get(), &done, &w, &h, &stride))
      progress.Report(double(done) / height);
  }
  int rows = 0;
  if (status == VP8_STATUS_OK) {
    rows = height;
  } else if (status == VP8_STATUS_SUSPENDED) {
    int w = 0, h = 0, stride = 0;
    if (!WebPIDecGetRGB(decoder.get(), &rows, &w, &h, &stride)) rows = 0;
  }
  if (rows <= 0) Refuse(status);
  if (alpha) {
    const SampleLayout layout{4, true, 255};
    for (int y = 0; y < rows; ++y)
      ToBgrRow(&bgra[std::size_t(width) * 4 * std::size_t(y)], layout, picture.ScanLine(y), width);
  }
  if (rows < height) {
    FillMissingRows(picture.ScanLine(rows), picture.RowBytes(), height - rows);
    decoded.Warnings.push_back(DamageWarning(Reason(status)));
  }
}

}  // namespace

bool LooksLikeWebp(std::span<const std::uint8_t> data) {
  return data.size() >= 12 && std::memcmp(data.data(), "RIFF", 4) == 0 &&
         std::memcmp(data.data() + 8, "WEBP", 4) == 0;
}

DecodedPicture DecodeWebpPicture(std::span<const std::uint8_t> data) {
  if (!LooksLikeWebp(data)) RefuseImage("WebP", QV_TEXT("it does not start with a WebP header"));
  const WebPData whole{data.data(), data.size()};
  WebPDemuxState state = WEBP_DEMUX_PARSE_ERROR;
  const std::unique_ptr<WebPDemuxer, DemuxDelete> demux(WebPDemuxPartial(&whole, &state));
  if (!demux || state == WEBP_DEMUX_PARSE_ERROR)
    RefuseImage("WebP", QV_TEXT("its chunks are not valid"));
  if (state == WEBP_DEMUX_PARSING_HEADER)
    RefuseImage("WebP", QV_TEXT("the file ends before its header does"));
  const std::uint32_t flags = WebPDemuxGetI(demux.get(), WEBP_FF_FORMAT_FLAGS);
  const std::int64_t width = WebPDemuxGetI(demux.get(), WEBP_FF_CANVAS_WIDTH);
  const std::int64_t height = WebPDemuxGetI(demux.get(), WEBP_FF_CANVAS_HEIGHT);
  if (width <= 0 || height <= 0)
    RefuseImage("WebP", QV_TEXT("the file ends before its header does"));
  CheckPictureSize(width, height);

  DecodedPicture decoded;
  decoded.Pixels.Recreate(int(width), int(height));
  if (flags & ANIMATION_FLAG) {
    FirstFrame(data, decoded.Pixels);
  } else {
    WebPBitstreamFeatures features;
    const VP8StatusCode status = WebPGetFeatures(data.data(), data.size(), &features);
    if (status != VP8_STATUS_OK) Refuse(status);
    if (features.width != width || features.height != height)
      RefuseImage("WebP", QV_TEXT("its picture and its canvas differ in size"));
    StillPicture(data, features.has_alpha, decoded);
  }
  Metadata &meta = decoded.Meta;
  meta.Icc = Chunk(demux.get(), "ICCP");
  meta.Exif = Chunk(demux.get(), "EXIF");
  meta.Xmp = Chunk(demux.get(), "XMP ");
  CheckMetadata(meta, decoded.Warnings);
  decoded.Orientation = ExifOrientation(meta.Exif);
  return decoded;
}

}  // namespace qv
