// The band driver: every band once, failures and cancellation carried out
// of the parallel region, progress rising to the end.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <new>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

#include "gfx/Bands.h"
#include "gfx/RunControl.h"

namespace qv {
namespace {

class Recorder : public ProgressSink {
 public:
  void Report(double fraction) override {
    const std::lock_guard<std::mutex> lock(mutex_);
    told.push_back(fraction);
  }
  std::vector<double> told;

 private:
  std::mutex mutex_;
};

TEST(Bands, EveryItemOnceInBothForms) {
  for (bool inOrder : {false, true})
    for (int count : {0, 1, 7, 64, 1000}) {
      std::vector<std::atomic<int>> seen(std::size_t(count) + 1);
      std::vector<int> order;
      auto band = [&](int first, int last) {
        for (int i = first; i < last; ++i) ++seen[std::size_t(i)];
        if (inOrder) order.push_back(first);
      };
      if (inOrder)
        ForEachBandInOrder(count, 16, band);
      else
        ForEachBand(count, 16, true, band);
      for (int i = 0; i < count; ++i) EXPECT_EQ(seen[std::size_t(i)], 1) << count << " " << i;
      for (std::size_t k = 1; k < order.size(); ++k) EXPECT_EQ(order[k], order[k - 1] + 16);
    }
}

// Passes asked for by several threads at once, each with passes inside its
// bands, all run every item once; a lone pass is shared with the workers.
TEST(Bands, PassesFromSeveralThreadsAtOnce) {
  std::atomic<int> items{0};
  auto pass = [&] {
    ForEachBand(64, 1, true,
                [&](int, int) { ForEachBand(50, 7, true, [&](int f, int l) { items += l - f; }); });
  };
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) threads.emplace_back(pass);
  for (std::thread &t : threads) t.join();
  EXPECT_EQ(items.load(), 4 * 64 * 50);

  if (std::thread::hardware_concurrency() < 2) return;
  std::mutex lock;
  std::set<std::thread::id> ran;
  ForEachBand(200, 1, true, [&](int, int) {
    std::this_thread::sleep_for(std::chrono::microseconds(200));
    const std::lock_guard<std::mutex> held(lock);
    ran.insert(std::this_thread::get_id());
  });
  EXPECT_GE(ran.size(), 2u);
}

// A band that runs out of memory on a worker: the failure comes out of the
// driver as itself, after the region, instead of ending the process, and
// the bands not yet started are dropped.
TEST(Bands, AFailingBandIsRethrownAfterTheRegion) {
  // The first band fails at once while the others take a little time each, so
  // a driver that ran on after the failure would run all 4000 (half a second)
  // however slowly the throw itself is unwound.
  std::atomic<int> ran{0};
  EXPECT_THROW(ForEachBand(4000, 1, true,
                           [&](int first, int) {
                             ++ran;
                             if (first == 0) throw std::bad_alloc();
                             std::this_thread::sleep_for(std::chrono::microseconds(250));
                           }),
               std::bad_alloc);
  EXPECT_LT(ran.load(), 4000);
  EXPECT_THROW(ForEachBandInOrder(10, 1,
                                  [](int first, int) {
                                    if (first == 3) throw std::length_error("row");
                                  }),
               std::length_error);
}

TEST(Bands, ACancelledRunStopsBetweenBands) {
  CancelToken token;
  const RunScope run({&token, nullptr});
  int ran = 0;
  EXPECT_THROW(ForEachBandInOrder(100, 1,
                                  [&](int first, int) {
                                    ++ran;
                                    if (first == 9) token.Cancel();
                                  }),
               Cancelled);
  EXPECT_EQ(ran, 10);
  std::atomic<int> parallelRan{0};
  EXPECT_THROW(ForEachBand(100, 1, true, [&](int, int) { ++parallelRan; }), Cancelled);
  EXPECT_EQ(parallelRan.load(), 0);
  EXPECT_THROW(CheckCancelled(), Cancelled);
}

// Progress rises and ends at 1; spans share it out, and nothing is told
// without a run.
TEST(Bands, ProgressRisesThroughTheSpans) {
  ForEachBand(10, 1, true, [](int, int) {});  // no run: nothing to tell
  Recorder sink;
  {
    const RunScope run({nullptr, &sink});
    for (int part = 0; part < 2; ++part) {
      const ProgressSpan span(part, 2);
      ForEachBand(1000, 10, true, [](int, int) {});
      if (part == 0) {
        ASSERT_FALSE(sink.told.empty());
        EXPECT_DOUBLE_EQ(sink.told.back(), 0.5);
      }
      ForEachBandInOrder(50, 10, [](int, int) {});  // a second pass adds nothing
    }
  }
  ASSERT_GE(sink.told.size(), 10u);
  for (std::size_t i = 1; i < sink.told.size(); ++i) EXPECT_GT(sink.told[i], sink.told[i - 1]);
  EXPECT_DOUBLE_EQ(sink.told.back(), 1.0);
}

}  // namespace
}  // namespace qv
