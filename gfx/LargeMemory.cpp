#include "gfx/LargeMemory.h"

#include <sys/mman.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <mutex>
#include <new>

namespace qv {

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;

std::size_t Rounded(std::size_t bytes) {
  return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

// The last large blocks given back, kept for the next of the same size: the
// editor and the renderer drop and make pictures of one size over and over
// (a render's result, the one before it), and memory from the system comes
// zero-filled a page at a time, which costs as much as a pass over it. At
// most two blocks and 256 MB are kept. Not under AddressSanitizer, which
// must see every block freed to catch a use after it.
class Spare {
 public:
  void *Take(std::size_t rounded) {
    const std::lock_guard<std::mutex> lock(lock_);
    for (Block &block : blocks_)
      if (block.Memory && block.Bytes == rounded) {
        void *memory = block.Memory;
        block = {};
        return memory;
      }
    return nullptr;
  }

  // Keeps memory if there is room; otherwise frees what is older.
  void Give(void *memory, std::size_t rounded) {
    if (kDisabled || rounded > kMaxBytes) return std::free(memory);
    void *dropped = nullptr;
    {
      const std::lock_guard<std::mutex> lock(lock_);
      Block &oldest = blocks_[next_];
      dropped = oldest.Memory;
      oldest = {memory, rounded};
      next_ = (next_ + 1) % blocks_.size();
      std::size_t total = 0;
      for (const Block &block : blocks_) total += block.Bytes;
      if (total > kMaxBytes) {
        Block &other = blocks_[next_];
        std::free(other.Memory);
        other = {};
      }
    }
    std::free(dropped);
  }

 private:
#if defined(__SANITIZE_ADDRESS__)
  static constexpr bool kDisabled = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  static constexpr bool kDisabled = true;
#else
  static constexpr bool kDisabled = false;
#endif
#else
  static constexpr bool kDisabled = false;
#endif
  static constexpr std::size_t kMaxBytes = std::size_t(256) << 20;
  struct Block {
    void *Memory = nullptr;
    std::size_t Bytes = 0;
  };
  std::mutex lock_;
  std::array<Block, 2> blocks_;
  std::size_t next_ = 0;
};

// Made once and never destroyed: blocks may be given back during exit.
Spare &Spares() {
  static Spare &spare = *new Spare;
  return spare;
}

// The block's rounded size (0 for a small block), kept in the first bytes
// of the block, so that it can be given back by its size; the memory handed
// out starts 64 bytes in (64-byte aligned for a large block).
constexpr std::size_t kHeaderBytes = 64;

std::size_t &RoundedOf(void *block) {
  return *static_cast<std::size_t *>(block);
}

}  // namespace

std::uint8_t *AllocateLarge(std::size_t bytes) {
  if (bytes < kHugePage) {
    void *block = std::malloc(std::max<std::size_t>(bytes, 1) + kHeaderBytes);
    if (!block) throw std::bad_alloc();
    RoundedOf(block) = 0;
    return static_cast<std::uint8_t *>(block) + kHeaderBytes;
  }
  const std::size_t rounded = Rounded(bytes + kHeaderBytes);
  void *block = Spares().Take(rounded);
  if (!block) {
    block = std::aligned_alloc(kHugePage, rounded);
    if (!block) throw std::bad_alloc();
    ::madvise(block, rounded, MADV_HUGEPAGE);
  }
  RoundedOf(block) = rounded;
  return static_cast<std::uint8_t *>(block) + kHeaderBytes;
}

void FreeLarge(std::uint8_t *memory) noexcept {
  if (!memory) return;
  void *block = memory - kHeaderBytes;
  const std::size_t rounded = RoundedOf(block);
  if (rounded == 0) return std::free(block);
  Spares().Give(block, rounded);
}

}  // namespace qv
