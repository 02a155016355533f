#include "app/History.h"

#include <unistd.h>

#include <algorithm>
#include <unordered_set>
#include <utility>

namespace qv {

std::size_t History::DefaultBudget() {
  const long pages = ::sysconf(_SC_PHYS_PAGES), pageSize = ::sysconf(_SC_PAGE_SIZE);
  // Where the system does not say, a machine of 4 GiB.
  const double memory =
      pages > 0 && pageSize > 0 ? double(pages) * double(pageSize) : 4.0 * 1024 * 1024 * 1024;
  return std::size_t(memory / 4);
}

void History::Reset(PictureRef picture, int revision) {
  steps_.clear();
  steps_.push_back({std::move(picture), revision});
  at_ = 0;
}

void History::Push(PictureRef picture, int revision) {
  steps_.erase(steps_.begin() + std::ptrdiff_t(std::min(at_ + 1, steps_.size())), steps_.end());
  steps_.push_back({std::move(picture), revision});
  at_ = steps_.size() - 1;
  while (steps_.size() > 2 && Bytes() > budget_) {
    steps_.erase(steps_.begin());
    --at_;
  }
}

void History::Undo() {
  if (CanUndo()) --at_;
}

void History::Redo() {
  if (CanRedo()) ++at_;
}

std::size_t History::Bytes() const {
  std::unordered_set<const Bitmap *> counted;
  std::size_t bytes = 0;
  for (const Step &step : steps_)
    if (step.Picture && counted.insert(step.Picture.get()).second)
      bytes += step.Picture->ByteCount();
  return bytes;
}

}  // namespace qv
