// The filter kernels the art recipes lean on, the two geometric filters
// with a square root and trigonometry per pixel, and every filter of the
// table at its defaults, on a 4000 x 3000 picture.

#include <string>

#include "bench/BenchMain.h"
#include "effects/FilterTable.h"
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

// Each entry as the command line runs it, envelope included.
const bool kTableRegistered = [] {
  for (const FilterInfo &f : Filters())
    benchmark::RegisterBenchmark(("BM_Filter/" + std::string(f.name)).c_str(),
                                 [&f](benchmark::State &state) {
                                   RandomGenerator random;
                                   const std::vector<int> args = f.Defaults();
                                   TimeOnFreshCopy(
                                       state, [&](Bitmap &work) { f.run(work, args, random); });
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  return true;
}();

}  // namespace
}  // namespace qv::bench
