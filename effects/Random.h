#pragma once

#include <cstdint>

// The process-wide pseudo-random generator behind the noise filters. It is
// deterministic: the same seed gives the same draws. The editor seeds it
// from the clock each time a picture is opened; nothing in the filters ever
// seeds it. Not thread-safe: it is drawn from on one thread only.

namespace qv {

void RandomSeed(std::uint32_t seed);
void RandomSeedFromClock();

// Uniform in 0..n-1, and 0 for n <= 0. Every call advances the generator by
// exactly one step, whatever n is.
int Random(int n);

}  // namespace qv
