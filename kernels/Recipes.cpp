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

using Table = std::array<std::vector<Recipe>, kCategoryCount>;

Table BuildTable() {
  Table table;
  for (const Category &category : Categories())
    table[std::size_t(category.Id - 1)] = category.Recipes(category);
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

// The steps run together, a band at a time, on whole bitmaps: they work
// row by row but for an art effect that may lead them. The size is the
// input's when the first step rewrites the result, else the result's own.
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
      throw Error(QV_TEXT("Bitmap image is not valid"));
  RecipeRows rows(steps, width, height, env, size, result.BrushColor());
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
    throw Error(Say(QV_TEXT("There is no effect %1 in category %2"), n, categoryId));
  return table[categoryId - 1][n - 1];
}

bool HasFullSizeRender(int categoryId) {
  const Category *category = FindCategory(categoryId);
  return category && category->FullSizeRender;
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
    const RecipeStep &head = steps[std::size_t(i)];
    // The band passes of an art effect need a picture; an empty one goes
    // to the whole-picture kernel, which says what is wrong with it.
    if (!WorksByRows(head) && (head.From == kStage ? stage : source).Empty()) {
      const ProgressSpan part(i++, count);
      RenderArtEffect(head.Number, head.From == kStage ? stage : source, result, env);
      continue;
    }
    // The head and the row steps after it, up to the next art effect;
    // staging that the art effect or nothing follows keeps the whole result.
    int end = i + 1;
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
