// quorvane-fx: the headless renderer over the picture engine.

#include <cstdio>
#include <exception>
#include <string>

#include "cli/Commands.h"
#include "gfx/Error.h"

namespace {

struct Command {
  const char *name;
  const char *usage;
  int (*run)(const qv::cli::Args &);
};

const Command kCommands[] = {
    {"convert",
     "convert IN OUT            read any picture, write JPEG, BMP, PNG, WebP or TIFF by\n"
     "                            OUT's extension",
     qv::cli::ConvertCommand},
    {"filter", "filter NAME [ARGS] IN OUT  apply one of the filters (filter --list names them)",
     qv::cli::FilterCommand},
    {"render", "render CATEGORY N IN OUT  render effect N (1-10) of CATEGORY at full size (--help)",
     qv::cli::RenderCommand},
    {"apply", "apply LOOK IN OUT         put the steps of a look file on a picture (--help)",
     qv::cli::ApplyCommand},
    {"look",
     "look make OUT.qvlook STEP...  write a look (steps CATEGORY/N[@STRENGTH][#RRGGBB...])\n"
     "  quorvane-fx look show LOOK|PICTURE  its steps, as look make takes them (--help)",
     qv::cli::LookCommand},
    {"thumbs",
     "thumbs CATEGORY IN OUTDIR write the ten 105x105 thumbnails as OUTDIR/N.jpg (--help)",
     qv::cli::ThumbsCommand},
    {"list", "list                      the effect categories: id, name, caption, asset folder",
     qv::cli::ListCommand},
};

void PrintUsage(std::FILE *to) {
  std::fprintf(to, "usage: quorvane-fx COMMAND ...\n");
  for (const Command &c : kCommands) std::fprintf(to, "  quorvane-fx %s\n", c.usage);
  std::fprintf(to,
               "Pictures are read from JPEG, BMP, PNG, WebP, TIFF, HEIC and AVIF files, upright\n"
               "(EXIF orientation). Results keep the input's metadata as far as their format\n"
               "holds it: JPEG and TIFF all of EXIF, XMP, IPTC, colour profile and comments,\n"
               "PNG all but IPTC, WebP EXIF, XMP and the profile, BMP none. --strip-metadata,\n"
               "given to any command that writes, leaves them out.\n");
}

}  // namespace

int main(int argc, char **argv) {
  if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
    PrintUsage(argc < 2 ? stderr : stdout);
    return argc < 2 ? 2 : 0;
  }
  const std::string name = argv[1];
  const qv::cli::Args args(argv + 2, argv + argc);
  for (const Command &c : kCommands) {
    if (name != c.name) continue;
    try {
      return c.run(args);
    } catch (const std::bad_alloc &) {
      std::fprintf(stderr, "quorvane-fx: out of memory\n");
    } catch (const std::exception &e) {
      std::fprintf(stderr, "quorvane-fx: %s\n", e.what());
    }
    return 1;
  }
  std::fprintf(stderr, "quorvane-fx: unknown command '%s'\n", name.c_str());
  PrintUsage(stderr);
  return 2;
}
