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

void WarnAbout(const std::string &path, const std::vector<Text> &warnings) {
  if (warnings.empty()) return;
  // One write, so that lines of pictures read at once do not mix.
  const std::string line = "quorvane-fx: warning: " + WarningLine(path, warnings) + "\n";
  std::fputs(line.c_str(), stderr);
}

DecodedPicture DecodeInput(std::span<const std::uint8_t> data, const std::string &path) {
  DecodedPicture picture = DecodePicture(data, path);
  WarnAbout(path, picture.Warnings);
  return picture;
}

DecodedPicture ReadInput(const std::string &path) {
  return DecodeInput(ReadFileContents(path), path);
}

}  // namespace qv::cli
