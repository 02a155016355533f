// Uncompressed 24-bit bottom-up BMP with a 40-byte info header.

#include <algorithm>
#include <cstring>
#include <vector>

#include "codecs/Codecs.h"
#include "gfx/Error.h"

namespace qv {

namespace {

constexpr std::size_t kHeadersBytes = 14 + 40;
// Rows are handed to the sink in pieces of about this size.
constexpr std::size_t kBufferBytes = std::size_t(1) << 20;

void Put16(std::uint8_t *at, std::uint32_t v) {
  at[0] = std::uint8_t(v);
  at[1] = std::uint8_t(v >> 8);
}

void Put32(std::uint8_t *at, std::uint32_t v) {
  Put16(at, v & 0xFFFF);
  Put16(at + 2, v >> 16);
}

}  // namespace

void EncodeBmp(const Bitmap &bitmap, ByteSink &sink) {
  // A file without pixels would be one that no reader accepts.
  if (bitmap.Empty()) throw Error(QV_TEXT("Bitmap image is not valid"));
  const std::size_t stride = (bitmap.RowBytes() + 3) & ~std::size_t(3);
  const std::size_t imageBytes = stride * std::size_t(bitmap.Height());
  const std::size_t fileBytes = kHeadersBytes + imageBytes;
  if (fileBytes > 0xFFFFFFFFu) throw Error(QV_TEXT("Picture is too large for a BMP file"));

  // The headers and then the rows, bottom row first, a buffer at a time;
  // zeros fill the row padding.
  const std::size_t rowsPerPut = std::max<std::size_t>(1, kBufferBytes / stride);
  std::vector<std::uint8_t> buffer(
      std::max(kHeadersBytes, std::min(imageBytes, rowsPerPut * stride)));
  std::uint8_t *h = buffer.data();
  h[0] = 'B', h[1] = 'M';
  Put32(h + 2, std::uint32_t(fileBytes));
  Put32(h + 10, kHeadersBytes);
  Put32(h + 14, 40);
  Put32(h + 18, std::uint32_t(bitmap.Width()));
  Put32(h + 22, std::uint32_t(bitmap.Height()));
  Put16(h + 26, 1);   // planes
  Put16(h + 28, 24);  // bits per pixel
  Put32(h + 34, std::uint32_t(imageBytes));
  if (!sink.Put({h, kHeadersBytes})) sink.RethrowFailure();

  std::fill(buffer.begin(), buffer.end(), 0);
  for (int y = bitmap.Height() - 1; y >= 0;) {
    std::size_t used = 0;
    for (; y >= 0 && used + stride <= buffer.size(); --y, used += stride)
      std::memcpy(buffer.data() + used, bitmap.ScanLine(y), bitmap.RowBytes());
    if (!sink.Put({buffer.data(), used})) sink.RethrowFailure();
  }
}

Bytes EncodeBmp(const Bitmap &bitmap) {
  BytesSink sink;
  sink.Data.reserve(kHeadersBytes + (bitmap.RowBytes() + 3) / 4 * 4 * std::size_t(bitmap.Height()));
  EncodeBmp(bitmap, sink);
  return std::move(sink.Data);
}

}  // namespace qv
