#include <array>
#include <cstddef>
#include <cstdint>

#include "gfx/Bands.h"
#include "kernels/ArtKernels.h"
#include "kernels/Blend.h"

namespace qv {

namespace {

// Both passes of the curve folded into one table: each byte goes through
// BlendHardLight(x, x) twice, and no byte depends on any other.
constexpr std::array<std::uint8_t, 256> BuildCurve() {
  std::array<std::uint8_t, 256> table{};
  for (int x = 0; x < 256; ++x) {
    const int once = BlendHardLight(x, x);
    table[std::size_t(x)] = std::uint8_t(BlendHardLight(once, once));
  }
  return table;
}

constexpr std::array<std::uint8_t, 256> kCurve = BuildCurve();

}  // namespace

void ContrastCurveRow(std::uint8_t *out, const std::uint8_t *in, std::size_t bytes) {
  for (std::size_t i = 0; i < bytes; ++i) out[i] = kCurve[in[i]];
}

void ContrastCurve(const Bitmap &source, Bitmap &dest) {
  dest = source;
  const int height = dest.Height();
  const std::size_t bytes = dest.RowBytes();
  ForEachBand(height, 32, WorthSharing(std::size_t(height) * bytes), [&](int first, int last) {
    for (int r = first; r < last; ++r) ContrastCurveRow(dest.ScanLine(r), dest.ScanLine(r), bytes);
  });
}

}  // namespace qv
