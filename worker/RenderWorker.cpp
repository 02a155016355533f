#include "worker/RenderWorker.h"

#include <QMetaObject>
#include <chrono>
#include <utility>

#ifdef __linux__
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace qv {

namespace {

constexpr int kNiceness = 5;

}  // namespace

struct RenderWorker::Job {
  std::uint64_t Id = 0;
  Work Run;
  Finished End;
  CancelToken Token;
  // A question waiting for the GUI thread, and its answer having come.
  std::mutex Mutex;
  std::condition_variable Answered;
};

class RenderWorker::Sink : public ProgressSink {
 public:
  Sink(RenderWorker &worker, std::uint64_t id) : worker_(worker), id_(id) {}
  void Report(double fraction) override { worker_.ReportProgress(id_, fraction); }

 private:
  RenderWorker &worker_;
  std::uint64_t id_;
};

void RenderWorker::Stop(Job &job) {
  job.Token.Cancel();
  // Under the job's lock, so a job just about to wait for an answer sees
  // the token or gets the wake-up.
  const std::lock_guard<std::mutex> lock(job.Mutex);
  job.Answered.notify_all();
}

RenderWorker::RenderWorker(QObject *parent) : QObject(parent) {
  thread_ = std::thread([this] { Loop(); });
}

RenderWorker::~RenderWorker() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
    current_ = 0;
    for (const auto &job : queue_) job->Token.Cancel();
    if (running_) Stop(*running_);
  }
  wake_.notify_all();
  thread_.join();
}

void RenderWorker::Start(Work work, Finished finished) {
  auto job = std::make_shared<Job>();
  job->Run = std::move(work);
  job->End = std::move(finished);
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    for (const auto &queued : queue_) queued->Token.Cancel();
    queue_.clear();
    if (running_) Stop(*running_);
    job->Id = ++nextId_;
    current_ = job->Id;
    queue_.push_back(job);
  }
  busy_ = true;
  progress_ = 0;
  // The worker first: the progress bar below repaints before it returns.
  wake_.notify_all();
  emit ProgressChanged(0);
}

void RenderWorker::Cancel() {
  bool wasBusy = busy_;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    current_ = 0;
    for (const auto &queued : queue_) queued->Token.Cancel();
    queue_.clear();
    if (running_) Stop(*running_);
  }
  busy_ = false;
  if (wasBusy) emit Idle();
}

bool RenderWorker::Working() {
  const std::lock_guard<std::mutex> lock(mutex_);
  return running_ != nullptr || !queue_.empty();
}

void RenderWorker::CancelAndWait() {
  Cancel();
  std::unique_lock<std::mutex> lock(mutex_);
  wake_.wait(lock, [this] { return !running_; });
}

void RenderWorker::Loop() {
#ifdef __linux__
  // A little behind the GUI thread, and so are the helper threads the band
  // driver starts from here (they inherit it): a click on Cancel is handled
  // at once even while every core renders.
  ::setpriority(PRIO_PROCESS, pid_t(::syscall(SYS_gettid)), kNiceness);
#endif
  for (;;) {
    std::shared_ptr<Job> job;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
      if (stopping_) return;
      job = queue_.front();
      queue_.pop_front();
      running_ = job;
    }
    std::exception_ptr error;
    bool cancelled = false;
    Sink sink(*this, job->Id);
    try {
      job->Run(RunControl{&job->Token, &sink});
    } catch (const Cancelled &) {
      cancelled = true;
    } catch (...) {
      error = std::current_exception();
    }
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      running_.reset();
    }
    wake_.notify_all();  // CancelAndWait
    if (cancelled || job->Token.IsCancelled()) continue;
    Post(job->Id, [this, job, error] {
      busy_ = false;
      if (job->End) job->End(error);
      if (!busy_) emit Idle();
    });
  }
}

void RenderWorker::Post(std::uint64_t id, std::function<void()> gui) {
  QMetaObject::invokeMethod(
      this,
      [this, id, gui = std::move(gui)] {
        if (current_.load() == id) gui();
      },
      Qt::QueuedConnection);
}

void RenderWorker::Deliver(std::function<void()> gui) {
  std::uint64_t id;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    id = running_ ? running_->Id : 0;
  }
  Post(id, std::move(gui));
}

void RenderWorker::Ask(std::function<void()> question) {
  std::shared_ptr<Job> job;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    job = running_;
  }
  if (!job) throw Cancelled();
  // Everything the GUI side touches is its own or shared: a job cancelled
  // while its question is up is gone by the time the question returns.
  auto answered = std::make_shared<bool>(false);
  Post(job->Id, [job, answered, question = std::move(question)] {
    question();
    const std::lock_guard<std::mutex> lock(job->Mutex);
    *answered = true;
    job->Answered.notify_all();
  });
  std::unique_lock<std::mutex> lock(job->Mutex);
  job->Answered.wait(lock, [&] { return *answered || job->Token.IsCancelled(); });
  if (!*answered) throw Cancelled();
}

void RenderWorker::ReportProgress(std::uint64_t id, double fraction) {
  progress_.store(fraction, std::memory_order_relaxed);
  // A progress bar repaints itself at once for each new value it is given,
  // so values go to it at most every 40 ms, which the eye cannot tell from
  // every step, and which leaves a short render no repaints to wait for.
  constexpr std::int64_t kSpacing = 40'000'000;
  const std::int64_t now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                               std::chrono::steady_clock::now().time_since_epoch())
                               .count();
  if (now - progressPostedAt_.load(std::memory_order_relaxed) < kSpacing) return;
  // One post at a time: the GUI reads the latest value when it gets there.
  if (progressPosted_.exchange(true)) return;
  progressPostedAt_.store(now, std::memory_order_relaxed);
  QMetaObject::invokeMethod(
      this,
      [this, id] {
        progressPosted_ = false;
        if (current_.load() == id) emit ProgressChanged(Progress());
      },
      Qt::QueuedConnection);
}

}  // namespace qv
