#pragma once

// The kernels whose rows do not depend on other rows (light maps, mattes,
// the colour kernels, the line pattern) in two parts: a preparation that
// loads the artwork and asks the colour question, and a step that then
// makes any band of result rows from the same rows of its input. The whole
// picture runs its bands on all cores; the streamed render runs them as the
// picture is decoded. Either way a row comes out the same.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Color.h"

namespace qv {

// Where the rows of a picture are held: row y at Base + (y - First) x
// Stride. A whole bitmap starts at row 0; a band held on its own starts at
// its first row.
struct PictureRows {
  std::uint8_t *Base = nullptr;
  std::size_t Stride = 0;
  int First = 0;
  std::uint8_t *operator[](int y) const {
    return Base + std::ptrdiff_t(y - First) * std::ptrdiff_t(Stride);
  }
};

// Rows held in a ring of Capacity rows, row y in slot y mod Capacity: the
// rows a pass still needs while the next ones are made. A whole bitmap is a
// ring as large as its height.
struct RowRing {
  std::uint8_t *Base = nullptr;
  std::size_t Stride = 0;
  int Capacity = 1;
  std::uint8_t *operator[](int y) const { return Base + std::size_t(y % Capacity) * Stride; }
  // Rows from first on, up to the ring's end, as rows of a band.
  PictureRows From(int first) const { return {(*this)[first], Stride, first}; }
};

inline PictureRows RowsOf(Bitmap &bitmap) {
  return {bitmap.Bits(), bitmap.RowBytes(), 0};
}
// For rows that are only read: the pixels stay shared with any copy.
inline PictureRows RowsOf(const Bitmap &bitmap) {
  return {const_cast<std::uint8_t *>(bitmap.Bits()), bitmap.RowBytes(), 0};
}

// Working memory of one band's run: two rows of the picture's width and
// what the luminance mix needs, allocated once per band.
class RowScratch {
 public:
  explicit RowScratch(int width);
  std::uint8_t *Row(int i) { return rows_.data() + std::size_t(i) * rowBytes_; }
  std::uint8_t *Mix() { return mix_.data(); }

 private:
  std::size_t rowBytes_;
  std::vector<std::uint8_t> rows_, mix_;
};

class RowStep {
 public:
  virtual ~RowStep() = default;
  // Rows first to last - 1 of out. A step that rewrites its result reads
  // them from in, which never holds the same rows as out; a step that
  // works in place reads and writes out alone.
  virtual void Run(PictureRows in, PictureRows out, int first, int last,
                   RowScratch &scratch) const = 0;
};

// Runs step over every row of whole bitmaps of width x height, in bands on
// all cores. out must already have its size.
void RunRowStep(const RowStep &step, const Bitmap &in, Bitmap &out);

// A row of a flat colour, 3 x width bytes: blue, green, red repeated.
std::vector<std::uint8_t> ColorRow(TColor color, int width);

// The stretched artwork that row y shows, in a scratch row, kept while the
// following rows show the same source row. A fresh row is first handed to
// touch (a recolouring).
class StretchedRow {
 public:
  StretchedRow(const StretchMap &map, std::uint8_t *row) : map_(map), row_(row) {}
  template <class Touch>
  const std::uint8_t *At(int y, Touch &&touch) {
    const int wanted = map_.SourceRow(y);
    if (wanted != shown_) {
      map_.Row(y, row_);
      touch(row_);
      shown_ = wanted;
    }
    return row_;
  }
  const std::uint8_t *At(int y) {
    return At(y, [](std::uint8_t *) {});
  }

 private:
  const StretchMap &map_;
  std::uint8_t *row_;
  int shown_ = -1;
};

}  // namespace qv
