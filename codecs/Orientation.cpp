#include "codecs/Orientation.h"

#include <algorithm>
#include <cstring>

namespace qv {

namespace {

// Where the upright pixel (x, y) lies in the stored picture of w x h, for
// each orientation: as column and row, each a + b * x + c * y.
struct Mapping {
  int Orientation;
  bool SwapSides;
  int ColumnFromX, ColumnFromY, RowFromX, RowFromY;  // -1, 0 or 1
};
constexpr Mapping kMappings[] = {
    {2, false, -1, 0, 0, 1},   // mirrored left to right
    {3, false, -1, 0, 0, -1},  // upside down
    {4, false, 1, 0, 0, -1},   // mirrored top to bottom
    {5, true, 0, 1, 1, 0},     // mirrored along the main diagonal
    {6, true, 0, 1, -1, 0},    // stored a quarter turn anticlockwise
    {7, true, 0, -1, -1, 0},   // mirrored along the other diagonal
    {8, true, 0, -1, 1, 0},    // stored a quarter turn clockwise
};

// 0 for a factor of 0 or 1; the far end for -1.
int Origin(int factor, int extent) {
  return factor < 0 ? extent - 1 : 0;
}

}  // namespace

Bitmap Upright(Bitmap stored, int orientation) {
  const Mapping *m = std::find_if(std::begin(kMappings), std::end(kMappings),
                                  [&](const Mapping &k) { return k.Orientation == orientation; });
  if (m == std::end(kMappings) || stored.Empty()) return stored;
  const int w = stored.Width(), h = stored.Height();
  Bitmap upright;
  upright.Recreate(m->SwapSides ? h : w, m->SwapSides ? w : h);
  // Column and row of the stored pixel for upright (0, 0), and how they
  // move along an upright row and down an upright column.
  const int column0 = Origin(m->ColumnFromX + m->ColumnFromY, w);
  const int row0 = Origin(m->RowFromX + m->RowFromY, h);
  const std::ptrdiff_t stride = std::ptrdiff_t(stored.RowBytes());
  const std::ptrdiff_t stepX = 3 * m->ColumnFromX + stride * m->RowFromX;
  const std::ptrdiff_t stepY = 3 * m->ColumnFromY + stride * m->RowFromY;
  if (!m->SwapSides) {
    // Whole rows: each upright row is one stored row, copied or reversed.
    for (int y = 0; y < h; ++y) {
      const std::uint8_t *in = stored.ScanLine(m->RowFromY < 0 ? h - 1 - y : y);
      std::uint8_t *out = upright.ScanLine(y);
      if (m->ColumnFromX > 0) {
        std::memcpy(out, in, stored.RowBytes());
        continue;
      }
      for (int x = 0; x < w; ++x, out += 3) {
        const std::uint8_t *pixel = in + 3 * (w - 1 - x);
        out[0] = pixel[0], out[1] = pixel[1], out[2] = pixel[2];
      }
    }
    return upright;
  }
  const std::uint8_t *origin = stored.ScanLine(row0) + 3 * column0;
  // In tiles, so that the stored rows a tile reads stay in the cache.
  constexpr int kTile = 64;
  for (int ty = 0; ty < upright.Height(); ty += kTile)
    for (int tx = 0; tx < upright.Width(); tx += kTile)
      for (int y = ty; y < std::min(ty + kTile, upright.Height()); ++y) {
        std::uint8_t *out = upright.ScanLine(y) + 3 * tx;
        const std::uint8_t *in = origin + stepY * y + stepX * tx;
        for (int x = tx; x < std::min(tx + kTile, upright.Width()); ++x, out += 3, in += stepX)
          std::memcpy(out, in, 3);
      }
  return upright;
}

}  // namespace qv
