#pragma once

// What the asset and colour kernels need from their surroundings, passed in
// instead of read from globals: where the artwork lies and, only while a
// "Change Color" re-render runs, someone to ask for a colour.

#include <optional>
#include <string>

#include "gfx/Color.h"

namespace qv {

// Asks the user for a colour. nullopt means the user cancelled.
class ColorPrompt {
 public:
  virtual ~ColorPrompt() = default;
  virtual std::optional<TColor> AskColor() = 0;
};

struct KernelEnv {
  // The folder that holds pic/ (the program folder by default).
  std::string AppDir;
  // Present only while a re-render with a picked colour runs.
  ColorPrompt *Prompt = nullptr;

  bool PickColorFlag() const { return Prompt != nullptr; }
  // Without a prompt the answer is "cancelled".
  std::optional<TColor> AskColor() const { return Prompt ? Prompt->AskColor() : std::nullopt; }
};

// The folder of the running executable, with a trailing separator.
std::string ExecutableDir();

// AppDir = ExecutableDir(), no prompt.
KernelEnv DefaultKernelEnv();

}  // namespace qv
