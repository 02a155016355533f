#pragma once

// The threads that share a pass's bands with the thread that asked for it:
// one fewer than the cores (OMP_NUM_THREADS, the variable parallel programs
// read, overrides the count), started when first needed and asleep between
// passes. A worker that spun while waiting would take turns from the
// decoding and encoding threads of a render on a busy machine, and asleep
// it costs microseconds per pass to wake.

namespace qv::detail {

using WorkerCall = void (*)(void *context);

// Runs call(context) on the calling thread and on every worker at once and
// returns when all of them have returned. call must be safe to run on
// several threads at once, must not throw, and must return soon once no
// work is left for it. While another thread's pass has the workers, the
// calling thread runs call alone.
void RunOnWorkers(WorkerCall call, void *context);

// Whether the calling thread is running a shared pass (as a worker or as
// the thread that asked for it): a pass started there runs on that thread.
bool InSharedPass();

}  // namespace qv::detail
