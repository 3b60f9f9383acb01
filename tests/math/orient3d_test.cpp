// The exact side of a point: cases the floating determinant gets wrong or
// cannot tell, and the agreement of every order of the four points.
#include <gtest/gtest.h>

#include <cmath>

#include "math/orient3d.h"

namespace KAVREL_FILE_LOCAL {

using kvmath::Orient3dSign;

TEST(Orient3d, ExactSignsWhereTheFloatingDeterminantFails) {
  const double tiny = std::ldexp(1.0, -50);
  const struct { const char* row; double a[3], b[3], c[3], d[3]; int sign; } cases[] = {
      {"above the unit triangle", {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0.2, 0.2, 1}, 1},
      {"below it", {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0.2, 0.2, -1}, -1},
      {"in its plane", {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {7, -3, 0}, 0},
      // Far from the origin the differences round; the true offset is 2^-50.
      {"a hair above, far out", {1e6, 1e6, 1e6}, {1e6 + 1, 1e6, 1e6}, {1e6, 1e6 + 1, 1e6}, {1e6 + 0.5, 1e6 + 0.5, 1e6 + tiny * 1e6}, 1},
      {"a hair below, far out", {1e6, 1e6, 1e6}, {1e6 + 1, 1e6, 1e6}, {1e6, 1e6 + 1, 1e6}, {1e6 + 0.5, 1e6 + 0.5, 1e6 - tiny * 1e6}, -1},
      // In the plane z = x + 2y, far out along x.
      {"coplanar, tilted", {0.5 + 0x1p40, 0.25, 1.0 + 0x1p40}, {3.75 + 0x1p40, 1.5, 6.75 + 0x1p40},
       {1.125 + 0x1p40, 2.5, 6.125 + 0x1p40}, {2.0 + 0x1p40, 2.0, 6.0 + 0x1p40}, 0},
      // The decimal steps are not exact in binary: off the plane by a hair.
      {"decimal steps", {0.1, 0.2, 0.3}, {0.4, 0.5, 0.6}, {0.7, 0.8, 1.0}, {1.0, 1.1, 1.2}, -1},
      {"on a line with a", {0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {3, 5, 7}, 0},
      {"coincident", {1, 2, 3}, {1, 2, 3}, {4, 5, 6}, {7, 8, 9}, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(Orient3dSign(c.a, c.b, c.c, c.d), c.sign) << c.row;
}

TEST(Orient3d, EveryOrderOfFourPointsAgrees) {
  // Nearly coplanar points: swapping two of them flips the sign, a cyclic
  // turn of the first three keeps it.
  const double p[4][3] = {{0.1, 0.7, 1e-17}, {3.3, 0.2, 1.1e-16}, {1.7, 2.9, -2e-17}, {1.1, 1.2, 3e-17}};
  const int base = Orient3dSign(p[0], p[1], p[2], p[3]);
  EXPECT_NE(base, 0);
  EXPECT_EQ(Orient3dSign(p[1], p[2], p[0], p[3]), base);
  EXPECT_EQ(Orient3dSign(p[1], p[0], p[2], p[3]), -base);
  EXPECT_EQ(Orient3dSign(p[0], p[1], p[3], p[2]), -base);
  EXPECT_EQ(Orient3dSign(p[3], p[1], p[2], p[0]), -base);
}

}  // namespace
