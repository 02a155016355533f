// The drawing helpers: channel order, clamping, clipping at the canvas
// edges, tiling noise and determinism of the generator.

#include <gtest/gtest.h>

#include <cmath>

#include "ArtworkFiles.h"
#include "artwork/AssetTable.h"
#include "artwork/Canvas.h"
#include "artwork/Flare.h"
#include "artwork/Glow.h"
#include "artwork/Line.h"
#include "artwork/Noise.h"
#include "artwork/Polygon.h"
#include "codecs/Codecs.h"

namespace qv::art {
namespace {

TEST(Canvas, StoresBlueGreenRedAndClampsLight) {
  Canvas c(3, 1);
  c.Row(0)[0] = Hex(0xFF8000);      // orange
  c.Row(0)[1] = {2.f, -1.f, 0.5f};  // accumulated light beyond the range
  c.Row(0)[2] = Grey(1.f / 255.f);
  const Bitmap b = c.ToBitmap();
  const std::uint8_t *p = b.ScanLine(0);
  EXPECT_EQ(p[0], 0);  // blue
  EXPECT_EQ(p[1], 128);
  EXPECT_EQ(p[2], 255);  // red
  EXPECT_EQ(p[3], 128);
  EXPECT_EQ(p[4], 0);
  EXPECT_EQ(p[5], 255);
  EXPECT_EQ(p[6], 1);
}

// Shapes that reach past any edge are clipped, never written outside the
// canvas (the sanitizer build catches a stray write), and still draw what
// lies inside.
TEST(Drawing, ClipsEveryHelperAtTheCanvasEdges) {
  Canvas c(40, 30);
  AddGlow(c, -5, -5, 8, Grey(1));
  AddEllipseGlow(c, 45, 15, 30, 3, 0.7f, Grey(1));
  AddSoftDisc(c, 20, 35, 12, 2, Grey(1), 0.5f);
  AddRing(c, 0, 30, 20, 3, Grey(1));
  AddSparkle(c, 39, 0, 60, 4, 0.3f, Grey(1));
  AddLine(c, {-50, 10}, {90, 20}, 4, 2, Grey(1));
  AddLensFlare(c, -20, 50, Grey(1), 7);
  AddRays(c, 41, -1, 0, 6.3f, 20, 80, 3, Grey(1), 8);
  PaintLine(c, {20, -20}, {20, 60}, 3, Grey(0.5f));
  FillPolygon(c, {{-10, -10}, {60, 5}, {5, 50}}, Grey(0.25f));
  const Bitmap b = c.ToBitmap();
  EXPECT_GT(b.ScanLine(0)[0], 0);         // the glow's tail reaches the corner
  EXPECT_EQ(b.ScanLine(15)[3 * 20], 64);  // the polygon is painted over the line
}

TEST(Drawing, GlowPeaksAtItsCentreAndFadesAway) {
  Canvas c(61, 61);
  AddGlow(c, 30, 30, 5, Grey(0.8f));
  EXPECT_NEAR(c.Row(30)[30].g, 0.8f, 1e-5f);
  EXPECT_LT(c.Row(30)[35].g, c.Row(30)[33].g);
  EXPECT_FLOAT_EQ(c.Row(0)[0].g, 0.f);  // beyond the glow's reach nothing is added
}

TEST(Noise, PeriodicNoiseWrapsAndStaysInRange) {
  for (float y : {-3.7f, 0.25f, 5.5f}) {
    for (float x : {-9.3f, 0.f, 2.6f, 7.9f}) {
      EXPECT_NEAR(ValueNoise(x, y, 5, 8, 4), ValueNoise(x + 8, y - 4, 5, 8, 4), 1e-5f);
      EXPECT_NEAR(Fbm(x, y, 5, 5, 0.5f, 8, 4), Fbm(x - 16, y + 8, 5, 5, 0.5f, 8, 4), 1e-5f);
      const float f = Fbm(x, y, 9, 6);
      EXPECT_GE(f, 0.f);
      EXPECT_LE(f, 1.f);
    }
  }
}

TEST(Noise, CellDistancesAreOrdered) {
  for (float x = 0; x < 5; x += 0.37f) {
    const CellDistances d = Cells(x, x * 0.6f, 3);
    EXPECT_LE(d.f1, d.f2);
    EXPECT_LT(d.f1, 1.5f);  // every cell holds a point
  }
}

// A fresh drawing gives the same bytes as the files the build wrote, which
// another process drew with two workers in whatever order they ran.
TEST(Generator, DrawsTheSameBytesEveryTime) {
  const std::vector<ArtworkJob> jobs = ArtworkJobs();
  ASSERT_EQ(jobs.size(), 1u + 13 * 10 + 2);
  for (std::size_t i = 0; i < jobs.size(); i += 7) {
    SCOPED_TRACE(jobs[i].Path);
    const Bytes onDisk = ReadFileBytes(test::kArtworkDir + jobs[i].Path);
    EXPECT_TRUE(RenderJob(jobs[i]) == onDisk);
  }
}

}  // namespace
}  // namespace qv::art
