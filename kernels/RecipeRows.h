#pragma once

// A run of recipe steps that all work row by row, prepared for one picture
// size: every asset loaded and every colour asked, in the order of the
// steps. It then makes any band of result rows from the same rows of the
// source, all the steps one after the other on the band while it is in the
// cache. RenderRecipe runs the bands of the whole picture on all cores; the
// streamed render runs them as the picture is decoded.

#include <cstdint>
#include <exception>
#include <memory>
#include <span>
#include <vector>

#include "gfx/Color.h"
#include "kernels/KernelEnv.h"
#include "kernels/Recipes.h"
#include "kernels/RowStep.h"

namespace qv {

// Whether the step works row by row: all but the art effects.
bool WorksByRows(const RecipeStep &step);
// Whether every step of the recipe does.
bool RendersByRows(const Recipe &recipe);

class RecipeRows {
 public:
  // Prepares the steps in order for a picture of width x height. brush is
  // the result bitmap's brush, which the mattes take (and a cancelled
  // colour falls back on). A step that fails to prepare (a missing asset)
  // ends the preparation: the steps before it are kept and Failure() holds
  // the error.
  RecipeRows(std::span<const RecipeStep> steps, int width, int height, const KernelEnv &env,
             RenderSize size, TColor brush);
  ~RecipeRows();

  // Rows first to last - 1 of result from the same rows of source, through
  // the prepared steps. A step that reads the stage before any step here
  // staged reads stage.
  void Run(PictureRows source, PictureRows result, int first, int last,
           PictureRows stage = {}) const;
  // Run over whole bitmaps of the size, in bands on all cores.
  void RunWhole(const Bitmap &source, Bitmap &result, const Bitmap &stage) const;

  // How many steps were prepared: all of them unless one failed.
  int Prepared() const { return int(entries_.size()); }
  // The result's brush after the prepared steps.
  TColor Brush() const { return brush_; }
  // The error that ended the preparation, or null.
  std::exception_ptr Failure() const { return failure_; }

 private:
  struct Entry {
    const RecipeStep *Step;
    std::unique_ptr<RowStep> Rows;  // none for staging
  };
  std::vector<Entry> entries_;
  int width_, height_;
  TColor brush_;
  std::exception_ptr failure_;
};

}  // namespace qv
