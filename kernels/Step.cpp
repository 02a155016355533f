#include "kernels/Step.h"

#include "gfx/Error.h"
#include "kernels/Categories.h"
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

PictureRef ApplyStep(const Step &step, const PictureRef &picture, const KernelEnv &env) {
  if (!StrengthInRange(step.Strength))
    throw MakeError("The strength %d is outside 0 to 100", step.Strength);
  if (step.IsLook()) {
    PictureRef made = picture;
    for (const Step &inner : step.LookSteps) made = ApplyStep(inner, made, env);
    return MixedAt(step.Strength, picture, made);
  }
  ScriptedColorPrompt answers(step.Colors);
  KernelEnv mine = env;
  mine.Prompt = step.AsksWhenApplied() ? env.Prompt : step.PickedColors ? &answers : nullptr;
  auto render = std::make_shared<Bitmap>();
  render->SetBrushColor(step.Brush);
  RenderRecipe(step.Category, step.Number, *picture, *render, mine, RenderSize::FullSize);
  return MixedAt(step.Strength, picture, render);
}

PictureRef MixedAt(int strength, const PictureRef &picture, const PictureRef &effect) {
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
