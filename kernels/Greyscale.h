#pragma once

#include <cstddef>
#include <cstdint>

#include "gfx/Bitmap.h"

namespace qv {

// One row of it: pixels pixels at p.
void GreyscaleRow(std::uint8_t *p, std::size_t pixels);
// The grey values of a row, one byte a pixel, each XOR flip (255 for the
// negative); out is apart from p.
void GreyPlaneRow(const std::uint8_t *p, std::uint8_t *out, std::size_t pixels, std::uint8_t flip);

// Turns bmp grey in place: Y = (28 B + 151 G + 77 R) >> 8 in all three bytes.
void Greyscale(Bitmap &bmp);

}  // namespace qv
