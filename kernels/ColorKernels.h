#pragma once

// The tints of the Color category and the presets. Colours are 0x00BBGGRR.
// While a colour may be picked, the kernels that have a colour ask for it;
// a cancelled answer keeps the caller's colour.

#include <memory>

#include "gfx/Bitmap.h"
#include "gfx/Color.h"
#include "kernels/KernelEnv.h"
#include "kernels/RowStep.h"

namespace qv {

// In place: every byte colour-burned by the matching channel of color.
void BurnWithColor(Bitmap &bmp, TColor color, const KernelEnv &env);

// In place: bmp turns grey and is overlaid with four flat quadrants, green
// at the top left, magenta top right, yellow bottom left, orange bottom
// right; for odd sizes the right and bottom quadrants are the larger.
void FourColorOverlay(Bitmap &bmp);

// In place, through the tone map (colour asset 1 stretched to bmp's size).
// Mode 1: the picture's own colours where the map is light, the burned grey
// picture where it is dark. Any other mode: the burned grey picture where
// the map is light, plain grey where it is dark. A missing or broken asset
// throws before bmp is touched.
void ColorToneByAsset(Bitmap &bmp, int mode, TColor color, const KernelEnv &env);

// dest := the picture mixed with a flat colour through the wash map (colour
// asset 2 stretched to source's size), then overlaid with that map. Source
// is only read; a missing or broken asset throws before dest is touched.
void ColorWashByAsset(const Bitmap &source, Bitmap &dest, TColor color, const KernelEnv &env);

// Their rows for a picture of width x height, each working in place but
// the wash, which makes its result from its input. Preparing loads the
// asset and then asks for the colour, as the kernels above do.
std::unique_ptr<RowStep> BurnWithColorRows(int width, TColor color, const KernelEnv &env);
std::unique_ptr<RowStep> FourColorOverlayRows(int width, int height);
std::unique_ptr<RowStep> ColorToneByAssetRows(int width, int height, int mode, TColor color,
                                              const KernelEnv &env);
std::unique_ptr<RowStep> ColorWashByAssetRows(int width, int height, TColor color,
                                              const KernelEnv &env);

}  // namespace qv
