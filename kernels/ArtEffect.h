#pragma once

// The one door from the recipes to the art kernels (blur blends, contrast
// curve, mosaic relief, pencil sketch). Art recipes and Preset 5 reach them
// only through RenderArtEffect.

#include "gfx/Bitmap.h"
#include "kernels/KernelEnv.h"

namespace qv {

// The only art effect that asks for a colour.
inline constexpr int kPencilSketch = 10;

// effect 1..7: ArtBlend with that mode; 8: ContrastCurve; 9: MosaicRelief;
// 10: PencilSketch. dest receives the effect at source's size.
void RenderArtEffect(int effect, const Bitmap &source, Bitmap &dest, const KernelEnv &env);

}  // namespace qv
