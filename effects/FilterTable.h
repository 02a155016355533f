#pragma once

// The twenty-one filters described by themselves: each entry holds the
// filter's name, a one-line description, its parameters with their ranges
// and defaults, and the function that runs it. The command line, the effect
// control, the tests and the benchmarks all go through this one table.
//
// An entry's `run` does what the effect control's method of the same name
// does, for every value: on the picture itself, or on working copies that
// are put back only when the filter has succeeded, so a filter that throws
// leaves the picture as it was. `Apply` first refuses values outside the
// declared ranges, which is what a front end that takes a user's values
// calls: inside the ranges every filter ends in reasonable time and memory.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "effects/Random.h"
#include "gfx/Bitmap.h"
#include "gfx/Error.h"

namespace qv {

// A range holds every value the filter defines with a result of its own;
// values outside it give a result some value inside gives too, or none.
struct FilterParam {
  const char *name;      // upper case, as in a usage line
  int min, max;          // the range in which the value means something
  int byDefault;         // within the range; shows a visible change on a photo
  bool notZero = false;  // 0 divides by zero (twist, fish-eye)

  bool Accepts(long long value) const {
    return value >= min && value <= max && !(notZero && value == 0);
  }
  // "-1000 to 1000 except 0"
  std::string Range() const;
  // Any int at all (the spot light's rectangle).
  bool Unbounded() const;
};

using FilterFn = void (*)(Bitmap &picture, std::span<const int> args, RandomGenerator &random);

struct FilterInfo {
  const char *name;    // as typed on the command line, e.g. "gaussian-blur"
  const char *method;  // the effect control's method, e.g. "Effect_GaussianBlur"
  const char *description;
  std::vector<FilterParam> params;  // in the order the filter takes them
  FilterFn run;                     // args.size() == params.size(); no range check

  // The defaults of all parameters, in order.
  std::vector<int> Defaults() const;
  // Why these arguments are refused ("gaussian-blur: AMOUNT must be -1 to
  // 20, not 2000000000"), or nothing when each lies in its range and there
  // is one per parameter.
  std::optional<Text> Refusal(std::span<const int> args) const;
  // Refusal as a qv::Error, else run.
  void Apply(Bitmap &picture, std::span<const int> args, RandomGenerator &random) const;
};

// All twenty-one, in the order of the component's methods.
std::span<const FilterInfo> Filters();
// nullptr when there is no filter of that name (or method name).
const FilterInfo *FindFilter(std::string_view name);

}  // namespace qv
