#include "kernels/ThumbnailPicture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "gfx/ReduceByArea.h"
#include "kernels/Categories.h"

namespace qv {

Bitmap ClassicThumbnail(const Bitmap &picture) {
  Bitmap thumb;
  thumb.Recreate(kThumbnailSide, kThumbnailSide);
  thumb.StretchDraw({0, 0, kThumbnailSide, kThumbnailSide}, picture);
  return thumb;
}

PixelSize FittedThumbnailSize(int width, int height, int cellWidth, int cellHeight) {
  if (width <= 0 || height <= 0 || cellWidth <= 0 || cellHeight <= 0) return {};
  const double scale = std::min({1.0, double(cellWidth) / width, double(cellHeight) / height});
  // The side that decides the scale gets the cell's (or the picture's) own
  // size exactly; the other is rounded.
  auto side = [scale](int length, int limit) {
    return std::clamp(int(std::lround(length * scale)), 1, limit);
  };
  return {side(width, std::min(width, cellWidth)), side(height, std::min(height, cellHeight))};
}

Bitmap FittedThumbnail(const Bitmap &picture, int cellWidth, int cellHeight) {
  const PixelSize size =
      FittedThumbnailSize(picture.Width(), picture.Height(), cellWidth, cellHeight);
  if (size.Width == 0) return {};
  if (size.Width == picture.Width() && size.Height == picture.Height()) return picture;
  // The reduction writes four bytes a pixel; the recipes read three.
  const std::size_t stride = std::size_t(size.Width) * 4;
  std::vector<std::uint8_t> reduced(stride * std::size_t(size.Height));
  ReduceByArea(PixelsOf(picture), {0, 0, picture.Width(), picture.Height()}, size.Width,
               size.Height, reduced.data(), stride);
  Bitmap thumb;
  thumb.Recreate(size.Width, size.Height);
  for (int y = 0; y < size.Height; ++y) {
    const std::uint8_t *from = reduced.data() + std::size_t(y) * stride;
    std::uint8_t *to = thumb.ScanLine(y);
    for (int x = 0; x < size.Width; ++x, from += 4, to += 3) {
      to[0] = from[0];
      to[1] = from[1];
      to[2] = from[2];
    }
  }
  return thumb;
}

}  // namespace qv
