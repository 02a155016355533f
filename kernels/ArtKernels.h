#pragma once

// The Art category's kernels: a blurred copy blended back in seven ways, a
// steep contrast curve, a sharpened mosaic and a pencil sketch. They call the
// filter kernels (blur, mosaic, invert) directly on bitmaps.
//
// The two-bitmap kernels rebuild dest at source's size and only read source;
// dest may be source itself. A failing filter (a blur of a picture less than
// four pixels high) throws qv::Error out of the kernel.

#include <cstddef>
#include <cstdint>

#include "effects/Filters.h"
#include "gfx/Bitmap.h"
#include "kernels/KernelEnv.h"

namespace qv {

// Every byte b becomes 255 - b, in place: the filters' own complement.
inline void Invert(Bitmap &bmp) {
  ApplyInvert(bmp);
}

// In place, rows top to bottom and pixels left to right: each channel p moves
// away from its reference r by half the difference, p + (p - r) / 2 clamped
// to a byte. The reference is the upper-left neighbour (the pixel above in
// column 0, the left neighbour in row 0), already processed when it is read.
void DiagonalSharpen(Bitmap &bmp);
// One row of it, bytes long: from the finished row above, or for row 0
// (above null) from its own left neighbours. above is never row.
void DiagonalSharpenRow(std::uint8_t *row, const std::uint8_t *above, std::size_t bytes);

// dest := source with the hard-light self-blend applied twice to every byte
// (x * x >> 7 below 128, mirrored above): 64 -> 8, 100 -> 47, 192 -> 248.
void ContrastCurve(const Bitmap &source, Bitmap &dest);
// One row of it: out may be in.
void ContrastCurveRow(std::uint8_t *out, const std::uint8_t *in, std::size_t bytes);

// dest := source blurred (four split-blur passes) and blended with the sharp
// source by mode: 1 lighten, 2 darken, 3 darken of the grey blur and grey
// source, 4 darken with the grey source, 5 overlay of the grey source, 6
// screen. Mode 7 dodges the sharp source with the blurred negative of its
// grey copy. Any other mode leaves the blurred picture.
void ArtBlend(const Bitmap &source, Bitmap &dest, int mode);

// dest := a mosaic of source with blocks of the longer side div 15, sharpened
// three times along the diagonal, then overlaid (mosaic first) with source.
void MosaicRelief(const Bitmap &source, Bitmap &dest);

// dest := the grey picture dodged with its blurred negative: white paper,
// dark strokes on edges. While a colour may be picked, the kernel asks for
// one; a confirmed colour is overlaid so the strokes take it on and the paper
// stays white.
void PencilSketch(const Bitmap &source, Bitmap &dest, const KernelEnv &env);

}  // namespace qv
