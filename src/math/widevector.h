// Double-precision helpers for the geometry kernel.  Coordinates are stored
// as floats; the kernel forms each coordinate difference in float (as the
// stored positions are floats) and widens it, then does all further
// arithmetic in double.  Results are rounded to float only when stored.
#pragma once
#include <cmath>

namespace kvmath {

struct WideVec {
  double x, y, z;
};

// (b - a) formed per coordinate in single precision, then widened.
inline WideVec Diff(const float b[3], const float a[3]) {
  return {static_cast<double>(b[0] - a[0]), static_cast<double>(b[1] - a[1]),
          static_cast<double>(b[2] - a[2])};
}

inline WideVec Widen(const float a[3]) { return {a[0], a[1], a[2]}; }

inline double Dot(const WideVec& a, const WideVec& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

inline double Norm2(const WideVec& a) { return Dot(a, a); }

inline WideVec Cross(const WideVec& a, const WideVec& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// base + t * dir, rounded to float and stored.
inline void StoreAlong(const float base[3], double t, const WideVec& dir, float out[3]) {
  const float x = static_cast<float>(base[0] + t * dir.x);
  const float y = static_cast<float>(base[1] + t * dir.y);
  const float z = static_cast<float>(base[2] + t * dir.z);
  out[0] = x;
  out[1] = y;
  out[2] = z;
}

inline bool Finite3(float x, float y, float z) {
  return std::isfinite(x) && std::isfinite(y) && std::isfinite(z);
}

inline bool Finite3(const float v[3]) { return Finite3(v[0], v[1], v[2]); }

inline void Store3(const float v[3], float out[3]) {
  const float x = v[0], y = v[1], z = v[2];
  out[0] = x;
  out[1] = y;
  out[2] = z;
}

// Writes v, or the fallback when v overflowed (input so large that its
// differences leave the float range has no answer, and NaN must not spread
// into the construction).
inline void StoreFiniteOr(const float v[3], const float fallback[3], float out[3]) {
  Store3(Finite3(v) ? v : fallback, out);
}

// Rounding can push a squared distance formed as a difference slightly below
// zero; the square root of it must be 0, not NaN.
inline double SqrtClamped(double radicand) { return radicand > 0.0 ? std::sqrt(radicand) : 0.0; }

// Single-precision thresholds widened to double, as the comparisons use them.
inline constexpr double kEps5f = static_cast<double>(1e-5f);
inline constexpr double kEps3f = static_cast<double>(1e-3f);

}  // namespace kvmath
