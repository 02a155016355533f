#pragma once

// The filters by name, with their parameters, for the command line, the
// tests and the benchmarks. Each entry's call runs the filter the way the
// effect component does: on the picture itself, or on working copies that
// are put back only when the filter has succeeded, so a filter that throws
// leaves the picture as it was.

#include <span>
#include <string_view>
#include <vector>

#include "gfx/Bitmap.h"

namespace qv {

struct FilterParam {
  const char *name;  // upper case, as in a usage line
  int min, max;      // the range in which the value means something
};

struct FilterInfo {
  const char *name;  // as typed on the command line, e.g. "gaussian-blur"
  const char *description;
  std::vector<FilterParam> params;  // in the order the filter takes them
  std::vector<int> example;         // arguments that visibly change a photo
  void (*apply)(Bitmap &picture, std::span<const int> args);  // args.size() == params.size()
};

// All twenty-one, in the order of the component's methods.
std::span<const FilterInfo> Filters();
// nullptr when there is no filter of that name.
const FilterInfo *FindFilter(std::string_view name);

}  // namespace qv
