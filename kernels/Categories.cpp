#include "kernels/Categories.h"

#include <charconv>

#include "gfx/Color.h"
#include "gfx/Text.h"
#include "kernels/Recipes.h"

namespace qv {

namespace {

using enum StepKind;
constexpr StepInput kStage = StepInput::Stage;
constexpr StepInput kSource = StepInput::Source;

RecipeStep Light(const char *folder, int file, StepInput from = kSource) {
  return {LightMap, from, folder, nullptr, file, 0};
}
RecipeStep White(const char *folder, const char *fullSizeFolder, int file, StepInput from) {
  return {MatteWhite, from, folder, fullSizeFolder, file, 0};
}
RecipeStep Yellow(const char *folder, int file, StepInput from) {
  return {MatteYellow, from, folder, nullptr, file, 0};
}
RecipeStep Stage() {
  return {StageResult};
}
RecipeStep Copy() {
  return {CopySource};
}
RecipeStep Grey() {
  return {Greyscale};
}
RecipeStep BurnBy(TColor color) {
  return {Burn, kSource, nullptr, nullptr, 0, color};
}
RecipeStep Tone(int mode, TColor color) {
  return {ColorTone, kSource, nullptr, nullptr, mode, color};
}
RecipeStep Wash(TColor color) {
  return {ColorWash, kSource, nullptr, nullptr, 0, color};
}
RecipeStep ArtKernel(int effect) {
  return {ArtEffect, kSource, nullptr, nullptr, effect, 0};
}

constexpr TColor kPaleGreen = 0xB9FFB9, kPaleYellow = 0x80FFFF, kLightCyan = 0xFFFF55,
                 kOrange = 0x6899FF, kLilac = 0xFF84C1, kKhaki = 0x81C0C0, kRed = 0x0000FF,
                 kGreen = 0x00FF00, kMagenta = 0xFF00FF;

// Ten recipes of one step each, made by `step` for thumbnails 1 to 10.
template <class MakeStep>
std::vector<Recipe> OneStepEach(MakeStep step) {
  std::vector<Recipe> recipes;
  for (int n = 1; n <= kThumbnailCount; ++n) recipes.push_back({{step(n)}});
  return recipes;
}

std::vector<Recipe> LightMapRecipes(const Category &c) {
  return OneStepEach(
      [&c](int n) { return RecipeStep{LightMap, kSource, c.Folder, c.FullSizeFolder, n, 0}; });
}

std::vector<Recipe> EdgeMatteRecipes(const Category &c) {
  return OneStepEach([&c](int n) { return White(c.Folder, c.FullSizeFolder, n, kSource); });
}

std::vector<Recipe> LineRecipes(const Category &) {
  return OneStepEach(
      [](int n) { return RecipeStep{LinePattern, kSource, nullptr, nullptr, n, 0}; });
}

std::vector<Recipe> ArtRecipes(const Category &) {
  return OneStepEach(ArtKernel);
}

std::vector<Recipe> ColorRecipes(const Category &) {
  return {
      {{Copy(), BurnBy(kPaleGreen)}},     {{Copy(), BurnBy(kPaleYellow)}},
      {{Copy(), BurnBy(kLightCyan)}},     {{Copy(), BurnBy(kOrange)}},
      {{Copy(), BurnBy(kLilac)}},         {{Copy(), {FourColor}}},
      {{Copy(), Grey(), BurnBy(kKhaki)}}, {{Wash(kRed)}},
      {{Copy(), Tone(1, kGreen)}},        {{Copy(), Tone(2, kGreen)}},
  };
}

// Each stage step keeps one pass's output while the next pass reads it.
std::vector<Recipe> PresetRecipes(const Category &) {
  return {
      {{Light("LightA", 2), Stage(), Light("Amazing", 1, kStage), Stage(),
        White("EdgeA", "Edgea", 9, kStage)}},
      {{Light("weather", 8), Stage(), Light("Gradient", 10, kStage)}},
      {{Light("gradient", 1), Stage(), Light("weather", 1, kStage)}},
      {{Copy(), Grey(), BurnBy(kGreen), Stage(), Light("texture", 8, kStage)}},
      {{ArtKernel(3), Stage(), Light("amazing", 10, kStage)}},
      {{Wash(kRed), Stage(), Light("texture", 6, kStage)}},
      {{Copy(), Grey(), BurnBy(kKhaki), Stage(), Light("lightB", 5, kStage)}},
      {{Light("dreamA", 1), Tone(1, kMagenta)}},
      {{Light("dreamb", 1), Stage(), Yellow("EdgeA", 1, kStage)}},
      {{Light("LightA", 10), Stage(), Light("star", 5, kStage)}},
  };
}

using enum StripKind;
using enum MapBlend;
using enum ChangeColorRule;
constexpr std::span<const char *const> kNoAliases;

// clang-format off
const Category kCategories[kCategoryCount] = {
  // id  name       caption    button         column hidden  strip      full size  artwork
  {1,  "light-a",  "Light A",  "BtnLightA",   2,  false, "lightA",  "lightA",  {"lightA", 10},
       Screen,  LightMaps,  false, ShowAfterStrip,  true,  kNoAliases, LightMapRecipes},
  {2,  "light-b",  "Light B",  "BtnLightB",   3,  false, "lightB",  "lightB",  {"lightB", 10},
       Screen,  LightMaps,  false, ShowAfterStrip,  true,  kNoAliases, LightMapRecipes},
  {3,  "light-c",  "Light C",  "btnLightC",   4,  false, "lightc",  "lightC",  {"lightC", 10},
       Screen,  LightMaps,  false, ShowAfterStrip,  true,  kNoAliases, LightMapRecipes},
  {4,  "star",     "Star",     "BtnStar",     5,  false, "Star",    "star",    {"star", 10},
       Screen,  LightMaps,  false, ShowAfterStrip,  true,  kNoAliases, LightMapRecipes},
  {5,  "amazing",  "Amazing",  "btnAmazing",  6,  false, "amazing", "Amazing", {"amazing", 10},
       Screen,  LightMaps,  false, ShowAfterStrip,  true,  kNoAliases, LightMapRecipes},
  {6,  "weather",  "Weather",  "BtnWeather",  9,  false, "weather", "weather", {"weather", 10},
       Screen,  LightMaps,  false, ShowAfterStrip,  true,  kNoAliases, LightMapRecipes},
  {7,  "gradient", "Gradient", "BtnGradient", 10, false, "gradient", "gradient", {"gradient", 10},
       Overlay, LightMaps,  false, HideAfterStrip,  true,  kNoAliases, LightMapRecipes},
  {8,  "color",    "Color",    "BtnColor",    11, false, nullptr,   nullptr,   {"color", 2},
       None,    Color,      false, ByEffect,        true,  kNoAliases, ColorRecipes},
  {9,  "texture",  "Texture",  "BtnTexture",  13, false, "texture", "texture", {"texture", 10},
       Overlay, LightMaps,  false, HideAfterStrip,  true,  kNoAliases, LightMapRecipes},
  {10, "edge-a",   "Edge A",   "BtnEadge",    14, false, "edgeA",   "EdgeA",   {"EdgeA", 10},
       None,    EdgeMattes, false, ShowAfterStrip,  true,  kNoAliases, EdgeMatteRecipes},
  {11, "edge-b",   "Edge B",   "BtnEdge2",    15, false, "edgeB",   "EdgeB",   {"EdgeB", 10},
       None,    EdgeMattes, false, ShowAfterStrip,  true,  kNoAliases, EdgeMatteRecipes},
  {12, "dream-a",  "Dream A",  "BtnDreamA",   7,  false, "dreamA",  "dreamA",  {"dreamA", 10},
       Screen,  LightMaps,  false, HideAfterStrip,  true,  kNoAliases, LightMapRecipes},
  {13, "dream-b",  "Dream B",  "btnDreamB",   8,  false, "dreamB",  "dreamB",  {"dreamB", 10},
       Screen,  LightMaps,  false, HideAfterStrip,  true,  kNoAliases, LightMapRecipes},
  {14, "line",     "Line",     "BtnLine",     16, true,  nullptr,   nullptr,   {"line", 10},
       None,    Line,       false, ShowBeforeStrip, false, kNoAliases, LineRecipes},
  {15, "art",      "Art",      "BtnArt",      12, false, nullptr,   nullptr,   {},
       None,    Art,        true,  ByEffect,        true,  kNoAliases, ArtRecipes},
  {16, "preset",   "Preset",   "BtnPreset",   1,  false, nullptr,   nullptr,   {},
       None,    Preset,     false, HideBeforeStrip, true,  kNoAliases, PresetRecipes},
};
// clang-format on

std::vector<AssetFolder> CollectAssetFolders() {
  std::vector<AssetFolder> folders;
  for (const Category &category : kCategories)
    if (category.Assets.Name) folders.push_back(category.Assets);
  return folders;
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
  for (const Category &category : kCategories) {
    if (EqualCaseBlind(nameOrId, category.Name) || EqualCaseBlind(nameOrId, category.Caption))
      return &category;
    for (const char *alias : category.Aliases)
      if (EqualCaseBlind(nameOrId, alias)) return &category;
  }
  return nullptr;
}

std::span<const AssetFolder> AssetFolders() {
  static const std::vector<AssetFolder> folders = CollectAssetFolders();
  return folders;
}

MapBlend BlendOfFolder(std::string_view folder) {
  for (const Category &category : kCategories) {
    if (!category.Assets.Name) continue;
    for (const char *spelling : {category.Assets.Name, category.Folder, category.FullSizeFolder})
      if (spelling && EqualCaseBlind(folder, spelling))
        return category.Blend == MapBlend::None ? MapBlend::Screen : category.Blend;
  }
  return MapBlend::Screen;
}

}  // namespace qv
