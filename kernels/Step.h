#pragma once

// A step: what the user did to a picture, by name. The effect (a category
// and a thumbnail number), the answers to its colour questions, the
// strength it was applied at, and where it went (its mask). Pictures are
// caches of steps: applying the
// same step to the same picture gives the same bytes, on any machine, so
// the editor's history, its recovery record, looks and the command line
// all keep steps rather than pictures.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Color.h"
#include "gfx/PictureRef.h"
#include "kernels/KernelEnv.h"
#include "kernels/Mask.h"
#include "kernels/PackedMask.h"
#include "kernels/StrengthMix.h"

namespace qv {

// Where a step's effect went. A shape (a gradient) is a few numbers
// relative to the picture and travels with the step into looks; a painted
// mask (the brush) belongs to the photo it was painted on: it holds the
// whole mask, the strokes over the shape beneath them, at that photo's
// size, and a look made of the step keeps only the shape.
struct StepMask {
  MaskShape Shape;
  std::shared_ptr<const PackedMask> Painted;

  // Whether the effect is held back anywhere (a step without is applied
  // everywhere at its strength, as before masks).
  bool Any() const { return Painted != nullptr || !Shape.Empty(); }
  bool Brushed() const { return Painted != nullptr; }
  friend bool operator==(const StepMask &a, const StepMask &b) {
    return a.Shape == b.Shape &&
           (a.Painted == b.Painted || (a.Painted && b.Painted && *a.Painted == *b.Painted));
  }
};

// The mask's rows on a picture of width x height, for MaskedMix (in bands
// of PackedMask::kChunkRows). Throws Error for a painted mask of another
// size, naming both.
MaskRowsFn MaskRowsFor(const StepMask &mask, int width, int height);

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
  StepMask Mask;

  friend bool operator==(const Step &, const Step &) = default;
};

// The effects of the steps in order, looks opened out into theirs.
std::vector<Step> Effects(const std::vector<Step> &steps);

// Renders the step's effect from `picture` at full size and mixes it in at
// the step's strength through its mask: the picture Apply made of it (a
// look: each of its steps in turn, the whole mixed through the look's
// mask). Without a mask, at full strength the result is the render itself,
// at 0 the picture (shared, not copied). Errors of the kernels (a missing
// asset) are thrown, and so is a painted mask of another size than the
// picture. A step that asks when applied asks env's prompt, if any, and
// otherwise keeps the effect's own colours.
PictureRef ApplyStep(const Step &step, const PictureRef &picture, const KernelEnv &env);

// An effect on a picture at a strength through a mask, as Apply commits it:
// without a mask the effect or the picture themselves at the ends (shared),
// a new picture between.
PictureRef MixedAt(int strength, const PictureRef &picture, const PictureRef &effect,
                   const StepMask &mask = {});

// "light-a 3": the category's name and the effect's number (a look: its name).
std::string EffectName(const Step &step);

}  // namespace qv
