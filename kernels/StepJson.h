#pragma once

// Steps as JSON objects, the form the recovery record and the look files
// keep them in:
//   {"effect": "light-a", "number": 3, "strength": 90,
//    "colors": ["FF8000", null], "brush": "FFFFFF"}
// "effect" is the category's name (an alias is read as its category),
// "number" 1 to 10, "strength" 0 to 100 (100 when left out), "colors" the
// answers to the effect's colour questions in the order they are asked,
// RRGGBB with red first, null for a question cancelled; without "colors"
// no question is asked and the effect keeps its own colours. "brush" is the
// colour a frame falls back on when its question is cancelled (white when
// left out). "colors": [] asks the questions when the step is applied. A
// look applied as one step is {"look": NAME, "steps": [...]}. "mask" is
// where the effect goes, when it does not go
// everywhere: a gradient, its points relative to the picture (0 and 1 its
// edges, -1 to 2 allowed), full effect at the first point:
//   "mask": {"linear": [x0, y0, x1, y1], "invert": false}
// or around a centre, with radii across and down (above 0, at most 2) and
// the outer part of the radius over which the effect fades out (0 to 1,
// 0.5 when left out):
//   "mask": {"radial": [cx, cy, rx, ry], "feather": 0.5, "invert": false}
// or {"invert": true} alone: no effect anywhere. A brushed step writes the
// shape beneath its strokes only (the strokes belong to their photo); the
// recovery record keeps them beside itself. Keys a reader does not know are
// ignored.

#include <string>

#include <nlohmann/json.hpp>

#include "gfx/ColorText.h"
#include "kernels/Step.h"

namespace qv {

nlohmann::json StepToJson(const Step &step);

// Throws Error naming the step ("step 2: ...", position counted from 1)
// and what is wrong with it: not an object, an unknown effect, a number or
// strength out of range, a malformed colour.
Step StepFromJson(const nlohmann::json &value, int position);

}  // namespace qv
