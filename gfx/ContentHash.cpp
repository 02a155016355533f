#include "gfx/ContentHash.h"

#include <cstdio>
#include <cstring>

namespace qv {

namespace {

constexpr std::uint64_t kPrime = 0x9E3779B97F4A7C15ULL;

std::uint64_t Mix(std::uint64_t h) {
  h ^= h >> 31;
  h *= 0xBF58476D1CE4E5B9ULL;
  h ^= h >> 29;
  return h;
}

}  // namespace

std::uint64_t ContentHash(std::span<const std::uint8_t> bytes) {
  // Four lanes keep the multiplies independent; the length goes in too.
  std::uint64_t lane[4] = {kPrime, kPrime * 3, kPrime * 5, kPrime * 7};
  std::size_t i = 0;
  for (; i + 32 <= bytes.size(); i += 32)
    for (int k = 0; k < 4; ++k) {
      std::uint64_t word;
      std::memcpy(&word, bytes.data() + i + 8 * k, 8);
      lane[k] = (lane[k] ^ word) * kPrime;
      lane[k] ^= lane[k] >> 29;
    }
  std::uint64_t h =
      Mix(lane[0]) ^ Mix(lane[1] + 1) * 3 ^ Mix(lane[2] + 2) * 5 ^ Mix(lane[3] + 3) * 7;
  for (; i < bytes.size(); ++i) h = (h ^ bytes[i]) * kPrime;
  return Mix(h ^ bytes.size());
}

std::string HashText(std::uint64_t hash) {
  char text[20];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

}  // namespace qv
