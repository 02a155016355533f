#pragma once

// Constants and the distance shared by the polar filters (fish-eye, twist).
// Every named intermediate of those filters is a float, computed in
// extended precision (long double) from float operands and rounded to float
// when stored; the casts below are those roundings.

#include <cmath>

#include "gfx/Extended.h"

namespace qv {

inline constexpr long double kPi = 3.14159265358979323846264338327950288L;
// pi / 2 as a float constant, where the filters use it that way.
inline constexpr float kHalfPiSingle = static_cast<float>(kPi / 2);

// sqrt(dx * dx + dy * dy), the sum and root in extended precision.
inline float RadialDistance(float dx, float dy) {
  const long double x = dx, y = dy;
  return static_cast<float>(std::sqrt(x * x + y * y));
}

}  // namespace qv
