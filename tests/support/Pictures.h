#pragma once

// Small pictures for the filter tests.

#include <array>
#include <cstdint>
#include <initializer_list>

#include <gtest/gtest.h>

#include "gfx/Bitmap.h"
#include "gfx/Error.h"

namespace qv::test {

using Px = std::array<std::uint8_t, 3>;  // blue, green, red

inline Px At(const Bitmap &bmp, int x, int y) {
  const std::uint8_t *p = bmp.ScanLine(y) + 3 * x;
  return {p[0], p[1], p[2]};
}

inline void Put(Bitmap &bmp, int x, int y, Px v) {
  std::uint8_t *p = bmp.ScanLine(y) + 3 * x;
  p[0] = v[0], p[1] = v[1], p[2] = v[2];
}

inline Bitmap Uniform(int w, int h, Px v) {
  Bitmap bmp(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) Put(bmp, x, y, v);
  return bmp;
}

// Every pixel unlike its neighbours and its channels unlike each other, so
// that moved, mixed or swapped pixels show.
inline Bitmap Pattern(int w, int h) {
  Bitmap bmp(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      Put(bmp, x, y,
          {std::uint8_t((x * 37 + y * 11) & 255), std::uint8_t((x * 5 + y * 53 + 40) & 255),
           std::uint8_t((x * x + y * 29 + 90) & 255)});
  return bmp;
}

// A grey picture from rows of values.
inline Bitmap Grey(std::initializer_list<std::initializer_list<int>> rows) {
  Bitmap bmp(int(rows.begin()->size()), int(rows.size()));
  int y = 0;
  for (const auto &row : rows) {
    int x = 0;
    for (int v : row) Put(bmp, x++, y, {std::uint8_t(v), std::uint8_t(v), std::uint8_t(v)});
    ++y;
  }
  return bmp;
}

// run() must throw qv::Error with the message and leave bmp as it was.
template <class F>
void ExpectFailsUntouched(const char *message, Bitmap &bmp, F run) {
  const Bitmap before = bmp;
  try {
    run();
    ADD_FAILURE() << "expected: " << message;
  } catch (const Error &e) {
    EXPECT_STREQ(e.what(), message);
  }
  EXPECT_TRUE(bmp.SamePixels(before));
}
template <class F>
void ExpectFailsUntouched(MarkedText message, Bitmap &bmp, F run) {
  ExpectFailsUntouched(message.English, bmp, run);
}

inline int GreyAt(const Bitmap &bmp, int x, int y) {
  return bmp.ScanLine(y)[3 * x];
}

}  // namespace qv::test
