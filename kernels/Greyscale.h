#pragma once

#include <cstddef>
#include <cstdint>

#include "gfx/Bitmap.h"

namespace qv {

// One row of it: pixels pixels at p.
void GreyscaleRow(std::uint8_t *p, std::size_t pixels);

// Turns bmp grey in place: Y = (28 B + 151 G + 77 R) >> 8 in all three bytes.
void Greyscale(Bitmap &bmp);

}  // namespace qv
