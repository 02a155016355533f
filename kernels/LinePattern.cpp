#include "kernels/LinePattern.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "kernels/AssetStore.h"
#include "kernels/ColorMatte.h"

namespace qv {

void TileBitmap(Bitmap &big, Bitmap &tile) {
  const int tileWidth = tile.Width(), tileHeight = tile.Height();
  if (tileWidth == 0 || tileHeight == 0) return;
  const int across = big.Width() / tileWidth, down = big.Height() / tileHeight;
  for (int k = 0; k <= across; ++k) big.Draw(k * tileWidth, 0, tile);
  tile.SetWidth(big.Width());
  tile.Draw(0, 0, big);  // the top band, clipped to the tile's height
  for (int k = 0; k <= down; ++k) big.Draw(0, k * tileHeight, tile);
}

int LineTileSide(int width, int height, int n) {
  const int divisor = n < 8 ? 16 : 8;
  return std::max(std::min(width, height) / divisor, 1);
}

namespace {

// Row y of the tiled pattern is row y mod side of the tile, repeated
// across the picture from the left edge: what TileBitmap makes of it.
class LinePatternStep : public RowStep {
 public:
  LinePatternStep(Bitmap tile, int width, TColor color)
      : tile_(std::move(tile)), width_(width), fill_(ColorRow(color, width)) {}

  void Run(PictureRows in, PictureRows out, int first, int last,
           RowScratch &scratch) const override {
    std::uint8_t *pattern = scratch.Row(0);
    int shown = -1;
    for (int y = first; y < last; ++y) {
      const int tileRow = y % tile_.Height();
      if (tileRow != shown) TiledRow(tileRow, pattern);
      shown = tileRow;
      MatteRow(out[y], in[y], fill_, pattern, scratch);
    }
  }

 private:
  void TiledRow(int tileRow, std::uint8_t *row) const {
    const std::size_t bytes = std::size_t(width_) * 3, tileBytes = tile_.RowBytes();
    for (std::size_t x = 0; x < bytes; x += tileBytes)
      std::memcpy(row + x, tile_.ScanLine(tileRow), std::min(tileBytes, bytes - x));
  }

  const Bitmap tile_;
  const int width_;
  const std::vector<std::uint8_t> fill_;
};

}  // namespace

std::unique_ptr<RowStep> LinePatternRows(int width, int height, int n, const KernelEnv &env,
                                         TColor &brush) {
  const Bitmap pattern = LoadAsset(env, "line", std::to_string(n));
  const int side = LineTileSide(width, height, n);
  Bitmap tile;
  tile.Recreate(side, side);
  tile.StretchDraw({0, 0, side, side}, pattern);
  const TColor color = MatteColor(clLime, env, brush);
  return std::make_unique<LinePatternStep>(std::move(tile), width, color);
}

void ApplyLinePattern(const Bitmap &source, Bitmap &dest, int n, const KernelEnv &env) {
  if (&source == &dest) {  // the fill would wipe the picture before it is read
    const Bitmap picture(source);
    ApplyLinePattern(picture, dest, n, env);
    return;
  }
  TColor brush = dest.BrushColor();
  const auto step = LinePatternRows(source.Width(), source.Height(), n, env, brush);
  dest.Recreate(source.Width(), source.Height());
  dest.SetBrushColor(brush);
  RunRowStep(*step, source, dest);
}

}  // namespace qv
