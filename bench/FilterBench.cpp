// The filter kernels the art recipes lean on, and the two geometric filters
// with a square root and trigonometry per pixel, on a 4000 x 3000 picture.

#include "bench/BenchMain.h"
#include "effects/Filters.h"

namespace qv::bench {
namespace {

template <void (*Filter)(Bitmap &, int), int Amount>
void BM_InPlace(benchmark::State &state) {
  TimeOnFreshCopy(state, [](Bitmap &work) { Filter(work, Amount); });
}
BENCHMARK(BM_InPlace<ApplyGaussianBlur, 0>)
    ->Name("BM_GaussianBlur/passes:1")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_InPlace<ApplyMosaic, 200>)
    ->Name("BM_Mosaic/block:200")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

template <void (*Filter)(const Bitmap &, Bitmap &, int), int Amount>
void BM_Geometric(benchmark::State &state) {
  const Bitmap picture = NoisePicture(kWidth, kHeight, 1);
  Bitmap result;
  for (auto _ : state) {
    Filter(picture, result, Amount);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(picture.ByteCount()));
}
BENCHMARK(BM_Geometric<ApplyFishEye, 3>)
    ->Name("BM_FishEye/amount:3")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_Geometric<ApplyTwist, 200>)
    ->Name("BM_Twist/amount:200")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace qv::bench
