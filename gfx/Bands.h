#pragma once

// The band driver: the one place where pixel work is shared among the cores.
// A kernel hands it a count of items (rows, or block rows) cut into bands
// and a function of one band, fn(first, last) for items [first, last); the
// driver
//  - runs the bands on all cores (ForEachBand) or strictly one after the
//    other on the calling thread (ForEachBandInOrder, for passes whose rows
//    read rows written before them);
//  - catches any exception a band throws, lets the bands not yet started
//    fall away, and rethrows the first one once every thread has left the
//    pass;
//  - looks at the run's cancel token before each band and throws Cancelled
//    after the region once it is set;
//  - reports the run's progress as bands finish.
// Bands are independent in ForEachBand, so any split gives the same bytes.
// Inside a band already running on a worker the driver runs its bands
// serially.

#include <cstddef>
#include <memory>
#include <type_traits>

#include "gfx/RunControl.h"

namespace qv {

// Whether a pass over this many bytes pays for waking the other cores.
inline bool WorthSharing(std::size_t bytes) {
  return bytes > (std::size_t(1) << 18);
}

namespace detail {
using BandCall = void (*)(void *fn, int first, int last);
void RunBands(int count, int perBand, bool parallel, bool inOrder, BandCall call, void *fn);
template <class Fn>
void CallBand(void *fn, int first, int last) {
  (*static_cast<std::remove_reference_t<Fn> *>(fn))(first, last);
}
template <class Fn>
void *Address(Fn &fn) {
  return const_cast<void *>(static_cast<const void *>(std::addressof(fn)));
}
}  // namespace detail

template <class Fn>
void ForEachBand(int count, int perBand, bool parallel, Fn &&fn) {
  detail::RunBands(count, perBand, parallel, false, detail::CallBand<Fn>, detail::Address(fn));
}

template <class Fn>
void ForEachBandInOrder(int count, int perBand, Fn &&fn) {
  detail::RunBands(count, perBand, false, true, detail::CallBand<Fn>, detail::Address(fn));
}

}  // namespace qv
