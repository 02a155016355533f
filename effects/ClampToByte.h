#pragma once

#include <cstdint>

namespace qv {

// Saturates an intermediate channel value to 0..255 (signed comparisons).
constexpr std::uint8_t ClampToByte(std::int64_t v) {
  return v > 255 ? 255 : v < 0 ? 0 : static_cast<std::uint8_t>(v);
}

}  // namespace qv
