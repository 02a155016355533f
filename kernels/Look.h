#pragma once

// A look: a named list of steps to put on any photo, kept as a small UTF-8
// JSON file (.qvlook):
//   {"format": "quorvane-look", "version": "1.0", "name": "Sunset",
//    "steps": [{"effect": "light-a", "number": 3, "strength": 60},
//              {"effect": "color", "number": 1, "colors": ["FF8000"]}]}
// Each step as kernels/StepJson.h writes it. Every effect is exact to the
// byte, so a look gives the same picture on any machine, in any year: the
// effect names are kept for good (a renamed one keeps its old name as an
// alias). A reader takes any 1.x version and ignores the keys it does not
// know; a newer major version, an unknown effect, a number or strength
// out of range or a malformed colour refuse the whole look, naming the
// step and what is wrong.
//
// On the command line a step is written CATEGORY/N[@STRENGTH][#RRGGBB...]:
// light-a/3@60, color/1#FF8000, art/2. "#-" answers a colour question
// with a cancel, "#?" leaves the questions to whoever applies the look,
// and "!RRGGBB" gives the colour a cancelled frame falls back on.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "kernels/Step.h"

namespace qv {

inline constexpr std::size_t kMaxLookBytes = std::size_t(1) << 20;
inline constexpr std::size_t kMaxLookSteps = 1000;
inline constexpr const char *kLookExtension = ".qvlook";
inline constexpr const char *kLookMimeType = "application/x-quorvane-look";

struct Look {
  std::string Name;
  std::vector<Step> Steps;  // effects, in order

  friend bool operator==(const Look &, const Look &) = default;
};

// The file's text; compact for a picture's metadata, else one step a line.
std::string LookText(const Look &look, bool compact = false);
// Throws Error: "is not a look: ...", "step 2: there is no effect ..." and
// the like (the caller puts the file's name in front).
Look ParseLook(std::string_view text);
// Reads a look file (refused at 1 MB or more before it is read whole) and
// writes one (replaced whole, never half-written).
Look ReadLookFile(const std::string &path);
void WriteLookFile(const std::string &path, const Look &look);

// A step as the command line writes it, and back; Error names the step by
// its position (from 1).
std::string StepText(const Step &step);
Step ParseStepText(std::string_view text, int position);

}  // namespace qv
