// The screen copy of a 12 MP picture (reduced by area averaging to a
// 1080-row screen), against memcpy of the same picture bytes: reading the
// picture once is all it should cost. Once more after each reduction
// leaves the upper halves of the vector registers dirty, as code in the
// libraries the windows use does on the window's thread: it must cost the
// same.

#include <vector>

#include "bench/BenchMain.h"
#include "gfx/ReduceByArea.h"

namespace qv::bench {
namespace {

void BM_ReduceByAreaToScreen(benchmark::State &state) {
  const Bitmap picture = NoisePicture(kWidth, kHeight, 1);
  constexpr int kScreenHeight = 1080, kScreenWidth = kWidth * kScreenHeight / kHeight;
  std::vector<std::uint8_t> out(std::size_t(kScreenWidth) * kScreenHeight * 4);
  for (auto _ : state) {
    ReduceByArea(PixelsOf(picture), {0, 0, kWidth, kHeight}, kScreenWidth, kScreenHeight,
                 out.data(), std::size_t(kScreenWidth) * 4);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ReduceByAreaToScreen)->Unit(benchmark::kMillisecond)->UseRealTime();

#if defined(__x86_64__)
// An AVX instruction on a 256-bit register with no vzeroupper after it.
void DirtyUpperVectorState() {
  if (__builtin_cpu_supports("avx")) asm volatile("vpcmpeqd %%ymm15, %%ymm15, %%ymm15" ::: "xmm15");
}
#else
void DirtyUpperVectorState() {}
#endif

void BM_ReduceByAreaToScreenAfterAvx(benchmark::State &state) {
  const Bitmap picture = NoisePicture(kWidth, kHeight, 1);
  constexpr int kScreenHeight = 1080, kScreenWidth = kWidth * kScreenHeight / kHeight;
  std::vector<std::uint8_t> out(std::size_t(kScreenWidth) * kScreenHeight * 4);
  for (auto _ : state) {
    DirtyUpperVectorState();
    ReduceByArea(PixelsOf(picture), {0, 0, kWidth, kHeight}, kScreenWidth, kScreenHeight,
                 out.data(), std::size_t(kScreenWidth) * 4);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ReduceByAreaToScreenAfterAvx)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace qv::bench
