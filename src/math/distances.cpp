// Distances between points, lines, segments and planes.
#include <algorithm>
#include <cmath>

#include "math/geometry.h"
#include "math/widevector.h"

using namespace kvmath;

namespace {

// The float a distance is returned as; a value that overflows (absurd input)
// reads as "no answer", like every other degenerate case of the kernel.
float DistanceResult(double d) {
  const float f = static_cast<float>(d);
  return std::isfinite(f) ? f : 0.0f;
}

double FiniteOrZero(double d) { return std::isfinite(d) ? d : 0.0; }

// Distance of the point at offset w from a line with direction e (|e|² = ee > 0).
double DistanceFromLine(const WideVec& w, const WideVec& e, double ee) {
  const double we = Dot(w, e);
  return SqrtClamped(Norm2(w) - we * we / ee);
}

}  // namespace

float DistanceLineLine(const float A[3], const float B[3], const float C[3], const float D[3]) {
  const WideVec d1 = Diff(B, A), d2 = Diff(D, C), w = Diff(C, A);
  const WideVec n = Cross(d1, d2);
  const double m = std::fabs(Dot(n, w));
  if (m > 1e-5) return DistanceResult(m / std::sqrt(Norm2(n)));  // skew
  if (std::fabs(n.x) < 1e-5 && std::fabs(n.y) < 1e-5 && std::fabs(n.z) < 1e-5) {
    // Parallel: the distance of C from line AB.
    const double dd = Norm2(d1);
    const double h = dd > kEps5f ? DistanceFromLine(w, d1, dd) : std::sqrt(Norm2(w));
    return DistanceResult(h);
  }
  return 0.0f;  // the lines meet
}

float DistancePointPlane(const float P[3], const float A[3], const float B[3], const float C[3]) {
  const WideVec n = Cross(Diff(A, B), Diff(C, B));
  const double len = std::sqrt(Norm2(n));
  if (len > kEps5f) return DistanceResult(std::fabs(Dot(n, Diff(P, B))) / len);
  return DistanceResult(std::sqrt(Norm2(Diff(P, B))));  // collinear: distance to B
}

double NearestOnSegmentToLine(const float A[3], const float B[3], const float P[3], const float Q[3],
                              float X[3], double& t) {
  const WideVec d = Diff(B, A), e = Diff(Q, P);
  const WideVec n = Cross(d, e);
  const double nn = Norm2(n), ee = Norm2(e), dd = Norm2(d);
  const WideVec pa = Diff(P, A);
  float nearest[3];
  double tt, dist;

  if (nn >= 1e-9) {
    // Where AB crosses the plane through PQ that holds the common perpendicular.
    const WideVec en = Cross(e, n);
    tt = Dot(en, pa) / Dot(en, d);
    if (!(tt >= 0.0) || tt > 1.0) {  // NaN only from overflowing input: take A
      const float* end = tt > 1.0 ? B : A;
      tt = tt > 1.0 ? 1.0 : 0.0;
      Store3(end, nearest);
      dist = DistanceFromLine(Diff(end, P), e, ee);
    } else {
      StoreAlong(A, tt, d, nearest);
      dist = std::fabs(Dot(n, pa)) / std::sqrt(nn);
    }
  } else if (ee >= 1e-9) {
    // Parallel to a proper line: every point is as near as any other; take the middle.
    tt = dd >= 1e-9 ? 0.5 : 0.0;
    StoreAlong(A, tt, d, nearest);
    dist = DistanceFromLine(Diff(A, P), e, ee);
  } else {
    // PQ degenerates to a point: the clamped foot of P on AB.
    tt = dd >= 1e-9 ? Dot(pa, d) / dd : 0.0;
    if (!(tt >= 0.0)) tt = 0.0;
    if (tt > 1.0) tt = 1.0;
    StoreAlong(A, tt, d, nearest);
    dist = std::sqrt(Norm2(Diff(nearest, P)));
  }

  if (!Finite3(nearest)) {  // overflowing input: A, with no distance
    Store3(A, X);
    t = 0.0;
    return 0.0;
  }
  Store3(nearest, X);
  t = tt;
  return FiniteOrZero(dist);
}

double DistancePointSegment(const float A[3], const float B[3], const float P[3], double& t) {
  const WideVec d = Diff(B, A), pa = Diff(P, A);
  const double dd = Norm2(d);
  if (dd < 1e-9) {
    t = 0.0;
    return FiniteOrZero(std::sqrt(Norm2(pa)));
  }
  const double tt = Dot(pa, d) / dd;
  t = tt;
  if (!(tt >= 0.0)) {  // before A (or NaN from overflowing input)
    t = 0.0;
    return FiniteOrZero(std::sqrt(Norm2(pa)));
  }
  if (tt > 1.0) {
    t = 1.0;
    return FiniteOrZero(std::sqrt(Norm2(Diff(P, B))));
  }
  return FiniteOrZero(SqrtClamped(Norm2(pa) - tt * tt * dd));
}

float DistancePointLine(const float P[3], const float A[3], const float B[3]) {
  const WideVec a = Widen(A), b = Widen(B), p = Widen(P);
  const WideVec u{b.x - a.x, b.y - a.y, b.z - a.z}, w{p.x - a.x, p.y - a.y, p.z - a.z};
  double d2 = Norm2(w);
  const double uu = Norm2(u);
  if (uu > kEps5f) {
    const double uw = Dot(u, w);
    d2 -= uw * uw / uu;
  }
  return DistanceResult(SqrtClamped(d2));
}

float DistancePointPoint(const float A[3], const float B[3]) {
  const float d[3] = {B[0] - A[0], B[1] - A[1], B[2] - A[2]};
  return VectorLength(d);
}

void ShortenLongDirection(float v[3]) {
  constexpr int kLargestExponent = 30;
  const float largest = std::max({std::fabs(v[0]), std::fabs(v[1]), std::fabs(v[2])});
  if (!(largest >= std::ldexp(1.0f, kLargestExponent)) || std::isinf(largest)) return;
  int exponent = 0;
  std::frexp(largest, &exponent);  // largest = m * 2^exponent, 0.5 <= m < 1
  for (int i = 0; i < 3; ++i) v[i] = std::ldexp(v[i], kLargestExponent - exponent);
}

float VectorLength(const float v[3]) {
  const float squares = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
  if (!std::isinf(squares)) return std::sqrt(squares);
  const WideVec w = Widen(v);
  return static_cast<float>(std::sqrt(Norm2(w)));
}
