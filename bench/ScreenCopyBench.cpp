// The screen copy of a 12 MP picture (reduced by area averaging to a
// 1080-row screen), against memcpy of the same picture bytes: reading the
// picture once is all it should cost.

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

}  // namespace
}  // namespace qv::bench
