#pragma once

// A run of recipe steps that work a band of rows at a time, prepared for
// one picture size: every asset loaded and every colour asked, in the order
// of the steps. It then makes any band of result rows from the same rows of
// the source, all the steps one after the other on the band while it is in
// the cache. RenderRecipe runs the bands of the whole picture on all cores;
// the streamed render runs them as the picture is decoded.
//
// An art effect may lead the run: its passes read rows above and below
// their own (ArtRows), so the bands are then made in order, top to bottom,
// each once the source is given far enough below it.

#include <cstdint>
#include <exception>
#include <memory>
#include <span>
#include <vector>

#include "gfx/Color.h"
#include "kernels/ArtRows.h"
#include "kernels/KernelEnv.h"
#include "kernels/Recipes.h"
#include "kernels/RowStep.h"

namespace qv {

// Whether the step works row by row: all but the art effects.
bool WorksByRows(const RecipeStep &step);
// Whether RecipeRows makes the steps together: all of them work row by
// row, but for an art effect that may come first.
bool RunsInBands(std::span<const RecipeStep> steps);
// Whether RecipeRows makes the whole recipe from the source: it runs in
// bands, and an art effect first reads the source. Every recipe of the
// table does.
bool RendersInBands(const Recipe &recipe);

class RecipeRows {
 public:
  // Prepares the steps in order for a picture of width x height. brush is
  // the result bitmap's brush, which the mattes take (and a cancelled
  // colour falls back on). A step that fails to prepare (a missing asset)
  // ends the preparation: the steps before it are kept and Failure() holds
  // the error. threads tells a leading art effect how to share its passes.
  RecipeRows(std::span<const RecipeStep> steps, int width, int height, const KernelEnv &env,
             RenderSize size, TColor brush, const ArtThreads &threads = {});
  ~RecipeRows();

  // Whether the bands must come in order, after Advance: an art effect
  // with passes leads. Otherwise any band may be made on any thread.
  bool InOrder() const { return art_ && art_->InOrder(); }
  // How many rows of the source below a band an art effect reads.
  int Lag() const { return art_ ? art_->Lag() : 0; }
  // Gives the art effect the rows of its input up to ready - 1 (see
  // ArtRows::Advance); nothing to do without one.
  void Advance(const RowRing &input, int ready);

  // Rows first to last - 1 of result from the same rows of source, through
  // the prepared steps. A step that reads the stage before any step here
  // staged reads stage. In order, the bands follow each other.
  void Run(PictureRows source, PictureRows result, int first, int last, PictureRows stage = {});
  // Run over whole bitmaps of the size, in bands on all cores.
  void RunWhole(const Bitmap &source, Bitmap &result, const Bitmap &stage);

  // How many steps were prepared: all of them unless one failed.
  int Prepared() const { return int(entries_.size()); }
  // The result's brush after the prepared steps.
  TColor Brush() const { return brush_; }
  // The error that ended the preparation, or null.
  std::exception_ptr Failure() const { return failure_; }

 private:
  struct Entry {
    const RecipeStep *Step;
    std::unique_ptr<RowStep> Rows;  // none for staging and the art effect
  };
  std::vector<Entry> entries_;
  std::unique_ptr<ArtRows> art_;
  int width_, height_;
  TColor brush_;
  std::exception_ptr failure_;
};

}  // namespace qv
