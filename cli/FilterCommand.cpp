// quorvane-fx filter: runs one of the component's filters on a picture file.
//   quorvane-fx filter [--seed N] NAME [ARGS] IN OUT
//   quorvane-fx filter --list

#include <charconv>
#include <climits>
#include <cstdio>
#include <string>
#include <system_error>
#include <vector>

#include "cli/Commands.h"
#include "codecs/Codecs.h"
#include "effects/FilterTable.h"
#include "effects/Random.h"

namespace qv::cli {
namespace {

bool ParseInt(const std::string &text, int &value) {
  const char *end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && !text.empty();
}

std::string Usage(const FilterInfo &f) {
  std::string line = f.name;
  for (const FilterParam &p : f.params) line += std::string(" ") + p.name;
  return line;
}

void PrintList() {
  for (const FilterInfo &f : Filters()) {
    std::string ranges;
    for (const FilterParam &p : f.params) {
      if (p.min == -INT_MAX && p.max == INT_MAX) continue;  // coordinates: any value
      ranges += ranges.empty() ? "  (" : ", ";
      ranges += std::string(p.name) + " " + std::to_string(p.min) + ".." + std::to_string(p.max);
    }
    if (!ranges.empty()) ranges += ")";
    std::printf("%-40s %s%s\n", Usage(f).c_str(), f.description, ranges.c_str());
  }
}

int PrintUsage() {
  std::fprintf(stderr,
               "usage: quorvane-fx filter [--seed N] NAME [ARGS] IN OUT\n"
               "       quorvane-fx filter --list\n");
  return 2;
}

}  // namespace

int FilterCommand(const Args &args) {
  if (args.size() == 1 && args[0] == "--list") {
    PrintList();
    return 0;
  }
  std::size_t next = 0;
  bool seeded = false;
  int seed = 0;
  if (args.size() >= 2 && args[0] == "--seed") {
    if (!ParseInt(args[1], seed)) return PrintUsage();
    seeded = true;
    next = 2;
  }
  if (next >= args.size()) return PrintUsage();
  const FilterInfo *filter = FindFilter(args[next]);
  if (!filter) {
    std::fprintf(stderr, "quorvane-fx: unknown filter '%s' (see filter --list)\n",
                 args[next].c_str());
    return 2;
  }
  ++next;
  if (args.size() - next != filter->params.size() + 2) {
    std::fprintf(stderr, "usage: quorvane-fx filter %s IN OUT\n", Usage(*filter).c_str());
    return 2;
  }
  std::vector<int> values(filter->params.size());
  for (std::size_t i = 0; i < values.size(); ++i)
    if (!ParseInt(args[next + i], values[i])) {
      std::fprintf(stderr, "quorvane-fx: %s must be a whole number, not '%s'\n",
                   filter->params[i].name, args[next + i].c_str());
      return 2;
    }
  const std::string &in = args[args.size() - 2], &out = args[args.size() - 1];

  Bitmap picture = ReadPicture(in);
  // Like the editor, which seeds the noise when a picture is opened.
  if (seeded)
    RandomSeed(static_cast<std::uint32_t>(seed));
  else
    RandomSeedFromClock();
  filter->apply(picture, values);
  WritePicture(out, picture);
  return 0;
}

}  // namespace qv::cli
