#pragma once

#include <array>
#include <cstdint>

#include "gfx/Bitmap.h"

namespace qv {

using ByteTable = std::array<std::uint8_t, 256>;

// d[y][i] := table[s[y][i]] for every byte; d takes the size of s, and s may
// be d itself. For filters whose new channel value depends on the old one
// alone, so each value is computed once per call instead of once per pixel.
void MapBytes(const Bitmap &s, Bitmap &d, const ByteTable &table);

}  // namespace qv
