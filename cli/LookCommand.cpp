// look make and look show: look files from steps written on the command
// line, and back, and the look a picture saved by the editor carries.

#include <cstdio>
#include <filesystem>
#include <string>

#include "cli/Commands.h"
#include "cli/Help.h"
#include "cli/PictureFiles.h"
#include "codecs/Codecs.h"
#include "gfx/Error.h"
#include "kernels/Look.h"
#include "kernels/LookMetadata.h"

namespace qv::cli {

namespace {

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
  if (out.empty() || steps.empty()) return UsageError("look");
  Look look;
  look.Name = named ? name : std::filesystem::path(out).stem().string();
  try {
    if (steps.size() > kMaxLookSteps)
      throw Error(Text::Verbatim("a look may have at most " + std::to_string(kMaxLookSteps) +
                                 " steps, not " + std::to_string(steps.size())));
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
    if (!made) throw Error(Text::Verbatim(path + ": the picture says nothing of how it was made"));
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
  if (!args.empty() && args[0] == "make") return Make(Args(args.begin() + 1, args.end()));
  if (args.size() == 2 && args[0] == "show") return Show(args[1]);
  return UsageError("look");
}

}  // namespace qv::cli
