// look make and look show: look files from steps written on the command
// line, and back, and the look a picture saved by the editor carries.

#include <cstdio>
#include <filesystem>
#include <string>

#include "cli/Commands.h"
#include "cli/PictureFiles.h"
#include "codecs/Codecs.h"
#include "gfx/Error.h"
#include "kernels/Look.h"
#include "kernels/LookMetadata.h"

namespace qv::cli {

namespace {

constexpr const char *kLookHelp =
    "usage: quorvane-fx look make OUT.qvlook [--name NAME] STEP...\n"
    "       quorvane-fx look show LOOK|PICTURE\n"
    "make writes the steps as a look file (its name is NAME, else OUT's name);\n"
    "show prints the steps of a look file, or of the look a picture saved by the\n"
    "editor carries, on one line in the form make takes. A step is\n"
    "CATEGORY/N[@STRENGTH][#RRGGBB...][!RRGGBB]: effect N (1-10) of CATEGORY (a name\n"
    "from 'quorvane-fx list'), at STRENGTH 0 to 100 (default 100), its colour\n"
    "questions answered in order by each #RRGGBB (red first), #- for a cancel, or #?\n"
    "to leave them to whoever applies the look; !RRGGBB is the colour a frame keeps\n"
    "when its question is cancelled. For example:\n"
    "  quorvane-fx look make warm.qvlook light-a/3@60 color/1#FF8000 art/2\n";

int Make(const Args &args) {
  std::string out, name;
  bool named = false;
  Args steps;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--name" && i + 1 < args.size()) {
      name = args[++i];
      named = true;
    } else if (out.empty()) {
      out = args[i];
    } else {
      steps.push_back(args[i]);
    }
  }
  if (out.empty() || steps.empty()) {
    std::fputs(kLookHelp, stderr);
    return 2;
  }
  Look look;
  look.Name = named ? name : std::filesystem::path(out).stem().string();
  try {
    if (steps.size() > kMaxLookSteps)
      throw MakeError("a look may have at most %zu steps, not %zu", kMaxLookSteps, steps.size());
    for (std::size_t i = 0; i < steps.size(); ++i)
      look.Steps.push_back(ParseStepText(steps[i], int(i + 1)));
  } catch (const Error &e) {
    std::fprintf(stderr, "quorvane-fx: %s\n", e.what());
    return 2;
  }
  WriteLookFile(out, look);
  return 0;
}

int Show(const std::string &path) {
  const FileContents bytes = ReadFileContents(path);
  Look look;
  if (SniffFormat(bytes) != PictureFormat::Unknown) {
    const auto made = MadeWithOf(DecodeInput(bytes, path).Meta);
    if (!made) throw Error(path + ": the picture says nothing of how it was made");
    look = made->Steps;
  } else {
    look = ReadLookFile(path);
  }
  std::string line;
  for (const Step &step : look.Steps) {
    if (!line.empty()) line += ' ';
    line.append(StepText(step));
  }
  std::printf("%s\n", line.c_str());
  return 0;
}

}  // namespace

int LookCommand(const Args &args) {
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    std::fputs(kLookHelp, args.empty() ? stderr : stdout);
    return args.empty() ? 2 : 0;
  }
  if (args[0] == "make") return Make(Args(args.begin() + 1, args.end()));
  if (args[0] == "show" && args.size() == 2) return Show(args[1]);
  std::fputs(kLookHelp, stderr);
  return 2;
}

}  // namespace qv::cli
