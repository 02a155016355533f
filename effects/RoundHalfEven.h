#pragma once

// Round to the nearest integer with halves to even (rint in the default
// rounding mode), for values well inside the int range. The long double
// version goes through double, exact for a whole number, because a direct
// long double to int conversion reloads the x87 control word twice.

#include <cmath>

#include "gfx/Extended.h"

namespace qv {

inline int RoundHalfEven(long double v) {
  return static_cast<int>(static_cast<double>(std::rint(v)));
}
inline int RoundHalfEven(double v) {
  return static_cast<int>(std::rint(v));
}
inline int RoundHalfEven(float v) {
  return static_cast<int>(std::rint(v));
}

}  // namespace qv
