#include "artwork/AssetTable.h"

#include "artwork/Families.h"
#include "codecs/Codecs.h"

namespace qv::art {

namespace {

Canvas DrawSample(int) {
  return DrawSampleScene();
}

struct Family {
  const char *Folder;
  int Files;
  Canvas (*Draw)(int);
};

// The folder names are those the program looks up (letter case aside).
constexpr Family kFamilies[] = {
    {"lightA", 10, DrawLightA},   {"lightB", 10, DrawLightB},    {"lightC", 10, DrawLightC},
    {"star", 10, DrawStar},       {"amazing", 10, DrawAmazing},  {"weather", 10, DrawWeather},
    {"dreamA", 10, DrawDreamA},   {"dreamB", 10, DrawDreamB},    {"gradient", 10, DrawGradient},
    {"texture", 10, DrawTexture}, {"EdgeA", 10, DrawEdgeA},      {"EdgeB", 10, DrawEdgeB},
    {"color", 2, DrawColorMap},   {"line", 10, DrawLinePattern},
};

}  // namespace

std::vector<ArtworkJob> ArtworkJobs() {
  // The sample picture is the largest job; it goes first so that the two
  // workers finish together.
  std::vector<ArtworkJob> jobs{{"pic/sample.jpg", DrawSample, 0}};
  for (const Family &f : kFamilies) {
    for (int n = 1; n <= f.Files; ++n) {
      jobs.push_back(
          {std::string("pic/") + f.Folder + "/" + std::to_string(n) + ".ssl", f.Draw, n});
    }
  }
  return jobs;
}

std::vector<unsigned char> RenderJob(const ArtworkJob &job) {
  return EncodeJpeg(job.Draw(job.Number).ToBitmap());
}

}  // namespace qv::art
