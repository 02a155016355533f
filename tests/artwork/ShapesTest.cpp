// Distances, ramps and polygons that frames and patterns are built from: a
// sign error here turns a frame inside out.

#include <gtest/gtest.h>

#include "artwork/Polygon.h"
#include "artwork/Shade.h"
#include "artwork/Shapes.h"

namespace qv::art {
namespace {

TEST(Shapes, DistancesAreNegativeInsideAndPositiveOutside) {
  // Box 200 x 100 round (100, 50), corner radius 20.
  EXPECT_NEAR(RoundedBoxDistance(100, 50, 100, 50, 100, 50, 20), -50, 1e-4);
  EXPECT_NEAR(RoundedBoxDistance(210, 50, 100, 50, 100, 50, 20), 10, 1e-4);
  // The rounded corner is cut off: the box's corner point lies outside.
  EXPECT_GT(RoundedBoxDistance(200, 100, 100, 50, 100, 50, 20), 0);
  EXPECT_NEAR(EllipseDistance(0, 0, 0, 0, 40, 20), -20, 1e-4);
  EXPECT_NEAR(EllipseDistance(40, 0, 0, 0, 40, 20), 0, 1e-4);
  EXPECT_GT(EllipseDistance(0, 25, 0, 0, 40, 20), 0);
  // Hexagon of radius 100 whose side faces angle 0: that side is 86.6 away,
  // the corners 100 away at 30 and 90 degrees.
  EXPECT_NEAR(PolygonDistance(86.6025f, 0, 0, 0, 100, 6, 0), 0, 1e-3);
  EXPECT_GT(PolygonDistance(95, 0, 0, 0, 100, 6, 0), 0);
  EXPECT_LT(PolygonDistance(0, 95, 0, 0, 100, 6, 0), 0);
  EXPECT_NEAR(PolygonDistance(0, 100, 0, 0, 100, 6, 0), 0, 1e-3);
  // Heart: middle inside, lower tip on the edge, the notch above the middle outside.
  EXPECT_LT(HeartDistance(0, 0, 0, 0, 100), 0);
  EXPECT_NEAR(HeartDistance(0, 55, 0, 0, 100), 0, 1.0);
  EXPECT_GT(HeartDistance(0, -52, 0, 0, 100), 0);
  EXPECT_LT(HeartDistance(-30, -40, 0, 0, 100), 0);  // the left lobe
}

TEST(Shapes, InsideMeltsOverTheFeather) {
  EXPECT_FLOAT_EQ(Inside(-10, 4), 1.f);
  EXPECT_FLOAT_EQ(Inside(10, 4), 0.f);
  EXPECT_FLOAT_EQ(Inside(0, 4), 0.5f);
  EXPECT_GT(Inside(-1, 4), Inside(1, 4));
}

TEST(Shapes, RampHoldsItsEndsAndInterpolatesBetweenStops) {
  const Ramp ramp{{0.2f, Grey(0)}, {0.6f, Grey(1)}, {1, Hex(0xFF0000)}};
  EXPECT_FLOAT_EQ(ramp(-1).g, 0.f);
  EXPECT_FLOAT_EQ(ramp(0.4f).g, 0.5f);
  EXPECT_FLOAT_EQ(ramp(0.8f).g, 0.5f);
  EXPECT_FLOAT_EQ(ramp(0.8f).r, 1.f);
  EXPECT_FLOAT_EQ(ramp(2).b, 0.f);
}

TEST(Shapes, PolygonFillFollowsConcaveOutlines) {
  // A U shape: the notch between its arms stays unpainted.
  const std::vector<Point> u{{0, 0},  {10, 0}, {10, 30}, {20, 30},
                             {20, 0}, {30, 0}, {30, 40}, {0, 40}};
  EXPECT_TRUE(InsidePolygon(u, 5, 5));
  EXPECT_FALSE(InsidePolygon(u, 15, 10));
  EXPECT_TRUE(InsidePolygon(u, 15, 35));
  Canvas c(32, 42);
  FillPolygon(c, u, Grey(1));
  EXPECT_FLOAT_EQ(c.Row(10)[15].r, 0.f);
  EXPECT_FLOAT_EQ(c.Row(35)[15].r, 1.f);
  EXPECT_FLOAT_EQ(c.Row(20)[10].r, 0.f);  // the first column of the notch
  Canvas half(4, 4);
  FillPolygon(half, {{0, 0}, {1.5f, 0}, {1.5f, 4}, {0, 4}}, Grey(1));
  EXPECT_FLOAT_EQ(half.Row(2)[1].r, 0.5f);  // a pixel cut in half by the edge
}

}  // namespace
}  // namespace qv::art
