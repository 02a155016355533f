#pragma once

// Small checks on whole bitmaps, shared by the kernel tests.

#include <gtest/gtest.h>

#include <string>

#include "gfx/Bitmap.h"
#include "gfx/Color.h"

namespace qv::test {

// Every pixel of bitmap has the stored bytes blue, green, red.
inline ::testing::AssertionResult AllPixels(const Bitmap &bitmap, int blue, int green, int red) {
  for (int y = 0; y < bitmap.Height(); ++y) {
    const std::uint8_t *p = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 3)
      if (p[0] != blue || p[1] != green || p[2] != red)
        return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << int(p[0])
                                             << ", " << int(p[1]) << ", " << int(p[2]);
  }
  return ::testing::AssertionSuccess();
}

// Every byte of out is f(byte of in) at the same place.
template <class F>
::testing::AssertionResult EachByte(const Bitmap &in, const Bitmap &out, F f) {
  if (in.Width() != out.Width() || in.Height() != out.Height())
    return ::testing::AssertionFailure() << "sizes differ";
  for (int y = 0; y < in.Height(); ++y)
    for (std::size_t i = 0; i < in.RowBytes(); ++i) {
      const int expected = f(in.ScanLine(y)[i]);
      if (out.ScanLine(y)[i] != expected)
        return ::testing::AssertionFailure()
               << "row " << y << " byte " << i << ": " << int(out.ScanLine(y)[i]) << " for "
               << int(in.ScanLine(y)[i]) << ", expected " << expected;
    }
  return ::testing::AssertionSuccess();
}

// A picture holding every byte value 0..255 (and a few twice).
inline Bitmap AllByteValues() {
  Bitmap bitmap(86, 1);
  for (std::size_t i = 0; i < bitmap.RowBytes(); ++i) bitmap.ScanLine(0)[i] = std::uint8_t(i);
  return bitmap;
}

}  // namespace qv::test
