#pragma once

// The edge mattes: the picture shows through the light parts of an asset
// and a flat colour fills its dark parts.

#include <memory>
#include <string_view>

#include "gfx/Bitmap.h"
#include "gfx/Color.h"
#include "kernels/KernelEnv.h"
#include "kernels/RowStep.h"

namespace qv {

// dest := source matted by asset folder/name stretched to source's size,
// filled white (or the picked colour, see MatteColor). Source is only read;
// a missing or broken asset throws before dest is touched.
void AssetMatteWhite(const Bitmap &source, Bitmap &dest, std::string_view folder,
                     std::string_view name, const KernelEnv &env);

// The same, filled yellow (0x00FFFF, stored as 0, 255, 255).
void AssetMatteYellow(const Bitmap &source, Bitmap &dest, std::string_view folder,
                      std::string_view name, const KernelEnv &env);

// The rows of a matte in defaultColor for a picture of width x height:
// loads the asset, then settles the fill colour (MatteColor), which brush,
// the result's brush, takes.
std::unique_ptr<RowStep> AssetMatteRows(int width, int height, std::string_view folder,
                                        std::string_view name, TColor defaultColor,
                                        const KernelEnv &env, TColor &brush);

}  // namespace qv
