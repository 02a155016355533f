// The ten art effects on a 4000 x 3000 picture, each two ways: the
// whole-picture kernels (RenderArtEffect: every pass over the whole picture
// in turn, the blurs and sharpenings on one core) and the same bytes made
// band by band (RenderRecipe of the Art category: the passes split between
// two threads, a few rows of each kept, no picture between them).

#include <string>

#include "bench/BenchMain.h"
#include "kernels/ArtEffect.h"
#include "kernels/KernelEnv.h"
#include "kernels/Recipes.h"

namespace qv::bench {
namespace {

constexpr int kArt = 15;

template <bool Banded>
void BM_Art(benchmark::State &state, int effect) {
  const Bitmap picture = NoisePicture(kWidth, kHeight, 1);
  const KernelEnv env = DefaultKernelEnv();
  Bitmap result;
  for (auto _ : state) {
    if (Banded)
      RenderRecipe(kArt, effect, picture, result, env, RenderSize::FullSize);
    else
      RenderArtEffect(effect, picture, result, env);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(picture.ByteCount()));
}

const bool kRegistered = [] {
  for (int effect = 1; effect <= kPencilSketch; ++effect) {
    const std::string n = std::to_string(effect);
    benchmark::RegisterBenchmark(("BM_ArtWhole/" + n).c_str(), BM_Art<false>, effect)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(("BM_ArtBanded/" + n).c_str(), BM_Art<true>, effect)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  }
  return true;
}();

}  // namespace
}  // namespace qv::bench
