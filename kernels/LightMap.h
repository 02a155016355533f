#pragma once

// Light, gradient and texture maps: an asset stretched over the picture and
// combined with it byte by byte. Gradient and texture artwork is overlaid,
// every other folder's artwork is screened on.

#include <memory>
#include <string_view>

#include "gfx/Bitmap.h"
#include "kernels/KernelEnv.h"
#include "kernels/RowStep.h"

namespace qv {

// dest := F(source, map) per byte, map being asset folder/name stretched to
// source's size and F BlendOverlay for the folders "gradient" and "texture"
// (any case) and BlendScreen otherwise. While a colour may be picked the
// map is recoloured first (OverlayPickedColor). Source is only read; a
// missing or broken asset throws before dest is touched.
void ApplyLightMap(const Bitmap &source, Bitmap &dest, std::string_view folder,
                   std::string_view name, const KernelEnv &env);

// The rows of ApplyLightMap for a picture of width x height: loads the
// asset, then asks for the colour while one may be picked.
std::unique_ptr<RowStep> LightMapRows(int width, int height, std::string_view folder,
                                      std::string_view name, const KernelEnv &env);

// Asks for a colour; if one is given, bmp turns grey and is overlaid with
// that flat colour. A cancelled answer leaves bmp as it is.
void OverlayPickedColor(Bitmap &bmp, const KernelEnv &env);

// True for the folders whose artwork is overlaid rather than screened.
bool IsOverlayFolder(std::string_view folder);

}  // namespace qv
