#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "gfx/PictureRef.h"
#include "kernels/Step.h"

namespace qv {

// What Undo and Redo move between: the picture opened, then one entry for
// every Apply since, each with the step that made it. The steps are the
// history; the pictures are only caches of them.
//
// The history is unbounded in steps and bounded in memory: while its
// pictures take more than the budget, the pictures farthest from the
// current one are dropped (never the opened one nor the current one), and
// a dropped picture is made again from the nearest kept picture before it
// and the steps between, when Undo or Redo needs it. Steps share pictures
// (a step at strength 0 gives back the picture it started from); each
// picture counts once.
class History {
 public:
  struct Entry {
    Step Made;           // the step that made the picture; none for the first entry
    PictureRef Picture;  // null while dropped
    int Revision = 0;    // tells the entries apart, for the modified flag
  };
  // Makes the picture of a step from the picture before it (ApplyStep).
  using Replay = std::function<PictureRef(const Step &step, const PictureRef &before)>;

  // 512 MiB, or a quarter of the computer's memory where that is less.
  static std::size_t DefaultBudget();

  // Starts over with the opened picture.
  void Reset(PictureRef opened, int revision);
  // Apply: the entries ahead of the current one go, the new one follows it.
  void Push(Step step, PictureRef picture, int revision);
  // One entry back or forward; nothing happens at either end.
  void Undo();
  void Redo();
  // Straight to entry `position` (clamped to the entries there are).
  void MoveTo(std::size_t position);

  bool CanUndo() const { return at_ > 0; }
  bool CanRedo() const { return at_ + 1 < entries_.size(); }
  std::size_t Count() const { return entries_.size(); }
  std::size_t Position() const { return at_; }
  // Only after Reset.
  const Entry &At(std::size_t position) const { return entries_[position]; }
  const Entry &Current() const { return entries_[at_]; }

  // The picture of entry `position`, made again by `replay` from the
  // nearest kept picture before it if it was dropped. The pictures made on
  // the way are kept as far as the budget allows.
  PictureRef PictureAt(std::size_t position, const Replay &replay);
  // Whether entry `position` holds its picture now.
  bool Holds(std::size_t position) const { return entries_[position].Picture != nullptr; }

  // The bytes of the pictures held, each picture counted once.
  std::size_t Bytes() const;
  std::size_t Budget() const { return budget_; }
  void SetBudget(std::size_t bytes);

 private:
  // Drops the pictures farthest from the current entry while over budget,
  // never the first, the current one or `keep`.
  void Trim(std::size_t keep = 0);

  std::vector<Entry> entries_;
  std::size_t at_ = 0;
  std::size_t budget_ = DefaultBudget();
};

}  // namespace qv
