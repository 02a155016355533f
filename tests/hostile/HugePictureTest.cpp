// A picture at the pixel limit opens, renders and saves within a sensible
// amount of memory: a few copies of its 360 MB, never the runaway growth of
// unbounded decoder buffers.

#include <gtest/gtest.h>

#include "BadFiles.h"
#include "HostileTestUtil.h"

namespace qv::hostile {
namespace {

TEST(HugePicture, AtTheLimitRendersWithinAFewCopiesOfItself) {
  Workspace space;
  space.Write("limit.jpg", ProgressiveDeclaring(12000, 10000));  // exactly 120 MP
  const ChildResult run = Render(space, space / "limit.jpg", space / "out.jpg", {600, -1});
  ASSERT_TRUE(Succeeded(run));
  const Bitmap rendered = ReadPicture(space / "out.jpg");
  EXPECT_EQ(rendered.Width(), 12000);
  EXPECT_EQ(rendered.Height(), 10000);
  constexpr long long kPictureBytes = 12000LL * 10000 * 3;
  EXPECT_LT(run.PeakRssBytes, 6 * kPictureBytes) << run.PeakRssBytes / (1 << 20) << " MB";
  std::printf("peak memory of the render: %lld MB\n", run.PeakRssBytes >> 20);
}

}  // namespace
}  // namespace qv::hostile
