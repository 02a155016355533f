#pragma once

#include <cstddef>
#include <vector>

#include "gfx/PictureRef.h"

namespace qv {

// The pictures Undo and Redo move between: the one opened, then one for
// every Apply since. Steps hold shared handles, so a picture that several
// steps, the working picture and the display show is held once.
//
// The history is bounded by memory: when an Apply takes it over its budget,
// the oldest steps go first, but the step before the current picture always
// stays, so there is always one Undo after an Apply. Each picture counts
// once however many steps share it.
class History {
 public:
  struct Step {
    PictureRef Picture;
    int Revision = 0;  // tells the steps apart, for the document's modified flag
  };

  // A quarter of the computer's memory.
  static std::size_t DefaultBudget();

  // Starts over with one step.
  void Reset(PictureRef picture, int revision);
  // Apply: the steps ahead of the current one go, the new one follows it,
  // then the oldest go while the history is over its budget.
  void Push(PictureRef picture, int revision);
  // Moves one step back or forward; does nothing at either end.
  void Undo();
  void Redo();

  bool CanUndo() const { return at_ > 0; }
  bool CanRedo() const { return at_ + 1 < steps_.size(); }
  // Only after Reset.
  const Step &Current() const { return steps_[at_]; }
  // The picture Undo returns to; empty when there is none.
  PictureRef Previous() const { return CanUndo() ? steps_[at_ - 1].Picture : nullptr; }
  std::size_t Count() const { return steps_.size(); }
  std::size_t Position() const { return at_; }

  // The bytes of the pixels the steps hold, each picture counted once.
  std::size_t Bytes() const;
  std::size_t Budget() const { return budget_; }
  // Takes effect at the next Apply.
  void SetBudget(std::size_t bytes) { budget_ = bytes; }

 private:
  std::vector<Step> steps_;
  std::size_t at_ = 0;
  std::size_t budget_ = DefaultBudget();
};

}  // namespace qv
