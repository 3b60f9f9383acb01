// Hulls on a page for the net and cut tests, and the 480-point sphere.
#pragma once
#include <cmath>
#include <numbers>

#include "../celltestsupport.h"
#include "../hulltestsupport.h"

// 480 points spread over the sphere of radius 10 about `centre` (a
// Fibonacci lattice): a hull of 956 faces.
inline Points FibonacciSphere(double cx = 0, double cy = 0) {
  Points p;
  const double golden = std::numbers::pi * (3 - std::sqrt(5.0));
  for (int i = 0; i < 480; ++i) {
    const double y = 1 - 2 * (i + 0.5) / 480, r = std::sqrt(1 - y * y);
    p.insert(p.end(), {cx + 10 * r * std::cos(golden * i), cy + 10 * y, 10 * r * std::sin(golden * i)});
  }
  return p;
}

class HullPageTest : public CellTest {
 protected:
  // The hull of the points, entered under the next id.
  CGPolyhedron* AddHull(const Points& p) {
    auto* hull = new CGPolyhedron;
    EXPECT_TRUE(BuildConvexHull(p.data(), Count(p), *hull));
    return Enter(hull);
  }
};
