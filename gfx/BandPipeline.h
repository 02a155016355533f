#pragma once

// Two stages in a line, for work whose bands must be made in order and can
// be used as soon as each is made (a picture decoded band by band, then
// rendered and encoded band by band): the calling thread makes the bands
// into a ring of slots, a second thread takes them in order while the next
// ones are made. The band driver's other form (Bands.h) shares out bands
// that need no order.
//
// Errors: an exception of the making stage stops both stages and comes out
// of the run. An exception of the taking stage stops that stage only: the
// bands are still made to the end, so that a failure of the making, which
// comes earlier in the work, is the one reported; otherwise the taking
// stage's exception comes out. The run's cancel token (RunControl.h) is
// looked at before each band is made.

#include <functional>

namespace qv {

struct BandPipelineStages {
  // Makes band `band` into slot `slot` (band mod slots); on the calling
  // thread.
  std::function<void(int band, int slot)> Make;
  // Once, before the first band is taken, while the first ones are made.
  std::function<void()> Start;
  // Takes band `band` from slot `slot`; bands in order, on one thread.
  std::function<void(int band, int slot)> Take;
  // Once, after the last band was taken.
  std::function<void()> Finish;
  // How many bands before the one it takes the taking stage still reads
  // (a pass that looks back over a band's edge): their slots are not made
  // into again until it has taken the next ones.
  int Held = 0;
};

// Runs bands 0 to count - 1 through the stages, with at most slots - Held
// bands made and not yet taken; slots must be more than Held. Inside a band that already runs on a
// worker of the band driver, both stages run on the calling thread, a band at a time.
void RunBandPipeline(int count, int slots, const BandPipelineStages &stages);

}  // namespace qv
