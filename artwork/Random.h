#pragma once

#include <cstdint>

namespace qv::art {

// SplitMix64: a tiny fixed-seed generator, so every run draws the same
// artwork byte for byte on every machine.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  float Unit() { return float(Next() >> 40) * (1.0f / 16777216.0f); }
  float Uniform(float lo, float hi) { return lo + (hi - lo) * Unit(); }
  int Below(int n) { return int(Next() % std::uint64_t(n)); }
  // Approximately normal, mean 0 and deviation 1 (sum of four uniforms).
  float Normal() { return (Unit() + Unit() + Unit() + Unit() - 2.0f) * 1.7320508f; }

 private:
  std::uint64_t state_;
};

// Mixes integers into one well-spread hash, for noise lattices.
inline std::uint32_t Hash(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
  std::uint32_t h = x * 0x8DA6B343u ^ y * 0xD8163841u ^ seed * 0xCB1AB31Fu;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

}  // namespace qv::art
