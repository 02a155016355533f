#pragma once

// The two messages a filter can fail with. Both are raised before the
// filter writes any pixel, so the picture it was given stays as it was.

#include "gfx/Error.h"

namespace qv {

// A zero lens radius, a zero twist or a zero posterize level.
inline constexpr MarkedText kFloatDivisionByZero = QV_TEXT("Floating point division by zero");
// A blur distance that reaches below the last row, or a mosaic of an
// empty picture.
inline constexpr MarkedText kScanLineOutOfRange = QV_TEXT("Scan line index out of range");

}  // namespace qv
