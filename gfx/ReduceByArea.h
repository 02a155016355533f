#pragma once

// Area averaging: a picture made smaller by giving each target pixel the
// mean of the source area it covers, pixels partly covered counted by their
// share. It is what a screen copy of a large photo wants (no pixel skipped,
// no moiré) and reads the picture once.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <memory>
#include <thread>

#include "gfx/Bitmap.h"

namespace qv {

// Rows of blue, green, red pixels, 3 or 4 bytes each (the fourth is
// ignored), Stride bytes apart.
struct PixelRows {
  const std::uint8_t *Base = nullptr;
  std::size_t Stride = 0;
  int BytesPerPixel = 3;
  const std::uint8_t *Row(int y) const { return Base + std::size_t(y) * Stride; }
};

inline PixelRows PixelsOf(const Bitmap &picture) {
  return {picture.Bits(), picture.RowBytes(), 3};
}

// The part `source` of `from` averaged down to width x height pixels (each
// at least 1 and at most the source's), written as 4-byte pixels blue,
// green, red, 255 into the rows of `out`, outStride bytes apart. Each
// channel is within one level of the exact mean. Large reductions are
// shared among the cores.
void ReduceByArea(const PixelRows &from, const Rect &source, int width, int height,
                  std::uint8_t *out, std::size_t outStride);

// The same reduction worked out once and made a band of target rows at a
// time; bands may be made on several threads at once.
class AreaReducer {
 public:
  AreaReducer(const PixelRows &from, const Rect &source, int width, int height, std::uint8_t *out,
              std::size_t outStride);
  ~AreaReducer();
  AreaReducer(const AreaReducer &) = delete;
  AreaReducer &operator=(const AreaReducer &) = delete;

  int Height() const { return height_; }
  // How many source rows (from the source's top) target row t reads.
  int SourceRowsFor(int t) const;
  // Target rows first to last - 1.
  void Rows(int first, int last) const;

 private:
  struct Maps;
  PixelRows from_;
  Rect source_;
  int width_, height_;
  std::uint8_t *out_;
  std::size_t outStride_;
  std::unique_ptr<Maps> maps_;
};

// The reduction of a whole picture that is still being made from the top
// down (a decode), on a thread of its own: each target row is made as soon
// as the source rows under it are, so the reduction is done almost as soon
// as the picture is. The destructor abandons what is not finished.
class FollowingReduction {
 public:
  FollowingReduction(const PixelRows &from, int sourceWidth, int sourceHeight, int width,
                     int height, std::uint8_t *out, std::size_t outStride);
  ~FollowingReduction();
  FollowingReduction(const FollowingReduction &) = delete;
  FollowingReduction &operator=(const FollowingReduction &) = delete;

  // Source rows 0 to rows - 1 are made and will not change.
  void RowsMade(int rows);
  // Once every source row is made: waits for the last target rows, and
  // throws what the reduction met (running out of memory).
  void Finish();

 private:
  void Follow();

  AreaReducer reducer_;
  std::atomic<int> made_{0};
  std::atomic<bool> stop_{false};
  std::exception_ptr failure_;
  std::thread thread_;
};

}  // namespace qv
