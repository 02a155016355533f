// Blend passes on a 4000 x 3000 picture.

#include "bench/BenchMain.h"
#include "kernels/BlendByLuminance.h"
#include "kernels/ChannelPass.h"
#include "kernels/Greyscale.h"
#include "kernels/VectorRoute.h"

namespace qv::bench {
namespace {

template <class F>
void BM_ChannelPass(benchmark::State &state) {
  const Bitmap picture = NoisePicture(kWidth, kHeight, 1);
  Bitmap map = NoisePicture(kWidth, kHeight, 2);
  for (auto _ : state) {
    ChannelPass<F>(map, picture, map, map);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(map.ByteCount()));
}
BENCHMARK(BM_ChannelPass<Screen>)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ChannelPass<Overlay>)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ChannelPass<HardLight>)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ChannelPass<Lighten>)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ChannelPass<Darken>)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ChannelPass<Dodge>)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ChannelPass<Burn>)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Greyscale(benchmark::State &state) {
  TimeOnFreshCopy(state, [](Bitmap &work) { Greyscale(work); });
}
BENCHMARK(BM_Greyscale)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BlendByLuminance(benchmark::State &state) {
  const Bitmap source = NoisePicture(kWidth, kHeight, 1);
  const Bitmap mask = NoisePicture(kWidth, kHeight, 3);
  Bitmap dest = NoisePicture(kWidth, kHeight, 2);
  for (auto _ : state) {
    BlendByLuminance(dest, source, mask);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(dest.ByteCount()));
}
BENCHMARK(BM_BlendByLuminance)->Unit(benchmark::kMillisecond)->UseRealTime();

// The passes with rows of their own per instruction set, on each route the
// processor has: argument 0 is the baseline, 1 AVX2, 2 AVX-512.
class RouteScope {
 public:
  explicit RouteScope(benchmark::State &state) : saved_{Avx2Route(), Avx512Route()} {
    const int route = int(state.range(0));
    if ((route >= 1 && !saved_[0]) || (route == 2 && !saved_[1]))
      state.SkipWithError("route not available on this processor");
    Avx2Route() = route >= 1 && saved_[0];
    Avx512Route() = route == 2 && saved_[1];
  }
  ~RouteScope() {
    Avx2Route() = saved_[0];
    Avx512Route() = saved_[1];
  }

 private:
  bool saved_[2];
};

template <class F>
void BM_ChannelPassOnRoute(benchmark::State &state) {
  RouteScope route(state);
  BM_ChannelPass<F>(state);
}
// Every blend on every route: each must keep up with memcpy of the same
// bytes (a ratio of at most 1.25 in the table after the run).
#define QV_BLEND_ON_ROUTES(BLEND)         \
  BENCHMARK(BM_ChannelPassOnRoute<BLEND>) \
      ->DenseRange(0, 2)                  \
      ->Unit(benchmark::kMillisecond)     \
      ->UseRealTime()
QV_BLEND_ON_ROUTES(Screen);
QV_BLEND_ON_ROUTES(Overlay);
QV_BLEND_ON_ROUTES(HardLight);
QV_BLEND_ON_ROUTES(Lighten);
QV_BLEND_ON_ROUTES(Darken);
QV_BLEND_ON_ROUTES(Dodge);
QV_BLEND_ON_ROUTES(Burn);

void BM_BlendByLuminanceOnRoute(benchmark::State &state) {
  RouteScope route(state);
  BM_BlendByLuminance(state);
}
BENCHMARK(BM_BlendByLuminanceOnRoute)
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace qv::bench
