#include "gfx/ReduceByArea.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

#include "gfx/Bands.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qv {

namespace {

// Each axis's weights are in 1/4096ths and add up to 4096 for every target
// pixel. The source rows of a target row are summed down by their weights
// (20 bits a channel), taken to 15 bits (7 below the point), then summed
// across: 255 x 128 x 4096 < 2^31.
constexpr int kWeightBits = 12;
constexpr std::uint32_t kWeightOne = 1u << kWeightBits;

// Which source pixels make up each target pixel along one axis, and by how
// much: target t takes Count[t] pixels from First[t] on, their weights at
// Weights[t x Taps...]. Every target has Taps weights, the ones past its
// Count zero, so that the loop across a row runs the same length for every
// pixel (a loop whose length changes from pixel to pixel is mispredicted).
struct AxisMap {
  std::vector<int> First, Count, Offset;
  std::vector<std::uint16_t> Weights;
  int Taps = 0;

  // n source pixels onto m target pixels, m <= n. In units of 1/m source
  // pixel, target t spans [t n, (t + 1) n) and source pixel i spans
  // [i m, (i + 1) m); a weight is the overlap's share of n, rounded on the
  // running total so that the weights of every target add up exactly.
  AxisMap(int n, int m) : First(std::size_t(m)), Count(std::size_t(m)), Offset(std::size_t(m)) {
    Taps = int((std::int64_t(n) + m - 1) / m) + 1;
    Weights.assign(std::size_t(m) * std::size_t(Taps), 0);
    for (int t = 0; t < m; ++t) {
      const std::int64_t start = std::int64_t(t) * n, end = start + n;
      const int first = int(start / m), last = int((end - 1) / m);
      First[std::size_t(t)] = first;
      Count[std::size_t(t)] = last - first + 1;
      Offset[std::size_t(t)] = t * Taps;
      std::uint32_t before = 0;
      for (int i = first; i <= last; ++i) {
        const std::int64_t covered = std::min<std::int64_t>(end, std::int64_t(i + 1) * m) - start;
        const auto upTo = std::uint32_t(covered * kWeightOne / n);
        Weights[std::size_t(t) * std::size_t(Taps) + std::size_t(i - first)] =
            std::uint16_t(upTo - before);
        before = upTo;
      }
    }
  }
};

// The source rows of one target row summed down by their weights, every
// byte of the row (a fourth byte too, which is not used). One pass of
// multiply-adds over whole rows, which the compiler vectorises.
void SumDown(const PixelRows &from, int top, std::size_t offset, std::size_t bytes,
             const AxisMap &down, int t, std::uint32_t *sum) {
  const std::uint16_t *w = down.Weights.data() + down.Offset[std::size_t(t)];
  const int first = top + down.First[std::size_t(t)];
  const std::uint8_t *row = from.Row(first) + offset;
  // Rows go in pairs: two 16-bit products added into 32 bits is one
  // multiply-add instruction for the vectoriser.
  const std::int16_t w0 = std::int16_t(w[0]);
  for (std::size_t i = 0; i < bytes; ++i) sum[i] = std::uint32_t(w0 * std::int16_t(row[i]));
  const int count = down.Count[std::size_t(t)];
  int k = 1;
  for (; k + 1 < count; k += 2) {
    const std::uint8_t *a = from.Row(first + k) + offset, *b = from.Row(first + k + 1) + offset;
    const std::int16_t wa = std::int16_t(w[k]), wb = std::int16_t(w[k + 1]);
    for (std::size_t i = 0; i < bytes; ++i)
      sum[i] += std::uint32_t(wa * std::int16_t(a[i]) + wb * std::int16_t(b[i]));
  }
  if (k < count) {
    const std::uint8_t *a = from.Row(first + k) + offset;
    const std::int16_t wa = std::int16_t(w[k]);
    for (std::size_t i = 0; i < bytes; ++i) sum[i] += std::uint32_t(wa * std::int16_t(a[i]));
  }
}

// The summed row across into 4-byte target pixels: each pixel's channels
// summed together in the four lanes of one vector where there is SSE2 (the
// fourth lane, the next pixel's blue or the unused byte, is overwritten at
// the end). sum has one pixel more than the row, zero.
template <int kBytes>
void SumAcross(const std::uint32_t *sum, const AxisMap &across, int width, std::uint8_t *out) {
  constexpr int kShift = kWeightBits - 7;
  const int taps = across.Taps;
  const std::uint16_t *w = across.Weights.data();
  const int *first = across.First.data();
#if defined(__SSE2__)
  const __m128i half = _mm_set1_epi32(1 << (kWeightBits + 6));
  for (int t = 0; t < width; ++t, out += 4, w += taps) {
    const std::uint32_t *p = sum + std::size_t(first[t]) * kBytes;
    __m128i total = _mm_setzero_si128();
    for (int k = 0; k < taps; ++k, p += kBytes) {
      // Values below 2^15 times weights below 2^13: a signed 16-bit
      // multiply-add against a zero high half is the exact 32-bit product.
      const __m128i values =
          _mm_srli_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i *>(p)), kShift);
      total = _mm_add_epi32(total, _mm_madd_epi16(values, _mm_set1_epi32(w[k])));
    }
    total = _mm_srli_epi32(_mm_add_epi32(total, half), kWeightBits + 7);
    const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(total, total), total);
    const std::uint32_t pixel = std::uint32_t(_mm_cvtsi128_si32(bytes)) & 0xffffffu;
    std::memcpy(out, &pixel, 4);
    out[3] = 255;
  }
