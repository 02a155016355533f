#pragma once

#include <cstdint>

// A deterministic pseudo-random generator (PCG32): the same seed gives the
// same draws. Whoever needs draws is handed one; nothing in the program
// keeps a generator of its own behind a global. The editor seeds its
// generator from the clock each time a picture is opened; the noise filters
// draw from the one they are given and never seed it. Not thread-safe: one
// generator is drawn from on one thread at a time.

namespace qv {

class RandomGenerator {
 public:
  // Starts in the same fixed state every time, as an unseeded generator.
  RandomGenerator() = default;
  explicit RandomGenerator(std::uint32_t seed) { Seed(seed); }

  void Seed(std::uint32_t seed);
  void SeedFromClock();

  // Uniform in 0..n-1, and 0 for n <= 0. Every call advances the generator
  // by exactly one step, whatever n is.
  int Draw(int n);

 private:
  std::uint32_t Next();

  std::uint64_t state_ = 0x853C49E6748FEA9BULL;
};

}  // namespace qv
