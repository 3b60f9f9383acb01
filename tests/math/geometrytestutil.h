// Small helpers shared by the geometry kernel tests.
#pragma once
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

namespace geomtest {

using P3 = std::array<float, 3>;

inline constexpr double kPi = std::numbers::pi;

// Sentinel written into outputs that a failing function must leave alone.
inline constexpr float kUntouched = -12345.0f;
inline const P3 kUntouchedPoint{kUntouched, kUntouched, kUntouched};

inline void ExpectNear3(const P3& got, const P3& want, double tol) {
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(got[i], want[i], tol) << "coordinate " << i;
}

// A point output with its parameter: the expected values when the call
// writes them, else the sentinels it found.
inline void ExpectPointAndParameter(bool written, const P3& X, float t, const P3& wantX, float wantT) {
  if (written) {
    ExpectNear3(X, wantX, 1e-6);
    EXPECT_NEAR(t, wantT, 1e-6);
  } else {
    EXPECT_EQ(X, kUntouchedPoint);
    EXPECT_EQ(t, kUntouched);
  }
}

inline bool AllFinite(const P3& p) {
  return std::isfinite(p[0]) && std::isfinite(p[1]) && std::isfinite(p[2]);
}

}  // namespace geomtest
