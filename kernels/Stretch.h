#pragma once

#include "gfx/Bitmap.h"

namespace qv {

// picture stretched (nearest neighbour, aspect not kept) to width x height.
inline Bitmap StretchedTo(const Bitmap &picture, int width, int height) {
  Bitmap scaled;
  scaled.Recreate(width, height);
  scaled.StretchDraw({0, 0, width, height}, picture);
  return scaled;
}

}  // namespace qv
