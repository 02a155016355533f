#include "browser/StripGrid.h"

#include <algorithm>

namespace qv {

namespace {

constexpr int kMargin = 8, kColumnGap = 8, kRowGap = 6;

constexpr std::array<QPoint, kThumbnailCount> kClassicPlaces{{
    {8, 8},
    {120, 8},
    {240, 8},
    {352, 8},
    {469, 8},
    {8, 144},
    {120, 144},
    {240, 144},
    {352, 144},
    {469, 144},
}};

StripGrid Arranged(QSize panel, int rows, int labelHeight) {
  StripGrid grid;
  grid.Rows = rows;
  grid.Columns = kThumbnailCount / rows;
  const int width = (panel.width() - 2 * kMargin - (grid.Columns - 1) * kColumnGap) / grid.Columns;
  const int height =
      (panel.height() - 2 * kMargin - rows * LabelBand(labelHeight) - (rows - 1) * kRowGap) / rows;
  grid.Cell = QSize(std::clamp(width, 1, kLargestCell), std::clamp(height, 1, kLargestCell));
  const int across = grid.Columns * grid.Cell.width() + (grid.Columns - 1) * kColumnGap;
  const int down = rows * (grid.Cell.height() + LabelBand(labelHeight)) + (rows - 1) * kRowGap;
  const QPoint origin(std::max(kMargin, (panel.width() - across) / 2),
                      std::max(kMargin, (panel.height() - down) / 2));
  for (int i = 0; i < kThumbnailCount; ++i) {
    const int row = i / grid.Columns, column = i % grid.Columns;
    grid.Cells[std::size_t(i)] =
        QRect(origin + QPoint(column * (grid.Cell.width() + kColumnGap),
                              row * (grid.Cell.height() + LabelBand(labelHeight) + kRowGap)),
              grid.Cell);
  }
  return grid;
}

// How much of itself a picture of this shape shows in the cell.
double Scale(QSize cell, QSize picture) {
  return std::min(double(cell.width()) / std::max(picture.width(), 1),
                  double(cell.height()) / std::max(picture.height(), 1));
}

}  // namespace

int LabelBand(int labelHeight) {
  return labelHeight + 2;
}

StripGrid ClassicGrid() {
  StripGrid grid;
  for (int i = 0; i < kThumbnailCount; ++i)
    grid.Cells[std::size_t(i)] = QRect(kClassicPlaces[std::size_t(i)], grid.Cell);
  return grid;
}

StripGrid FittedGrid(QSize panel, QSize picture, int labelHeight) {
  const StripGrid two = Arranged(panel, 2, labelHeight), one = Arranged(panel, 1, labelHeight);
  return Scale(one.Cell, picture) > Scale(two.Cell, picture) ? one : two;
}

}  // namespace qv
