// Feet of perpendiculars, the common perpendicular, rotation about an axis,
// plane coordinates and the circumcentre, with the fallbacks for degenerate
// input.
#include <gtest/gtest.h>

#include "geometrytestutil.h"
#include "math/geometry.h"

using namespace geomtest;

namespace KAVREL_FILE_LOCAL {

// The constructions that answer one point, over the points of each row.
bool Foot(const P3* p, P3& X) {
  FootOnLine(p[0].data(), p[1].data(), p[2].data(), X.data());
  return true;
}
bool FootPlane(const P3* p, P3& X) { return FootOnPlane(p[0].data(), p[1].data(), p[2].data(), p[3].data(), X.data()); }
bool Perpendicular(const P3* p, P3& X) {
  return CommonPerpendicular(p[0].data(), p[1].data(), p[2].data(), p[3].data(), X.data());
}
bool Mid(const P3* p, P3& X) {
  Midpoint(p[0].data(), p[1].data(), X.data());
  return true;
}
bool Centre(const P3* p, P3& X) { return Circumcentre(p[0].data(), p[1].data(), p[2].data(), X[0], X[1], X[2]); }

TEST(PointConstructionsTest, Cases) {
  const P3 O{0, 0, 0}, X{1, 0, 0}, Y{0, 1, 0}, Z{0, 0, 1}, none = kUntouchedPoint;
  const float third = 1.0f / 3;
  struct Case {
    const char* name;
    bool (*construct)(const P3*, P3&);
    std::vector<P3> p;
    bool ok;
    P3 X;  // a failure leaves the point untouched, or at the origin for the circumcentre
  } cases[] = {
      {"foot above the middle", Foot, {{1, 1, 0}, O, {2, 0, 0}}, true, {1, 0, 0}},
      {"foot beyond B, not clamped", Foot, {{5, -3, 2}, O, {2, 0, 0}}, true, {5, 0, 0}},
      {"foot of a point on the line: itself", Foot, {{0.5f, 1, 1.5f}, O, {1, 2, 3}}, true, {0.5f, 1, 1.5f}},
      {"foot on a line with A = B: A", Foot, {{7, 8, 9}, {1, 1, 1}, {1, 1, 1}}, true, {1, 1, 1}},
      {"foot on the plane z = 0", FootPlane, {{1, 2, 3}, X, O, Y}, true, {1, 2, 0}},
      {"foot on a tilted plane", FootPlane, {O, X, Y, Z}, true, {third, third, third}},
      {"collinear plane: foot on their line", FootPlane, {{1, 2, 3}, O, {2, 0, 0}, {5, 0, 0}}, true, {1, 0, 0}},
      {"plane with A = B: foot on line BC", FootPlane, {{1, 2, 3}, O, O, Y}, true, {0, 2, 0}},
      {"plane of one point: that point", FootPlane, {{1, 2, 3}, {4, 4, 4}, {4, 4, 4}, {4, 4, 4}}, true, {4, 4, 4}},
      // The common perpendicular's foot on the first line.
      {"skew: x axis and a line along y", Perpendicular, {O, X, {3, 1, 5}, {3, 2, 5}}, true, {3, 0, 0}},
      {"meeting lines: the crossing point", Perpendicular, {O, X, {-2, 0, 0}, {-2, 0, 7}}, true, {-2, 0, 0}},
      {"parallel lines", Perpendicular, {O, X, Y, {5, 1, 0}}, false, none},
      {"the same line", Perpendicular, {O, X, {4, 0, 0}, {9, 0, 0}}, false, none},
      {"circumcentre, right angle at B", Centre, {{2, 0, 0}, O, {0, 2, 0}}, true, {1, 1, 0}},
      {"circumcentre tilted in space", Centre, {X, Y, Z}, true, {third, third, third}},
      {"circumcentre, obtuse", Centre, {{-3, 0, 5}, {0, 1, 5}, {3, 0, 5}}, true, {0, -4, 5}},
      {"circumcentre, collinear", Centre, {O, {1, 1, 1}, {3, 3, 3}}, false, O},
      // Cross product components all below 0.01: counts as collinear.
      {"circumcentre, nearly collinear", Centre, {X, O, {-1, 0.005f, 0}}, false, O},
      {"z of the cross product exactly 0.01", Centre, {X, O, {0, 0.01f, 0}}, true, {0.5f, 0.005f, 0}},
      {"y of it exactly 0.01", Centre, {Z, O, {0.01f, 0, 0}}, true, {0.005f, 0, 0.5f}},
      {"x of it exactly 0.01", Centre, {Y, O, {0, 0, 0.01f}}, true, {0, 0.5f, 0.005f}},
      {"circumcentre, two points equal", Centre, {{1, 2, 3}, {1, 2, 3}, {4, 5, 6}}, false, O},
      {"midpoint", Mid, {{-1, 2, 3}, {4, 6, 3}}, true, {1.5f, 4, 3}},
      // A sum beyond the float range: each half taken first, the same value.
      {"midpoint near the float limit", Mid, {{3e38f, -3e38f, 3e38f}, {3e38f, 3e38f, 1e38f}}, true, {3e38f, 0, 2e38f}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    P3 point = kUntouchedPoint;
    EXPECT_EQ(c.construct(c.p.data(), point), c.ok);
    ExpectNear3(point, c.X, 1e-5);
  }
}

TEST(RotateAboutAxisTest, RightHanded) {
  struct Case { const char* name; P3 u, O, P; float angle; P3 R; } cases[] = {
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
  struct Case { const char* name; P3 U, V, O, P; bool ok; float s, t; } cases[] = {
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

}  // namespace
