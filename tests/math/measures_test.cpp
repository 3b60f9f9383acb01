// Distances and angles: the values measurements display, including the
// degenerate inputs whose fixed answers keep a measurement defined.
#include <gtest/gtest.h>

#include <random>

#include "geometrytestutil.h"
#include "math/geometry.h"

using namespace geomtest;

namespace {

struct FourPointCase {
  const char* name;
  P3 A, B, C, D;
  double want;
};

TEST(DistanceLineLineTest, Cases) {
  const FourPointCase cases[] = {
      {"skew", {0, 0, 0}, {1, 0, 0}, {3, 1, 5}, {3, 2, 5}, 5.0},
      {"parallel", {0, 0, 0}, {2, 0, 0}, {0, 3, 4}, {1, 3, 4}, 5.0},
      {"antiparallel, shifted", {0, 0, 0}, {2, 0, 0}, {7, 3, 4}, {1, 3, 4}, 5.0},
      {"meeting", {0, 0, 0}, {2, 0, 0}, {1, -1, 0}, {1, 1, 0}, 0.0},
      {"the same line", {0, 0, 0}, {2, 0, 0}, {5, 0, 0}, {9, 0, 0}, 0.0},
      {"first line a point", {1, 1, 1}, {1, 1, 1}, {1, 4, 5}, {2, 4, 5}, 5.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(DistanceLineLine(c.A.data(), c.B.data(), c.C.data(), c.D.data()), c.want, 1e-6);
  }
}

// Rounding can make |w|² - (w.d)²/|d|² slightly negative for a point on the
// line; its square root must be 0, never NaN.
TEST(DistanceTest, PointsOnTheLineGiveZeroNotNaN) {
  std::mt19937 gen(7);
  std::uniform_real_distribution<float> coord(-10.0f, 10.0f), k(-3.0f, 3.0f), inside(0.0f, 1.0f);
  const P3 O{0, 0, 0};
  for (int i = 0; i < 20000; ++i) {
    const P3 d{coord(gen), coord(gen), coord(gen)};
    const float kc = k(gen), kd = k(gen), ki = inside(gen);
    const P3 C{kc * d[0], kc * d[1], kc * d[2]};
    const P3 D{kd * d[0], kd * d[1], kd * d[2]};
    const P3 P{ki * d[0], ki * d[1], ki * d[2]};
    double t;
    const double dps = DistancePointSegment(O.data(), d.data(), P.data(), t);
    ASSERT_TRUE(dps >= 0.0 && dps < 1e-5) << i << ": " << dps;
    // Exactly parallel in float (D - C = C), so the parallel branch is taken.
    const float p2 = std::ldexp(1.0f, i % 5 - 2);
    const P3 C2{p2 * d[0], p2 * d[1], p2 * d[2]}, D2{2 * C2[0], 2 * C2[1], 2 * C2[2]};
    const float dll = DistanceLineLine(O.data(), d.data(), C2.data(), D2.data());
    ASSERT_TRUE(dll >= 0.0f && dll < 1e-5f) << i << ": " << dll;
    if (std::fabs(kc - kd) < 0.5f) continue;  // CD needs a direction of its own
    P3 X;
    const double nsl = NearestOnSegmentToLine(C.data(), D.data(), O.data(), d.data(), X.data(), t);
    ASSERT_TRUE(nsl >= 0.0 && nsl < 1e-5) << i << ": " << nsl;
  }
}

TEST(DistancePointPlaneTest, Cases) {
  struct Case {
    const char* name;
    P3 P, A, B, C;
    double want;
  } cases[] = {
      {"above z = 0", {1, 2, 3}, {1, 0, 0}, {0, 0, 0}, {0, 1, 0}, 3.0},
      {"below a tilted plane", {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, 1.0 / std::sqrt(3.0)},
      {"in the plane", {5, -7, 0}, {1, 0, 0}, {0, 0, 0}, {0, 1, 0}, 0.0},
      {"collinear: distance to the second point", {3, 4, 0}, {1, 0, 0}, {0, 0, 0}, {2, 0, 0}, 5.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(DistancePointPlane(c.P.data(), c.A.data(), c.B.data(), c.C.data()), c.want, 1e-6);
  }
}

TEST(NearestOnSegmentToLineTest, Cases) {
  const P3 A{0, 0, 0}, B{2, 0, 0};
  struct Case {
    const char* name;
    P3 A, B, P, Q;
    P3 X;
    double t, dist;
  } cases[] = {
      {"crossing above the middle", A, B, {1, -1, 3}, {1, 1, 3}, {1, 0, 0}, 0.5, 3.0},
      {"beyond B: clamped", A, B, {5, -1, 3}, {5, 1, 3}, {2, 0, 0}, 1.0, std::sqrt(18.0)},
      {"before A: clamped", A, B, {-4, -1, 3}, {-4, 1, 3}, {0, 0, 0}, 0.0, 5.0},
      {"parallel: the midpoint", A, B, {0, 3, 4}, {1, 3, 4}, {1, 0, 0}, 0.5, 5.0},
      {"parallel to a point segment", A, A, {0, 3, 4}, {1, 3, 4}, {0, 0, 0}, 0.0, 5.0},
      {"line is a point over the segment", A, B, {1, 2, 0}, {1, 2, 0}, {1, 0, 0}, 0.5, 2.0},
      {"line is a point past B", A, B, {7, 2, 0}, {7, 2, 0}, {2, 0, 0}, 1.0, std::sqrt(29.0)},
      {"both degenerate", A, A, {0, 3, 4}, {0, 3, 4}, {0, 0, 0}, 0.0, 5.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    P3 X = kUntouchedPoint;
    double t = -1;
    EXPECT_NEAR(NearestOnSegmentToLine(c.A.data(), c.B.data(), c.P.data(), c.Q.data(), X.data(), t), c.dist,
                1e-6);
    ExpectNear3(X, c.X, 1e-6);
    EXPECT_NEAR(t, c.t, 1e-9);
  }
}

TEST(DistancePointSegmentTest, Cases) {
  struct Case {
    P3 A, B, P;
    double t, dist;
  } cases[] = {
      {{0, 0, 0}, {2, 0, 0}, {1, 1, 0}, 0.5, 1.0},
      {{0, 0, 0}, {2, 0, 0}, {-1, 1, 0}, 0.0, std::sqrt(2.0)},
      {{0, 0, 0}, {2, 0, 0}, {4, 0, 0}, 1.0, 2.0},
      {{1, 1, 1}, {1, 1, 1}, {1, 4, 5}, 0.0, 5.0},
  };
  for (const auto& c : cases) {
    double t = -1;
    EXPECT_NEAR(DistancePointSegment(c.A.data(), c.B.data(), c.P.data(), t), c.dist, 1e-12);
    EXPECT_EQ(t, c.t);
  }
}

// Differences are formed in float before widening: 0.5 - 1e-8 and 1 - 1e-8
// both round back in float, so t is exactly 0.5 (in double it would not be).
TEST(DistancePointSegmentTest, DifferencesAreFormedInFloat) {
  const P3 A{1e-8f, 0, 0}, B{1, 0, 0}, P{0.5f, 1, 0};
  double t;
  DistancePointSegment(A.data(), B.data(), P.data(), t);
  EXPECT_EQ(t, 0.5);
}

TEST(AngleLineLineTest, Cases) {
  const FourPointCase cases[] = {
      {"perpendicular", {0, 0, 0}, {1, 0, 0}, {5, 5, 5}, {5, 6, 5}, kPi / 2},
      {"parallel", {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {3, 1, 0}, 0.0},
      {"opposite directions count as parallel", {0, 0, 0}, {1, 0, 0}, {3, 1, 0}, {0, 1, 0}, 0.0},
      {"60 degrees, obtuse reported acute", {0, 0, 0}, {1, 0, 0}, {0, 0, 0}, {-1, std::sqrt(3.0f), 0}, kPi / 3},
      {"skew at 45 degrees", {0, 0, 0}, {1, 0, 0}, {0, 0, 9}, {1, 1, 9}, kPi / 4},
      // Squared length 9e-6 is below 1e-5: too short to have a direction.
      {"first line too short", {0, 0, 0}, {0.003f, 0, 0}, {0, 0, 0}, {0, 1, 0}, 0.0},
      {"just long enough", {0, 0, 0}, {0.0032f, 0, 0}, {0, 0, 0}, {0, 1, 0}, kPi / 2},
      {"second line a point", {0, 0, 0}, {1, 0, 0}, {2, 2, 2}, {2, 2, 2}, 0.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(AngleLineLine(c.A.data(), c.B.data(), c.C.data(), c.D.data()), c.want, 1e-6);
  }
}

TEST(AngleLinePlaneTest, Cases) {
  const P3 P0{1, 0, 0}, P1{0, 0, 0}, P2{0, 1, 0};  // z = 0
  struct Case {
    const char* name;
    P3 A, B;
    double want;
  } cases[] = {
      {"normal to the plane", {3, 3, 0}, {3, 3, 7}, kPi / 2},
      {"in the plane", {0, 0, 0}, {1, 1, 0}, 0.0},
      {"45 degrees", {0, 0, 0}, {1, 0, 1}, kPi / 4},
      {"pointing down counts the same", {0, 0, 0}, {1, 0, -1}, kPi / 4},
      {"no direction", {1, 1, 1}, {1, 1, 1}, 0.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(AngleLinePlane(c.A.data(), c.B.data(), P0.data(), P1.data(), P2.data()), c.want, 1e-6);
  }
  const P3 A{0, 0, 0}, B{0, 0, 1}, Q{2, 0, 0};
  EXPECT_EQ(AngleLinePlane(A.data(), B.data(), P0.data(), P1.data(), Q.data()), 0.0f);  // collinear plane
}

TEST(AngleFaceFaceTest, SupplementOfTheNormals) {
  const P3 O{0, 0, 0}, X{1, 0, 0}, Y{0, 1, 0}, Z{0, 0, 1};
  struct Case {
    const char* name;
    P3 D, E, F;
    double want;
  } cases[] = {
      {"normals the same way", O, X, Y, kPi},
      {"normals opposite", O, Y, X, 0.0},
      {"perpendicular planes", O, Y, Z, kPi / 2},
      {"shifted parallel plane", {0, 0, 5}, {2, 0, 5}, {0, 3, 5}, kPi},
      {"45 degrees between normals", O, X, {0, 1, 1}, kPi - kPi / 4},
      {"second plane degenerate", O, X, {2, 0, 0}, 0.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(AngleFaceFace(O.data(), X.data(), Y.data(), c.D.data(), c.E.data(), c.F.data()), c.want, 1e-6);
  }
  EXPECT_EQ(AngleFaceFace(O.data(), X.data(), X.data(), O.data(), X.data(), Y.data()), 0.0f);
}

TEST(AngleBetweenVectorsTest, CountsCounterClockwiseAboutTheNormal) {
  const P3 X{1, 0, 0}, Y{0, 1, 0}, Z{0, 0, 1}, minusZ{0, 0, -1}, zero{0, 0, 0};
  struct Case {
    const char* name;
    P3 u, v, w;
    double want;
  } cases[] = {
      {"quarter turn seen from +z", X, Y, Z, kPi / 2},
      {"the same seen from -z", X, Y, minusZ, 3 * kPi / 2},
      {"normal in the plane: no sign", X, Y, X, kPi / 2},
      {"opposite", X, {-2, 0, 0}, Z, kPi},
      {"same direction", X, {3, 0, 0}, minusZ, 0.0},
      {"zero first vector", zero, Y, Z, 0.0},
      {"zero second vector", X, zero, Z, 0.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(AngleBetweenVectors(c.u.data(), c.v.data(), c.w.data()), c.want, 1e-6);
  }
}

TEST(AngleThreePointsTest, Cases) {
  const P3 O{1, 1, 1};
  struct Case {
    P3 A, B;
    double want;
  } cases[] = {
      {{2, 1, 1}, {1, 5, 1}, kPi / 2},
      {{2, 1, 1}, {-3, 1, 1}, kPi},
      {{2, 2, 1}, {3, 1, 1}, kPi / 4},
      {{1, 1, 1}, {3, 1, 1}, 0.0},  // A at the vertex
      {{2, 1, 1}, {5, 1, 1}, 0.0},
  };
  for (const auto& c : cases) EXPECT_NEAR(AngleThreePoints(c.A.data(), O.data(), c.B.data()), c.want, 1e-6);
}

TEST(OrientedAngleTest, SenseFromZThenXThenY) {
  const P3 O{0, 0, 0};
  struct Case {
    const char* name;
    P3 A, B;
    double want;
  } cases[] = {
      {"z decides, negative", {1, 0, 0}, {0, -1, 0}, 3 * kPi / 2},
      {"z decides, positive", {1, 0, 0}, {0, 1, 0}, kPi / 2},
      {"x decides, positive", {0, 1, 0}, {0, 0, 1}, kPi / 2},
      {"x decides, negative", {0, 1, 0}, {0, 0, -1}, 3 * kPi / 2},
      {"y decides, positive", {0, 0, 1}, {1, 0, 0}, kPi / 2},
      {"y decides, negative", {0, 0, 1}, {-1, 0, 0}, 3 * kPi / 2},
      {"collinear, same way", {1, 0, 0}, {4, 0, 0}, 2 * kPi},
      {"collinear, opposite", {1, 0, 0}, {-4, 0, 0}, kPi},
      {"A at the vertex", {0, 0, 0}, {0, 1, 0}, 0.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(OrientedAngle(c.A.data(), O.data(), c.B.data()), c.want, 1e-6);
  }
}

}  // namespace
