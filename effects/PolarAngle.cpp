// Polar angle of (x, y) in radians, in (-pi/2, 3pi/2), as a float.
#include "effects/Filters.h"
#include "effects/PolarMath.h"
#include "effects/X87.h"

namespace qv {

float PolarAngle(float x, float y) {
  if (x == 0) return y > 0 ? kHalfPiSingle : -kHalfPiSingle;
  const long double a = ArcTan(static_cast<long double>(y) / x);
  return static_cast<float>(x < 0 ? a + kPi : a);
}

}  // namespace qv
