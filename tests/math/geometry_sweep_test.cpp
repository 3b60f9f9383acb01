// Property sweep: thousands of random and near-degenerate configurations
// (coincident, collinear, coplanar, parallel, tiny, huge, far from the origin)
// through every kernel and quaternion function.  Whatever the input, nothing
// reports success with NaN or infinity, returned values stay in their ranges,
// and failures leave the outputs they promise to leave alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <limits>
#include <cmath>
#include <random>

#include "geometrytestutil.h"
#include "math/geometry.h"
#include "math/mathglobals.h"
#include "math/quaternion.h"
#include "math/viewrotation.h"
#include "platform/processstate.h"

using namespace geomtest;

namespace {

enum class Shape { General, Coincident, Collinear, Coplanar, Parallel, NearlyCollinear, Count };

class Configurations {
 public:
  explicit Configurations(unsigned seed) : gen_(seed) {}

  // Six points of one shape, scaled and shifted by one of the magnitudes.
  std::array<P3, 6> Next(Shape shape, double scale, double offset) {
    std::array<P3, 6> p;
    const P3 a = Random(), dir = Random(), dir2 = Random();
    for (int i = 0; i < 6; ++i) {
      switch (shape) {
        case Shape::General:
          p[i] = Random();
          break;
        case Shape::Coincident:  // pairs of equal points
          p[i] = i % 2 ? p[i - 1] : Random();
          break;
        case Shape::Collinear:
          p[i] = Along(a, dir, Coord(), {}, 0);
          break;
        case Shape::Coplanar:
          p[i] = Along(a, dir, Coord(), dir2, Coord());
          break;
        case Shape::Parallel:  // AB parallel to CD, EF parallel to both
          p[i] = i < 2 ? Along(a, dir, float(i), {}, 0) : Along(p[i - 2], {1.5f, -2, 0.5f}, 1, {}, 0);
          break;
        case Shape::NearlyCollinear:
          p[i] = Along(a, dir, Coord(), dir2, Coord() * 1e-6f);
          break;
        case Shape::Count:
          break;
      }
    }
    constexpr double kMax = std::numeric_limits<float>::max();  // inputs stay finite
    for (auto& q : p)
      for (auto& c : q) c = static_cast<float>(std::clamp(c * scale + offset, -kMax, kMax));
    return p;
  }

  P3 Random() { return {Coord(), Coord(), Coord()}; }
  float Coord() { return coord_(gen_); }
  std::mt19937& gen() { return gen_; }

