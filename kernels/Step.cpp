#include "kernels/Step.h"

#include "gfx/Error.h"
#include "kernels/Categories.h"
#include "kernels/Recipes.h"
#include "kernels/ScriptedColorPrompt.h"

namespace qv {

PictureRef ApplyStep(const Step &step, const PictureRef &picture, const KernelEnv &env) {
  if (!StrengthInRange(step.Strength))
    throw MakeError("The strength %d is outside 0 to 100", step.Strength);
  ScriptedColorPrompt answers(step.Colors);
  KernelEnv mine = env;
  mine.Prompt = step.PickedColors ? &answers : nullptr;
  auto render = std::make_shared<Bitmap>();
  render->SetBrushColor(step.Brush);
  RenderRecipe(step.Category, step.Number, *picture, *render, mine, RenderSize::FullSize);
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
