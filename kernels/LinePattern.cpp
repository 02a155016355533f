#include "kernels/LinePattern.h"

#include <algorithm>
#include <string>

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

void ApplyLinePattern(const Bitmap &source, Bitmap &dest, int n, const KernelEnv &env) {
  Bitmap pattern = LoadAsset(env, "line", std::to_string(n));
  const int width = source.Width(), height = source.Height();
  const int side = LineTileSide(width, height, n);
  Bitmap tile;
  tile.Recreate(side, side);
  tile.StretchDraw({0, 0, side, side}, pattern);
  pattern.Recreate(width, height);
  TileBitmap(pattern, tile);
  ColorMatte(source, dest, pattern, clLime, env);
}

}  // namespace qv
