#include "cli/PictureFiles.h"

#include <algorithm>
#include <cstdio>

namespace qv::cli {

bool TakeStripOption(Args &args) {
  const auto end = std::remove(args.begin(), args.end(), std::string(kStripOption));
  const bool found = end != args.end();
  args.erase(end, args.end());
  return found;
}

DecodedPicture ReadInput(const std::string &path) {
  DecodedPicture picture = ReadPictureFile(path);
  if (!picture.Warnings.empty()) {
    // One write, so that lines of pictures read at once do not mix.
    const std::string line = "quorvane-fx: warning: " + WarningLine(path, picture.Warnings) + "\n";
    std::fputs(line.c_str(), stderr);
  }
  return picture;
}

}  // namespace qv::cli
