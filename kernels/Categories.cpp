#include "kernels/Categories.h"

#include <algorithm>
#include <charconv>

namespace qv {

namespace {

using enum StripKind;
using enum ChangeColorRule;

constexpr Category kCategories[kCategoryCount] = {
    {1, "light-a", "Light A", "BtnLightA", 56, true, "lightA", "lightA", LightMaps, ShowAfterStrip},
    {2, "light-b", "Light B", "BtnLightB", 84, true, "lightB", "lightB", LightMaps, ShowAfterStrip},
    {3, "light-c", "Light C", "btnLightC", 112, true, "lightc", "lightC", LightMaps,
     ShowAfterStrip},
    {4, "star", "Star", "BtnStar", 140, true, "Star", "star", LightMaps, ShowAfterStrip},
    {5, "amazing", "Amazing", "btnAmazing", 168, true, "amazing", "Amazing", LightMaps,
     ShowAfterStrip},
    {6, "weather", "Weather", "BtnWeather", 252, true, "weather", "weather", LightMaps,
     ShowAfterStrip},
    {7, "gradient", "Gradient", "BtnGradient", 280, true, "gradient", "gradient", LightMaps,
     HideAfterStrip},
    {8, "color", "Color", "BtnColor", 308, true, nullptr, nullptr, Color, Keep},
    {9, "texture", "Texture", "BtnTexture", 364, true, "texture", "texture", LightMaps,
     HideAfterStrip},
    {10, "edge-a", "Edge A", "BtnEadge", 392, true, "edgeA", "EdgeA", EdgeMattes, ShowAfterStrip},
    {11, "edge-b", "Edge B", "BtnEdge2", 420, true, "edgeB", "EdgeB", EdgeMattes, ShowAfterStrip},
    {12, "dream-a", "Dream A", "BtnDreamA", 196, true, "dreamA", "dreamA", LightMaps,
     HideAfterStrip},
    {13, "dream-b", "Dream B", "btnDreamB", 224, true, "dreamB", "dreamB", LightMaps,
     HideAfterStrip},
    {14, "line", "Line", "BtnLine", 464, false, nullptr, nullptr, Line, ShowBeforeStrip},
    {15, "art", "Art", "BtnArt", 336, true, nullptr, nullptr, Art, Keep},
    {16, "preset", "Preset", "BtnPreset", 28, true, nullptr, nullptr, Preset, HideBeforeStrip},
};

bool EqualCaseBlind(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

std::span<const Category> Categories() {
  return kCategories;
}

const Category *FindCategory(int id) {
  return id >= 1 && id <= kCategoryCount ? &kCategories[id - 1] : nullptr;
}

const Category *FindCategory(std::string_view nameOrId) {
  int id = 0;
  const char *end = nameOrId.data() + nameOrId.size();
  const auto [rest, error] = std::from_chars(nameOrId.data(), end, id);
  if (!nameOrId.empty() && error == std::errc() && rest == end) return FindCategory(id);
  for (const Category &category : kCategories)
    if (EqualCaseBlind(nameOrId, category.Name) || EqualCaseBlind(nameOrId, category.Caption))
      return &category;
  return nullptr;
}

}  // namespace qv