#else
  constexpr std::uint32_t kHalf = 1u << (kWeightBits + 6);
  for (int t = 0; t < width; ++t, out += 4, w += taps) {
    const std::uint32_t *p = sum + std::size_t(first[t]) * kBytes;
    std::uint32_t b = 0, g = 0, r = 0;
    for (int k = 0; k < taps; ++k, p += kBytes) {
      const std::uint32_t weight = w[k];
      b += weight * (p[0] >> kShift);
      g += weight * (p[1] >> kShift);
      r += weight * (p[2] >> kShift);
    }
    out[0] = std::uint8_t((b + kHalf) >> (kWeightBits + 7));
    out[1] = std::uint8_t((g + kHalf) >> (kWeightBits + 7));
    out[2] = std::uint8_t((r + kHalf) >> (kWeightBits + 7));
    out[3] = 255;
  }
#endif
}

}  // namespace

struct AreaReducer::Maps {
  AxisMap Across, Down;
};

AreaReducer::AreaReducer(const PixelRows &from, const Rect &source, int width, int height,
                         std::uint8_t *out, std::size_t outStride)
    : from_(from),
      source_(source),
      width_(width),
      height_(height),
      out_(out),
      outStride_(outStride) {
  if (width <= 0 || height <= 0 || source.Width() <= 0 || source.Height() <= 0)
    width_ = height_ = 0;
  else
    maps_ = std::make_unique<Maps>(
        Maps{AxisMap(source.Width(), width), AxisMap(source.Height(), height)});
}

AreaReducer::~AreaReducer() = default;

int AreaReducer::SourceRowsFor(int t) const {
  return maps_->Down.First[std::size_t(t)] + maps_->Down.Count[std::size_t(t)];
}

void AreaReducer::Rows(int first, int last) const {
  if (first >= last) return;
  const std::size_t bytesPerPixel = std::size_t(from_.BytesPerPixel);
  const std::size_t offset = std::size_t(source_.Left) * bytesPerPixel;
  const std::size_t bytes = std::size_t(source_.Width()) * bytesPerPixel;
  // Past the row, zeros for the taps of the last pixels that have no source
  // pixel under them, and for the vector read of the last one.
  std::vector<std::uint32_t> sum(bytes + std::size_t(maps_->Across.Taps + 1) * bytesPerPixel);
  for (int t = first; t < last; ++t) {
    SumDown(from_, source_.Top, offset, bytes, maps_->Down, t, sum.data());
    std::uint8_t *target = out_ + std::size_t(t) * outStride_;
    if (bytesPerPixel == 4)
      SumAcross<4>(sum.data(), maps_->Across, width_, target);
    else
      SumAcross<3>(sum.data(), maps_->Across, width_, target);
  }
}

void ReduceByArea(const PixelRows &from, const Rect &source, int width, int height,
                  std::uint8_t *out, std::size_t outStride) {
  const AreaReducer reducer(from, source, width, height, out, outStride);
  const bool share = WorthSharing(std::size_t(source.Width()) * std::size_t(source.Height()) *
                                  std::size_t(from.BytesPerPixel));
  ForEachBand(reducer.Height(), 16, share, [&](int first, int last) { reducer.Rows(first, last); });
}

FollowingReduction::FollowingReduction(const PixelRows &from, int sourceWidth, int sourceHeight,
                                       int width, int height, std::uint8_t *out,
                                       std::size_t outStride)
    : reducer_(from, {0, 0, sourceWidth, sourceHeight}, width, height, out, outStride),
      thread_([this] { Follow(); }) {}

FollowingReduction::~FollowingReduction() {
  if (!thread_.joinable()) return;
  stop_.store(true, std::memory_order_release);
  made_.store(std::numeric_limits<int>::max(), std::memory_order_release);
  made_.notify_one();
  thread_.join();
}

void FollowingReduction::RowsMade(int rows) {
  made_.store(rows, std::memory_order_release);
  made_.notify_one();
}

void FollowingReduction::Finish() {
  RowsMade(std::numeric_limits<int>::max());
  thread_.join();
  if (failure_) std::rethrow_exception(failure_);
}

void FollowingReduction::Follow() {
  try {
    for (int t = 0; t < reducer_.Height();) {
      int made = made_.load(std::memory_order_acquire);
      for (; made < reducer_.SourceRowsFor(t); made = made_.load(std::memory_order_acquire))
        made_.wait(made, std::memory_order_acquire);
      if (stop_.load(std::memory_order_acquire)) return;
      int last = t + 1;
      while (last < reducer_.Height() && reducer_.SourceRowsFor(last) <= made) ++last;
      reducer_.Rows(t, last);
      t = last;
    }
  } catch (...) {
    failure_ = std::current_exception();
  }
}

}  // namespace qv
