#include "artwork/AssetTable.h"

#include <iterator>

#include "artwork/Families.h"
#include "codecs/Codecs.h"
#include "kernels/AssetFolders.h"

namespace qv::art {

namespace {

Canvas DrawSample(int) {
  return DrawSampleScene();
}

// The drawing of each folder of kAssetFolders, in its order.
constexpr Canvas (*kDraw[])(int) = {
    DrawLightA, DrawLightB,   DrawLightC,  DrawStar,  DrawAmazing, DrawWeather,  DrawDreamA,
    DrawDreamB, DrawGradient, DrawTexture, DrawEdgeA, DrawEdgeB,   DrawColorMap, DrawLinePattern,
};
static_assert(std::size(kDraw) == std::size(kAssetFolders), "one drawing per asset folder");

}  // namespace

std::vector<ArtworkJob> ArtworkJobs() {
  // The sample picture is the largest job; it goes first so that the two
  // workers finish together.
  std::vector<ArtworkJob> jobs{{"pic/sample.jpg", DrawSample, 0}};
  for (std::size_t i = 0; i < std::size(kAssetFolders); ++i) {
    const AssetFolder &f = kAssetFolders[i];
    for (int n = 1; n <= f.Files; ++n)
      jobs.push_back(
          {std::string("pic/") + f.Name + "/" + std::to_string(n) + ".ssl", kDraw[i], n});
  }
  return jobs;
}

std::vector<unsigned char> RenderJob(const ArtworkJob &job) {
  return EncodeJpeg(job.Draw(job.Number).ToBitmap());
}

}  // namespace qv::art
