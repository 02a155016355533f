#include "session/History.h"

#include <unistd.h>

#include <algorithm>
#include <unordered_set>
#include <utility>

namespace qv {

std::size_t History::DefaultBudget() {
  constexpr std::size_t kDefault = std::size_t(512) << 20;
  const long pages = ::sysconf(_SC_PHYS_PAGES), pageSize = ::sysconf(_SC_PAGE_SIZE);
  if (pages <= 0 || pageSize <= 0) return kDefault;
  return std::min(kDefault, std::size_t(double(pages) * double(pageSize) / 4));
}

void History::Reset(PictureRef opened, int revision) {
  entries_.clear();
  entries_.push_back({Step(), std::move(opened), revision});
  at_ = 0;
}

void History::Push(Step step, PictureRef picture, int revision) {
  entries_.erase(entries_.begin() + std::ptrdiff_t(std::min(at_ + 1, entries_.size())),
                 entries_.end());
  entries_.push_back({std::move(step), std::move(picture), revision});
  at_ = entries_.size() - 1;
  Trim();
}

void History::Undo() {
  if (CanUndo()) MoveTo(at_ - 1);
}

void History::Redo() {
  if (CanRedo()) MoveTo(at_ + 1);
}

void History::MoveTo(std::size_t position) {
  at_ = std::min(position, entries_.size() - 1);
}

PictureRef History::PictureAt(std::size_t position, const Replay &replay) {
  std::size_t from = position;
  while (!entries_[from].Picture) --from;  // the first entry always holds its picture
  PictureRef picture = entries_[from].Picture;
  for (std::size_t i = from + 1; i <= position; ++i) {
    picture = replay(entries_[i].Made, picture);
    entries_[i].Picture = picture;
    // As it goes, so that a long way back costs the budget and two pictures.
    Trim(i);
  }
  // `position` may have been trimmed if it is not the current entry; the
  // caller holds it all the same.
  return picture;
}

std::size_t History::Bytes() const {
  std::unordered_set<const Bitmap *> counted;
  std::size_t bytes = 0;
  for (const Entry &entry : entries_)
    if (entry.Picture && counted.insert(entry.Picture.get()).second)
      bytes += entry.Picture->ByteCount();
  return bytes;
}

void History::SetBudget(std::size_t bytes) {
  budget_ = bytes;
  Trim();
}

void History::Trim(std::size_t keep) {
  // Farthest from the current entry first; of two as far, the older.
  std::vector<std::size_t> order;
  for (std::size_t i = 1; i < entries_.size(); ++i)
    if (i != at_ && i != keep) order.push_back(i);
  auto distance = [this](std::size_t i) { return i > at_ ? i - at_ : at_ - i; };
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return distance(a) > distance(b) || (distance(a) == distance(b) && a < b);
  });
  for (std::size_t i : order) {
    if (Bytes() <= budget_) return;
    entries_[i].Picture.reset();
  }
}

}  // namespace qv
