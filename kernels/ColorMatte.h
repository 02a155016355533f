#pragma once

// What the mattes share (the edge mattes and the line pattern): the picture
// is mixed with a flat fill colour by the luminance of a map, so that the
// picture shows through the map's light parts and the colour fills its dark
// parts.

#include <cstdint>
#include <vector>

#include "gfx/Color.h"
#include "kernels/KernelEnv.h"
#include "kernels/RowStep.h"

namespace qv {

// The fill colour, which also becomes brush, the brush of the bitmap the
// matte is made in: defaultColor, or while a colour may be picked the
// answer of the prompt; a cancelled answer keeps brush, the colour of the
// last fill made there (white if none).
TColor MatteColor(TColor defaultColor, const KernelEnv &env, TColor &brush);

// out[y] := in[y] mixed with the fill row by the luminance of map.
void MatteRow(std::uint8_t *out, const std::uint8_t *in, const std::vector<std::uint8_t> &fill,
              const std::uint8_t *map, RowScratch &scratch);

}  // namespace qv
