#pragma once

// Included by every file whose results are exact to the byte only when long
// double is the x87's 80-bit extended format (a 64-bit mantissa): a 64-bit
// double or a 128-bit quad rounds some near-half values the other way (with
// quad, 23,266 of the 167,836 near-half mask colours of the luminance mix).
// The build refuses such a compiler at configure time; this says why here.

#include <limits>

static_assert(std::numeric_limits<long double>::digits == 64,
              "this arithmetic needs the 80-bit extended long double (64-bit mantissa)");
