#include "artwork/AssetTable.h"

#include <string_view>

#include "artwork/Families.h"
#include "codecs/Codecs.h"
#include "gfx/Error.h"
#include "kernels/Categories.h"

namespace qv::art {

namespace {

Canvas DrawSample(int) {
  return DrawSampleScene();
}

struct FolderDrawing {
  std::string_view Folder;
  Canvas (*Draw)(int);
};

// The drawing of each asset folder the categories name.
constexpr FolderDrawing kDrawings[] = {
    {"lightA", DrawLightA},   {"lightB", DrawLightB},    {"lightC", DrawLightC},
    {"star", DrawStar},       {"amazing", DrawAmazing},  {"weather", DrawWeather},
    {"dreamA", DrawDreamA},   {"dreamB", DrawDreamB},    {"gradient", DrawGradient},
    {"texture", DrawTexture}, {"EdgeA", DrawEdgeA},      {"EdgeB", DrawEdgeB},
    {"color", DrawColorMap},  {"line", DrawLinePattern},
};

}  // namespace

Canvas (*DrawingOf(std::string_view folder))(int) {
  for (const FolderDrawing &drawing : kDrawings)
    if (drawing.Folder == folder) return drawing.Draw;
  return nullptr;
}

std::vector<ArtworkJob> ArtworkJobs() {
  // The sample picture is the largest job; it goes first so that the two
  // workers finish together.
  std::vector<ArtworkJob> jobs{{"pic/sample.jpg", DrawSample, 0}};
  for (const AssetFolder &f : AssetFolders()) {
    Canvas (*draw)(int) = DrawingOf(f.Name);
    if (!draw)
      throw Error(Text::Verbatim(std::string("No drawing for the asset folder ") + f.Name));
    for (int n = 1; n <= f.Files; ++n)
      jobs.push_back({std::string("pic/") + f.Name + "/" + std::to_string(n) + ".ssl", draw, n});
  }
  return jobs;
}

std::vector<unsigned char> RenderJob(const ArtworkJob &job) {
  return EncodeJpeg(job.Draw(job.Number).ToBitmap());
}

}  // namespace qv::art
