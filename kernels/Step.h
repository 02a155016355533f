#pragma once

// A step: what the user did to a picture, by name. The effect (a category
// and a thumbnail number), the answers to its colour questions, the
// strength it was applied at. Pictures are caches of steps: applying the
// same step to the same picture gives the same bytes, on any machine, so
// the editor's history, its recovery record, looks and the command line
// all keep steps rather than pictures.

#include <optional>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Color.h"
#include "gfx/PictureRef.h"
#include "kernels/KernelEnv.h"
#include "kernels/StrengthMix.h"

namespace qv {

struct Step {
  int Category = 0;  // the category's id
  int Number = 0;    // its effect, 1 to 10
  // Whether the effect was rendered with its colour questions asked
  // ("Change Color"), and the answers in the order they were asked; a
  // cancelled question is nullopt.
  bool PickedColors = false;
  std::vector<std::optional<TColor>> Colors;
  // The colour a frame or line pattern falls back on when its question is
  // cancelled: the result bitmap's brush when the render started.
  TColor Brush = clWhite;
  int Strength = kFullStrength;  // 0 to 100
  // A look applied as one step: its name and its steps, in order, mixed in
  // at Strength (the fields above but Strength are then unused). Steps of
  // a look are effects, never looks themselves.
  std::string Look;
  std::vector<Step> LookSteps;

  bool IsLook() const { return !LookSteps.empty(); }
  // Whether the step asks its colour questions when it is applied: it
  // picks colours but has none recorded (a look's step left to the user).
  bool AsksWhenApplied() const { return !IsLook() && PickedColors && Colors.empty(); }

  friend bool operator==(const Step &, const Step &) = default;
};

// The effects of the steps in order, looks opened out into theirs.
std::vector<Step> Effects(const std::vector<Step> &steps);

// Renders the step's effect from `picture` at full size and mixes it in at
// the step's strength: the picture Apply made of it (a look: each of its
// steps in turn). At full strength the result is the render itself, at 0
// the picture (shared, not copied). Errors of the kernels (a missing asset)
// are thrown. A step that asks when applied asks env's prompt, if any, and
// otherwise keeps the effect's own colours.
PictureRef ApplyStep(const Step &step, const PictureRef &picture, const KernelEnv &env);

// An effect on a picture at a strength, as Apply commits it: the effect or
// the picture themselves at the ends (shared), a new picture between.
PictureRef MixedAt(int strength, const PictureRef &picture, const PictureRef &effect);

// "light-a 3": the category's name and the effect's number (a look: its name).
std::string EffectName(const Step &step);

}  // namespace qv
