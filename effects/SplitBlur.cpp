// Split blur: each pixel becomes the truncated mean of four samples at
// distance amount above/below and left/right of it, in place. Amount 0
// (unchanged) up to min(W, H) - 1; a negative distance blurs like its
// absolute value.
#include <climits>
#include <cstddef>

#include "effects/FilterErrors.h"
#include "effects/Filters.h"
#include "gfx/Bands.h"
#include "gfx/Error.h"

namespace qv {

namespace {

// Any row, also one that is its own upper or lower sample row: pixel by
// pixel, left to right, all samples of a pixel read before it is written.
template <int C>
void ExactRow(std::uint8_t *row, const std::uint8_t *upper, const std::uint8_t *lower, int width,
              int a) {
  for (int x = 0; x < width; ++x) {
    const int p = x - a >= 0 ? x - a : x;
    int q = x + a < width ? x + a : width - x;
    // Only column 0 of a picture narrower than the distance would reach
    // column W; it takes the last column instead.
    if (q > width - 1) q = width - 1;
    const std::uint8_t *s0 = upper + C * p, *s1 = lower + C * p;
    const std::uint8_t *s2 = upper + C * q, *s3 = lower + C * q;
    int sum[C];
    for (int c = 0; c < C; ++c) sum[c] = s0[c] + s1[c] + s2[c] + s3[c];
    std::uint8_t *out = row + C * x;
    for (int c = 0; c < C; ++c) out[c] = static_cast<std::uint8_t>(sum[c] >> 2);
  }
}

// Bytes [begin, end) of a row whose samples are `left` bytes before and
// `right` bytes after the same place in the upper and lower rows, none of
// which is the row: a loop the compiler turns into vector code.
void SpanOfRow(std::uint8_t *__restrict out, const std::uint8_t *__restrict upper,
               const std::uint8_t *__restrict lower, std::ptrdiff_t begin, std::ptrdiff_t end,
               std::ptrdiff_t left, std::ptrdiff_t right) {
  for (std::ptrdiff_t i = begin; i < end; ++i)
    out[i] = static_cast<std::uint8_t>(
        (unsigned(upper[i - left]) + lower[i - left] + upper[i + right] + lower[i + right]) >> 2);
}

// A row apart from both sample rows, at least 2a + 1 pixels wide: the
// same bytes as ExactRow, the columns away from the edges a span at a time.
template <int C>
void SeparateRow(std::uint8_t *row, const std::uint8_t *upper, const std::uint8_t *lower, int width,
                 int a) {
  const std::ptrdiff_t aBytes = std::ptrdiff_t(C) * a;
  // Left of column a the left sample is the pixel itself.
  SpanOfRow(row, upper, lower, 0, aBytes, 0, aBytes);
  SpanOfRow(row, upper, lower, aBytes, std::ptrdiff_t(C) * (width - a), aBytes, aBytes);
  // From column W - a the right sample is column W - x, within the row.
  for (int x = width - a; x < width; ++x) {
    const std::uint8_t *s0 = upper + C * (x - a), *s1 = lower + C * (x - a);
    const std::uint8_t *s2 = upper + C * (width - x), *s3 = lower + C * (width - x);
    for (int c = 0; c < C; ++c)
      row[C * x + c] = static_cast<std::uint8_t>((s0[c] + s1[c] + s2[c] + s3[c]) >> 2);
  }
}

template <int C>
void BlurRow(std::uint8_t *row, const std::uint8_t *upper, const std::uint8_t *lower, int width,
             int a) {
  if (row != upper && row != lower && a <= (width - 1) / 2)
    SeparateRow<C>(row, upper, lower, width, a);
  else
    ExactRow<C>(row, upper, lower, width, a);
}

}  // namespace

void SplitBlurRow(std::uint8_t *row, const std::uint8_t *upper, const std::uint8_t *lower,
                  int width, int a, int channels) {
  if (channels == 1)
    BlurRow<1>(row, upper, lower, width, a);
  else
    BlurRow<3>(row, upper, lower, width, a);
}

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
      SplitBlurRow(bmp.ScanLine(y), bmp.ScanLine(u), bmp.ScanLine(l), width, a, 3);
    }
  });
}

}  // namespace qv
