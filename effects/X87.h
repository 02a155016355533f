#pragma once

// Extended-precision trigonometry straight from the x87 unit. The library's
// long double sine, cosine and arctangent are software routines, several
// times slower, and the polar filters call them for every pixel; the results
// agree far beyond the float precision the filters store.

#if !(defined(__x86_64__) || defined(__i386__))
#include <cmath>
#endif

namespace qv {

// The sine and the cosine of x (|x| < 2^63).
inline void SinCos(long double x, long double &sine, long double &cosine) {
#if defined(__x86_64__) || defined(__i386__)
  __asm__("fsincos" : "=t"(cosine), "=u"(sine) : "0"(x));
#else
  sine = std::sin(x);
  cosine = std::cos(x);
#endif
}

// arctan(q) in (-pi/2, pi/2).
inline long double ArcTan(long double q) {
  long double result;
#if defined(__x86_64__) || defined(__i386__)
  __asm__("fpatan" : "=t"(result) : "0"(1.0L), "u"(q) : "st(1)");
#else
  result = std::atan(q);
#endif
  return result;
}

}  // namespace qv
