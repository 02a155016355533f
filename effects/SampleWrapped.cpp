// Bilinear sample at a real position, wrapping around the picture's edges;
// the second half of the fish-eye and the twist.
#include <cmath>
#include <cstdint>

#include "effects/Filters.h"
#include "effects/RoundHalfEven.h"
#include "gfx/Extended.h"

namespace qv {
namespace {

struct Axis {
  int index;  // first tap, 0..size-1
  float w0, w1;
};

Axis WrapAxis(float s, int size) {
  // A position that is not a number has no defined sample; it is read as 0.
  if (!std::isfinite(s)) s = 0;
  // Trunc: a float conversion within the int range, else the long double
  // routine (such a float is a whole number anyway). The int is kept: a
  // long double to int conversion reloads the x87 control word, slowly.
  const bool small = std::fabs(s) < 2147483648.0f;
  const int ti = small ? static_cast<int>(s) : 0;
  const long double t =
      small ? static_cast<long double>(ti) : std::trunc(static_cast<long double>(s));
  Axis a;
  if (s >= 0) {
    a.w1 = static_cast<float>(s - t);
    a.w0 = static_cast<float>(1 - static_cast<long double>(a.w1));
  } else {
    a.w0 = static_cast<float>(t - s);
    a.w1 = static_cast<float>(1 - static_cast<long double>(a.w0));
  }
  // Negative positions map to (size - 1) - (-t mod size), which is one
  // column short of a plain modulo; that is the filter's look. Beyond the
  // int range fmod, which is exact, does the same.
  if (!small) {
    const long double wrapped = std::fmod(std::fabs(t), static_cast<long double>(size));
    a.index = static_cast<int>(t < 0 ? (size - 1) - wrapped : wrapped);
  } else if (ti < 0) {
    a.index = (size - 1) - (-ti) % size;
  } else {
    a.index = ti > size - 1 ? ti % size : ti;
  }
  return a;
}

}  // namespace

void SampleWrapped(const Bitmap &s, float sx, float sy, std::uint8_t *out) {
  const int width = s.Width(), height = s.Height();
  const Axis ax = WrapAxis(sx, width), ay = WrapAxis(sy, height);
  const int x1 = ax.index + 1 == width ? 0 : ax.index + 1;
  const int y1 = ay.index + 1 == height ? 0 : ay.index + 1;
  const std::uint8_t *rows[2] = {s.ScanLine(ay.index), s.ScanLine(y1)};
  const int columns[2] = {3 * ax.index, 3 * x1};
  const float wx[2] = {ax.w0, ax.w1}, wy[2] = {ay.w0, ay.w1};
  float sum[3] = {0, 0, 0};
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 2; ++j) {
      const float w = static_cast<float>(static_cast<long double>(wx[i]) * wy[j]);
      const std::uint8_t *p = rows[j] + columns[i];
      for (int c = 0; c < 3; ++c)
        sum[c] = static_cast<float>(sum[c] + static_cast<long double>(p[c]) * w);
    }
  // The weights add up to 1, so the sums stay within 0..255.
  for (int c = 0; c < 3; ++c) out[c] = static_cast<std::uint8_t>(RoundHalfEven(sum[c]));
}

}  // namespace qv
