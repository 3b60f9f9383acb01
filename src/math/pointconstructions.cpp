// Points constructed from others: feet of perpendiculars, rotation about an
// axis, coordinates in a plane and the circumcentre.
#include <cmath>

#include "math/geometry.h"
#include "math/widevector.h"

using namespace kvmath;

void Midpoint(const float A[3], const float B[3], float M[3]) {
  float m[3];
  for (int i = 0; i < 3; ++i) {
    m[i] = (A[i] + B[i]) * 0.5f;
    if (std::isinf(m[i]) && std::isfinite(A[i]) && std::isfinite(B[i])) m[i] = A[i] * 0.5f + B[i] * 0.5f;
  }
  Store3(m, M);
}

void FootOnLine(const float P[3], const float A[3], const float B[3], float F[3]) {
  const WideVec d = Diff(B, A);
  const double dd = Norm2(d);
  const double t = dd < kEps5f ? 0.0 : Dot(Diff(P, A), d) / dd;
  float foot[3];
  StoreAlong(A, t, d, foot);
  StoreFiniteOr(foot, A, F);
}

bool FootOnPlane(const float P[3], const float A[3], const float B[3], const float C[3], float F[3]) {
  const WideVec n = Cross(Diff(A, B), Diff(C, B));
  const double nn = Norm2(n);
  float foot[3];
  if (nn >= kEps5f) {
    StoreAlong(P, Dot(Diff(B, P), n) / nn, n, foot);
  } else if (Norm2(Diff(A, B)) < kEps5f) {
    FootOnLine(P, B, C, foot);  // A and B coincide
  } else {
    FootOnLine(P, A, B, foot);  // the three points are collinear
  }
  if (!Finite3(foot)) return false;
  Store3(foot, F);
  return true;
}

void RotateAboutAxis(const float u[3], const float O[3], const float P[3], float R[3], float angle) {
  // Rodrigues: R = c I + s [u]x + (1 - c) u u^T, sine and cosine in float.
  const double c = std::cos(angle), s = std::sin(angle);
  const double C = 1.0 - c;
  const double x = u[0], y = u[1], z = u[2];
  const WideVec p = Diff(P, O);
  const double rx = (c + C * x * x) * p.x + (C * x * y - s * z) * p.y + (C * x * z + s * y) * p.z;
  const double ry = (C * y * x + s * z) * p.x + (c + C * y * y) * p.y + (C * y * z - s * x) * p.z;
  const double rz = (C * z * x - s * y) * p.x + (C * z * y + s * x) * p.y + (c + C * z * z) * p.z;
  float turned[3];
  StoreAlong(O, 1.0, WideVec{rx, ry, rz}, turned);
  StoreFiniteOr(turned, P, R);
}

bool PlaneCoordinates(const float U[3], const float V[3], const float O[3], const float P[3],
                      float& s, float& t) {
  const WideVec a = Diff(U, O), b = Diff(V, O), p = Diff(P, O);
  const double ak[3] = {a.x, a.y, a.z}, bk[3] = {b.x, b.y, b.z}, pk[3] = {p.x, p.y, p.z};
  // Solve on the first 2x2 minor, xy then yz then xz, that is well conditioned.
  static constexpr int kMinors[3][2] = {{0, 1}, {1, 2}, {0, 2}};
  for (const auto& m : kMinors) {
    const int i = m[0], j = m[1];
    const double det = ak[i] * bk[j] - ak[j] * bk[i];
    if (std::fabs(det) > kEps3f) {
      const float sf = static_cast<float>((pk[i] * bk[j] - pk[j] * bk[i]) / det);
      const float tf = static_cast<float>((ak[i] * pk[j] - ak[j] * pk[i]) / det);
      if (!std::isfinite(sf) || !std::isfinite(tf)) return false;
      s = sf;
      t = tf;
      return true;
    }
  }
  return false;  // O, U and V are collinear
}

bool Circumcentre(const float A[3], const float B[3], const float C[3], float& x, float& y, float& z) {
  // Single precision throughout.
  const float u[3] = {A[0] - B[0], A[1] - B[1], A[2] - B[2]};
  const float v[3] = {C[0] - B[0], C[1] - B[1], C[2] - B[2]};
  const float cz = u[0] * v[1] - u[1] * v[0];
  const float cy = u[2] * v[0] - u[0] * v[2];
  const float cx = u[1] * v[2] - u[2] * v[1];
  bool found = !(std::fabs(cz) < 0.01f && std::fabs(cy) < 0.01f && std::fabs(cx) < 0.01f);
  float centre[3] = {0.0f, 0.0f, 0.0f};
  if (found) {
    const float a = u[0] * u[0] + u[1] * u[1] + u[2] * u[2];
    const float b = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
    const float k = u[0] * v[0] + u[1] * v[1] + u[2] * v[2];
    const float den = 2.0f * (k * k - a * b);
    const float alpha = (k - a) * b / den;  // weight of A
    const float gamma = (k - b) * a / den;  // weight of C
    const float beta = 1.0f - alpha - gamma;
    for (int i = 0; i < 3; ++i) centre[i] = alpha * A[i] + beta * B[i] + gamma * C[i];
    // Overflowing input counts as collinear rather than leaving NaN behind.
    found = Finite3(centre);
    if (!found) centre[0] = centre[1] = centre[2] = 0.0f;
  }
  x = centre[0];
  y = centre[1];
  z = centre[2];
  return found;
}
