#include "kernels/Categories.h"

#include <charconv>

#include "gfx/Text.h"

namespace qv {

namespace {

using enum StripKind;

constexpr Category kCategories[kCategoryCount] = {
    {1, "light-a", "Light A", "lightA", "lightA", LightMaps},
    {2, "light-b", "Light B", "lightB", "lightB", LightMaps},
    {3, "light-c", "Light C", "lightc", "lightC", LightMaps},
    {4, "star", "Star", "Star", "star", LightMaps},
    {5, "amazing", "Amazing", "amazing", "Amazing", LightMaps},
    {6, "weather", "Weather", "weather", "weather", LightMaps},
    {7, "gradient", "Gradient", "gradient", "gradient", LightMaps},
    {8, "color", "Color", nullptr, nullptr, Color},
    {9, "texture", "Texture", "texture", "texture", LightMaps},
    {10, "edge-a", "Edge A", "edgeA", "EdgeA", EdgeMattes},
    {11, "edge-b", "Edge B", "edgeB", "EdgeB", EdgeMattes},
    {12, "dream-a", "Dream A", "dreamA", "dreamA", LightMaps},
    {13, "dream-b", "Dream B", "dreamB", "dreamB", LightMaps},
    {14, "line", "Line", nullptr, nullptr, Line},
    {15, "art", "Art", nullptr, nullptr, Art},
    {16, "preset", "Preset", nullptr, nullptr, Preset},
};

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
