// Uncompressed 24-bit bottom-up BMP with a 40-byte info header.

#include <cstring>

#include "codecs/Codecs.h"
#include "gfx/Error.h"

namespace qv {

namespace {

constexpr std::size_t kHeadersBytes = 14 + 40;

void Put16(std::uint8_t *at, std::uint32_t v) {
  at[0] = std::uint8_t(v);
  at[1] = std::uint8_t(v >> 8);
}

void Put32(std::uint8_t *at, std::uint32_t v) {
  Put16(at, v & 0xFFFF);
  Put16(at + 2, v >> 16);
}

}  // namespace

Bytes EncodeBmp(const Bitmap &bitmap) {
  // A file without pixels would be one that no reader accepts.
  if (bitmap.Empty()) throw Error("Bitmap image is not valid");
  const std::size_t stride = (bitmap.RowBytes() + 3) & ~std::size_t(3);
  const std::size_t imageBytes = stride * std::size_t(bitmap.Height());
  const std::size_t fileBytes = kHeadersBytes + imageBytes;
  if (fileBytes > 0xFFFFFFFFu) throw Error("Picture is too large for a BMP file");

  Bytes file(fileBytes, 0);  // zeros also fill the row padding
  std::uint8_t *h = file.data();
  h[0] = 'B', h[1] = 'M';
  Put32(h + 2, std::uint32_t(fileBytes));
  Put32(h + 10, kHeadersBytes);
  Put32(h + 14, 40);
  Put32(h + 18, std::uint32_t(bitmap.Width()));
  Put32(h + 22, std::uint32_t(bitmap.Height()));
  Put16(h + 26, 1);   // planes
  Put16(h + 28, 24);  // bits per pixel
  Put32(h + 34, std::uint32_t(imageBytes));

  std::uint8_t *row = h + kHeadersBytes;
  for (int y = bitmap.Height() - 1; y >= 0; --y, row += stride)
    std::memcpy(row, bitmap.ScanLine(y), bitmap.RowBytes());
  return file;
}

}  // namespace qv
