#pragma once

// The edge mattes: the picture shows through the light parts of an asset
// and a flat colour fills its dark parts.

#include <string_view>

#include "gfx/Bitmap.h"
#include "kernels/KernelEnv.h"

namespace qv {

// dest := source matted by asset folder/name stretched to source's size,
// filled white (or the picked colour, see ColorMatte). Source is only read;
// a missing or broken asset throws before dest is touched.
void AssetMatteWhite(const Bitmap &source, Bitmap &dest, std::string_view folder,
                     std::string_view name, const KernelEnv &env);

// The same, filled yellow (0x00FFFF, stored as 0, 255, 255).
void AssetMatteYellow(const Bitmap &source, Bitmap &dest, std::string_view folder,
                      std::string_view name, const KernelEnv &env);

}  // namespace qv
