#pragma once

#include <cstdint>

#include "gfx/Bitmap.h"

// A filled-ellipse rasteriser, one row at a time. The ellipse is inscribed
// in box, whose right and bottom edges lie just outside it: it covers
// columns Left..Right-1 and rows Top..Bottom-1 and touches all four sides. A
// box given with Right < Left or Bottom < Top is taken with its sides
// swapped; an empty box holds no ellipse.

namespace qv {

// Columns Left..Right-1 of one row; empty when Right <= Left.
struct Span {
  int Left = 0, Right = 0;
  bool Empty() const { return Right <= Left; }
};

// The pixels of row y that the filled ellipse covers, outline included.
Span EllipseRow(const Rect &box, std::int64_t y);

// The pixels of row y inside the one-pixel outline: those of the filled
// ellipse whose four edge neighbours all belong to it too.
Span EllipseInsideRow(const Rect &box, std::int64_t y);

}  // namespace qv
