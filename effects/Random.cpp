#include "effects/Random.h"

#include <chrono>

namespace qv {
namespace {

// PCG32 (XSH RR): 64-bit state, 32-bit output, small and well mixed.
constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
constexpr std::uint64_t kIncrement = 1442695040888963407ULL;

}  // namespace

std::uint32_t RandomGenerator::Next() {
  const std::uint64_t old = state_;
  state_ = old * kMultiplier + kIncrement;
  const auto xorshifted = static_cast<std::uint32_t>(((old >> 18) ^ old) >> 27);
  const auto rot = static_cast<std::uint32_t>(old >> 59);
  return (xorshifted >> rot) | (xorshifted << ((32 - rot) & 31));
}

void RandomGenerator::Seed(std::uint32_t seed) {
  state_ = 0;
  Next();
  state_ += seed;
  Next();
}

void RandomGenerator::SeedFromClock() {
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  Seed(static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
}

int RandomGenerator::Draw(int n) {
  const std::uint32_t x = Next();
  if (n <= 0) return 0;
  // Multiply-high maps 0..2^32-1 onto 0..n-1 with one draw per call.
  return static_cast<int>((std::uint64_t(x) * std::uint32_t(n)) >> 32);
}

}  // namespace qv
