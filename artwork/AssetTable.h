#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "artwork/Canvas.h"

namespace qv::art {

// One picture the generator writes: its path below the output folder and
// the family function that draws it.
struct ArtworkJob {
  std::string Path;  // e.g. "pic/lightA/3.ssl"
  Canvas (*Draw)(int);
  int Number;
};

// The drawing of an asset folder (named as it ships), or null.
Canvas (*DrawingOf(std::string_view folder))(int);

// Every asset file and the sample picture, in a fixed order. Throws when a
// category names an asset folder that has no drawing.
std::vector<ArtworkJob> ArtworkJobs();

// Draws the job's picture and encodes it as a baseline JFIF JPEG.
std::vector<unsigned char> RenderJob(const ArtworkJob &job);

}  // namespace qv::art
