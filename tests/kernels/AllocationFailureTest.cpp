// Running out of memory inside a parallel pass: the kernels' row buffers
// are taken inside the bands, and a failed allocation there must come out
// of the kernel as std::bad_alloc (which the editor and the renderer report
// as "Out of memory") instead of ending the process. Its own executable,
// since it replaces the global operator new.

#include <gtest/gtest.h>

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

#include "AssetFixture.h"
#include "gfx/Bitmap.h"
#include "kernels/BlendByLuminance.h"

namespace {

// Allocations of exactly this many bytes fail while it is not zero.
std::atomic<std::size_t> failingSize{0};

}  // namespace

void *operator new(std::size_t size) {
  if (size != 0 && size == failingSize.load(std::memory_order_relaxed)) throw std::bad_alloc();
  if (void *p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
// GCC cannot see that these pair with the operator new above and warns of
// a mismatch wherever it inlines both.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void *p) noexcept {
  std::free(p);
}
void operator delete(void *p, std::size_t) noexcept {
  std::free(p);
}
#pragma GCC diagnostic pop

namespace qv {
namespace {

TEST(AllocationFailure, InsideAParallelBandComesOutAsBadAlloc) {
  // An odd width, so that the size of the per-band working memory of the
  // mix is one no other allocation here has.
  constexpr int kWidth = 4099, kHeight = 300;
  const Bitmap source = test::Varied(kWidth, kHeight, 1), mask = test::Varied(kWidth, kHeight, 2);
  Bitmap dest = test::Varied(kWidth, kHeight, 3);
  failingSize = LuminanceMixScratchBytes(kWidth);
  EXPECT_THROW(BlendByLuminance(dest, source, mask), std::bad_alloc);
  failingSize = 0;
  // And the pass still works once memory is there again.
  EXPECT_NO_THROW(BlendByLuminance(dest, source, mask));
}

}  // namespace
}  // namespace qv
