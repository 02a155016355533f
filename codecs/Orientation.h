#pragma once

// Turning stored pixels upright by their EXIF orientation.

#include "gfx/Bitmap.h"

namespace qv {

// stored as orientation (1 to 8, as EXIF counts) says it must be turned and
// mirrored to stand upright; 5 to 8 swap width and height. Other values
// give the pixels as they are.
Bitmap Upright(Bitmap stored, int orientation);

}  // namespace qv
