#include "gfx/LongEdge.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "gfx/Bands.h"
#include "gfx/ReduceByArea.h"

namespace qv {

PictureSize FitLongEdge(int width, int height, int longEdge) {
  const int longer = std::max(width, height), shorter = std::min(width, height);
  if (longEdge <= 0 || longer <= longEdge) return {width, height};
  const auto fitted = int((std::int64_t(shorter) * longEdge + longer / 2) / longer);
  const int side = std::max(1, fitted);
  return width >= height ? PictureSize{longEdge, side} : PictureSize{side, longEdge};
}

Bitmap ReduceToLongEdge(const Bitmap &picture, int longEdge) {
  const PictureSize size = FitLongEdge(picture.Width(), picture.Height(), longEdge);
  if (size.Width == picture.Width() && size.Height == picture.Height()) return picture;
  // The reducer writes four bytes a pixel; a band of them at a time is
  // packed into the picture's three.
  const Rect whole{0, 0, picture.Width(), picture.Height()};
  const std::size_t stride = std::size_t(size.Width) * 4;
  std::vector<std::uint8_t> wide(stride * std::size_t(size.Height));
  const AreaReducer reducer(PixelsOf(picture), whole, size.Width, size.Height, wide.data(), stride);
  Bitmap reduced(size.Width, size.Height);
  const bool share = WorthSharing(std::size_t(picture.Height()) * picture.RowBytes());
  ForEachBand(size.Height, 16, share, [&](int first, int last) {
    reducer.Rows(first, last);
    for (int y = first; y < last; ++y) {
      const std::uint8_t *from = wide.data() + std::size_t(y) * stride;
      std::uint8_t *to = reduced.ScanLine(y);
      for (int x = 0; x < size.Width; ++x, from += 4, to += 3) std::memcpy(to, from, 3);
    }
  });
  return reduced;
}

}  // namespace qv
