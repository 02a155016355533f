#pragma once

// The editor's render thread. Renders (the thumbnail strip, the full-size
// preview) run here, one at a time, so the window stays responsive; the GUI
// thread starts them, sees their progress, cancels them and receives their
// results.
//
// A job is a function run on the worker thread with the run's control
// (cancel token and progress sink, to put in the kernels' environment). It
// works only on bitmaps of its own and hands results to the GUI thread with
// Deliver, which runs a function there while the job is still the current
// one; whatever the job leaves for the end runs as its `finished` step, also
// on the GUI thread. So no handler ever sees a half-written bitmap, and no
// result of a cancelled job ever arrives.
//
// Starting a job cancels the one running (its deliveries and its end are
// dropped); Cancel does the same without a new job. A cancelled job stops
// at the next band of its kernels (see gfx/Bands.h), a few milliseconds
// later. Ask (below) lets a job put a question to the GUI thread and wait
// for the answer, or for its cancellation.

#include <QObject>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "gfx/RunControl.h"

namespace qv {

class RenderWorker : public QObject {
  Q_OBJECT
 public:
  using Work = std::function<void(const RunControl &control)>;
  // How the job ended, on the GUI thread: error is null for success and
  // holds the exception otherwise (never Cancelled: a cancelled job ends
  // silently).
  using Finished = std::function<void(std::exception_ptr error)>;

  explicit RenderWorker(QObject *parent = nullptr);
  ~RenderWorker() override;  // cancels, then waits for the thread

  // Cancels the job running, if any, and queues this one.
  void Start(Work work, Finished finished);
  // Cancels the job running or queued; nothing of it arrives any more.
  void Cancel();
  // Cancels, then blocks until the worker is idle (for handlers that are
  // about to change the pictures a job reads).
  void CancelAndWait();
  // A job is queued, running, or its end has not reached the GUI thread.
  bool Busy() const { return busy_; }
  // The thread is running a job (also one cancelled a moment ago that has
  // not reached its next band yet).
  bool Working();

  // Called on the worker thread by a job: runs `gui` on the GUI thread if
  // the job is still current when it gets there.
  void Deliver(std::function<void()> gui);
  // Called on the worker thread by a job: runs `question` on the GUI thread
  // and waits for it to return. Throws Cancelled if the job is cancelled
  // before the answer comes. `question` keeps what it writes alive itself
  // (shared), since a cancelled job does not wait for it.
  void Ask(std::function<void()> question);

  // Progress of the current job, 0 to 1.
  double Progress() const { return progress_.load(std::memory_order_relaxed); }

 signals:
  // The current job's progress moved on (at most a few times a second
  // reach the GUI thread), or a job started (0).
  void ProgressChanged(double fraction);
  // The worker has become idle: the last job's end has been handled.
  void Idle();

 private:
  struct Job;
  class Sink;

  static void Stop(Job &job);
  void Loop();
  void Post(std::uint64_t id, std::function<void()> gui);
  void ReportProgress(std::uint64_t id, double fraction);

  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::shared_ptr<Job>> queue_;
  std::shared_ptr<Job> running_;
  bool stopping_ = false;
  std::atomic<std::uint64_t> current_{0};  // id of the job whose results count
  std::uint64_t nextId_ = 0;
  bool busy_ = false;  // GUI thread only
  std::atomic<double> progress_{0};
  std::atomic<bool> progressPosted_{false};
  // When progress was last posted (steady clock, nanoseconds).
  std::atomic<std::int64_t> progressPostedAt_{0};
};

}  // namespace qv
