#pragma once

// The art effects made band by band, top to bottom, with the very bytes of
// the whole-picture kernels (ArtKernels.h), without holding the picture or
// any picture between the passes whole. The passes that read other rows
// than their own (the blurs, the mosaic, the diagonal sharpening) work on
// the picture in place and in order there, so a row reads the rows above
// it as they already are and the rows below as they still were. Here each
// pass makes its row y from its input's rows up to y + its halo and from
// the rows it made before, which it keeps in a small ring.
//
// The passes fall into two groups: the first runs on the thread that gives
// the source rows (Advance: the decoder's, or the caller's), the second,
// with the blend that makes the result rows, on the thread that takes them
// (Run). Where the work splits is chosen from what each thread carries
// besides the effect, so that both cores are busy for about as long.

#include <cstddef>
#include <memory>
#include <vector>

#include "kernels/KernelEnv.h"
#include "kernels/RowStep.h"

namespace qv {

namespace detail {
class ArtPass;    // rows a pass makes in order, in ArtRows.cpp
class GivenRows;  // rows given from outside
}  // namespace detail

// What the two threads carry besides the effect, and how far the source
// may run ahead of the result rows asked for.
struct ArtThreads {
  // Work per pixel in the units of a blur pass of a colour picture (1).
  double Giving = 0;  // the thread that calls Advance (a decoder: about 4)
  double Taking = 0;  // the thread that calls Run (an encoder, later steps)
  // How far the source given may run ahead: Advance is never given rows
  // past first + Lag() + AheadRows of the Run in progress or next.
  int AheadRows = 64;
};

class ArtRows {
 public:
  // effect 1..10 as RenderArtEffect, for a picture of width x height, both
  // at least 1. Throws qv::Error where the whole-picture kernel fails (a
  // blur of a picture less than four rows high), before anything else;
  // then asks the pencil sketch's colour while one may be picked.
  ArtRows(int effect, int width, int height, const KernelEnv &env, const ArtThreads &threads);
  ~ArtRows();
  ArtRows(const ArtRows &) = delete;
  ArtRows &operator=(const ArtRows &) = delete;

  // How many source rows past a result row the passes read.
  int Lag() const { return lag_; }
  // Whether there are passes, which make their rows in order. Without (the
  // contrast curve) Run makes any band, on any thread, with no Advance.
  bool InOrder() const { return !passes_.empty(); }

  // Source rows up to ready - 1 are in source, with the 16 + Lag() before
  // the ones given last time: the first group makes what they allow.
  // Calls come in order, ready rising, on one thread.
  void Advance(const RowRing &source, int ready);

  // Result rows [first, last) from the same rows of source, each call
  // following the one before, on one thread. Advance must have been given
  // the source rows up to last + Lag() (all of them near the bottom).
  void Run(PictureRows source, PictureRows result, int first, int last);

 private:
  void Combine(const std::uint8_t *source, const std::uint8_t *made, std::uint8_t *out);

  int effect_, width_, height_, lag_ = 0;
  std::size_t bytes_;
  std::vector<std::unique_ptr<detail::ArtPass>> passes_;
  int front_ = 0;  // passes_[0, front_) run in Advance
  int frontLag_ = 0;
  std::unique_ptr<detail::GivenRows> source_,
      boundary_;  // the first group's rows, read by the second
  std::vector<std::uint8_t> scratch_, tint_;
  bool tinted_ = false;
};

}  // namespace qv
