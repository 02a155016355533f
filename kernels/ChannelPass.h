#pragma once

// The loop every blending kernel shares: for each row of Bounds and each of
// its 3 x Width bytes, Target[r][i] := F(X[r][i], Y[r][i]). Target may be X
// or Y: each byte is read before it is written and never read again.

#include <cstddef>
#include <cstdint>

#include "gfx/Bands.h"
#include "gfx/Bitmap.h"
#include "kernels/Blend.h"

namespace qv {

// One row of each blend, in ChannelRows.cpp: compiled for AVX2 and for the
// baseline, the one the processor can run chosen once at start-up.
using ChannelRowFn = void (*)(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y,
                              std::size_t bytes);
void ScreenRow(std::uint8_t *, const std::uint8_t *, const std::uint8_t *, std::size_t);
void OverlayRow(std::uint8_t *, const std::uint8_t *, const std::uint8_t *, std::size_t);
void HardLightRow(std::uint8_t *, const std::uint8_t *, const std::uint8_t *, std::size_t);
void LightenRow(std::uint8_t *, const std::uint8_t *, const std::uint8_t *, std::size_t);
void DarkenRow(std::uint8_t *, const std::uint8_t *, const std::uint8_t *, std::size_t);
void DodgeRow(std::uint8_t *, const std::uint8_t *, const std::uint8_t *, std::size_t);
void BurnRow(std::uint8_t *, const std::uint8_t *, const std::uint8_t *, std::size_t);

template <class F>
struct RowOf;
template <>
struct RowOf<Screen> {
  static constexpr ChannelRowFn Run = ScreenRow;
};
template <>
struct RowOf<Overlay> {
  static constexpr ChannelRowFn Run = OverlayRow;
};
template <>
struct RowOf<HardLight> {
  static constexpr ChannelRowFn Run = HardLightRow;
};
template <>
struct RowOf<Lighten> {
  static constexpr ChannelRowFn Run = LightenRow;
};
template <>
struct RowOf<Darken> {
  static constexpr ChannelRowFn Run = DarkenRow;
};
template <>
struct RowOf<Dodge> {
  static constexpr ChannelRowFn Run = DodgeRow;
};
template <>
struct RowOf<Burn> {
  static constexpr ChannelRowFn Run = BurnRow;
};

template <class F>
void ChannelPassRow(std::uint8_t *target, const std::uint8_t *x, const std::uint8_t *y,
                    std::size_t bytes) {
  RowOf<F>::Run(target, x, y, bytes);
}

// Rows of the channel pass are independent, so they are shared out among the
// cores; the result is the same byte for byte.
template <class F>
void ChannelPass(Bitmap &target, const Bitmap &x, const Bitmap &y, const Bitmap &bounds) {
  const int height = bounds.Height();
  const std::size_t bytes = bounds.RowBytes();
  if (bytes == 0) return;
  ForEachBand(height, 32, WorthSharing(std::size_t(height) * bytes), [&](int first, int last) {
    for (int r = first; r < last; ++r)
      ChannelPassRow<F>(target.ScanLine(r), x.ScanLine(r), y.ScanLine(r), bytes);
  });
}

}  // namespace qv
