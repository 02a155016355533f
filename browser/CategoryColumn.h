#pragma once

// The left column: one push button per category of the registry
// (kernels/Categories.h), named and captioned as its row says, in the
// column's order from the top; the places are the window's.

#include <array>
#include <functional>

#include "kernels/Categories.h"

class QPushButton;
class QString;
class QWidget;

namespace qv {

// Every button is at this left edge, 75 x 25 like the window's other buttons.
inline constexpr int kCategoryButtonLeft = 24;

// What the user knows the category by, in the interface's language.
QString CategoryCaption(const Category &category);

// 28 pixels a place from 28 down; a hidden button lies 16 below its place.
int CategoryButtonTop(const Category &category);

// The buttons in `column`, indexed by category id (1 to 16); a click runs
// choose(id).
std::array<QPushButton *, kCategoryCount + 1> MakeCategoryButtons(
    QWidget *column, const std::function<void(int id)> &choose);

}  // namespace qv
