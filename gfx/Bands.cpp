#include "gfx/Bands.h"

#include <algorithm>
#include <atomic>
#include <exception>

#include "gfx/BandWorkers.h"
#include "gfx/VectorState.h"

namespace qv {

namespace {

thread_local detail::RunState *currentRun = nullptr;

}  // namespace

namespace detail {

RunState *CurrentRun() {
  return currentRun;
}

void RunState::Report(double fraction) {
  if (!Control.Progress) return;
  fraction = std::clamp(fraction, 0.0, 1.0);
  // Only a visible step forward is passed on. Bands finish on several
  // threads, so the comparison and the call are made under one lock: the
  // sink sees a rising value.
  const auto further = [&] {
    const double told = Told.load(std::memory_order_relaxed);
    return fraction >= told + 0.001 || (fraction == 1.0 && told < 1.0);
  };
  if (!further()) return;
  const std::lock_guard<std::mutex> lock(Telling);
  if (!further()) return;
  Told.store(fraction, std::memory_order_relaxed);
  Control.Progress->Report(fraction);
}

void RunBands(int count, int perBand, bool parallel, bool inOrder, BandCall call, void *fn) {
  if (count <= 0) return;
  ClearUpperVectorState();
  perBand = std::max(perBand, 1);
  const int bands = count / perBand + (count % perBand != 0);
  RunState *run = currentRun;
  const CancelToken *cancel = run ? run->Control.Cancel : nullptr;
  const double lo = run ? run->Lo : 0, span = run ? run->Hi - run->Lo : 0;

  std::atomic<bool> stop{false}, cancelled{false};
  std::atomic_flag failed = ATOMIC_FLAG_INIT;
  std::exception_ptr error;
  std::atomic<int> done{0};
  auto band = [&](int b) noexcept {
    if (stop.load(std::memory_order_relaxed)) return;
    if (cancel && cancel->IsCancelled()) {
      cancelled.store(true, std::memory_order_relaxed);
      stop.store(true, std::memory_order_relaxed);
      return;
    }
    const int first = b * perBand, last = first + std::min(perBand, count - first);
    try {
      call(fn, first, last);
    } catch (...) {
      // The first failure is kept; copying an exception_ptr cannot throw.
      if (!failed.test_and_set()) error = std::current_exception();
      stop.store(true, std::memory_order_relaxed);
      return;
    }
    const int finished = done.fetch_add(1, std::memory_order_relaxed) + 1;
    if (run) run->Report(lo + span * finished / bands);
  };

  // A band that is itself running on a worker keeps its bands to itself.
  if (parallel && !inOrder && bands > 1 && !InSharedPass()) {
    // Every thread of the pass takes the next band until none is left.
    std::atomic<int> next{0};
    auto take = [&] {
      for (int b = next.fetch_add(1, std::memory_order_relaxed); b < bands;
           b = next.fetch_add(1, std::memory_order_relaxed))
        band(b);
    };
    RunOnWorkers([](void *context) { (*static_cast<decltype(take) *>(context))(); }, &take);
  } else {
    for (int b = 0; b < bands && !stop.load(std::memory_order_relaxed); ++b) band(b);
  }
  if (error) std::rethrow_exception(error);
  if (cancelled.load()) throw Cancelled();
}

}  // namespace detail

RunScope::RunScope(const RunControl &control) : previous_(currentRun) {
  state_.Control = control;
  currentRun = &state_;
}

RunScope::~RunScope() {
  currentRun = previous_;
}

ProgressSpan::ProgressSpan(int index, int count, int width)
    : run_(count > 0 ? currentRun : nullptr) {
  if (!run_) return;
  lo_ = run_->Lo;
  hi_ = run_->Hi;
  const double part = (hi_ - lo_) / count;
  run_->Lo = lo_ + part * index;
  run_->Hi = lo_ + part * (index + width);
}

ProgressSpan::~ProgressSpan() {
  if (!run_) return;
  // The part is done, also when it had no pass that reported.
  if (!std::uncaught_exceptions()) run_->Report(run_->Hi);
  run_->Lo = lo_;
  run_->Hi = hi_;
}

void CheckCancelled() {
  const detail::RunState *run = currentRun;
  if (run && run->Control.Cancel && run->Control.Cancel->IsCancelled()) throw Cancelled();
}

RunProgress::RunProgress() : run_(currentRun) {
  if (run_) lo_ = run_->Lo, hi_ = run_->Hi;
}

void RunProgress::Report(double fraction) const {
  if (run_) run_->Report(lo_ + (hi_ - lo_) * std::clamp(fraction, 0.0, 1.0));
}

bool RunProgress::Cancelled() const {
  return run_ && run_->Control.Cancel && run_->Control.Cancel->IsCancelled();
}

}  // namespace qv
