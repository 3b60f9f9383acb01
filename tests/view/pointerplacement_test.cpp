// Placing the pointer in space: on the grid of a coordinate plane, on the
// vertical line through a point, on the plane of three points; rounding,
// clamping and the rays that cannot be used.  The unprojection needs no GL
// context, so the view's saved matrices are set by hand.
#include "view/pointerplacement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "model/globals.h"
#include "render/projection.h"
#include "support/recorders.h"
#include "view/toolstate.h"

namespace KAVREL_FILE_LOCAL {

// A ray along `dir` through the point (x, y, z), 100 units either side.
PointerRay RayThrough(double x, double y, double z, double dx, double dy, double dz) {
  const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
  PointerRay ray;
  const double p[3] = {x, y, z}, d[3] = {dx / length * 100, dy / length * 100, dz / length * 100};
  for (int i = 0; i < 3; ++i) {
    ray.nearPoint[i] = p[i] + d[i];
    ray.farPoint[i] = p[i] - d[i];
    ray.dir[i] = static_cast<float>(2 * d[i]);
  }
  return ray;
}

TEST(PointerPlacement, RoundToGrid) {
  struct Case { double v; bool snap; double expected; };
  const Case cases[] = {
      {2.5, true, 3},     {-0.5, true, 0},      {-2.6, true, -3},  {1.24, false, 1.2},
      {1.25, false, 1.3}, {-1.25, false, -1.2}, {-0.04, false, 0},
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(RoundToGrid(c.v, c.snap), c.expected) << c.v << " snap " << c.snap;
}

TEST(PointerPlacement, CoordinatePlanes) {
  struct Case { const char* what; PointerRay ray; bool snap; double expected[3]; };
  const Case cases[] = {
      {"down the z axis: the floor", RayThrough(1.26, -3.74, 0, 0, 0, 1), false, {1.3, -3.7, 0}},
      {"the floor with snapping", RayThrough(1.26, -3.74, 0, 0, 0, 1), true, {1, -4, 0}},
      {"z wins while its part exceeds 10", RayThrough(2, 3, 0, 0, 0.8, 0.6), false, {2, 3, 0}},
      {"along the y axis: y = 0", RayThrough(4.44, 0, -2.06, 0.01, 1, 0.01), false, {4.4, 0, -2.1}},
      {"along the x axis: x = 0", RayThrough(0, 7.01, 8.99, 1, 0.02, 0.02), true, {0, 7, 9}},
      {"far outside: clamped", RayThrough(512.3, -900, 0, 0, 0, 1), false, {200, -200, 0}},
  };
  for (const Case& c : cases) {
    double out[3] = {9, 9, 9};
    ASSERT_TRUE(PlaceOnCoordinatePlane(c.ray, c.snap, out)) << c.what;
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(out[i], c.expected[i], 1e-9) << c.what << " axis " << i;
  }
  // All three parts small: the x = 0 plane, which this ray runs along.
  PointerRay flat = RayThrough(0, 0, 0, 0, 1, 1);
  flat.dir[0] = 0;
  flat.dir[1] = flat.dir[2] = 5;
  double out[3] = {9, 8, 7};
  EXPECT_FALSE(PlaceOnCoordinatePlane(flat, false, out));
  EXPECT_EQ(out[0], 9);
  EXPECT_EQ(out[2], 7);
}

TEST(PointerPlacement, VerticalLine) {
  double z = 42;
  // A level ray at height 3.26 crossing the line through (2, 5).
  ASSERT_TRUE(PlaceOnVerticalLine(RayThrough(2, 5, 3.26, 0, 1, 0), 2, 5, false, &z));
  EXPECT_DOUBLE_EQ(z, 3.3);
  ASSERT_TRUE(PlaceOnVerticalLine(RayThrough(2, 5, 3.26, 0, 1, 0), 2, 5, true, &z));
  EXPECT_DOUBLE_EQ(z, 3);
  // A slanting ray passing beside the line: the height of the nearest point.
  // Line x = 1, y = 0; ray through (0, 1, 4) along (1, 0, 1): the nearest
  // point on the line is where the ray's x is 1, at z = 5.
  ASSERT_TRUE(PlaceOnVerticalLine(RayThrough(0, 1, 4, 1, 0, 1), 1, 0, false, &z));
  EXPECT_NEAR(z, 5, 1e-9);

  z = 42;
  EXPECT_FALSE(PlaceOnVerticalLine(RayThrough(2, 5, 0, 0, 0, 1), 2, 5, false, &z)) << "a vertical ray";
  EXPECT_FALSE(PlaceOnVerticalLine(RayThrough(2, 5, 200.04, 0, 1, 0), 2, 5, false, &z)) << "too high";
  EXPECT_FALSE(PlaceOnVerticalLine(RayThrough(2, 5, -250, 0, 1, 0), 2, 5, false, &z)) << "too low";
  EXPECT_EQ(z, 42) << "nothing written";
  EXPECT_TRUE(PlaceOnVerticalLine(RayThrough(2, 5, 199.96, 0, 1, 0), 2, 5, false, &z));
  EXPECT_DOUBLE_EQ(z, 200) << "tested before rounding";
}

TEST(PointerPlacement, PlaneOfThreePoints) {
  struct Case {
    const char* what;
    double A[3], B[3], C[3];
    PointerRay ray;
    bool snap;
    double expected[3];
    float s, t;
  };
  const Case cases[] = {
      {"the floor", {2, 0, 0}, {0, 2, 0}, {0, 0, 0}, RayThrough(1.26, 0.74, 0, 0, 0, 1), false,
       {1.3, 0.7, 0}, 0.65f, 0.35f},
      {"the slope z = x, height from the rounded x", {1, 0, 1}, {0, 1, 0}, {0, 0, 0},
       RayThrough(2.04, 1, 2.04, 0, 0, 1), false, {2, 1, 2}, 2, 1},
      {"with snapping, seen slanting", {1, 0, 1}, {0, 1, 0}, {0, 0, 0}, RayThrough(2.7, 1.2, 2.7, 1, 1, 3),
       true, {3, 1, 3}, 3, 1},
      {"clamped to the box", {2, 0, 0}, {0, 2, 0}, {0, 0, 0}, RayThrough(300, 10, 0, 0, 0, 1), false,
       {200, 10, 0}, 100, 5},
      {"the plane 2z = x", {2, 1, 1}, {0, 2, 0}, {0, 0, 0}, RayThrough(1, 1, 0, 0, 0, 1), false, {1, 1, 0.5},
       0.5f, 0.25f},
  };

  for (const Case& c : cases) {
    double out[3];
    float s = 0, t = 0;
    ASSERT_TRUE(PlaceOnPlane(c.ray, c.A, c.B, c.C, c.snap, out, &s, &t)) << c.what;
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(out[i], c.expected[i], 1e-6) << c.what << " axis " << i;
    EXPECT_NEAR(s, c.s, 1e-5) << c.what;
    EXPECT_NEAR(t, c.t, 1e-5) << c.what;
    // X = C + s (A - C) + t (B - C)
    for (int i = 0; i < 3; ++i)
      EXPECT_NEAR(c.C[i] + s * (c.A[i] - c.C[i]) + t * (c.B[i] - c.C[i]), out[i], 1e-4) << c.what;
  }
}

TEST(PointerPlacement, PlanesThatCannotBeUsed) {
  const double floorA[3] = {1, 0, 0}, floorB[3] = {0, 1, 0}, origin[3] = {0, 0, 0};
  const double wallA[3] = {1, 0, 0}, wallB[3] = {0, 0, 1};
  const double lineB[3] = {2, 0, 0};
  double out[3];
  float s, t;
  EXPECT_FALSE(PlaceOnPlane(RayThrough(0, 0, 1, 1, 1, 0), floorA, floorB, origin, false, out, &s, &t))
      << "a ray parallel to the plane";
  EXPECT_FALSE(PlaceOnPlane(RayThrough(0, 0, 1, 0, 1, 0), wallA, wallB, origin, false, out, &s, &t))
      << "a vertical plane has no height above (x, y)";
  EXPECT_FALSE(PlaceOnPlane(RayThrough(0, 0, 1, 0, 0, 1), wallA, lineB, origin, false, out, &s, &t))
      << "collinear points";
}

// The view's saved state for a 200 x 150 client area in the orthographic
// projection, 20 pixels per unit, eye at the default depth.
class PointerPlacementThroughTheView : public ::testing::Test {
 protected:
  void SetUp() override {
    g_nViewWidth = 200;
    g_nViewHeight = 150;
    g_nViewDeviceHeight = 150;
    ProjectionMatrix(kProjOrthographic, 200, 150, 0.05, g_dProjection);
    const int viewport[4] = {0, 0, 200, 150};
    std::copy_n(viewport, 4, g_nViewport);
    const double lookingDown[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, -50, 1};
    std::copy_n(lookingDown, 16, g_dModelView);
  }
  SeamRecorders seams;
};

TEST_F(PointerPlacementThroughTheView, SnapToGridOnTheFloorAndVertically) {
  double x = 0, y = 0, z = 9;
  SnapToGrid(132, 63, false, &x, &y, &z);  // 32 pixels right, 12 up of the centre
  EXPECT_EQ(std::make_tuple(x, y, z), std::make_tuple(1.6, 0.6, 0.0));
  EXPECT_GT(std::fabs(g_fViewDir[2]), 10) << "the ray globals are filled";
  // Looking down, the line through (x, y) is seen end on: nothing written.
  x = 1.5, y = 3, z = 7;
  SnapToGrid(130, 35, true, &x, &y, &z);
  EXPECT_EQ(z, 7);
  g_bSnapToGrid = 1;
  SnapToGrid(132, 63, false, &x, &y, &z);
  EXPECT_EQ(std::make_tuple(x, y), std::make_tuple(2.0, 1.0));
  // Looking along +y: the window's up is the world's z.
  const double lookingAlongY[16] = {1, 0, 0, 0, 0, 0, -1, 0, 0, 1, 0, 0, 0, 0, -50, 1};
  std::copy_n(lookingAlongY, 16, g_dModelView);
  x = 1.5, y = 3, z = 0;
  g_bSnapToGrid = 0;
  SnapToGrid(130, 35, true, &x, &y, &z);  // 40 pixels up: z = 2
  EXPECT_NEAR(z, 2, 1e-9);
  EXPECT_EQ(std::make_pair(x, y), std::make_pair(1.5, 3.0)) << "x and y are only read";
}

TEST_F(PointerPlacementThroughTheView, ScreenToWorld) {
  const double a[3] = {2, 0, 0}, b[3] = {0, 2, 0}, c[3] = {0, 0, 0};
  std::copy_n(a, 3, g_viewTool.planeA);
  std::copy_n(b, 3, g_viewTool.planeB);
  std::copy_n(c, 3, g_viewTool.planeC);
  double x = 7, y = 7, z = 7;
  float s = 7, t = 7;
  ASSERT_TRUE(ScreenToWorld(120, 65, &x, &y, &z, &s, &t));
  EXPECT_DOUBLE_EQ(x, 1);
  EXPECT_DOUBLE_EQ(y, 0.5);
  EXPECT_NEAR(z, 0, 1e-12);
  EXPECT_FLOAT_EQ(s, 0.5f);
  EXPECT_FLOAT_EQ(t, 0.25f);

  // A plane that the view ray runs along: false, everything zeroed.
  const double wall[3] = {0, 0, 1};
  std::copy_n(wall, 3, g_viewTool.planeB);
  x = y = z = 7;
  s = t = 7;
  EXPECT_FALSE(ScreenToWorld(120, 65, &x, &y, &z, &s, &t));
  EXPECT_EQ(std::make_tuple(x, y, z, s, t), std::make_tuple(0.0, 0.0, 0.0, 0.0f, 0.0f));
}

TEST_F(PointerPlacementThroughTheView, PointerRowsCountFromTheWindowTopInAQuadrant) {
  // The lower-right quadrant of a three-view page: its centre is the world
  // origin, at window row 112 of 150 (not of the quadrant's 75).
  const int quadrant[4] = {100, 0, 100, 75};
  std::copy_n(quadrant, 4, g_nViewport);
  UnprojectPointer(150, 112);
  EXPECT_NEAR(g_dRayNear[0], 0, 0.1);
  EXPECT_NEAR(g_dRayNear[1], 0, 0.1);
}

}  // namespace
