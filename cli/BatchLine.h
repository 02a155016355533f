#pragma once

// render and apply with --out: the inputs' folders opened, the results
// planned and rendered on both cores, a progress line on a terminal, the
// manifest, and SIGINT or SIGTERM taken as a cancel that leaves no part of
// a file behind.

#include <string>
#include <vector>

#include "batch/BatchPlan.h"
#include "batch/BatchRun.h"
#include "cli/Commands.h"

namespace qv::cli {

struct BatchLine {
  BatchOutput Output;
  bool Recursive = false;
  std::string Manifest;  // empty: none
  std::string Look;      // what {look} stands for
};

// The exit status: 0 when every picture was written or skipped, 1 when any
// failed, 130 (SIGINT) or 143 (SIGTERM) once cancelled.
int RunBatchLine(const PictureRecipe &recipe, const Args &inputs, const BatchLine &line);

// The single-picture form, cancelled the same way.
int RenderOneLine(const PictureRecipe &recipe, const std::string &in, const std::string &out);

}  // namespace qv::cli