 private:
  static P3 Along(const P3& a, const P3& d, float k, const P3& e, float l) {
    return {a[0] + k * d[0] + l * e[0], a[1] + k * d[1] + l * e[1], a[2] + k * d[2] + l * e[2]};
  }
  std::mt19937 gen_;
  std::uniform_real_distribution<float> coord_{-10.0f, 10.0f};
};

bool Finite(double v) { return std::isfinite(v); }

// Outputs of a failed call are either untouched or finite.
bool UntouchedOrFinite(const P3& p) { return p == kUntouchedPoint || AllFinite(p); }

void CheckAll(const std::array<P3, 6>& pts, double radius, int selector) {
  const float *A = pts[0].data(), *B = pts[1].data(), *C = pts[2].data(), *D = pts[3].data(),
              *E = pts[4].data(), *F = pts[5].data();
  constexpr double k2Pi = 2 * kPi + 1e-6;

  {
    P3 X = kUntouchedPoint;
    float t = kUntouched, s = kUntouched;
    if (IntersectLineLine(A, B, C, D, X.data(), t, s))
      ASSERT_TRUE(AllFinite(X) && Finite(t) && Finite(s));
    else
      ASSERT_TRUE(UntouchedOrFinite(X) && Finite(t) && Finite(s));
  }
  {
    P3 X = kUntouchedPoint;
    if (CommonPerpendicular(A, B, C, D, X.data()))
      ASSERT_TRUE(AllFinite(X));
    else
      ASSERT_EQ(X, kUntouchedPoint);
  }
  {
    P3 X = kUntouchedPoint;
    float t = kUntouched;
    if (IntersectLineFace(A, B, C, D, E, X.data(), t))
      ASSERT_TRUE(AllFinite(X) && Finite(t));
    else
      ASSERT_TRUE(X == kUntouchedPoint && t == kUntouched);
  }
  {
    P3 X = kUntouchedPoint;
    float t = kUntouched;
    if (IntersectLineSphere(A, B, C, selector, X.data(), t, radius))
      ASSERT_TRUE(AllFinite(X) && Finite(t));
    else
      ASSERT_TRUE(X == kUntouchedPoint && Finite(t));
  }
  const float dll = DistanceLineLine(A, B, C, D);
  ASSERT_TRUE(Finite(dll) && dll >= 0);
  const float dpp = DistancePointPlane(A, B, C, D);
  ASSERT_TRUE(Finite(dpp) && dpp >= 0);
  {
    P3 X;
    double t;
    const double d = NearestOnSegmentToLine(A, B, C, D, X.data(), t);
    ASSERT_TRUE(Finite(d) && d >= 0 && AllFinite(X) && t >= 0 && t <= 1)
        << d << " at " << X[0] << "," << X[1] << "," << X[2] << " t " << t;
    const double ds = DistancePointSegment(A, B, C, t);
    ASSERT_TRUE(Finite(ds) && ds >= 0 && t >= 0 && t <= 1);
  }
  const float all = AngleLineLine(A, B, C, D);
  ASSERT_TRUE(all >= 0 && all <= kPi / 2 + 1e-6) << all;
  const float alp = AngleLinePlane(A, B, C, D, E);
  ASSERT_TRUE(alp >= 0 && alp <= kPi / 2 + 1e-6) << alp;
  const float aff = AngleFaceFace(A, B, C, D, E, F);
  ASSERT_TRUE(aff >= 0 && aff <= kPi + 1e-6) << aff;
  const float abv = AngleBetweenVectors(A, B, C);
  ASSERT_TRUE(abv >= 0 && abv <= k2Pi) << abv;
  const float a3 = AngleThreePoints(A, B, C);
  ASSERT_TRUE(a3 >= 0 && a3 <= kPi + 1e-6) << a3;
  const float ao = OrientedAngle(A, B, C);
  ASSERT_TRUE(ao >= 0 && ao <= k2Pi) << ao;
  {
    P3 X;
    FootOnLine(A, B, C, X.data());
    ASSERT_TRUE(AllFinite(X));
    X = kUntouchedPoint;
    if (FootOnPlane(A, B, C, D, X.data()))
      ASSERT_TRUE(AllFinite(X));
    else
      ASSERT_EQ(X, kUntouchedPoint);
  }
  {
    // The callers pass a unit axis; a zero one must not break anything either.
    const double len = std::sqrt(double(E[0]) * E[0] + double(E[1]) * E[1] + double(E[2]) * E[2]);
    const P3 u = len > 0 ? P3{float(E[0] / len), float(E[1] / len), float(E[2] / len)} : P3{0, 0, 0};
    P3 R;
    RotateAboutAxis(u.data(), A, B, R.data(), F[0]);
    ASSERT_TRUE(AllFinite(R));
  }
  {
    float s = kUntouched, t = kUntouched;
    if (PlaneCoordinates(A, B, C, D, s, t))
      ASSERT_TRUE(Finite(s) && Finite(t));
    else
      ASSERT_TRUE(s == kUntouched && t == kUntouched);
  }
  {
    P3 X = kUntouchedPoint;
    if (Circumcentre(A, B, C, X[0], X[1], X[2]))
      ASSERT_TRUE(AllFinite(X));
    else
      ASSERT_EQ(X, (P3{0, 0, 0}));
  }
}

struct Magnitude {
  double scale, offset;
};

// Up to 1e30 every difference still fits in a float.
constexpr Magnitude kMagnitudes[] = {{1, 0},     {1e-20, 0}, {1e-6, 0},   {1e-3, 1},   {1, 1e7},
                                     {1e6, 0},   {1e15, 0},  {1e30, 0},   {1e-30, 1e4}};
constexpr double kRadii[] = {0, 1e-6, 1, 5, 1e4, 1e40, -1};

TEST(GeometrySweepTest, NoNaNOrInfinityReportedAsAnAnswer) {
  Configurations configs(20240601);
  int n = 0;
  for (int round = 0; round < 40; ++round)
    for (int shape = 0; shape < int(Shape::Count); ++shape)
      for (const auto& m : kMagnitudes) {
        const auto pts = configs.Next(Shape(shape), m.scale, m.offset);
        SCOPED_TRACE(testing::Message() << "round " << round << " shape " << shape << " scale " << m.scale);
        CheckAll(pts, kRadii[n % std::size(kRadii)] * m.scale, n % 2);
        if (HasFatalFailure()) return;
        ++n;
      }
  EXPECT_GT(n, 2000);
}

// Coordinates so large that their differences overflow: the answers are
// meaningless, but none may come back as a NaN success.
TEST(GeometrySweepTest, OverflowingCoordinates) {
  Configurations configs(99);
  for (int round = 0; round < 200; ++round) {
    const auto pts = configs.Next(Shape(round % int(Shape::Count)), 3.0e37, 0);
    SCOPED_TRACE(round);
    CheckAll(pts, 1e38, round % 2);
    if (HasFatalFailure()) return;
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
    for (double v : m)
      ASSERT_TRUE(Finite(v) && std::fabs(v) <= 1 + 1e-12)
          << i << ": " << v << " from " << ViewQuaternion.w << "," << ViewQuaternion.x << "," << ViewQuaternion.y << "," << ViewQuaternion.z;
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
