#include "kernels/Step.h"

#include "gfx/Error.h"
#include "kernels/Categories.h"
#include "kernels/MaskDrawing.h"
#include "kernels/MaskedMix.h"
#include "kernels/Recipes.h"
#include "kernels/ScriptedColorPrompt.h"

namespace qv {

std::vector<Step> Effects(const std::vector<Step> &steps) {
  std::vector<Step> effects;
  for (const Step &step : steps) {
    if (!step.IsLook()) effects.push_back(step);
    for (const Step &inner : step.LookSteps) effects.push_back(inner);
  }
  return effects;
}

MaskRowsFn MaskRowsFor(const StepMask &mask, int width, int height) {
  if (!mask.Painted) return ShapeRows(mask.Shape, width, height);
  const PackedMask &painted = *mask.Painted;
  if (painted.Width() != width || painted.Height() != height)
    throw Error(Say(
        QV_TEXT("The mask is %1 x %2 pixels and the picture %3 x %4; they must be the same size"),
        painted.Width(), painted.Height(), width, height));
  return painted.Rows();
}

PictureRef ApplyStep(const Step &step, const PictureRef &picture, const KernelEnv &env) {
  if (!StrengthInRange(step.Strength))
    throw Error(Say(QV_TEXT("The strength %1 is outside 0 to 100"), step.Strength));
  if (step.IsLook()) {
    PictureRef made = picture;
    for (const Step &inner : step.LookSteps) made = ApplyStep(inner, made, env);
    return MixedAt(step.Strength, picture, made, step.Mask);
  }
  ScriptedColorPrompt answers(step.Colors);
  KernelEnv mine = env;
  mine.Prompt = step.AsksWhenApplied() ? env.Prompt : step.PickedColors ? &answers : nullptr;
  auto render = std::make_shared<Bitmap>();
  render->SetBrushColor(step.Brush);
  // A mask of another size is refused before the effect is rendered.
  if (step.Mask.Any()) MaskRowsFor(step.Mask, picture->Width(), picture->Height());
  RenderRecipe(step.Category, step.Number, *picture, *render, mine, RenderSize::FullSize);
  return MixedAt(step.Strength, picture, render, step.Mask);
}

PictureRef MixedAt(int strength, const PictureRef &picture, const PictureRef &effect,
                   const StepMask &mask) {
  if (mask.Any()) {
    Bitmap mixed;
    MaskedMix(*picture, *effect, mixed, strength,
              MaskRowsFor(mask, picture->Width(), picture->Height()), PackedMask::kChunkRows);
    return Share(std::move(mixed));
  }
  if (strength >= kFullStrength) return effect;
  if (strength <= kMinStrength) return picture;
  Bitmap mixed;
  StrengthMix(*picture, *effect, mixed, strength);
  return Share(std::move(mixed));
}

std::string EffectName(const Step &step) {
  if (step.IsLook()) return step.Look;
  const Category *category = FindCategory(step.Category);
  return (category ? category->Name : std::to_string(step.Category)) + " " +
         std::to_string(step.Number);
}

}  // namespace qv
