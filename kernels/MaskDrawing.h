#pragma once

// The drawing of masks: gradients and brush dabs, all in integers, so that
// the same shape or the same dabs give the same bytes on every machine and
// whichever pixels are asked for (a whole picture in bands, or the pixels
// a zoomed view shows).
//
// Geometry is in sixteenths of a picture pixel; the centre of pixel (x, y)
// lies at (16 x + 8, 16 y + 8).
//
// Gradients. A point of a shape is placed at round(p x side x 16 / 10^6).
//  - Linear, from S (full effect) to E (none): with D = E - S and, for a
//    pixel centre C, n = (C - S) . D and d = D . D, the value is 255 where
//    n <= 0, 0 where n >= d, else 255 - ((n K + 2^39) >> 40) with
//    K = floor(255 x 2^40 / d). Ends at the same point give 255.
//  - Radial, centre C, radii rx and ry (at least one pixel): each offset is
//    brought to 16.16 fixed point, u = (|dx| floor(2^40 / rx)) >> 24 and
//    likewise v; outside the ellipse (u or v >= 2^16, or u^2 + v^2 >= 2^32)
//    the value is 0. With the inner part i = floor((10^6 - feather) x 2^16
//    / 10^6) and f = i^2, the value is 255 where u^2 + v^2 <= f, else
//    255 - (((u^2 + v^2 - f) K + 2^39) >> 40) with K = floor(255 x 2^40 /
//    (2^32 - f)); a feather of 0 is a hard edge.
//  - Inverted: 255 minus the value.
//
// Brushes. A stroke is a row of dabs; each dab is painted over what is
// there. The painting is kept apart from what lies beneath it (a gradient,
// or no effect or full effect everywhere), as two bytes per pixel: the
// cover a (how much paint there is) and the paint p (its value, times the
// cover). A dab of strength s at a pixel, painting the value t (255 to
// give the effect, 0 to take it away), makes
//   a' = (a (255 - s) + 255 s + 127) div 255,
//   p' = (p (255 - s) + t s + 127) div 255,
// and the mask over the base value b is p + (b (255 - a) + 127) div 255
// (255 minus that when the whole mask is inverted). So a gradient beneath
// the painting can still be moved, and inverting is exact: 255 - m.
//
// A dab's strength at a pixel comes from its squared distance q from the
// centre, against its radius r (in sixteenths): pixels with q >= r^2 are
// left alone; else step j = (q floor(2^44 / r^2)) >> 32, 0 to 4095, of the
// dab's profile. The profile is flat to the hardness h (0 to 100) and then
// falls smoothly to the rim: with c = floor(h^2 x 4096 / 10^4), steps
// below c are 65536, the others g^2 >> 16 with g = ((4096 - j) << 16) div
// (4096 - c); the strength is then (that x w + 32768) >> 16 with the flow
// w = (flow x 255 + 50) div 100.

#include <array>
#include <cstdint>

#include "gfx/Bitmap.h"
#include "kernels/Mask.h"

namespace qv {

inline constexpr int kSubpixel = 16;

// A shape laid on a picture of one size, ready to give its values.
class ShapeGrid {
 public:
  ShapeGrid(const MaskShape &shape, int width, int height);
  // The values at pixels (xs[i], y), i < count (any columns, in any order).
  void Pixels(int y, const int *xs, int count, std::uint8_t *out) const;
  // The values at pixels x0 to x0 + count - 1 of row y.
  void Span(int y, int x0, int count, std::uint8_t *out) const;
  // Rows first to last - 1 of the whole width, one after the other.
  void Rows(int first, int last, std::uint8_t *out) const;
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  template <class Column>
  void Values(int y, int count, Column column, std::uint8_t *out) const;

  MaskShape::Form kind_;
  bool invert_;
  int width_, height_;
  // Linear: the start and the direction; Radial: the centre.
  std::int64_t sx_ = 0, sy_ = 0, dx_ = 0, dy_ = 0, length_ = 0, scale_ = 0;
  // Radial: the reciprocals of the radii and the inner part.
  std::int64_t kx_ = 0, ky_ = 0;
  std::uint64_t inner_ = 0, fade_ = 0;
};

// The values of a shape laid on a picture (MaskShape of no kind: 255, or 0
// inverted), every row of it.
MaskRowsFn ShapeRows(const MaskShape &shape, int width, int height);

struct Dab {
  std::int32_t X = 0, Y = 0;  // the centre, in sixteenths of a pixel
  std::int32_t Radius = 8;    // in sixteenths, at least 8 (half a pixel)
  std::uint8_t Value = 255;   // what it paints: 255 gives the effect, 0 takes it away
  std::uint8_t Hardness = 0;  // 0 to 100
  std::uint8_t Flow = 100;    // 1 to 100
  friend bool operator==(const Dab &, const Dab &) = default;
};

// The strength of a dab by step of squared distance.
class DabProfile {
 public:
  DabProfile(int hardness, int flow);
  std::uint8_t operator[](int step) const { return steps_[std::size_t(step)]; }

 private:
  std::array<std::uint8_t, 4096> steps_{};
};

// The pixels a dab may touch, clipped to a picture of width x height.
Rect DabBounds(const Dab &dab, int width, int height);

// Paints the dab into pixels x0 to x0 + count - 1 of row y, whose paint and
// cover bytes are at paint[0] and cover[0].
void PaintDabRow(const Dab &dab, const DabProfile &profile, int y, int x0, int count,
                 std::uint8_t *paint, std::uint8_t *cover);

// The mask over `base`: paint and cover may be null where nothing is
// painted. out may be base.
void ComposeMaskRow(const std::uint8_t *base, const std::uint8_t *paint, const std::uint8_t *cover,
                    int count, bool invert, std::uint8_t *out);

}  // namespace qv
