#pragma once

// What the kernels need from their surroundings, passed in instead of read
// from globals: where the artwork lies; only while a "Change Color"
// re-render runs, someone to ask for a colour; the run's cancel token and
// progress sink (RenderRecipe hands them to the band driver); and the
// random generator, for whatever draws.

#include <optional>
#include <string>
#include <utility>

#include "effects/Random.h"
#include "gfx/Color.h"
#include "gfx/RunControl.h"

namespace qv {

// Asks the user for a colour. nullopt means the user cancelled.
class ColorPrompt {
 public:
  virtual ~ColorPrompt() = default;
  virtual std::optional<TColor> AskColor() = 0;
};

struct KernelEnv {
  explicit KernelEnv(std::string appDir = {}, ColorPrompt *prompt = nullptr)
      : AppDir(std::move(appDir)), Prompt(prompt) {}

  // The folder that holds pic/ (the program folder by default).
  std::string AppDir;
  // Present only while a re-render with a picked colour runs.
  ColorPrompt *Prompt = nullptr;
  // Cancel token and progress sink of the run, each optional.
  RunControl Control;
  // The generator draws come from; none of the recipes draws today.
  RandomGenerator *Random = nullptr;

  bool PickColorFlag() const { return Prompt != nullptr; }
  // Without a prompt the answer is "cancelled".
  std::optional<TColor> AskColor() const { return Prompt ? Prompt->AskColor() : std::nullopt; }
};

// The folder of the running executable, with a trailing separator.
std::string ExecutableDir();

// The folder that holds the artwork (pic/, the sample picture, the help page
// and the skin), with a trailing separator: the executable's own folder when
// pic/ lies beside it (the build tree), else the data folder of an install
// (share/quorvane, found from the executable's folder).
std::string ProgramDataDir();

// AppDir = ProgramDataDir(), no prompt.
KernelEnv DefaultKernelEnv();

}  // namespace qv
