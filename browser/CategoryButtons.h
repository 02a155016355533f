#pragma once

// The left column as the window lays it out: one push button per category,
// top to bottom, with its control name and place, and what choosing the
// category does to the preview's "Change Color". The captions are the
// categories' own (kernels/Categories.h); everything else about the
// buttons is here and nowhere else.

#include <span>

namespace qv {

// Every button is at this left edge, 75 x 25 like the window's other buttons.
inline constexpr int kCategoryButtonLeft = 24;

// What choosing the category does to "Change Color".
enum class ChangeColorOnChoice {
  ShowAfterStrip,
  HideAfterStrip,
  ShowBeforeStrip,
  HideBeforeStrip,
  Keep,  // left as it was; the full-size render decides, from the recipe
};

struct CategoryButton {
  int Id;
  const char *Name;  // the control's object name, e.g. "BtnLightA"
  int Top;
  bool Visible;  // only Line's button is hidden; nothing ever shows it
  ChangeColorOnChoice ChangeColor;
};

// All sixteen, from the top of the column down.
std::span<const CategoryButton> CategoryButtons();

// The button of the category with this id, or null.
const CategoryButton *CategoryButtonOf(int id);

}  // namespace qv
