#include "gfx/BandPipeline.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <limits>
#include <thread>

#include "gfx/BandWorkers.h"
#include "gfx/RunControl.h"

namespace qv {

namespace {

// Both stages on the calling thread, a band at a time.
void RunInLine(int count, int slots, const BandPipelineStages &stages) {
  std::exception_ptr taking;
  auto take = [&](auto &&step) {
    if (taking) return;
    try {
      step();
    } catch (...) {
      taking = std::current_exception();
    }
  };
  take([&] { stages.Start(); });
  for (int band = 0; band < count; ++band) {
    CheckCancelled();
    stages.Make(band, band % slots);
    take([&] { stages.Take(band, band % slots); });
  }
  take([&] { stages.Finish(); });
  if (taking) std::rethrow_exception(taking);
}

}  // namespace

void RunBandPipeline(int count, int slots, const BandPipelineStages &stages) {
  slots = std::max(slots, 1);
  if (detail::InSharedPass()) return RunInLine(count, slots, stages);
  const int ahead = std::max(slots - stages.Held, 1);

  // made and taken count bands; each side waits on the other's counter.
  std::atomic<int> made{0}, taken{0};
  std::atomic<bool> stop{false};
  std::exception_ptr taking;
  std::thread taker([&] {
    try {
      stages.Start();
      for (int band = 0; band < count; ++band) {
        for (int ready = made.load(std::memory_order_acquire); ready <= band;
             ready = made.load(std::memory_order_acquire))
          made.wait(ready, std::memory_order_acquire);
        if (stop.load(std::memory_order_acquire)) return;  // the making failed
        stages.Take(band, band % slots);
        taken.store(band + 1, std::memory_order_release);
        taken.notify_one();
      }
      stages.Finish();
    } catch (...) {
      taking = std::current_exception();
      taken.store(count, std::memory_order_release);  // the maker need not wait any more
      taken.notify_one();
    }
  });

  std::exception_ptr making;
  try {
    for (int band = 0; band < count; ++band) {
      CheckCancelled();
      // A slot is free once the band slots before this one was taken, and
      // the bands held after it as well.
      for (int free = taken.load(std::memory_order_acquire); band - free >= ahead;
           free = taken.load(std::memory_order_acquire))
        taken.wait(free, std::memory_order_acquire);
      stages.Make(band, band % slots);
      made.store(band + 1, std::memory_order_release);
      made.notify_one();
    }
  } catch (...) {
    making = std::current_exception();
    stop.store(true, std::memory_order_release);
    made.store(std::numeric_limits<int>::max(), std::memory_order_release);
    made.notify_one();
  }
  taker.join();
  if (making) std::rethrow_exception(making);
  if (taking) std::rethrow_exception(taking);
}

}  // namespace qv
