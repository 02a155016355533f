// The ten thumbnails of each category against the bare decoding of the
// asset files they read, from the artwork beside the benchmark. The
// thumbnails should cost little more than the decoding.

#include <string>
#include <vector>

#include "bench/BenchMain.h"
#include "kernels/AssetStore.h"
#include "kernels/Categories.h"
#include "kernels/KernelEnv.h"
#include "kernels/Recipes.h"

namespace qv::bench {
namespace {

struct AssetRef {
  std::string folder, name;
};

// Every asset file that the ten recipes of the category read, in order.
std::vector<AssetRef> AssetsOf(int categoryId) {
  std::vector<AssetRef> assets;
  for (int n = 1; n <= kThumbnailCount; ++n)
    for (const RecipeStep &step : RecipeFor(categoryId, n).Steps) switch (step.Kind) {
        case StepKind::LightMap:
        case StepKind::MatteWhite:
        case StepKind::MatteYellow:
          assets.push_back({step.Folder, std::to_string(step.Number)});
          break;
        case StepKind::LinePattern:
          assets.push_back({"line", std::to_string(step.Number)});
          break;
        case StepKind::ColorWash:
          assets.push_back({"color", "2"});
          break;
        case StepKind::ColorTone:
          assets.push_back({"color", "1"});
          break;
        default:
          break;
      }
  return assets;
}

void BM_Thumbnails(benchmark::State &state, int categoryId) {
  const Bitmap picture = NoisePicture(kWidth, kHeight, 1);
  Bitmap thumb;
  thumb.Recreate(kThumbnailSide, kThumbnailSide);
  thumb.StretchDraw({0, 0, kThumbnailSide, kThumbnailSide}, picture);
  const KernelEnv env = DefaultKernelEnv();
  Bitmap result;
  for (auto _ : state) {
    try {
      for (int n = 1; n <= kThumbnailCount; ++n)
        RenderRecipe(categoryId, n, thumb, result, env, RenderSize::Thumbnail);
    } catch (const std::exception &e) {
      state.SkipWithError(e.what());
      break;
    }
    benchmark::ClobberMemory();
  }
}

void BM_DecodeAssets(benchmark::State &state, int categoryId) {
  const KernelEnv env = DefaultKernelEnv();
  const std::vector<AssetRef> assets = AssetsOf(categoryId);
  for (auto _ : state) {
    try {
      for (const AssetRef &asset : assets)
        benchmark::DoNotOptimize(LoadAsset(env, asset.folder, asset.name));
    } catch (const std::exception &e) {
      state.SkipWithError(e.what());
      break;
    }
  }
}

const bool kRegistered = [] {
  for (const Category &category : Categories()) {
    benchmark::RegisterBenchmark((std::string("BM_Thumbnails/") + category.Name).c_str(),
                                 BM_Thumbnails, category.Id)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    if (!AssetsOf(category.Id).empty())
      benchmark::RegisterBenchmark((std::string("BM_DecodeAssets/") + category.Name).c_str(),
                                   BM_DecodeAssets, category.Id)
          ->Unit(benchmark::kMillisecond)
          ->UseRealTime();
  }
  return true;
}();

}  // namespace
}  // namespace qv::bench
