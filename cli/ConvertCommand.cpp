#include <cstdio>

#include "cli/Commands.h"
#include "codecs/Codecs.h"

namespace qv::cli {

int ConvertCommand(const Args &args) {
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: quorvane-fx convert IN OUT\n");
    return 2;
  }
  WritePicture(args[1], ReadPicture(args[0]));
  return 0;
}

}  // namespace qv::cli
