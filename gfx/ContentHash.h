#pragma once

// A 64-bit fingerprint of bytes, to tell whether a file or a picture is
// still the one it was: fast (eight bytes a step), the same on every
// machine, and not meant to stand up to anyone forging a match.

#include <cstdint>
#include <span>
#include <string>

namespace qv {

std::uint64_t ContentHash(std::span<const std::uint8_t> bytes);

// Sixteen lower-case hex digits.
std::string HashText(std::uint64_t hash);

}  // namespace qv
