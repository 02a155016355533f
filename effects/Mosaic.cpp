// Mosaic: blocks of size x size pixels anchored at the top-left corner, each
// taking the colour of its top-left pixel. Size 2 up; 1 and below change
// nothing. An empty picture has no first row to read and fails.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "effects/FilterErrors.h"
#include "effects/Filters.h"
#include "gfx/Bands.h"
#include "gfx/Error.h"

namespace qv {

void ApplyMosaic(Bitmap &bmp, int size) {
  const int width = bmp.Width();
  const int height = bmp.Height();
  if (height == 0) throw Error(kScanLineOutOfRange);
  if (size <= 1 || width == 0) return;
  const std::int64_t s = size;
  const std::int64_t blockRows = (height + s - 1) / s;
  // Block rows touch disjoint rows, so they can be done in parallel.
  ForEachBand(int(blockRows), 1, WorthSharing(std::size_t(height) * width * 3), [&](int k, int) {
    const int top = static_cast<int>(k * s);
    const int bottom = static_cast<int>(std::min<std::int64_t>(top + s, height));
    std::uint8_t *first = bmp.ScanLine(top);
    // Each block reads its first column before writing it, so it takes the
    // colour that pixel had before the call.
    for (std::int64_t j0 = 0; j0 < width; j0 += s) {
      const std::uint8_t *src = first + 3 * j0;
      const std::int64_t end = std::min<std::int64_t>(j0 + s, width);
      for (std::int64_t j = j0 + 1; j < end; ++j) std::memcpy(first + 3 * j, src, 3);
    }
    for (int y = top + 1; y < bottom; ++y) std::memcpy(bmp.ScanLine(y), first, bmp.RowBytes());
  });
}

}  // namespace qv
