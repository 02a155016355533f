#pragma once

// The picture the strip's recipes render on. Classic: the working picture
// squeezed into the 105 x 105 square by picking pixels, as the strip has
// always made it (and `quorvane-fx thumbs` still does). Fitted: the picture
// at its own aspect inside the strip's cell, made by area averaging, so
// that a photo's grain and fine edges do not turn into the jagged noise
// picked pixels give, and the thumbnail looks like the main display.

#include "gfx/Bitmap.h"

namespace qv {

enum class ThumbnailStyle { Fitted, Classic };

struct PixelSize {
  int Width = 0, Height = 0;
  friend bool operator==(const PixelSize &, const PixelSize &) = default;
};

// The picture squeezed into kThumbnailSide x kThumbnailSide, pixels picked.
Bitmap ClassicThumbnail(const Bitmap &picture);

// A width x height picture fitted inside a cell of cellWidth x cellHeight:
// its aspect kept (to the nearest pixel, at least one pixel a side), as
// large as the cell allows but never larger than the picture itself.
PixelSize FittedThumbnailSize(int width, int height, int cellWidth, int cellHeight);

// The picture averaged down to FittedThumbnailSize for the cell (a copy of
// it where it fits already). Large pictures are shared among the cores.
Bitmap FittedThumbnail(const Bitmap &picture, int cellWidth, int cellHeight);

}  // namespace qv
