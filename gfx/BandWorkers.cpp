#include "gfx/BandWorkers.h"

#include <algorithm>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

namespace qv::detail {

namespace {

thread_local bool inSharedPass = false;

class InPass {
 public:
  InPass() { inSharedPass = true; }
  ~InPass() { inSharedPass = false; }
  InPass(const InPass &) = delete;
  InPass &operator=(const InPass &) = delete;
};

int ThreadCount() {
  if (const char *asked = std::getenv("OMP_NUM_THREADS")) {
    const int n = std::atoi(asked);
    if (n > 0) return std::min(n, 256);
  }
  return int(std::max(1u, std::thread::hardware_concurrency()));
}

class Workers {
 public:
  Workers() : count_(ThreadCount() - 1) {
    for (int i = 0; i < count_; ++i) std::thread([this] { Serve(); }).detach();
  }

  void Run(WorkerCall call, void *context) {
    const std::unique_lock<std::mutex> mine(owner_, std::try_to_lock);
    if (mine && count_ > 0) {
      std::unique_lock<std::mutex> lock(lock_);
      call_ = call;
      context_ = context;
      busy_ = count_;
      ++generation_;
      lock.unlock();
      wake_.notify_all();
      Call(call, context);
      lock.lock();
      finished_.wait(lock, [this] { return busy_ == 0; });
      return;
    }
    Call(call, context);
  }

 private:
  static void Call(WorkerCall call, void *context) {
    const InPass in;
    call(context);
  }

  void Serve() {
    unsigned seen = 0;
    std::unique_lock<std::mutex> lock(lock_);
    for (;;) {
      wake_.wait(lock, [&] { return generation_ != seen; });
      seen = generation_;
      const WorkerCall call = call_;
      void *const context = context_;
      lock.unlock();
      Call(call, context);
      lock.lock();
      if (--busy_ == 0) finished_.notify_one();
    }
  }

  const int count_;
  std::mutex owner_;  // held by the thread whose pass has the workers
  std::mutex lock_;
  std::condition_variable wake_, finished_;
  unsigned generation_ = 0;
  int busy_ = 0;
  WorkerCall call_ = nullptr;
  void *context_ = nullptr;
};

}  // namespace

void RunOnWorkers(WorkerCall call, void *context) {
  // Made once and never destroyed: its threads sleep until the process ends,
  // and a pass still running at exit finds them in place.
  static Workers &workers = *new Workers;
  workers.Run(call, context);
}

bool InSharedPass() {
  return inSharedPass;
}

}  // namespace qv::detail
