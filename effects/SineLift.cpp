// Sine lift: the tone curve of the split light, Round(sin(v / 255 * pi / 2)
// * 255) in extended precision, rounded through a double. 0 and 255 are
// fixed; every value between rises.
#include <cmath>

#include "effects/Filters.h"
#include "effects/PolarMath.h"
#include "effects/RoundHalfEven.h"
#include "gfx/Extended.h"

namespace qv {

int SineLift(int v) {
  const double y = static_cast<double>(std::sin(static_cast<long double>(v) / 255 * kPi / 2) * 255);
  return RoundHalfEven(y);
}

}  // namespace qv
