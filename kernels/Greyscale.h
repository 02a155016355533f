#pragma once

#include "gfx/Bitmap.h"

namespace qv {

// Turns bmp grey in place: Y = (28 B + 151 G + 77 R) >> 8 in all three bytes.
void Greyscale(Bitmap &bmp);

}  // namespace qv
