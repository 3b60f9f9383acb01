// Arithmetic on the kernel's double-precision vectors, for the line and
// face geometry that works on whole vectors rather than coordinates.
#pragma once
#include <cmath>

#include "math/widevector.h"

namespace kvmath {

inline WideVec operator+(const WideVec& a, const WideVec& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline WideVec operator-(const WideVec& a, const WideVec& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline WideVec operator*(double s, const WideVec& a) { return {s * a.x, s * a.y, s * a.z}; }
inline double Length(const WideVec& a) { return std::sqrt(Norm2(a)); }

// Component i (0 x, 1 y, 2 z).
inline double At(const WideVec& a, int i) { return i == 0 ? a.x : i == 1 ? a.y : a.z; }

inline WideVec WideDouble(const double a[3]) { return {a[0], a[1], a[2]}; }

inline void StoreFloat(const WideVec& v, float out[3]) {
  out[0] = static_cast<float>(v.x);
  out[1] = static_cast<float>(v.y);
  out[2] = static_cast<float>(v.z);
}

// The distance of point p from the line N + s r, as the nearest-to-ray
// queries report it: the distance from N when r is (almost) no direction.
inline double DistanceFromLine(const WideVec& p, const WideVec& N, const WideVec& r) {
  const WideVec q = p - N;
  const double r2 = Norm2(r);
  if (r2 <= 1e-5) return std::sqrt(Norm2(q));
  const double along = Dot(q, r);
  return SqrtClamped(Norm2(q) - along * along / r2);
}

}  // namespace kvmath
