// quorvane-fx: the headless renderer over the picture engine.

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>

#include "cli/Commands.h"
#include "cli/Help.h"
#include "gfx/Error.h"

namespace {

struct Command {
  const char *name;
  int (*run)(const qv::cli::Args &);
};

// What each command says to --help is in Help.cpp.
const Command kCommands[] = {
    {"render", qv::cli::RenderCommand}, {"apply", qv::cli::ApplyCommand},
    {"look", qv::cli::LookCommand},     {"thumbs", qv::cli::ThumbsCommand},
    {"filter", qv::cli::FilterCommand}, {"convert", qv::cli::ConvertCommand},
    {"list", qv::cli::ListCommand},
};

bool AsksForHelp(const qv::cli::Args &args) {
  return std::find_if(args.begin(), args.end(), [](const std::string &arg) {
           return arg == "--help" || arg == "-h";
         }) != args.end();
}

}  // namespace

int main(int argc, char **argv) {
  const std::string first = argc > 1 ? argv[1] : "";
  if (first == "--version") {
    std::printf("quorvane-fx %s\n", QUORVANE_VERSION);
    return 0;
  }
  if (argc < 2 || first == "--help" || first == "-h") {
    std::fputs(qv::cli::HelpText(qv::cli::OverviewPage()).c_str(), argc < 2 ? stderr : stdout);
    return argc < 2 ? 2 : 0;
  }
  const std::string name = argv[1];
  const qv::cli::Args args(argv + 2, argv + argc);
  for (const Command &c : kCommands) {
    if (name != c.name) continue;
    if (AsksForHelp(args)) {
      const qv::cli::CommandHelp *help = qv::cli::FindCommandHelp(name);
      std::fputs(qv::cli::HelpText(help ? help->page : qv::cli::OverviewPage()).c_str(), stdout);
      return 0;
    }
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
  return qv::cli::UsageError("");
}
