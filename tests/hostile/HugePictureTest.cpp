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
  // Exactly 120 MP, most of it missing: rendered, with a warning.
  space.Write("limit.jpg", ProgressiveDeclaring(12000, 10000));
  const ChildResult run = Render(space, space / "limit.jpg", space / "out.jpg", {600, -1});
  ASSERT_TRUE(SucceededWithWarning(run, space / "limit.jpg"));
  const Bitmap rendered = ReadPicture(space / "out.jpg");
  EXPECT_EQ(rendered.Width(), 12000);
  EXPECT_EQ(rendered.Height(), 10000);
  constexpr long long kPictureBytes = 12000LL * 10000 * 3;
  EXPECT_LT(run.PeakRssBytes, 6 * kPictureBytes) << run.PeakRssBytes / (1 << 20) << " MB";
  std::printf("peak memory of the render: %lld MB\n", run.PeakRssBytes >> 20);
}

// Each refinement scan of a flat picture is a few end-of-band runs, yet
// makes the decoder visit every block of the declared picture. The scan
// budget stops such a file after a bounded number of passes.
TEST(HugePicture, RefinementScansOfAFewBytesEachAreStoppedByTheBudget) {
  Workspace space;
  const Bytes scans = RefinementScansOnly(12000, 10000, 200);
  EXPECT_LT(scans.size(), 64u << 10);
  space.Write("scans.jpg", scans);
  const ChildResult run = Render(space, space / "scans.jpg", space / "out.jpg", {600, -1});
  EXPECT_TRUE(RefusedInOneLine(run, "JPEG picture has too many scans"));
}

}  // namespace
}  // namespace qv::hostile
