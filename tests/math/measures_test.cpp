// Distances and angles: the values measurements display, including the
// degenerate inputs whose fixed answers keep a measurement defined.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "geometrytestutil.h"
#include "math/geometry.h"

using namespace geomtest;

namespace KAVREL_FILE_LOCAL {

// The measurements that answer one number, over the points of each row.
double DistanceLL(const P3* p) { return DistanceLineLine(p[0].data(), p[1].data(), p[2].data(), p[3].data()); }
double DistancePP(const P3* p) { return DistancePointPlane(p[0].data(), p[1].data(), p[2].data(), p[3].data()); }
double AngleLL(const P3* p) { return AngleLineLine(p[0].data(), p[1].data(), p[2].data(), p[3].data()); }
double AngleLP(const P3* p) {
  return AngleLinePlane(p[0].data(), p[1].data(), p[2].data(), p[3].data(), p[4].data());
}
double AngleFF(const P3* p) {
  return AngleFaceFace(p[0].data(), p[1].data(), p[2].data(), p[3].data(), p[4].data(), p[5].data());
}
double AngleVV(const P3* p) { return AngleBetweenVectors(p[0].data(), p[1].data(), p[2].data()); }
double Angle3(const P3* p) { return AngleThreePoints(p[0].data(), p[1].data(), p[2].data()); }
double Oriented(const P3* p) { return OrientedAngle(p[0].data(), p[1].data(), p[2].data()); }

TEST(MeasuresTest, DistancesAndAngles) {
  const P3 O{0, 0, 0}, X{1, 0, 0}, Y{0, 1, 0}, Z{0, 0, 1}, minusZ{0, 0, -1};
  const P3 P0{1, 0, 0}, P1{0, 0, 0}, P2{0, 1, 0};  // the plane z = 0
  const float r3 = std::sqrt(3.0f);
  struct Case {
    const char* name;
    double (*measure)(const P3*);
    std::vector<P3> p;
    double want;
  } cases[] = {
      {"skew lines", DistanceLL, {O, X, {3, 1, 5}, {3, 2, 5}}, 5.0},
      {"parallel lines", DistanceLL, {O, {2, 0, 0}, {0, 3, 4}, {1, 3, 4}}, 5.0},
      {"antiparallel, shifted", DistanceLL, {O, {2, 0, 0}, {7, 3, 4}, {1, 3, 4}}, 5.0},
      {"meeting lines", DistanceLL, {O, {2, 0, 0}, {1, -1, 0}, {1, 1, 0}}, 0.0},
      {"the same line", DistanceLL, {O, {2, 0, 0}, {5, 0, 0}, {9, 0, 0}}, 0.0},
      {"first line a point", DistanceLL, {{1, 1, 1}, {1, 1, 1}, {1, 4, 5}, {2, 4, 5}}, 5.0},
      {"above z = 0", DistancePP, {{1, 2, 3}, X, O, Y}, 3.0},
      {"below a tilted plane", DistancePP, {O, X, Y, Z}, 1.0 / std::sqrt(3.0)},
      {"in the plane", DistancePP, {{5, -7, 0}, X, O, Y}, 0.0},
      {"collinear plane: distance to the second point", DistancePP, {{3, 4, 0}, X, O, {2, 0, 0}}, 5.0},
      {"perpendicular lines", AngleLL, {O, X, {5, 5, 5}, {5, 6, 5}}, kPi / 2},
      {"parallel lines", AngleLL, {O, X, Y, {3, 1, 0}}, 0.0},
      {"opposite directions count as parallel", AngleLL, {O, X, {3, 1, 0}, Y}, 0.0},
      {"60 degrees, obtuse reported acute", AngleLL, {O, X, O, {-1, r3, 0}}, kPi / 3},
      {"skew at 45 degrees", AngleLL, {O, X, {0, 0, 9}, {1, 1, 9}}, kPi / 4},
      // Squared length 9e-6 is below 1e-5: too short to have a direction.
      {"first line too short", AngleLL, {O, {0.003f, 0, 0}, O, Y}, 0.0},
      {"just long enough", AngleLL, {O, {0.0032f, 0, 0}, O, Y}, kPi / 2},
      {"second line a point", AngleLL, {O, X, {2, 2, 2}, {2, 2, 2}}, 0.0},
      {"line normal to the plane", AngleLP, {{3, 3, 0}, {3, 3, 7}, P0, P1, P2}, kPi / 2},
      {"line in the plane", AngleLP, {O, {1, 1, 0}, P0, P1, P2}, 0.0},
      {"line at 45 degrees", AngleLP, {O, {1, 0, 1}, P0, P1, P2}, kPi / 4},
      {"pointing down counts the same", AngleLP, {O, {1, 0, -1}, P0, P1, P2}, kPi / 4},
      {"line of no direction", AngleLP, {{1, 1, 1}, {1, 1, 1}, P0, P1, P2}, 0.0},
      {"collinear plane", AngleLP, {O, Z, P0, P1, {2, 0, 0}}, 0.0},
      // Faces: the supplement of the angle between the normals.
      {"normals the same way", AngleFF, {O, X, Y, O, X, Y}, kPi},
      {"normals opposite", AngleFF, {O, X, Y, O, Y, X}, 0.0},
      {"perpendicular planes", AngleFF, {O, X, Y, O, Y, Z}, kPi / 2},
      {"shifted parallel plane", AngleFF, {O, X, Y, {0, 0, 5}, {2, 0, 5}, {0, 3, 5}}, kPi},
      {"45 degrees between normals", AngleFF, {O, X, Y, O, X, {0, 1, 1}}, kPi - kPi / 4},
      {"second plane degenerate", AngleFF, {O, X, Y, O, X, {2, 0, 0}}, 0.0},
      {"first plane degenerate", AngleFF, {O, X, X, O, X, Y}, 0.0},
      // Vectors: counter-clockwise about the normal.
      {"quarter turn seen from +z", AngleVV, {X, Y, Z}, kPi / 2},
      {"the same seen from -z", AngleVV, {X, Y, minusZ}, 3 * kPi / 2},
      {"normal in the plane: no sign", AngleVV, {X, Y, X}, kPi / 2},
      {"opposite vectors", AngleVV, {X, {-2, 0, 0}, Z}, kPi},
      {"same direction", AngleVV, {X, {3, 0, 0}, minusZ}, 0.0},
      {"zero first vector", AngleVV, {O, Y, Z}, 0.0}, {"zero second vector", AngleVV, {X, O, Z}, 0.0},
      {"right angle at O", Angle3, {{2, 1, 1}, {1, 1, 1}, {1, 5, 1}}, kPi / 2},
      {"straight angle", Angle3, {{2, 1, 1}, {1, 1, 1}, {-3, 1, 1}}, kPi},
      {"45 degrees at O", Angle3, {{2, 2, 1}, {1, 1, 1}, {3, 1, 1}}, kPi / 4},
      {"A at the vertex", Angle3, {{1, 1, 1}, {1, 1, 1}, {3, 1, 1}}, 0.0},
      {"no angle", Angle3, {{2, 1, 1}, {1, 1, 1}, {5, 1, 1}}, 0.0},
      // Oriented: the sense from z, then x, then y.
      {"z decides, negative", Oriented, {X, O, {0, -1, 0}}, 3 * kPi / 2},
      {"z decides, positive", Oriented, {X, O, Y}, kPi / 2},
      {"x decides, positive", Oriented, {Y, O, Z}, kPi / 2},
      {"x decides, negative", Oriented, {Y, O, minusZ}, 3 * kPi / 2},
      {"y decides, positive", Oriented, {Z, O, X}, kPi / 2},
      {"y decides, negative", Oriented, {Z, O, {-1, 0, 0}}, 3 * kPi / 2},
      {"collinear, same way", Oriented, {X, O, {4, 0, 0}}, 2 * kPi},
      {"collinear, opposite", Oriented, {X, O, {-4, 0, 0}}, kPi},
      {"oriented, A at the vertex", Oriented, {O, O, Y}, 0.0},
  };
  for (const auto& c : cases) EXPECT_NEAR(c.measure(c.p.data()), c.want, 1e-6) << c.name;
}

// Lengths in single precision: the float formula where its squares stay in
// range (a zero from squares below the float range included), and a float
// whenever the length is one.
TEST(VectorLengthTest, SquaresThatOverflowStillMeasure) {
  constexpr float kInf = std::numeric_limits<float>::infinity(), kNaN = std::numeric_limits<float>::quiet_NaN();
  const struct {
    const char* name;
    P3 v;
    float want;
  } cases[] = {
      {"3, 4, 12", {3, 4, 12}, 13},
      {"squares underflow: 0, as the formula gives", {1e-30f, 0, 0}, 0},
      {"1e20 along x", {1e20f, 0, 0}, 1e20f},
      {"3e19, 4e19", {-3e19f, 4e19f, 0}, 5e19f},
      {"the float limit on two axes", {3e38f, 0, -3e38f}, static_cast<float>(3e38 * std::sqrt(2.0))},
      {"beyond the float range", {3e38f, 3e38f, 0}, kInf},
      {"an infinite component", {1, kInf, 0}, kInf},
  };
  for (const auto& c : cases) {
    EXPECT_FLOAT_EQ(VectorLength(c.v.data()), c.want) << c.name;
    const P3 O{0, 0, 0};
    EXPECT_FLOAT_EQ(DistancePointPoint(O.data(), c.v.data()), c.want) << c.name;
  }
  const P3 none{0, kNaN, 0};
  EXPECT_TRUE(std::isnan(VectorLength(none.data())));
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

TEST(NearestOnSegmentToLineTest, Cases) {
  const P3 A{0, 0, 0}, B{2, 0, 0};
  struct Case { const char* name; P3 A, B, P, Q; P3 X; double t, dist; } cases[] = {
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
  struct Case { P3 A, B, P; double t, dist; } cases[] = {
      {{0, 0, 0}, {2, 0, 0}, {1, 1, 0}, 0.5, 1.0},
      {{0, 0, 0}, {2, 0, 0}, {-1, 1, 0}, 0.0, std::sqrt(2.0)},
      {{0, 0, 0}, {2, 0, 0}, {4, 0, 0}, 1.0, 2.0}, {{1, 1, 1}, {1, 1, 1}, {1, 4, 5}, 0.0, 5.0},
      // Differences are formed in float before widening: 0.5 - 1e-8 and 1 - 1e-8
      // both round back in float, so t is exactly 0.5 (in double it would not be).
      {{1e-8f, 0, 0}, {1, 0, 0}, {0.5f, 1, 0}, 0.5, 1.0},
  };
  for (const auto& c : cases) {
    double t = -1;
    EXPECT_NEAR(DistancePointSegment(c.A.data(), c.B.data(), c.P.data(), t), c.dist, 1e-12) << "row " << &c - cases;
    EXPECT_EQ(t, c.t) << "row " << &c - cases;
  }
}

}  // namespace
