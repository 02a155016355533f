#include "gfx/LargeMemory.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <new>

namespace qv {

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;

}  // namespace

std::uint8_t *AllocateLarge(std::size_t bytes) {
  void *block = nullptr;
  if (bytes >= kHugePage) {
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    block = std::aligned_alloc(kHugePage, rounded);
    if (block) ::madvise(block, rounded, MADV_HUGEPAGE);
  } else {
    block = std::malloc(std::max<std::size_t>(bytes, 1));
  }
  if (!block) throw std::bad_alloc();
  return static_cast<std::uint8_t *>(block);
}

void FreeLarge(std::uint8_t *block) noexcept {
  std::free(block);
}

}  // namespace qv
