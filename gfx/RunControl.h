#pragma once

// What a long pixel operation is handed besides its pictures: a token that
// asks it to stop, and a sink for how far it has come. Both are optional;
// the command line passes neither, the editor's render worker both.
//
// The band driver (gfx/Bands.h) looks at them between bands. An entry point
// that runs a whole operation (a recipe, a filter) installs them for its
// thread with a RunScope, so the row passes below it need no extra
// argument; a ProgressSpan gives a part of the operation its share of the
// progress.

#include <atomic>
#include <exception>
#include <mutex>

namespace qv {

// Thrown by the band driver when the token is set. It is no failure of the
// picture, so it carries no message for the user: whoever cancels catches it.
class Cancelled : public std::exception {
 public:
  const char *what() const noexcept override { return "Cancelled"; }
};

// Set from any thread (the GUI's Cancel), read between bands.
class CancelToken {
 public:
  void Cancel() { cancelled_.store(true, std::memory_order_relaxed); }
  bool IsCancelled() const { return cancelled_.load(std::memory_order_relaxed); }

 private:
  std::atomic<bool> cancelled_{false};
};

// Told how much of a run is done, 0 to 1, never less than it was told
// before. Called from the threads that do the work, so it must be cheap and
// thread-safe (the editor's sink only stores the value).
class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  virtual void Report(double fraction) = 0;
};

struct RunControl {
  const CancelToken *Cancel = nullptr;
  ProgressSink *Progress = nullptr;
};

namespace detail {
// The run installed on a thread: its control and the part of its progress
// that the passes running now fill.
struct RunState {
  RunControl Control;
  double Lo = 0, Hi = 1;
  std::atomic<double> Told{0};  // the largest fraction reported so far
  std::mutex Telling;           // keeps the sink's calls in rising order
  // Tells the sink `fraction` of the whole run, if that is further on.
  void Report(double fraction);
};
// The run installed on this thread, or null.
RunState *CurrentRun();
}  // namespace detail

// Installs control for the operations this thread runs until the scope
// ends; scopes nest, the inner one wins and the outer comes back. Progress
// starts at 0 and spans the whole run.
class RunScope {
 public:
  explicit RunScope(const RunControl &control);
  ~RunScope();
  RunScope(const RunScope &) = delete;
  RunScope &operator=(const RunScope &) = delete;

 private:
  detail::RunState state_;
  detail::RunState *previous_;
};

// Within the current run, `width` parts from part `index` on, of `count`
// equal parts of the current span: passes reported while it lives move the
// progress across those parts only. Without a run it does nothing.
class ProgressSpan {
 public:
  ProgressSpan(int index, int count, int width = 1);
  ~ProgressSpan();
  ProgressSpan(const ProgressSpan &) = delete;
  ProgressSpan &operator=(const ProgressSpan &) = delete;

 private:
  detail::RunState *run_;
  double lo_ = 0, hi_ = 1;
};

// Throws Cancelled if this thread's run has been cancelled; for the few
// long steps that are not row passes (a whole-picture copy, a decode).
void CheckCancelled();

// The run of the thread that makes it, for steps that are not row passes
// (a decode) to tell how far they have come, also from a library's own
// threads: Report(f) says that f (0 to 1) of the current span is done.
// Without a run it does nothing.
class RunProgress {
 public:
  RunProgress();
  void Report(double fraction) const;
  bool Cancelled() const;

 private:
  detail::RunState *run_;
  double lo_ = 0, hi_ = 1;
};

}  // namespace qv
