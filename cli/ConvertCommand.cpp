#include <cstdio>

#include "cli/Commands.h"
#include "cli/Help.h"
#include "cli/PictureFiles.h"

namespace qv::cli {

int ConvertCommand(const Args &given) {
  Args args = given;
  const bool strip = TakeStripOption(args);
  if (args.size() != 2) return UsageError("convert");
  const DecodedPicture picture = ReadInput(args[0]);
  WritePictureFile(args[1], picture.Pixels, picture.Meta, {.StripMetadata = strip});
  return 0;
}

}  // namespace qv::cli
