#pragma once

// A picture brought down to a longest side, for the web or a screen: the
// proportions kept, never enlarged, each pixel the area average of what it
// covers (ReduceByArea, the screen copy's reduction).

#include "gfx/Bitmap.h"

namespace qv {

struct PictureSize {
  int Width = 0, Height = 0;
  friend bool operator==(const PictureSize &, const PictureSize &) = default;
};

// The size of a width x height picture whose longer side is at most
// longEdge: the same size when it already fits (or longEdge is 0 or less),
// else the longer side longEdge and the shorter one
// (shorter x longEdge + longer / 2) / longer, at least 1.
PictureSize FitLongEdge(int width, int height, int longEdge);

// The picture at FitLongEdge's size: itself (shared) when it already fits.
// Along an axis of n source pixels falling on m target pixels, target pixel
// t covers [t n / m, (t + 1) n / m) in source pixels, and each source pixel
// it touches weighs its covered share in 4096ths, the running sum rounded
// down, so that every target's weights add up to exactly 4096. A channel is
// then (sum over x of wx x floor(sum over y of wy x value / 32) + 2^18) /
// 2^19, rounded down: within one level of the exact mean, and the exact
// mean rounded to the nearest when the sides shrink by a power of two.
Bitmap ReduceToLongEdge(const Bitmap &picture, int longEdge);

}  // namespace qv
