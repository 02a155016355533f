#include "kernels/Recipes.h"

#include <algorithm>
#include <array>
#include <exception>
#include <span>
#include <string>
#include <utility>

#include "gfx/Error.h"
#include "kernels/ArtEffect.h"
#include "kernels/Categories.h"
#include "kernels/RecipeRows.h"

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
RecipeStep Art(int effect) {
  return {ArtEffect, kSource, nullptr, nullptr, effect, 0};
}

constexpr TColor kPaleGreen = 0xB9FFB9, kPaleYellow = 0x80FFFF, kLightCyan = 0xFFFF55,
                 kOrange = 0x6899FF, kLilac = 0xFF84C1, kKhaki = 0x81C0C0, kRed = 0x0000FF,
                 kGreen = 0x00FF00, kMagenta = 0xFF00FF;

std::vector<Recipe> ColorRecipes() {
  return {
      {{Copy(), BurnBy(kPaleGreen)}},     {{Copy(), BurnBy(kPaleYellow)}},
      {{Copy(), BurnBy(kLightCyan)}},     {{Copy(), BurnBy(kOrange)}},
      {{Copy(), BurnBy(kLilac)}},         {{Copy(), {FourColor}}},
      {{Copy(), Grey(), BurnBy(kKhaki)}}, {{Wash(kRed)}},
      {{Copy(), Tone(1, kGreen)}},        {{Copy(), Tone(2, kGreen)}},
  };
}

std::vector<Recipe> PresetRecipes() {
  return {
      {{Light("LightA", 2), Stage(), Light("Amazing", 1, kStage), Stage(),
        White("EdgeA", "Edgea", 9, kStage)}},
      {{Light("weather", 8), Stage(), Light("Gradient", 10, kStage)}},
      {{Light("gradient", 1), Stage(), Light("weather", 1, kStage)}},
      {{Copy(), Grey(), BurnBy(kGreen), Stage(), Light("texture", 8, kStage)}},
      {{Art(3), Stage(), Light("amazing", 10, kStage)}},
      {{Wash(kRed), Stage(), Light("texture", 6, kStage)}},
      {{Copy(), Grey(), BurnBy(kKhaki), Stage(), Light("lightB", 5, kStage)}},
      {{Light("dreamA", 1), Tone(1, kMagenta)}},
      {{Light("dreamb", 1), Stage(), Yellow("EdgeA", 1, kStage)}},
      {{Light("LightA", 10), Stage(), Light("star", 5, kStage)}},
  };
}

std::vector<Recipe> RecipesOf(const Category &category) {
  switch (category.Strip) {
    case StripKind::Color:
      return ColorRecipes();
    case StripKind::Preset:
      return PresetRecipes();
    default:
      break;
  }
  std::vector<Recipe> recipes;
  for (int n = 1; n <= kThumbnailCount; ++n) {
    RecipeStep step{LightMap, kSource, category.Folder, category.FullSizeFolder, n, 0};
    if (category.Strip == StripKind::EdgeMattes) step.Kind = MatteWhite;
    if (category.Strip == StripKind::Line) step = {LinePattern, kSource, nullptr, nullptr, n, 0};
    if (category.Strip == StripKind::Art) step = Art(n);
    recipes.push_back({{step}});
  }
  return recipes;
}

using Table = std::array<std::vector<Recipe>, kCategoryCount>;

Table BuildTable() {
  Table table;
  for (const Category &category : Categories()) table[category.Id - 1] = RecipesOf(category);
  return table;
}

// Steps that read their input and write every pixel of the result.
bool RewritesResult(const RecipeStep &step) {
  switch (step.Kind) {
    case LightMap:
    case MatteWhite:
    case MatteYellow:
    case ColorWash:
    case LinePattern:
    case ArtEffect:
    case CopySource:
      return true;
    default:
      return false;
  }
}

// Steps [first, last) work row by row and run together, a band at a time,
// on whole bitmaps. The size is the input's when the first step rewrites
// the result, else the result's own.
void RenderRows(std::span<const RecipeStep> steps, const Bitmap &source, const Bitmap &stage,
                Bitmap &result, const KernelEnv &env, RenderSize size) {
  const RecipeStep &head = steps.front();
  const Bitmap &sized = !RewritesResult(head)           ? result
                        : head.From == StepInput::Stage ? stage
                                                        : source;
  const int width = sized.Width(), height = sized.Height();
  for (const RecipeStep &step : steps)
    if (step.Kind != StageResult && step.From == StepInput::Source &&
        (source.Width() != width || source.Height() != height))
      throw Error("Bitmap image is not valid");
  const RecipeRows rows(steps, width, height, env, size, result.BrushColor());
  // The steps prepared before a failure are still done.
  if (rows.Prepared() > 0) {
    if (RewritesResult(head)) result.Recreate(width, height);
    rows.RunWhole(source, result, stage);
  }
  result.SetBrushColor(rows.Brush());
  if (rows.Failure()) std::rethrow_exception(rows.Failure());
}

}  // namespace

const Recipe &RecipeFor(int categoryId, int n) {
  static const Table table = BuildTable();
  if (!FindCategory(categoryId) || n < 1 || n > kThumbnailCount)
    throw MakeError("There is no effect %d in category %d", n, categoryId);
  return table[categoryId - 1][n - 1];
}

bool HasFullSizeRender(int categoryId) {
  const Category *category = FindCategory(categoryId);
  return category && category->Strip != StripKind::Line;
}

bool RecipeStep::AsksForColor() const {
  switch (Kind) {
    case LightMap:
    case MatteWhite:
    case MatteYellow:
    case ColorWash:
    case LinePattern:
    case Burn:
    case ColorTone:
      return true;
    case ArtEffect:
      return Number == kPencilSketch;
    case CopySource:
    case StepKind::Greyscale:
    case FourColor:
    case StageResult:
      return false;
  }
  return false;
}

bool OffersChangeColor(int categoryId, int n) {
  const std::vector<RecipeStep> &steps = RecipeFor(categoryId, n).Steps;
  return std::any_of(steps.begin(), steps.end(),
                     [](const RecipeStep &s) { return s.AsksForColor(); });
}

bool NeedsArtKernels(int categoryId, int n) {
  for (const RecipeStep &step : RecipeFor(categoryId, n).Steps)
    if (step.Kind == ArtEffect) return true;
  return false;
}

void RenderRecipe(int categoryId, int n, const Bitmap &source, Bitmap &result, const KernelEnv &env,
                  RenderSize size) {
  const std::vector<RecipeStep> &steps = RecipeFor(categoryId, n).Steps;
  const RunScope run(env.Control);
  const int count = int(steps.size());
  Bitmap stage;
  for (int i = 0; i < count;) {
    CheckCancelled();
    if (!WorksByRows(steps[std::size_t(i)])) {
      const ProgressSpan part(i, count);
      const RecipeStep &step = steps[std::size_t(i++)];
      RenderArtEffect(step.Number, step.From == kStage ? stage : source, result, env);
      continue;
    }
    // The row steps up to the next art effect; staging that the art effect
    // or nothing follows keeps the whole result.
    int end = i;
    while (end < count && WorksByRows(steps[std::size_t(end)])) ++end;
    const bool stageAfter = steps[std::size_t(end - 1)].Kind == StageResult;
    const int rowsEnd = stageAfter ? end - 1 : end;
    if (rowsEnd > i) {
      const ProgressSpan part(i, count, rowsEnd - i);
      RenderRows({steps.data() + i, std::size_t(rowsEnd - i)}, source, stage, result, env, size);
    }
    if (stageAfter) stage = result;
    i = end;
  }
}

}  // namespace qv
