#include <cstdio>

#include "cli/Commands.h"
#include "cli/PictureFiles.h"

namespace qv::cli {

int ConvertCommand(const Args &given) {
  Args args = given;
  const bool strip = TakeStripOption(args);
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: quorvane-fx convert IN OUT [%s]\n", kStripOption);
    return 2;
  }
  const DecodedPicture picture = ReadInput(args[0]);
  WritePictureFile(args[1], picture.Pixels, picture.Meta, {.StripMetadata = strip});
  return 0;
}

}  // namespace qv::cli
