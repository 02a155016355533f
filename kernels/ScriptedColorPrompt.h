#pragma once

// A colour prompt that gives prepared answers in order, for the command line
// and the tests. Once the answers are used up the last one is given again,
// as the colour dialog opens on the colour chosen last; with no answers at
// all every question is cancelled.

#include <optional>
#include <utility>
#include <vector>

#include "kernels/KernelEnv.h"

namespace qv {

class ScriptedColorPrompt : public ColorPrompt {
 public:
  using Answer = std::optional<TColor>;  // nullopt: cancelled

  ScriptedColorPrompt() = default;
  explicit ScriptedColorPrompt(std::vector<Answer> answers) : answers_(std::move(answers)) {}

  void Add(Answer answer) { answers_.push_back(answer); }

  std::optional<TColor> AskColor() override {
    ++asked_;
    if (answers_.empty()) return std::nullopt;
    const std::size_t i = next_ < answers_.size() ? next_++ : answers_.size() - 1;
    return answers_[i];
  }

  int TimesAsked() const { return asked_; }
  const std::vector<Answer> &Answers() const { return answers_; }

 private:
  std::vector<Answer> answers_;
  std::size_t next_ = 0;
  int asked_ = 0;
};

}  // namespace qv
