#pragma once

// A mask says where an effect goes: one byte per pixel of the picture, 0
// for not at all, 255 for fully, mixed by MaskedMix.h. A mask is either a
// shape (a linear or radial gradient, or nothing, possibly inverted),
// which is a handful of numbers relative to the picture and so fits any
// photo, or pixels painted with a brush, which belong to their photo
// (PackedMask.h). The values of a shape are worked out by MaskDrawing.h in
// integers, so the same shape gives the same mask on every machine.

#include <cstdint>
#include <functional>

namespace qv {

// Positions relative to the picture, in millionths: 0 is the left or top
// edge, kMaskUnit the right or bottom one.
inline constexpr std::int32_t kMaskUnit = 1'000'000;
// How far outside the picture a shape's points may lie: from -1 to 2.
inline constexpr std::int32_t kMaskLowest = -kMaskUnit, kMaskHighest = 2 * kMaskUnit;

struct MaskShape {
  enum class Form : std::uint8_t { None, Linear, Radial };
  Form Kind = Form::None;
  // X in millionths of the picture's width, Y of its height.
  //  Linear: full effect at (X0, Y0) and beyond it, none at (X1, Y1) and
  //          beyond, a straight fade between.
  //  Radial: centre (X0, Y0); radius X1 across and Y1 down (an ellipse on
  //          a picture that is not square), both above 0 and at most 2.
  std::int32_t X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
  // Radial: the outer part of the radius over which the effect fades out,
  // in millionths (0: a hard edge; kMaskUnit: from the centre on).
  std::int32_t Feather = kMaskUnit / 2;
  // Where the effect went, it does not, and the other way round. Inverted
  // nothing is a mask of no effect anywhere.
  bool Invert = false;

  // No mask at all: the effect everywhere.
  bool Empty() const { return Kind == Form::None && !Invert; }
  friend bool operator==(const MaskShape &, const MaskShape &) = default;
};

// Rows first to last - 1 of a mask, written at `rows` one after the other
// (each as wide as the picture).
using MaskRowsFn = std::function<void(int first, int last, std::uint8_t *rows)>;

}  // namespace qv
