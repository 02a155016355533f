// The history's memory rule on its own: which pictures go over budget, and
// that each is made again from the nearest kept one and the steps after it.

#include <gtest/gtest.h>

#include "session/History.h"

namespace qv {
namespace {

// A step's picture, made from the one before: a bitmap one pixel wider
// whose first byte counts the replays, so a test sees what was made again.
struct Counting {
  int Replays = 0;
  History::Replay Fn() {
    return [this](const Step &step, const PictureRef &before) {
      ++Replays;
      Bitmap next(before->Width() + 1, 10);
      next.ScanLine(0)[0] = std::uint8_t(step.Number);
      return Share(std::move(next));
    };
  }
};

Step Numbered(int n) {
  Step step;
  step.Category = 1;
  step.Number = n;
  return step;
}

TEST(History, KeepsTheOpenedTheCurrentAndTheNearestWithinItsBudget) {
  Counting counting;
  History h;
  h.Reset(Share(Bitmap(10, 10)), 1);
  // Entry i is 10 + i pixels wide: room for the opened one and the last three.
  auto bytes = [](int i) { return std::size_t(3 * (10 + i) * 10); };
  h.SetBudget(bytes(0) + bytes(6) + bytes(7) + bytes(8));
  PictureRef before = h.Current().Picture;
  for (int n = 1; n <= 8; ++n) {
    before = counting.Fn()(Numbered(n), before);
    h.Push(Numbered(n), before, n + 1);
  }
  // Farthest from the current entry go first: 1 to 5.
  const bool held[] = {true, false, false, false, false, false, true, true, true};
  for (std::size_t i = 0; i < h.Count(); ++i) EXPECT_EQ(h.Holds(i), held[i]) << i;

  // Entry 3 is made from the opened picture and steps 1 to 3, and those
  // made on the way are kept as far as the budget allows.
  counting.Replays = 0;
  h.MoveTo(3);
  const PictureRef three = h.PictureAt(3, counting.Fn());
  EXPECT_EQ(counting.Replays, 3);
  EXPECT_EQ(three->Width(), 13);
  EXPECT_EQ(three->ScanLine(0)[0], 3);
  // Now those farthest from entry 3 went: 8, 7 and 6.
  for (std::size_t i = 0; i < h.Count(); ++i) EXPECT_EQ(h.Holds(i), i <= 3) << i;
  EXPECT_LE(h.Bytes(), h.Budget());
  counting.Replays = 0;
  EXPECT_EQ(h.PictureAt(2, counting.Fn()), h.At(2).Picture);
  EXPECT_EQ(counting.Replays, 0);
}

TEST(History, ASharedPictureCountsOnceAndANewStepDropsTheOnesAhead) {
  History h;
  h.Reset(Share(Bitmap(10, 10)), 1);
  h.Push(Numbered(1), h.Current().Picture, 2);  // an Apply at strength 0
  EXPECT_EQ(h.Bytes(), 300u);
  h.Push(Numbered(2), Share(Bitmap(20, 10)), 3);
  h.Undo();
  h.Undo();
  EXPECT_FALSE(h.CanUndo());
  h.Push(Numbered(3), Share(Bitmap(5, 10)), 4);
  EXPECT_EQ(h.Count(), 2u);
  EXPECT_FALSE(h.CanRedo());
  EXPECT_EQ(h.Current().Made.Number, 3);
  EXPECT_GT(History::DefaultBudget(), 0u);
  EXPECT_LE(History::DefaultBudget(), std::size_t(512) << 20);
}

}  // namespace
}  // namespace qv
