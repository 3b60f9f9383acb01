// Feet of perpendiculars, rotation about an axis, plane coordinates and the
// circumcentre, with the fallbacks for degenerate input.
#include <gtest/gtest.h>

#include "geometrytestutil.h"
#include "math/geometry.h"

using namespace geomtest;

namespace {

TEST(FootOnLineTest, Cases) {
  struct Case {
    const char* name;
    P3 P, A, B, F;
  } cases[] = {
      {"above the middle", {1, 1, 0}, {0, 0, 0}, {2, 0, 0}, {1, 0, 0}},
      {"beyond B, not clamped", {5, -3, 2}, {0, 0, 0}, {2, 0, 0}, {5, 0, 0}},
      {"on the line: itself", {0.5f, 1, 1.5f}, {0, 0, 0}, {1, 2, 3}, {0.5f, 1, 1.5f}},
      {"A = B: A", {7, 8, 9}, {1, 1, 1}, {1, 1, 1}, {1, 1, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    P3 F;
    FootOnLine(c.P.data(), c.A.data(), c.B.data(), F.data());
    ExpectNear3(F, c.F, 1e-6);
  }
}

TEST(FootOnPlaneTest, Cases) {
  struct Case {
    const char* name;
    P3 P, A, B, C, F;
  } cases[] = {
      {"plane z = 0", {1, 2, 3}, {1, 0, 0}, {0, 0, 0}, {0, 1, 0}, {1, 2, 0}},
      {"tilted plane", {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1.0f / 3, 1.0f / 3, 1.0f / 3}},
      {"collinear: foot on their line", {1, 2, 3}, {0, 0, 0}, {2, 0, 0}, {5, 0, 0}, {1, 0, 0}},
      {"A = B: foot on line BC", {1, 2, 3}, {0, 0, 0}, {0, 0, 0}, {0, 1, 0}, {0, 2, 0}},
      {"all three the same: that point", {1, 2, 3}, {4, 4, 4}, {4, 4, 4}, {4, 4, 4}, {4, 4, 4}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    P3 F;
    EXPECT_TRUE(FootOnPlane(c.P.data(), c.A.data(), c.B.data(), c.C.data(), F.data()));
    ExpectNear3(F, c.F, 1e-6);
  }
}

TEST(RotateAboutAxisTest, RightHanded) {
  struct Case {
    const char* name;
    P3 u, O, P;
    float angle;
    P3 R;
  } cases[] = {
      {"quarter turn about z through (1,0,0)", {0, 0, 1}, {1, 0, 0}, {2, 0, 0}, float(kPi / 2), {1, 1, 0}},
      {"quarter turn about x", {1, 0, 0}, {0, 0, 0}, {0, 1, 0}, float(kPi / 2), {0, 0, 1}},
      {"quarter turn about y", {0, 1, 0}, {0, 0, 0}, {0, 0, 1}, float(kPi / 2), {1, 0, 0}},
      {"half turn about the diagonal", {0.70710678f, 0.70710678f, 0}, {0, 0, 0}, {1, 0, 0}, float(kPi), {0, 1, 0}},
      {"a point on the axis stays", {0, 0, 1}, {3, 4, 0}, {3, 4, 9}, 1.234f, {3, 4, 9}},
      {"a third of a turn about (1,1,1) cycles the axes", {0.57735027f, 0.57735027f, 0.57735027f}, {0, 0, 0},
       {1, 0, 0}, float(2 * kPi / 3), {0, 1, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    P3 R;
    RotateAboutAxis(c.u.data(), c.O.data(), c.P.data(), R.data(), c.angle);
    ExpectNear3(R, c.R, 1e-6);
  }
}

TEST(PlaneCoordinatesTest, FirstUsableMinor) {
  struct Case {
    const char* name;
    P3 U, V, O, P;
    bool ok;
    float s, t;
  } cases[] = {
      {"xy", {1, 0, 0}, {0, 1, 0}, {0, 0, 0}, {2, 3, 0}, true, 2, 3},
      {"yz (xy vanishes)", {0, 1, 0}, {0, 0, 1}, {0, 0, 0}, {0, 2, 3}, true, 2, 3},
      {"xz (xy and yz vanish)", {1, 0, 0}, {0, 0, 1}, {0, 0, 0}, {2, 0, 3}, true, 2, 3},
      {"shifted origin, skewed axes", {3, 1, 1}, {2, 3, 1}, {1, 1, 1}, {4, 5, 1}, true, 0.5f, 2},
      {"collinear", {1, 1, 1}, {2, 2, 2}, {0, 0, 0}, {1, 0, 0}, false, 0, 0},
      {"U at the origin", {5, 5, 5}, {0, 1, 0}, {5, 5, 5}, {1, 0, 0}, false, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    float s = kUntouched, t = kUntouched;
    EXPECT_EQ(PlaneCoordinates(c.U.data(), c.V.data(), c.O.data(), c.P.data(), s, t), c.ok);
    EXPECT_NEAR(s, c.ok ? c.s : kUntouched, 1e-6);
    EXPECT_NEAR(t, c.ok ? c.t : kUntouched, 1e-6);
  }
}

TEST(CircumcentreTest, Cases) {
  struct Case {
    const char* name;
    P3 A, B, C;
    bool ok;
    P3 centre;
  } cases[] = {
      {"right angle at B", {2, 0, 0}, {0, 0, 0}, {0, 2, 0}, true, {1, 1, 0}},
      {"tilted in space", {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, true, {1.0f / 3, 1.0f / 3, 1.0f / 3}},
      {"obtuse", {-3, 0, 5}, {0, 1, 5}, {3, 0, 5}, true, {0, -4, 5}},
      {"collinear", {0, 0, 0}, {1, 1, 1}, {3, 3, 3}, false, {0, 0, 0}},
      // Cross product components all below 0.01: counts as collinear.
      {"nearly collinear", {1, 0, 0}, {0, 0, 0}, {-1, 0.005f, 0}, false, {0, 0, 0}},
      {"two points equal", {1, 2, 3}, {1, 2, 3}, {4, 5, 6}, false, {0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    P3 centre = kUntouchedPoint;
    EXPECT_EQ(Circumcentre(c.A.data(), c.B.data(), c.C.data(), centre[0], centre[1], centre[2]), c.ok);
    ExpectNear3(centre, c.centre, 1e-5);
  }
}

}  // namespace
