#pragma once

// Memory for whole pictures, whole files and band rings. Blocks of 2 MB and
// more are laid on 2 MB pages where the system grants them: filling a
// 12-megapixel picture then costs 18 page faults instead of 9000, and on a
// virtual machine each fault costs microseconds. Smaller blocks come from
// malloc. The memory is not filled with anything.

#include <cstddef>
#include <cstdint>
#include <memory>

namespace qv {

// Throws std::bad_alloc when the memory cannot be had. Never returns null,
// even for zero bytes.
std::uint8_t *AllocateLarge(std::size_t bytes);
void FreeLarge(std::uint8_t *block) noexcept;

struct LargeFree {
  void operator()(std::uint8_t *block) const noexcept { FreeLarge(block); }
};
using LargeBlock = std::unique_ptr<std::uint8_t[], LargeFree>;

inline LargeBlock MakeLargeBlock(std::size_t bytes) {
  return LargeBlock(AllocateLarge(bytes));
}

}  // namespace qv
