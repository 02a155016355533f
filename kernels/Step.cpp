#include "kernels/Step.h"

#include "gfx/Error.h"
#include "kernels/Categories.h"
#include "kernels/MaskDrawing.h"
#include "kernels/MaskedMix.h"
#include "kernels/Recipes.h"
#include "kernels/ScriptedColorPrompt.h"

namespace qv {

MaskRowsFn MaskRowsFor(const StepMask &mask, int width, int height) {
  if (!mask.Painted) return ShapeRows(mask.Shape, width, height);
  const PackedMask &painted = *mask.Painted;
  if (painted.Width() != width || painted.Height() != height)
    throw MakeError(
        "The mask is %d x %d pixels and the picture %d x %d; they must be the same size",
        painted.Width(), painted.Height(), width, height);
  return painted.Rows();
}

PictureRef ApplyStep(const Step &step, const PictureRef &picture, const KernelEnv &env) {
  if (!StrengthInRange(step.Strength))
    throw MakeError("The strength %d is outside 0 to 100", step.Strength);
  ScriptedColorPrompt answers(step.Colors);
  KernelEnv mine = env;
  mine.Prompt = step.PickedColors ? &answers : nullptr;
  auto render = std::make_shared<Bitmap>();
  render->SetBrushColor(step.Brush);
  // A mask of another size is refused before the effect is rendered.
  const MaskRowsFn mask =
      step.Mask.Any() ? MaskRowsFor(step.Mask, picture->Width(), picture->Height()) : nullptr;
  RenderRecipe(step.Category, step.Number, *picture, *render, mine, RenderSize::FullSize);
  if (mask) {
    Bitmap mixed;
    MaskedMix(*picture, *render, mixed, step.Strength, mask, PackedMask::kChunkRows);
    return Share(std::move(mixed));
  }
  if (step.Strength == kFullStrength) return render;
  if (step.Strength == kMinStrength) return picture;
  Bitmap mixed;
  StrengthMix(*picture, *render, mixed, step.Strength);
  return Share(std::move(mixed));
}

std::string EffectName(const Step &step) {
  const Category *category = FindCategory(step.Category);
  return (category ? category->Name : std::to_string(step.Category)) + " " +
         std::to_string(step.Number);
}

}  // namespace qv
