// Intersections of lines with lines, planes and spheres.
#include <cmath>

#include "math/geometry.h"
#include "math/widevector.h"

using namespace kvmath;

bool IntersectLineLine(const float A[3], const float B[3], const float C[3], const float D[3],
                       float X[3], float& t, float& s) {
  const WideVec d1 = Diff(B, A), d2 = Diff(D, C), w = Diff(C, A);
  const WideVec n = Cross(d1, d2);
  // Coplanarity on the unnormalised mixed product, so the tolerance grows with
  // the lengths of the two directions.  Written negated so that a NaN product
  // (overflowing input) is rejected too.
  if (!(std::fabs(Dot(w, n)) <= 2.0)) return false;
  if (Norm2(n) < 1e-9) return false;  // parallel

  // Solve w x d2 = t n on the dominant component of n.
  const double nx2 = n.x * n.x, ny2 = n.y * n.y, nz2 = n.z * n.z;
  double tt;
  if (nz2 > nx2 && nz2 > ny2)
    tt = (w.x * d2.y - w.y * d2.x) / n.z;
  else if (ny2 > nx2)
    tt = (w.z * d2.x - w.x * d2.z) / n.y;
  else
    tt = (w.y * d2.z - w.z * d2.y) / n.x;

  float P[3];
  StoreAlong(A, tt, d1, P);
  const float tf = static_cast<float>(tt);
  if (!Finite3(P) || !std::isfinite(tf)) return false;
  const double d2k[3] = {d2.x, d2.y, d2.z};
  const float Ck[3] = {C[0], C[1], C[2]};  // read before X is written: X may alias C
  Store3(P, X);
  t = tf;

  for (int k = 0; k < 3; ++k) {
    if (std::fabs(d2k[k]) > 1e-4) {
      const float sf = static_cast<float>(static_cast<double>(P[k] - Ck[k]) / d2k[k]);
      if (!std::isfinite(sf)) return false;
      s = sf;
      return true;
    }
  }
  return false;  // CD too short to measure s on; X and t stay written
}

bool CommonPerpendicular(const float A[3], const float B[3], const float C[3], const float D[3],
                         float F[3]) {
  const WideVec d1 = Diff(B, A), d2 = Diff(D, C);
  const WideVec m = Cross(d2, Cross(d1, d2));  // normal of the plane through CD holding the perpendicular
  const double den = Dot(m, d1);
  if (!(std::fabs(den) >= 1e-5)) return false;  // parallel lines
  const double tt = Dot(m, Diff(C, A)) / den;
  float P[3];
  StoreAlong(A, tt, d1, P);
  if (!Finite3(P)) return false;
  Store3(P, F);
  return true;
}

bool IntersectLineFace(const float A[3], const float B[3], const float P0[3], const float P1[3],
                       const float P2[3], float X[3], float& t) {
  const WideVec n = Cross(Diff(P0, P1), Diff(P2, P1));
  const WideVec d = Diff(B, A);
  const double den = Dot(n, d);
  if (!(std::fabs(den) >= 1e-5)) return false;  // parallel to the plane
  const double tt = Dot(n, Diff(P1, A)) / den;
  float P[3];
  StoreAlong(A, tt, d, P);
  const float tf = static_cast<float>(tt);
  if (!Finite3(P) || !std::isfinite(tf)) return false;
  Store3(P, X);
  t = tf;
  return true;
}

bool IntersectLineSphere(const float A[3], const float B[3], const float C[3], int selector,
                         float X[3], float& t, double radius) {
  const WideVec d = Diff(B, A);
  const double dd = Norm2(d);
  // Without a direction there is no line: the roots below would divide by zero.
  if (!(dd >= kEps5f)) return false;

  const double t0 = Dot(Diff(C, A), d) / dd;
  float F[3];
  StoreAlong(A, t0, d, F);
  const float t0f = static_cast<float>(t0);
  if (!Finite3(F) || !std::isfinite(t0f)) return false;
  t = t0f;
  const float dist = std::sqrt(static_cast<float>(Norm2(Diff(C, F))));

  if (std::fabs(radius - dist) < 1e-5) {  // tangent
    Store3(F, X);
    return true;
  }
  // Missing the sphere by up to 1e-3 still counts as touching, so a point
  // dragged onto a tangent line does not flicker between defined and not.
  if (!(dist - radius <= kEps3f)) return false;

  const double h2 = radius * radius - static_cast<double>(dist) * dist;
  const double h = SqrtClamped(h2);
  double k = h / std::sqrt(dd);
  if (selector == 0) k = -k;
  float P[3];
  StoreAlong(F, k, d, P);
  const float tf = static_cast<float>(t0 + k);
  if (!Finite3(P) || !std::isfinite(tf)) return false;
  Store3(P, X);
  t = tf;
  return true;
}
