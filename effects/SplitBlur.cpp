// Split blur: each pixel becomes the truncated mean of four samples at
// distance amount above/below and left/right of it, in place. Amount 0
// (unchanged) up to min(W, H) - 1; a negative distance blurs like its
// absolute value.
#include <climits>

#include "effects/FilterErrors.h"
#include "effects/Filters.h"
#include "gfx/Bands.h"
#include "gfx/Error.h"

namespace qv {

void ApplySplitBlur(Bitmap &bmp, int amount) {
  if (amount == 0) return;
  const int a = amount == INT_MIN ? INT_MAX : amount < 0 ? -amount : amount;
  const int width = bmp.Width();
  const int height = bmp.Height();
  // Row 0 would take row H as its lower sample. Past this check a < H, so
  // no sum of a row or column and the distance overflows.
  if (height > 0 && a >= height) throw Error(kScanLineOutOfRange);

  // In place and strictly in order: rows above and pixels to the left
  // already hold their new values when they are read, and near the bottom
  // edge the lower sample (row H - y) is a row that is already done.
  ForEachBandInOrder(height, 32, [&](int first, int last) {
    for (int y = first; y < last; ++y) {
      const int u = y - a >= 0 ? y - a : y;
      const int l = y + a < height ? y + a : height - y;
      std::uint8_t *row = bmp.ScanLine(y);
      const std::uint8_t *upper = bmp.ScanLine(u);
      const std::uint8_t *lower = bmp.ScanLine(l);
      for (int x = 0; x < width; ++x) {
        const int p = x - a >= 0 ? x - a : x;
        int q = x + a < width ? x + a : width - x;
        // Only column 0 of a picture narrower than the distance would reach
        // column W; it takes the last column instead.
        if (q > width - 1) q = width - 1;
        const std::uint8_t *s0 = upper + 3 * p, *s1 = lower + 3 * p;
        const std::uint8_t *s2 = upper + 3 * q, *s3 = lower + 3 * q;
        // All four samples are read before the pixel is written: it may be one
        // of them.
        const int b = s0[0] + s1[0] + s2[0] + s3[0];
        const int g = s0[1] + s1[1] + s2[1] + s3[1];
        const int r = s0[2] + s1[2] + s2[2] + s3[2];
        std::uint8_t *out = row + 3 * x;
        out[0] = static_cast<std::uint8_t>(b >> 2);
        out[1] = static_cast<std::uint8_t>(g >> 2);
        out[2] = static_cast<std::uint8_t>(r >> 2);
      }
    }
  });
}

}  // namespace qv
