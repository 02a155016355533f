#pragma once

// Where the build put the artwork, and small measurements of pictures.

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"

namespace qv::test {

inline const std::string kArtworkDir = QV_ARTWORK_DIR;

// Luminance 0..255 of every pixel, row by row.
inline std::vector<int> Luminances(const Bitmap &b) {
  std::vector<int> out;
  out.reserve(std::size_t(b.Width()) * std::size_t(b.Height()));
  for (int y = 0; y < b.Height(); ++y) {
    const std::uint8_t *row = b.ScanLine(y);
    for (int x = 0; x < b.Width(); ++x) {
      out.push_back((11 * row[3 * x] + 59 * row[3 * x + 1] + 30 * row[3 * x + 2] + 50) / 100);
    }
  }
  return out;
}

// Mean absolute difference per byte of two bitmaps of one size.
inline double MeanDifference(const Bitmap &a, const Bitmap &b) {
  double sum = 0;
  for (int y = 0; y < a.Height(); ++y) {
    const std::uint8_t *ra = a.ScanLine(y), *rb = b.ScanLine(y);
    for (std::size_t i = 0; i < a.RowBytes(); ++i) sum += std::abs(int(ra[i]) - int(rb[i]));
  }
  return sum / double(a.ByteCount());
}

}  // namespace qv::test
