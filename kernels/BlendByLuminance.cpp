#include "kernels/BlendByLuminance.h"

#include <cmath>
#include <cstddef>
#include <cstring>
#include <vector>

#include "gfx/Bands.h"
#include "gfx/Error.h"
#include "gfx/Extended.h"
#include "kernels/LuminanceRows.h"
#include "kernels/VectorRoute.h"

namespace qv {

int MaskLuminanceExtended(std::uint8_t blue, std::uint8_t green, std::uint8_t red) {
  // volatile keeps every product and sum rounded to extended precision in
  // the written order, whatever the optimiser would like to fuse.
  volatile long double t = red * 0.3L;
  t = t + green * 0.59L;
  t = t + blue * 0.11L;
  return static_cast<int>(std::nearbyintl(t));  // default mode: halves to even
}

namespace {

// For each red and green only three blues (b0, b0 + 100, b0 + 200, with
// b0 below 100) make the sum end in 50, since 11 is invertible modulo 100
// (11 x 91 = 1001). So one byte per red and green holds the three answers,
// bit blue div 100 set where the extended luminance rounds up: 64 KB, which
// stays in the cache where a bit per colour (2 MB) would not.
std::vector<std::uint8_t> BuildNearHalfTable() {
  std::vector<std::uint8_t> bits(1u << 16, 0);
  for (int red = 0; red < 256; ++red)
    for (int green = 0; green < 256; ++green) {
      const int need = ((50 - 30 * red - 59 * green) % 100 + 100) % 100;  // 11 b = need (mod 100)
      for (int blue = need * 91 % 100; blue < 256; blue += 100) {
        const int k = 30 * red + 59 * green + 11 * blue;
        const auto b = std::uint8_t(blue), g = std::uint8_t(green), r = std::uint8_t(red);
        if (MaskLuminanceExtended(b, g, r) > k / 100)
          bits[std::size_t(red) << 8 | std::size_t(green)] |= std::uint8_t(1u << (blue / 100));
      }
    }
  return bits;
}

}  // namespace

int NearHalfRoundsUp(std::uint8_t blue, std::uint8_t green, std::uint8_t red) {
  static const std::vector<std::uint8_t> table = BuildNearHalfTable();
  return table[std::size_t(red) << 8 | green] >> (blue / 100) & 1;
}

namespace {

// The weights of one row, three equal bytes per pixel. The sum
// k = 30 R + 59 G + 11 B is below 2^15; k div 100 comes from a multiply and
// a shift (exact for every k below 43699), and the rounding is decided by the
// remainder except where it is exactly 50, which is marked in half[] for the
// extended computation.
[[gnu::always_inline]] inline void RowWeights(const std::uint8_t *m, std::uint8_t *weight,
                                              std::uint8_t *half, std::size_t pixels) {
  for (std::size_t p = 0; p < pixels; ++p) {
    const auto k = std::uint16_t(11 * m[3 * p] + 59 * m[3 * p + 1] + 30 * m[3 * p + 2]);
    const auto whole = std::uint16_t(std::uint16_t((std::uint32_t(k) * 5243u) >> 16) >> 3);
    const auto rest = std::uint16_t(k - whole * 100);
    const auto l = std::uint8_t(whole + (rest > 50));
    weight[3 * p] = weight[3 * p + 1] = weight[3 * p + 2] = l;
    half[p] = std::uint8_t(rest == 50);
  }
}

[[gnu::always_inline]] inline void RowMix(std::uint8_t *d, const std::uint8_t *s,
                                          const std::uint8_t *weight, std::size_t bytes) {
  for (std::size_t i = 0; i < bytes; ++i) {
    const std::uint16_t l = weight[i];
    d[i] = DivideBy255(std::uint16_t(s[i] * l + d[i] * (255 - l)));
  }
}

// The near-half pixels (about one in a hundred) round as the extended sum
// says; eight marks are skipped at a time where there are none.
void RoundNearHalves(const std::uint8_t *m, std::uint8_t *weight, const std::uint8_t *half,
                     std::size_t pixels) {
  std::size_t p = 0;
  for (; p + 8 <= pixels; p += 8) {
    std::uint64_t marks;
    std::memcpy(&marks, half + p, 8);
    if (marks == 0) continue;
    for (std::size_t q = p; q < p + 8; ++q)
      if (half[q]) {
        const std::uint8_t up =
            std::uint8_t(NearHalfRoundsUp(m[3 * q], m[3 * q + 1], m[3 * q + 2]));
        weight[3 * q] = weight[3 * q + 1] = weight[3 * q + 2] = std::uint8_t(weight[3 * q] + up);
      }
  }
  for (; p < pixels; ++p)
    if (half[p]) {
      const std::uint8_t up = std::uint8_t(NearHalfRoundsUp(m[3 * p], m[3 * p + 1], m[3 * p + 2]));
      weight[3 * p] = weight[3 * p + 1] = weight[3 * p + 2] = std::uint8_t(weight[3 * p] + up);
    }
}

// The pass of both forms below: with a colour row, each dest row is the
// colour mixed with source (the caller has sized dest), otherwise dest is
// mixed as it is.
void BlendRows(Bitmap &dest, const Bitmap &source, const Bitmap &mask,
               const std::uint8_t *colorRow) {
  const int height = dest.Height();
  const int width = dest.Width();
  if (source.Width() < width || source.Height() < height || mask.Width() < width ||
      mask.Height() < height)
    throw Error(QV_TEXT("Bitmap image is not valid"));
  const std::size_t bytes = dest.RowBytes(), pixels = std::size_t(width);
  if (bytes == 0 || height == 0) return;
  ForEachBand(height, 16, WorthSharing(std::size_t(height) * bytes), [&](int first, int last) {
    std::vector<std::uint8_t> scratch(LuminanceMixScratchBytes(pixels));
    for (int r = first; r < last; ++r) {
      std::uint8_t *d = dest.ScanLine(r);
      LuminanceMixRow(d, colorRow ? colorRow : d, source.ScanLine(r), mask.ScanLine(r), pixels,
                      scratch.data());
    }
  });
}

}  // namespace

void LuminanceMixRow(std::uint8_t *dest, const std::uint8_t *base, const std::uint8_t *source,
                     const std::uint8_t *mask, std::size_t pixels, std::uint8_t *scratch) {
#if QV_X86_ROUTES
  // One fused pass; dest is only written where base is elsewhere.
  if (Avx2Route() && Avx512Route()) return LuminanceRowAvx512(dest, base, source, mask, pixels);
  if (Avx2Route()) return LuminanceRowAvx2(dest, base, source, mask, pixels);
#endif
  // Each row first gets its weights, one per byte, so that the mixing loop
  // is a plain byte loop the vectoriser can take whole.
  std::uint8_t *weight = scratch, *half = scratch + 3 * pixels;
  RowWeights(mask, weight, half, pixels);
  RoundNearHalves(mask, weight, half, pixels);
  if (base != dest) std::memcpy(dest, base, 3 * pixels);
  RowMix(dest, source, weight, 3 * pixels);
}

void BlendByLuminance(Bitmap &dest, const Bitmap &source, const Bitmap &mask) {
  BlendRows(dest, source, mask, nullptr);
}

void BlendByLuminanceOverColor(Bitmap &dest, TColor color, const Bitmap &source,
                               const Bitmap &mask) {
  Bitmap fill(dest.Width(), dest.Width() > 0 ? 1 : 0);
  fill.SetBrushColor(color);
  fill.Fill();
  BlendRows(dest, source, mask, fill.ScanLine(0));
}

}  // namespace qv
