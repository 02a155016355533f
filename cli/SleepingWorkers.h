#pragma once

namespace qv {

// The OpenMP runtime's idle workers spin for milliseconds before they sleep.
// Between the row-parallel passes a render works on one core (decoding,
// encoding), and on a machine busy with other work those spinning workers
// take turns away from the threads that have work: a 12-megapixel render
// took a fifth longer. Sleeping waits cost microseconds per pass instead.
// The runtime reads its wait policy only when it is loaded, so unless the
// user chose one, this runs the process again from the start with
// OMP_WAIT_POLICY=passive (once: the variable is then set). It returns when
// the policy is already set or the process cannot be run again. The
// renderer calls it first thing in main, before anything else has run; the
// benchmarks do the same, to time what the renderer runs.
void PreferSleepingWorkers();

}  // namespace qv
