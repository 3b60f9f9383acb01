// Intersections of lines with lines, planes and spheres: the tolerances that
// decide whether an intersection point is defined, and what a failure leaves.
#include <gtest/gtest.h>

#include "geometrytestutil.h"
#include "math/geometry.h"

using namespace geomtest;

namespace KAVREL_FILE_LOCAL {

struct LineLineCase {
  const char* name;
  P3 A, B, C, D;
  bool ok;
  bool writesPoint;  // X and t are written even when s cannot be found
  P3 X;
  float t, s;
};

TEST(IntersectLineLineTest, Cases) {
  const LineLineCase cases[] = {
      {"crossing in the xy plane", {0, 0, 0}, {2, 0, 0}, {1, -1, 0}, {1, 1, 0}, true, true, {1, 0, 0}, 0.5f, 0.5f},
      // The mixed product is not normalised: 1.9 passes, 2.1 does not.
      {"mixed product 1.9", {0, 0, 0}, {1, 0, 0}, {0.5f, -1, 1.9f}, {0.5f, 0, 1.9f}, true, true, {0.5f, 0, 0}, 0.5f, 1.0f},
      {"mixed product 2.1", {0, 0, 0}, {1, 0, 0}, {0.5f, -1, 2.1f}, {0.5f, 0, 2.1f}, false, false, {}, 0, 0},
      // 0.19 apart, but long lines make the product 19.
      {"long lines 0.19 apart", {0, 0, 0}, {10, 0, 0}, {5, -10, 0.19f}, {5, 0, 0.19f}, false, false, {}, 0, 0},
      {"parallel", {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {2, 1, 0}, false, false, {}, 0, 0},
      {"coincident", {0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, false, false, {}, 0, 0},
      {"dominant y of the normal", {0, 0, 0}, {0, 0, 4}, {-1, 0, 1}, {1, 0, 3}, true, true, {0, 0, 2}, 0.5f, 0.5f},
      {"dominant x of the normal", {0, 0, 0}, {0, 3, 0}, {0, 1, -1}, {0, 1, 1}, true, true, {0, 1, 0}, 1.0f / 3, 0.5f},
      // Every coordinate of D - C within 1e-4, yet the lines are not parallel.
      {"very short CD", {0, 0, 0}, {1000, 0, 0}, {5, 0, 0}, {5, 5e-5f, 0}, false, true, {5, 0, 0}, 0.005f, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    P3 X = kUntouchedPoint;
    float t = kUntouched, s = kUntouched;
    EXPECT_EQ(IntersectLineLine(c.A.data(), c.B.data(), c.C.data(), c.D.data(), X.data(), t, s), c.ok);
    ExpectPointAndParameter(c.writesPoint, X, t, c.X, c.t);
    if (c.ok)
      EXPECT_NEAR(s, c.s, 1e-6);
    else
      EXPECT_EQ(s, kUntouched);
  }
}

TEST(IntersectLineLineTest, OutputMayBeAnInput) {
  P3 A{0, 0, 0}, B{2, 0, 0}, C{1, -1, 0}, D{1, 1, 0};
  float t, s;
  ASSERT_TRUE(IntersectLineLine(A.data(), B.data(), C.data(), D.data(), C.data(), t, s));
  ExpectNear3(C, {1, 0, 0}, 1e-7);
  EXPECT_NEAR(s, 0.5f, 1e-7);  // measured from C as it was
}

TEST(IntersectLineFaceTest, Cases) {
  const P3 P0{0, 0, 0}, P1{1, 0, 0}, P2{0, 1, 0};  // the plane z = 0
  struct Case { P3 A, B; bool ok; P3 X; float t; } cases[] = {
      {{1, 2, 5}, {1, 2, 4}, true, {1, 2, 0}, 5.0f},
      {{50, -80, 1}, {50, -80, -1}, true, {50, -80, 0}, 0.5f},  // far outside the triangle
      {{0, 0, 1}, {1, 0, 1}, false, {}, 0},                     // parallel
      {{0, 0, 0}, {3, 3, 0}, false, {}, 0},                     // in the plane
      {{2, 2, 2}, {2, 2, 2}, false, {}, 0},                     // no direction
  };
  for (const auto& c : cases) {
    P3 X = kUntouchedPoint;
    float t = kUntouched;
    EXPECT_EQ(IntersectLineFace(c.A.data(), c.B.data(), P0.data(), P1.data(), P2.data(), X.data(), t), c.ok);
    ExpectPointAndParameter(c.ok, X, t, c.X, c.t);
  }
}

struct SphereCase {
  const char* name;
  float y;  // the line runs along x at this height; unit sphere at the origin
  int selector;
  bool ok;
  P3 X;
  float t;
};

TEST(IntersectLineSphereTest, Cases) {
  const P3 C{0, 0, 0};
  const SphereCase cases[] = {
      {"secant, near root", 0, 0, true, {-1, 0, 0}, 0.4f},
      {"secant, far root", 0, 1, true, {1, 0, 0}, 0.6f},
      {"any other selector is the far root", 0, 7, true, {1, 0, 0}, 0.6f},
      {"half height", 0.6f, 0, true, {-0.8f, 0.6f, 0}, 0.42f},
      {"tangent", 1, 0, true, {0, 1, 0}, 0.5f},
      {"misses by 5e-4: touches at the foot", 1.0005f, 1, true, {0, 1.0005f, 0}, 0.5f},
      {"misses by 9e-4: still touches", 1.0009f, 0, true, {0, 1.0009f, 0}, 0.5f},
      {"misses by 2e-3", 1.002f, 0, false, {}, 0.5f}, {"far away", 30, 1, false, {}, 0.5f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const P3 A{-5, c.y, 0}, B{5, c.y, 0};
    P3 X = kUntouchedPoint;
    float t = kUntouched;
    EXPECT_EQ(IntersectLineSphere(A.data(), B.data(), C.data(), c.selector, X.data(), t, 1.0), c.ok);
    EXPECT_NEAR(t, c.t, 1e-6);  // a miss still reports the foot's parameter
    if (c.ok)
      ExpectNear3(X, c.X, 1e-6);
    else
      EXPECT_EQ(X, kUntouchedPoint);
  }
}

TEST(IntersectLineSphereTest, SelectorsGiveBothRootsAroundTheFoot) {
  const P3 A{1, 2, 3}, B{4, 6, 3}, C{2, 5, 4};  // |B - A| = 5
  const double r = 3.0;
  // The foot of the centre is F = A + 0.6 (B - A) = (2.8, 4.4, 3), at distance
  // sqrt(2) from it, so the roots lie k = sqrt(9 - 2) / 5 either side.
  const double t0 = 0.6, fx = 2.8, fy = 4.4;
  const double k = std::sqrt(7.0) / 5.0;
  P3 X0, X1;
  float t0out, t1out;
  ASSERT_TRUE(IntersectLineSphere(A.data(), B.data(), C.data(), 0, X0.data(), t0out, r));
  ASSERT_TRUE(IntersectLineSphere(A.data(), B.data(), C.data(), 1, X1.data(), t1out, r));
  EXPECT_NEAR(t0out, t0 - k, 1e-6);
  EXPECT_NEAR(t1out, t0 + k, 1e-6);
  ExpectNear3(X0, {float(fx - 3 * k), float(fy - 4 * k), 3}, 1e-5);
  ExpectNear3(X1, {float(fx + 3 * k), float(fy + 4 * k), 3}, 1e-5);
}

// A miss of exactly the tolerance still touches.
TEST(IntersectLineSphereTest, AMissOfExactlyTheToleranceTouches) {
  const P3 A{-5, 0.001f, 0}, B{5, 0.001f, 0}, C{0, 0, 0};
  P3 X;
  float t;
  EXPECT_TRUE(IntersectLineSphere(A.data(), B.data(), C.data(), 0, X.data(), t, 0.0));
}

// Two equal points give no line: the root would be divided by a zero length
// and come back as NaN.
TEST(IntersectLineSphereTest, CoincidentPointsFail) {
  const P3 C{0, 0, 0};
  for (const P3 A : {P3{0, 0.5f, 0}, P3{0, 1, 0}, P3{3, 0, 0}}) {
    P3 X = kUntouchedPoint;
    float t = kUntouched;
    EXPECT_FALSE(IntersectLineSphere(A.data(), A.data(), C.data(), 1, X.data(), t, 1.0));
    EXPECT_EQ(X, kUntouchedPoint);
    EXPECT_EQ(t, kUntouched);
  }
}

}  // namespace
