#include "gfx/ReduceByArea.h"

#include <algorithm>
#include <vector>

#include "gfx/Bands.h"

namespace qv {

namespace {

// Each axis's weights are in 1/4096ths and add up to 4096 for every target
// pixel. A row is reduced across to 8.8 fixed point (16 bits per channel),
// then the rows down into 32 bits: 255 x 256 x 4096 < 2^32.
constexpr int kWeightBits = 12;
constexpr std::uint32_t kWeightOne = 1u << kWeightBits;

// Which source pixels make up each target pixel along one axis, and by how
// much: target t takes Count[t] pixels from First[t] on, their weights at
// Weights[Offset[t]...].
struct AxisMap {
  std::vector<int> First, Count, Offset;
  std::vector<std::uint16_t> Weights;

  // n source pixels onto m target pixels, m <= n. In units of 1/m source
  // pixel, target t spans [t n, (t + 1) n) and source pixel i spans
  // [i m, (i + 1) m); a weight is the overlap's share of n, rounded on the
  // running total so that the weights of every target add up exactly.
  AxisMap(int n, int m) : First(std::size_t(m)), Count(std::size_t(m)), Offset(std::size_t(m)) {
    Weights.reserve(std::size_t(n) + std::size_t(m));
    for (int t = 0; t < m; ++t) {
      const std::int64_t start = std::int64_t(t) * n, end = start + n;
      const int first = int(start / m), last = int((end - 1) / m);
      First[std::size_t(t)] = first;
      Count[std::size_t(t)] = last - first + 1;
      Offset[std::size_t(t)] = int(Weights.size());
      std::uint32_t before = 0;
      for (int i = first; i <= last; ++i) {
        const std::int64_t covered = std::min<std::int64_t>(end, std::int64_t(i + 1) * m) - start;
        const auto upTo = std::uint32_t(covered * kWeightOne / n);
        Weights.push_back(std::uint16_t(upTo - before));
        before = upTo;
      }
    }
  }
};

// One source row reduced across, 8.8 fixed point per channel.
template <int kBytes>
void ReduceAcross(const std::uint8_t *row, const AxisMap &across, int width, std::uint16_t *out) {
  const std::uint16_t *weights = across.Weights.data();
  for (int t = 0; t < width; ++t) {
    const std::uint8_t *p = row + std::size_t(across.First[std::size_t(t)]) * kBytes;
    const std::uint16_t *w = weights + across.Offset[std::size_t(t)];
    std::uint32_t b = 0, g = 0, r = 0;
    for (int k = 0, count = across.Count[std::size_t(t)]; k < count; ++k, p += kBytes) {
      b += w[k] * std::uint32_t(p[0]);
      g += w[k] * std::uint32_t(p[1]);
      r += w[k] * std::uint32_t(p[2]);
    }
    out[3 * t] = std::uint16_t(b >> (kWeightBits - 8));
    out[3 * t + 1] = std::uint16_t(g >> (kWeightBits - 8));
    out[3 * t + 2] = std::uint16_t(r >> (kWeightBits - 8));
  }
}

}  // namespace

void ReduceByArea(const PixelRows &from, const Rect &source, int width, int height,
                  std::uint8_t *out, std::size_t outStride) {
  if (width <= 0 || height <= 0 || source.Width() <= 0 || source.Height() <= 0) return;
  const AxisMap across(source.Width(), width), down(source.Height(), height);
  const std::size_t columnOffset = std::size_t(source.Left) * std::size_t(from.BytesPerPixel);
  const std::size_t values = std::size_t(width) * 3;
  const bool share = WorthSharing(std::size_t(source.Width()) * std::size_t(source.Height()) * 3);

  ForEachBand(height, 16, share, [&](int firstRow, int lastRow) {
    std::vector<std::uint32_t> sum(values);
    // The row reduced last: the source row two target rows share is
    // reduced once.
    std::vector<std::uint16_t> reduced(values);
    int reducedRow = -1;
    for (int t = firstRow; t < lastRow; ++t) {
      std::fill(sum.begin(), sum.end(), 0u);
      const std::uint16_t *w = down.Weights.data() + down.Offset[std::size_t(t)];
      for (int k = 0, count = down.Count[std::size_t(t)]; k < count; ++k) {
        const int y = down.First[std::size_t(t)] + k;
        if (y != reducedRow) {
          const std::uint8_t *row = from.Row(source.Top + y) + columnOffset;
          if (from.BytesPerPixel == 4)
            ReduceAcross<4>(row, across, width, reduced.data());
          else
            ReduceAcross<3>(row, across, width, reduced.data());
          reducedRow = y;
        }
        const std::uint32_t weight = w[k];
        for (std::size_t i = 0; i < values; ++i) sum[i] += weight * reduced[i];
      }
      std::uint8_t *target = out + std::size_t(t) * outStride;
      constexpr std::uint32_t kHalf = 1u << (kWeightBits + 7);
      for (int x = 0; x < width; ++x) {
        target[4 * x] = std::uint8_t((sum[3 * std::size_t(x)] + kHalf) >> (kWeightBits + 8));
        target[4 * x + 1] =
            std::uint8_t((sum[3 * std::size_t(x) + 1] + kHalf) >> (kWeightBits + 8));
        target[4 * x + 2] =
            std::uint8_t((sum[3 * std::size_t(x) + 2] + kHalf) >> (kWeightBits + 8));
        target[4 * x + 3] = 255;
      }
    }
  });
}

}  // namespace qv
