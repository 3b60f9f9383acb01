// Angles between lines, planes, vectors and three points, in radians.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "math/geometry.h"
#include "math/widevector.h"

using namespace kvmath;

namespace {

constexpr double kPi = std::numbers::pi;

// acos of u.v / (|u| |v|) clamped to [-1, 1]; false for a zero vector or a
// cosine that overflowed.
bool AngleOf(const WideVec& u, const WideVec& v, double& theta) {
  const double lengths2 = Norm2(u) * Norm2(v);
  if (lengths2 == 0.0) return false;
  const double c = Dot(u, v) / std::sqrt(lengths2);
  if (!std::isfinite(c)) return false;
  theta = std::acos(std::clamp(c, -1.0, 1.0));
  return true;
}

}  // namespace

float AngleLineLine(const float A[3], const float B[3], const float C[3], const float D[3]) {
  const WideVec d1 = Diff(B, A), d2 = Diff(D, C);
  const double dd1 = Norm2(d1), dd2 = Norm2(d2);
  if (dd1 < kEps5f || dd2 < kEps5f) return 0.0f;
  double c = std::fabs(Dot(d1, d2)) / std::sqrt(dd1 * dd2);
  if (!std::isfinite(c)) return 0.0f;
  if (c > 1.0) c = 1.0;
  return static_cast<float>(std::acos(c));
}

float AngleLinePlane(const float A[3], const float B[3], const float P0[3], const float P1[3],
                     const float P2[3]) {
  const WideVec d = Diff(B, A);
  const WideVec n = Cross(Diff(P0, P1), Diff(P2, P1));
  const double dd = Norm2(d), nn = Norm2(n);
  if (dd < 1e-10 || nn < 1e-9) return 0.0f;
  const double c = std::fabs(Dot(d, n)) / std::sqrt(dd * nn);
  if (!std::isfinite(c)) return 0.0f;
  return static_cast<float>(std::asin(std::min(c, 1.0)));
}

float AngleFaceFace(const float A[3], const float B[3], const float C[3], const float D[3],
                    const float E[3], const float F[3]) {
  const WideVec N = Cross(Diff(B, A), Diff(C, A));
  const WideVec M = Cross(Diff(E, D), Diff(F, D));
  const double NN = Norm2(N), MM = Norm2(M);
  if (NN < 1e-10 || MM < 1e-9) return 0.0f;
  const double c = Dot(N, M) / std::sqrt(NN * MM);
  if (!std::isfinite(c)) return 0.0f;
  // The dihedral angle is the supplement of the angle between the normals.
  return static_cast<float>(kPi - std::acos(std::clamp(c, -1.0, 1.0)));
}

float AngleBetweenVectors(const float u[3], const float v[3], const float w[3]) {
  // Single precision except the division and the inverse cosine.
  const float uu = u[0] * u[0] + u[1] * u[1] + u[2] * u[2];
  const float vv = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
  const float lengths2 = uu * vv;
  if (lengths2 == 0.0f) return 0.0f;
  const float uv = u[0] * v[0] + u[1] * v[1] + u[2] * v[2];
  const double c = static_cast<double>(uv) / static_cast<double>(std::sqrt(lengths2));
  if (!std::isfinite(c)) return 0.0f;
  const float theta = static_cast<float>(std::acos(std::clamp(c, -1.0, 1.0)));
  const float cx = u[1] * v[2] - u[2] * v[1];
  const float cy = u[2] * v[0] - u[0] * v[2];
  const float cz = u[0] * v[1] - u[1] * v[0];
  const float triple = cx * w[0] + cy * w[1] + cz * w[2];
  return triple < 0.0f ? std::numbers::pi_v<float> * 2.0f - theta : theta;
}

float AngleThreePoints(const float A[3], const float O[3], const float B[3]) {
  double theta;
  return AngleOf(Diff(A, O), Diff(B, O), theta) ? static_cast<float>(theta) : 0.0f;
}

float OrientedAngle(const float A[3], const float O[3], const float B[3]) {
  const WideVec u = Diff(A, O), v = Diff(B, O);
  double theta;
  if (!AngleOf(u, v, theta)) return 0.0f;

  // The sense is read from z, then x, then y of u x v; collinear input counts
  // as turning the negative way.
  const WideVec n = Cross(u, v);
  bool positive = false;
  if (n.z > kEps5f)
    positive = true;
  else if (n.z < -kEps5f)
    positive = false;
  else if (n.x > kEps5f)
    positive = true;
  else if (n.x < -kEps5f)
    positive = false;
  else
    positive = n.y > kEps5f;
  return static_cast<float>(positive ? theta : 2.0 * kPi - theta);
}
