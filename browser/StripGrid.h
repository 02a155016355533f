#pragma once

// Where the strip's ten cells lie. The classic strip keeps its two rows of
// five 105 x 105 squares at the places it always had. The fitted strip fills
// the panel: two rows of five, or one row of ten where that holds a larger
// picture of the photo's shape (a strip wide and low), each cell as large
// as the panel allows up to 320 logical pixels a side, with room for the
// number under it; the grid is centred in the panel.

#include <array>

#include <QRect>
#include <QSize>

#include "kernels/Categories.h"

namespace qv {

inline constexpr int kLargestCell = 320;

struct StripGrid {
  int Rows = 2, Columns = 5;
  QSize Cell{kThumbnailSide, kThumbnailSide};  // logical pixels
  std::array<QRect, kThumbnailCount> Cells{};  // thumbnail n at Cells[n - 1], in the panel
};

// The classic places (of the pictures; the numbers go below them).
StripGrid ClassicGrid();

// The fitted grid for a panel of `panel` logical pixels, a picture of
// `picture` pixels and numbers labelHeight pixels high.
StripGrid FittedGrid(QSize panel, QSize picture, int labelHeight);

// The height of the band under each cell that holds its number.
int LabelBand(int labelHeight);

}  // namespace qv
