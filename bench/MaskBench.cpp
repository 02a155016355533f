// The mix through a mask on a 24 MP picture (6000 x 4000), against the
// strength mix of the same pictures (the ratios are printed after the
// table): from a mask in memory, from a painted mask packed in chunks (what
// a brushed step replays), from a gradient drawn band by band; and the
// packing of a painted mask and one brush dab of 842 pixels' radius (a
// 200-pixel brush on screen with the 24 MP picture fitted to a 1600 x 1000
// preview) into the picture's paint and cover.

#include <vector>

#include "bench/BenchMain.h"
#include "kernels/MaskDrawing.h"
#include "kernels/MaskedMix.h"
#include "kernels/PackedMask.h"
#include "kernels/StrengthMix.h"

namespace qv::bench {
namespace {

constexpr int kWide = 6000, kTall = 4000, kStrength = 60;

struct Pictures {
  Bitmap Picture = NoisePicture(kWide, kTall, 1), Effect = NoisePicture(kWide, kTall, 2);
  // A mask with every value, changing along rows and down columns, as a
  // soft stroke's edge does; no run of one value for a shortcut to take.
  std::vector<std::uint8_t> Mask = std::vector<std::uint8_t>(std::size_t(kWide) * kTall);
  Pictures() {
    for (int y = 0; y < kTall; ++y)
      for (int x = 0; x < kWide; ++x)
        Mask[std::size_t(y) * kWide + std::size_t(x)] = std::uint8_t((x / 3 + y / 5) * 7);
  }
  MaskRowsFn Rows() const {
    return [this](int first, int last, std::uint8_t *rows) {
      std::copy(Mask.begin() + std::ptrdiff_t(first) * kWide,
                Mask.begin() + std::ptrdiff_t(last) * kWide, rows);
    };
  }
};

const Pictures &Shared() {
  static const Pictures pictures;
  return pictures;
}

template <class Mix>
void TimeMix(benchmark::State &state, Mix mix) {
  const Pictures &p = Shared();
  Bitmap out(kWide, kTall);
  for (auto _ : state) {
    mix(p, out);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(out.ByteCount()));
}

void BM_StrengthMix24MP(benchmark::State &state) {
  TimeMix(state,
          [](const Pictures &p, Bitmap &out) { StrengthMix(p.Picture, p.Effect, out, kStrength); });
}

void BM_MaskedMix24MP(benchmark::State &state) {
  const MaskRowsFn rows = Shared().Rows();
  TimeMix(state, [&rows](const Pictures &p, Bitmap &out) {
    MaskedMix(p.Picture, p.Effect, out, kStrength, rows);
  });
}

void BM_MaskedMixPacked24MP(benchmark::State &state) {
  const PackedMask packed = PackedMask::Pack(kWide, kTall, Shared().Rows());
  state.counters["packed_MB"] = double(packed.PackedBytes()) / (1 << 20);
  TimeMix(state, [&packed](const Pictures &p, Bitmap &out) {
    MaskedMix(p.Picture, p.Effect, out, kStrength, packed.Rows(), PackedMask::kChunkRows);
  });
}

void BM_MaskedMixRadial24MP(benchmark::State &state) {
  const MaskShape shape{
      MaskShape::Form::Radial, 500'000, 500'000, 450'000, 600'000, 600'000, false};
  const MaskRowsFn rows = ShapeRows(shape, kWide, kTall);
  TimeMix(state, [&rows](const Pictures &p, Bitmap &out) {
    MaskedMix(p.Picture, p.Effect, out, kStrength, rows);
  });
}

void BM_PackMask24MP(benchmark::State &state) {
  const MaskRowsFn rows = Shared().Rows();
  for (auto _ : state) benchmark::DoNotOptimize(PackedMask::Pack(kWide, kTall, rows));
}

// One dab into paint and cover planes (as one tile row each, the whole
// picture's width): the part of a brush stroke's frame spent on the
// picture's own mask.
void BM_Dab842Pixels(benchmark::State &state) {
  std::vector<std::uint8_t> paint(std::size_t(kWide) * kTall), cover(paint.size());
  const Dab dab{16 * 3000, 16 * 2000, 16 * 842, 255, 50, 100};
  const DabProfile profile(dab.Hardness, dab.Flow);
  const Rect r = DabBounds(dab, kWide, kTall);
  for (auto _ : state) {
    for (int y = r.Top; y < r.Bottom; ++y) {
      const std::size_t at = std::size_t(y) * kWide + std::size_t(r.Left);
      PaintDabRow(dab, profile, y, r.Left, r.Width(), paint.data() + at, cover.data() + at);
    }
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_StrengthMix24MP)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MaskedMix24MP)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MaskedMixPacked24MP)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MaskedMixRadial24MP)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PackMask24MP)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Dab842Pixels)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace qv::bench
