#pragma once

#include "gfx/Bitmap.h"
#include "gfx/Color.h"
#include "kernels/KernelEnv.h"

namespace qv {

// dest := source seen through map, a flat colour covering map's dark parts:
// dest takes source's size, is filled with the fill colour and then mixed
// with source by map's luminance. map must be at least source's size.
//
// The fill colour is defaultColor; while a colour may be picked it is the
// answer of the prompt, and a cancelled prompt leaves dest's brush as it
// was: the colour of the last fill made on dest, white if none.
void ColorMatte(const Bitmap &source, Bitmap &dest, const Bitmap &map, TColor defaultColor,
                const KernelEnv &env);

}  // namespace qv
