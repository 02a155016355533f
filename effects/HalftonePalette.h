#pragma once

#include <cstdint>

#include "gfx/Color.h"

// A fixed 256-colour palette spanning the colour cube: eight evenly spaced
// levels of red, eight of green and four of blue (the eye tells blue
// shades apart least), black and white included. The index of a colour is
// red level << 5 | green level << 2 | blue level.

namespace qv {

TColor HalftoneColor(std::uint8_t index);

// The index of the palette colour nearest to (r, g, b). The palette is a
// grid, so the nearest colour is the nearest level on each axis; a value
// half-way between two levels takes the lower one.
std::uint8_t HalftoneIndex(std::uint8_t b, std::uint8_t g, std::uint8_t r);

}  // namespace qv
