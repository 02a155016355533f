// quorvane-fx filter: runs one of the component's filters on a picture file.
//   quorvane-fx filter [--seed N] NAME [ARGS] IN OUT [--strip-metadata]
//   quorvane-fx filter --list

#include <charconv>
#include <cstdio>
#include <string>
#include <system_error>
#include <vector>

#include "cli/Commands.h"
#include "cli/Help.h"
#include "cli/PictureFiles.h"
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
      if (p.Unbounded()) continue;  // coordinates: any value
      ranges += ranges.empty() ? "  (" : ", ";
      ranges += std::string(p.name) + " " + std::to_string(p.min) + ".." + std::to_string(p.max) +
                (p.notZero ? " except 0" : "") + ", default " + std::to_string(p.byDefault);
    }
    if (!ranges.empty()) ranges += ")";
    std::printf("%-40s %s%s\n", Usage(f).c_str(), f.description, ranges.c_str());
  }
}

}  // namespace

int FilterCommand(const Args &given) {
  Args args = given;
  const bool strip = TakeStripOption(args);
  if (args.size() == 1 && args[0] == "--list") {
    PrintList();
    return 0;
  }
  std::size_t next = 0;
  bool seeded = false;
  int seed = 0;
  if (args.size() >= 2 && args[0] == "--seed") {
    if (!ParseInt(args[1], seed)) return UsageError("filter");
    seeded = true;
    next = 2;
  }
  if (next >= args.size()) return UsageError("filter");
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
  for (std::size_t i = 0; i < values.size(); ++i) {
    const FilterParam &param = filter->params[i];
    const std::string &text = args[next + i];
    long long wide = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), wide);
    if (text.empty() || end != text.data() + text.size() ||
        (ec != std::errc() && ec != std::errc::result_out_of_range)) {
      std::fprintf(stderr, "quorvane-fx: %s must be a whole number, not '%s'\n", param.name,
                   text.c_str());
      return 2;
    }
    if (ec != std::errc() || !param.Accepts(wide)) {
      std::fprintf(stderr, "quorvane-fx: %s: %s must be %s, not %s\n", filter->name, param.name,
                   param.Range().c_str(), text.c_str());
      return 2;
    }
    values[i] = int(wide);
  }
  // Values out of range were refused above, before the picture is read:
  // there a filter may run for hours (a blur of two billion passes).
  const std::string &in = args[args.size() - 2], &out = args[args.size() - 1];

  DecodedPicture input = ReadInput(in);
  Bitmap &picture = input.Pixels;
  // Like the editor, which seeds the noise when a picture is opened.
  RandomGenerator random;
  if (seeded)
    random.Seed(static_cast<std::uint32_t>(seed));
  else
    random.SeedFromClock();
  filter->run(picture, values, random);
  WritePictureFile(out, picture, input.Meta, {.StripMetadata = strip});
  return 0;
}

}  // namespace qv::cli
