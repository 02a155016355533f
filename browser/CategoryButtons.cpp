#include "browser/CategoryButtons.h"

namespace qv {

namespace {

using enum ChangeColorOnChoice;

constexpr CategoryButton kButtons[] = {
    {16, "BtnPreset", 28, true, HideBeforeStrip},
    {1, "BtnLightA", 56, true, ShowAfterStrip},
    {2, "BtnLightB", 84, true, ShowAfterStrip},
    {3, "btnLightC", 112, true, ShowAfterStrip},
    {4, "BtnStar", 140, true, ShowAfterStrip},
    {5, "btnAmazing", 168, true, ShowAfterStrip},
    {12, "BtnDreamA", 196, true, HideAfterStrip},
    {13, "btnDreamB", 224, true, HideAfterStrip},
    {6, "BtnWeather", 252, true, ShowAfterStrip},
    {7, "BtnGradient", 280, true, HideAfterStrip},
    {8, "BtnColor", 308, true, Keep},
    {15, "BtnArt", 336, true, Keep},
    {9, "BtnTexture", 364, true, HideAfterStrip},
    {10, "BtnEadge", 392, true, ShowAfterStrip},
    {11, "BtnEdge2", 420, true, ShowAfterStrip},
    {14, "BtnLine", 464, false, ShowBeforeStrip},
};

}  // namespace

std::span<const CategoryButton> CategoryButtons() {
  return kButtons;
}

const CategoryButton *CategoryButtonOf(int id) {
  for (const CategoryButton &button : kButtons)
    if (button.Id == id) return &button;
  return nullptr;
}

}  // namespace qv
