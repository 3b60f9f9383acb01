// Property sweep: thousands of random and near-degenerate configurations
// (coincident, collinear, coplanar, parallel, tiny, huge, far from the origin)
// through every kernel and quaternion function.  Whatever the input, nothing
// reports success with NaN or infinity, returned values stay in their ranges,
// and failures leave the outputs they promise to leave alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <random>

#include "geometrytestutil.h"
#include "math/geometry.h"
#include "math/mathglobals.h"
#include "math/quaternion.h"
#include "math/viewrotation.h"
#include "platform/processstate.h"

using namespace geomtest;

namespace KAVREL_FILE_LOCAL {

enum class Shape { General, Coincident, Collinear, Coplanar, Parallel, NearlyCollinear, Count };

// Six points of one shape, scaled and shifted by one of the magnitudes.
std::array<P3, 6> Configuration(std::mt19937& gen, Shape shape, double scale, double offset) {
  std::uniform_real_distribution<float> coord(-10.0f, 10.0f);
  auto random = [&] { return P3{coord(gen), coord(gen), coord(gen)}; };
  auto along = [](const P3& a, const P3& d, float k, const P3& e, float l) {
    return P3{a[0] + k * d[0] + l * e[0], a[1] + k * d[1] + l * e[1], a[2] + k * d[2] + l * e[2]};
  };
  std::array<P3, 6> p;
  const P3 a = random(), dir = random(), dir2 = random();
  for (int i = 0; i < 6; ++i) {
    switch (shape) {
      case Shape::General: p[i] = random(); break;
      case Shape::Coincident: p[i] = i % 2 ? p[i - 1] : random(); break;  // pairs of equal points
      case Shape::Collinear: p[i] = along(a, dir, coord(gen), {}, 0); break;
      case Shape::Coplanar: p[i] = along(a, dir, coord(gen), dir2, coord(gen)); break;
      case Shape::Parallel:  // AB parallel to CD, EF parallel to both
        p[i] = i < 2 ? along(a, dir, float(i), {}, 0) : along(p[i - 2], {1.5f, -2, 0.5f}, 1, {}, 0);
        break;
      default: p[i] = along(a, dir, coord(gen), dir2, coord(gen) * 1e-6f); break;  // nearly collinear
    }
  }
  constexpr double kMax = std::numeric_limits<float>::max();  // inputs stay finite
  for (auto& q : p)
    for (auto& c : q) c = static_cast<float>(std::clamp(c * scale + offset, -kMax, kMax));
  return p;
}

bool Finite(double v) { return std::isfinite(v); }
// A point output: finite when the call succeeds, else as it was.
bool Point(bool ok, const P3& X) { return ok ? AllFinite(X) : X == kUntouchedPoint; }

void CheckAll(const std::array<P3, 6>& pts, double radius, int selector) {
  const float *A = pts[0].data(), *B = pts[1].data(), *C = pts[2].data(), *D = pts[3].data(),
              *E = pts[4].data(), *F = pts[5].data();
  constexpr double k2Pi = 2 * kPi + 1e-6, kHalfPi = kPi / 2 + 1e-6;
  P3 X = kUntouchedPoint;
  float t = kUntouched, s = kUntouched;
  const bool lines = IntersectLineLine(A, B, C, D, X.data(), t, s);
  ASSERT_TRUE((lines ? AllFinite(X) : X == kUntouchedPoint || AllFinite(X)) && Finite(t) && Finite(s));
  X = kUntouchedPoint;
  ASSERT_TRUE(Point(CommonPerpendicular(A, B, C, D, X.data()), X));
  X = kUntouchedPoint, t = kUntouched;
  const bool face = IntersectLineFace(A, B, C, D, E, X.data(), t);
  ASSERT_TRUE(Point(face, X) && (face ? Finite(t) : t == kUntouched));
  X = kUntouchedPoint, t = kUntouched;
  ASSERT_TRUE(Point(IntersectLineSphere(A, B, C, selector, X.data(), t, radius), X) && Finite(t));
  for (double d : {double(DistanceLineLine(A, B, C, D)), double(DistancePointPlane(A, B, C, D))})
    ASSERT_TRUE(Finite(d) && d >= 0) << d;
  double tt;
  const double nearest = NearestOnSegmentToLine(A, B, C, D, X.data(), tt);
  ASSERT_TRUE(Finite(nearest) && nearest >= 0 && AllFinite(X) && tt >= 0 && tt <= 1) << nearest << " t " << tt;
  const double ds = DistancePointSegment(A, B, C, tt);
  ASSERT_TRUE(Finite(ds) && ds >= 0 && tt >= 0 && tt <= 1);
  const struct {
    float angle;
    double top;
  } angles[] = {{AngleLineLine(A, B, C, D), kHalfPi},     {AngleLinePlane(A, B, C, D, E), kHalfPi},
                {AngleFaceFace(A, B, C, D, E, F), kPi + 1e-6}, {AngleBetweenVectors(A, B, C), k2Pi},
                {AngleThreePoints(A, B, C), kPi + 1e-6},   {OrientedAngle(A, B, C), k2Pi}};
  for (const auto& a : angles) ASSERT_TRUE(a.angle >= 0 && a.angle <= a.top) << a.angle;
  FootOnLine(A, B, C, X.data());
  ASSERT_TRUE(AllFinite(X));
  X = kUntouchedPoint;
  ASSERT_TRUE(Point(FootOnPlane(A, B, C, D, X.data()), X));
  // The callers pass a unit axis; a zero one must not break anything either.
  const double len = std::sqrt(double(E[0]) * E[0] + double(E[1]) * E[1] + double(E[2]) * E[2]);
  const P3 u = len > 0 ? P3{float(E[0] / len), float(E[1] / len), float(E[2] / len)} : P3{0, 0, 0};
  RotateAboutAxis(u.data(), A, B, X.data(), F[0]);
  ASSERT_TRUE(AllFinite(X));
  s = t = kUntouched;
  const bool plane = PlaneCoordinates(A, B, C, D, s, t);
  ASSERT_TRUE(plane ? Finite(s) && Finite(t) : s == kUntouched && t == kUntouched);
  X = kUntouchedPoint;
  ASSERT_TRUE(Circumcentre(A, B, C, X[0], X[1], X[2]) ? AllFinite(X) : X == (P3{0, 0, 0}));
}

TEST(GeometrySweepTest, NoNaNOrInfinityReportedAsAnAnswer) {
  // Up to 1e30 every difference still fits in a float; 3e37 overflows them.
  const struct {
    double scale, offset;
  } magnitudes[] = {{1, 0}, {1e-20, 0}, {1e-6, 0}, {1e-3, 1}, {1, 1e7}, {1e6, 0}, {1e15, 0}, {1e30, 0},
                    {1e-30, 1e4}, {3e37, 0}};
  constexpr double kRadii[] = {0, 1e-6, 1, 5, 1e4, 1e40, -1};
  std::mt19937 gen(20240601);
  int n = 0;
  for (int round = 0; round < 40; ++round)
    for (int shape = 0; shape < int(Shape::Count); ++shape)
      for (const auto& m : magnitudes) {
        SCOPED_TRACE(testing::Message() << "round " << round << " shape " << shape << " scale " << m.scale);
        CheckAll(Configuration(gen, Shape(shape), m.scale, m.offset), kRadii[n % std::size(kRadii)] * m.scale,
                 n % 2);
        if (HasFatalFailure()) return;
        ++n;
      }
}

TEST(QuaternionSweepTest, StaysFinite) {
  ResetProcessState();
  std::mt19937 gen(5);
  std::uniform_real_distribution<double> any(-1e3, 1e3);
  const double axes[][3] = {{0, 0, 0}, {1e-300, 0, 0}, {1e300, 1e300, 0}, {1, 2, 3}};
  for (int i = 0; i < 4000; ++i) {
    Quaternion q;
    const double* a = axes[i % 4];
    QuatFromAxisAngle(q, any(gen), a[0] + any(gen) * (i % 8 < 4 ? 0 : 1), a[1], a[2]);
    ASSERT_TRUE(Finite(q.w) && Finite(q.x) && Finite(q.y) && Finite(q.z)) << i;
    QuatMultiply(q, ViewQuaternion, ViewQuaternion);
    RotateViewY(any(gen));
    double m[16];
    QuatToRotationMatrix(ViewQuaternion, m);
    for (double v : m) ASSERT_TRUE(Finite(v) && std::fabs(v) <= 1 + 1e-12) << i << ": " << v;
  }
}

TEST(QuaternionSweepTest, TrackballAtAnyPixelAndViewSize) {
  ResetProcessState();
  std::mt19937 gen(11);
  const int sizes[] = {0, 1, 2, 3, 800, 4000};
  const int pixels[] = {INT_MIN, -100000, -1, 0, 1, 399, 400, 799, 100000, INT_MAX};
  std::uniform_int_distribution<int> pick(0, std::size(pixels) - 1), size(0, std::size(sizes) - 1);
  std::uniform_int_distribution<int> near(-50, 850);
  for (int i = 0; i < 5000; ++i) {
    SetTrackballViewSize(sizes[size(gen)], sizes[size(gen)]);
    const bool wild = i % 3 == 0;
    g_nTrackballLastX = wild ? pixels[pick(gen)] : near(gen);
    g_nTrackballLastY = wild ? pixels[pick(gen)] : near(gen);
    TrackballRotate(wild ? pixels[pick(gen)] : near(gen), near(gen));
    const Quaternion& q = ViewQuaternion;
    ASSERT_TRUE(Finite(q.w) && Finite(q.x) && Finite(q.y) && Finite(q.z)) << i;
  }
}

}  // namespace
