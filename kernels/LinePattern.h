#pragma once

// The Line category: a line-pattern asset scaled to a small square tile,
// repeated over the picture from its top-left corner and used as a matte
// over a flat colour (green unless one is picked).

#include <memory>

#include "gfx/Bitmap.h"
#include "gfx/Color.h"
#include "kernels/KernelEnv.h"
#include "kernels/RowStep.h"

namespace qv {

// Covers big with copies of tile, the first at (0, 0), side by side, the
// last ones clipped at the right and bottom edges. It tiles one band across
// the top, widens tile to that band and repeats the band downwards, so tile
// ends up as the top band. An empty tile leaves both bitmaps alone.
void TileBitmap(Bitmap &big, Bitmap &tile);

// The tile side for pattern n on a picture of the given size: the shorter
// side divided by 16 for n < 8, by 8 for n >= 8, and never below 1 pixel so
// that small pictures still get a pattern.
int LineTileSide(int width, int height, int n);

// dest := source under line pattern n (asset line/n) in the fill colour
// 0x00FF00, or the picked one (a cancelled answer keeps the colour of the
// last fill made on dest). Source is only read; a missing or broken asset
// throws before dest is touched.
void ApplyLinePattern(const Bitmap &source, Bitmap &dest, int n, const KernelEnv &env);

// Its rows for a picture of width x height: loads the asset and scales it
// to the tile, then settles the fill colour (MatteColor), which brush, the
// result's brush, takes.
std::unique_ptr<RowStep> LinePatternRows(int width, int height, int n, const KernelEnv &env,
                                         TColor &brush);

}  // namespace qv
