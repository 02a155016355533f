#pragma once

// The one recipe table: for every category id (1..16) and thumbnail number
// (1..10), the kernels that render the effect, in order, with their
// folders, numbers and colours. The thumbnail strip, the editor's full-size
// render and the command line all go through RenderRecipe.

#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Color.h"
#include "kernels/KernelEnv.h"

namespace qv {

// Thumbnails and full-size renders run the same kernels; the callers only
// spell some asset folders in another letter case, which the lookup ignores.
enum class RenderSize { Thumbnail, FullSize };

enum class StepKind {
  // Read From, write the result.
  LightMap,     // ApplyLightMap(Folder, Number)
  MatteWhite,   // AssetMatteWhite(Folder, Number)
  MatteYellow,  // AssetMatteYellow(Folder, Number)
  ColorWash,    // ColorWashByAsset(Color)
  LinePattern,  // ApplyLinePattern(Number)
  ArtEffect,    // RenderArtEffect(Number): the art kernels
  CopySource,   // result := source
  // Work on the result in place.
  Greyscale,
  Burn,       // BurnWithColor(Color)
  FourColor,  // FourColorOverlay
  ColorTone,  // ColorToneByAsset(mode Number, Color)
  // The stage bitmap holds one pass's output while the next pass reads it.
  StageResult,  // stage := result
};

enum class StepInput { Source, Stage };

struct RecipeStep {
  StepKind Kind;
  StepInput From = StepInput::Source;
  const char *Folder = nullptr;          // as the strip spells it
  const char *FullSizeFolder = nullptr;  // as the full-size render spells it
  int Number = 0;                        // asset file, tone mode, line or art number
  TColor Color = 0;

  const char *FolderFor(RenderSize size) const {
    return size == RenderSize::FullSize && FullSizeFolder ? FullSizeFolder : Folder;
  }
  // Whether the step's kernel asks for a colour while one may be picked.
  bool AsksForColor() const;
};

struct Recipe {
  std::vector<RecipeStep> Steps;
};

// The recipe of thumbnail n (1..10) of the category; throws qv::Error for a
// pair outside the table.
const Recipe &RecipeFor(int categoryId, int n);

// Whether the editor renders the category at full size when a thumbnail is
// clicked. Line (14) and unknown ids render nothing there: the preview shows
// the result bitmap as it was. The command line renders Line all the same.
bool HasFullSizeRender(int categoryId);

// Whether the recipe runs an art kernel (all of Art, Preset 5).
bool NeedsArtKernels(int categoryId, int n);

// Whether "Change Color" has something to ask for: some step of the recipe
// asks for a colour. Color 6 (the four-colour overlay) and the art effects
// but the pencil sketch do not.
bool OffersChangeColor(int categoryId, int n);

// Renders recipe (categoryId, n) from source into result. result keeps its
// brush between calls, which a cancelled colour prompt falls back on, so the
// editor passes its long-lived result bitmap. Errors of the kernels (a
// missing asset) propagate; the steps before the failing one stay done.
// Steps that work row by row run together a band at a time on all cores.
void RenderRecipe(int categoryId, int n, const Bitmap &source, Bitmap &result, const KernelEnv &env,
                  RenderSize size);

}  // namespace qv
