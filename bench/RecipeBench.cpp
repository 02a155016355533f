// One full-size recipe of every category, on a 4000 x 3000 picture, with the
// artwork beside the benchmark (as the renderer finds it): asset decoding and
// stretching are part of each case, as they are of every render.

#include <string>

#include "bench/BenchMain.h"
#include "kernels/Categories.h"
#include "kernels/KernelEnv.h"
#include "kernels/Recipes.h"

namespace qv::bench {
namespace {

void BM_Recipe(benchmark::State &state, int categoryId, int n) {
  const Bitmap picture = NoisePicture(kWidth, kHeight, 1);
  const KernelEnv env = DefaultKernelEnv();
  Bitmap result;
  for (auto _ : state) {
    try {
      RenderRecipe(categoryId, n, picture, result, env, RenderSize::FullSize);
    } catch (const std::exception &e) {
      state.SkipWithError(e.what());  // no artwork beside the benchmark
      break;
    }
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(picture.ByteCount()));
}

// Effect 3 of each category: an ordinary asset, not the first or last.
const bool kRegistered = [] {
  for (const Category &category : Categories())
    benchmark::RegisterBenchmark((std::string("BM_Recipe/") + category.Name + "/3").c_str(),
                                 BM_Recipe, category.Id, 3)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  return true;
}();

}  // namespace
}  // namespace qv::bench
