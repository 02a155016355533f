// The strip on a 24 MP photo: the ten thumbnails of Light A, Art and Preset
// as the classic strip makes them (the photo squeezed to 105 x 105 by
// picking pixels, then the ten recipes) against the fitted strip at its
// largest cell (the photo averaged down into 320 x 320, then the same
// recipes). "shared" is the fitted strip once its averaged copy exists: the
// editor makes it on a thread of its own as soon as the picture changes and
// keeps it for every category chosen on that picture, so this is what the
// user waits for; "shrink" is that copy alone.

#include <string>

#include "bench/BenchMain.h"
#include "kernels/Categories.h"
#include "kernels/KernelEnv.h"
#include "kernels/Recipes.h"
#include "kernels/ThumbnailPicture.h"

namespace qv::bench {
namespace {

constexpr int kPhotoWidth = 6000, kPhotoHeight = 4000, kLargestCell = 320;

const Bitmap &Photo() {
  static const Bitmap photo = NoisePicture(kPhotoWidth, kPhotoHeight, 7);
  return photo;
}

enum class Strip { Classic, Fitted, FittedShared };

void RenderTen(benchmark::State &state, int categoryId, const Bitmap &thumb) {
  const KernelEnv env = DefaultKernelEnv();
  Bitmap result;
  try {
    for (int n = 1; n <= kThumbnailCount; ++n)
      RenderRecipe(categoryId, n, thumb, result, env, RenderSize::Thumbnail);
  } catch (const std::exception &e) {
    state.SkipWithError(e.what());
  }
  benchmark::DoNotOptimize(result.Bits());
}

void BM_Strip(benchmark::State &state, int categoryId, Strip strip) {
  const Bitmap &photo = Photo();
  const Bitmap shared = FittedThumbnail(photo, kLargestCell, kLargestCell);
  for (auto _ : state) {
    switch (strip) {
      case Strip::Classic:
        RenderTen(state, categoryId, ClassicThumbnail(photo));
        break;
      case Strip::Fitted:
        RenderTen(state, categoryId, FittedThumbnail(photo, kLargestCell, kLargestCell));
        break;
      case Strip::FittedShared:
        RenderTen(state, categoryId, shared);
        break;
    }
    benchmark::ClobberMemory();
  }
}

void BM_FittedShrink(benchmark::State &state) {
  const Bitmap &photo = Photo();
  for (auto _ : state) benchmark::DoNotOptimize(FittedThumbnail(photo, kLargestCell, kLargestCell));
}

const bool kRegistered = [] {
  for (const char *name : {"light-a", "art", "preset"}) {
    const int id = FindCategory(name)->Id;
    for (const auto &[label, strip] :
         {std::pair{"classic", Strip::Classic}, std::pair{"fitted", Strip::Fitted},
          std::pair{"shared", Strip::FittedShared}})
      benchmark::RegisterBenchmark((std::string("BM_Strip/") + name + "/" + label).c_str(),
                                   BM_Strip, id, strip)
          ->Unit(benchmark::kMillisecond)
          ->UseRealTime();
  }
  benchmark::RegisterBenchmark("BM_Strip/shrink", BM_FittedShrink)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  return true;
}();

}  // namespace
}  // namespace qv::bench
