// The view quaternion: its start value, the view commands, the virtual
// trackball, the quaternion arithmetic they share and the matrix the renderer
// builds from it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "math/mathglobals.h"
#include "math/quaternion.h"
#include "math/viewrotation.h"
#include "platform/processstate.h"

namespace KAVREL_FILE_LOCAL {

constexpr Quaternion kStart{0.786566092485493, -0.6035533905932737, -0.07945931129894555,
                            -0.10355339059327374};

void ExpectQuatNear(const Quaternion& got, const Quaternion& want, double tol) {
  EXPECT_NEAR(got.w, want.w, tol);
  EXPECT_NEAR(got.x, want.x, tol);
  EXPECT_NEAR(got.y, want.y, tol);
  EXPECT_NEAR(got.z, want.z, tol);
}

class ViewRotationTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProcessState(); }
};

TEST_F(ViewRotationTest, StartsAtTheDefaultOrientation) {
  ExpectQuatNear(ViewQuaternion, kStart, 1e-15);
  ViewQuaternion = kQuatIdentity;
  SetViewRotation(-75, -15);
  ExpectQuatNear(ViewQuaternion, kStart, 1e-15);
}

TEST_F(ViewRotationTest, ResetRestoresEveryGlobal) {
  RotateViewY(33);
  g_nTrackballLastX = 17;
  g_nTrackballLastY = 23;
  SetTrackballViewSize(101, 51);
  EXPECT_EQ(g_fTrackballScaleX, 1.0f / 50);
  EXPECT_EQ(g_fTrackballScaleY, 1.0f / 25);
  SetTrackballViewSize(1, 0);  // a view of a pixel or less counts as two
  EXPECT_EQ(g_fTrackballScaleX, 2.0f);
  EXPECT_EQ(g_fTrackballScaleY, 2.0f);
  ResetProcessState();
  ExpectQuatNear(ViewQuaternion, kStart, 1e-15);
  EXPECT_EQ(g_nTrackballLastX, 0);
  EXPECT_EQ(g_nTrackballLastY, 0);
  EXPECT_EQ(g_fTrackballScaleX, static_cast<float>(1.0 / 399.5));
  EXPECT_EQ(g_fTrackballScaleY, static_cast<float>(1.0 / 299.5));
}

TEST_F(ViewRotationTest, FullTurnNegatesAndASecondRestores) {
  RotateViewX(360);
  ExpectQuatNear(ViewQuaternion, {-kStart.w, -kStart.x, -kStart.y, -kStart.z}, 1e-15);
  RotateViewX(360);
  ExpectQuatNear(ViewQuaternion, kStart, 1e-15);
}

// The view commands turn about the model's axes: the new factor goes on the right.
TEST_F(ViewRotationTest, ViewCommandsMultiplyOnTheRight) {
  struct Case {
    void (*rotate)(double);
    Quaternion (*elementary)(double);
  } cases[] = {{RotateViewX, QuatRotationX}, {RotateViewY, QuatRotationY}, {RotateViewZ, QuatRotationZ}};
  for (const auto& c : cases) {
    ResetProcessState();
    c.rotate(40);
    Quaternion want;
    QuatMultiply(kStart, c.elementary(40), want);
    ExpectQuatNear(ViewQuaternion, want, 1e-15);
  }
}

TEST(QuaternionTest, HamiltonProduct) {
  const Quaternion i{0, 1, 0, 0}, j{0, 0, 1, 0}, k{0, 0, 0, 1};
  struct Case { Quaternion p, q, want; } cases[] = {
      {i, j, k}, {j, i, {0, 0, 0, -1}}, {j, k, i}, {k, i, j}, {i, i, {-1, 0, 0, 0}},
      {{1, 2, 3, 4}, {0.5, -1, 0.25, 2}, {0.5 + 2 - 0.75 - 8, -1 + 1 + 6 - 1, 0.25 - 4 + 1.5 - 4, 2 + 0.5 + 3 + 2}},
  };
  for (const auto& c : cases) {
    Quaternion out;
    QuatMultiply(c.p, c.q, out);
    // The last case has w = -6.25: the clamp brings it back to -1.
    ExpectQuatNear(out, {std::max(-1.0, std::min(1.0, c.want.w)), c.want.x, c.want.y, c.want.z}, 1e-15);
  }
}

// Only w is clamped; the vector part of a drifted quaternion is left alone.
TEST(QuaternionTest, ProductClampsOnlyW) {
  Quaternion out;
  QuatMultiply({1.5, 0.5, 0, 0}, kQuatIdentity, out);
  EXPECT_EQ(out, (Quaternion{1.0, 0.5, 0, 0}));
  Quaternion q{0.6, 0.8, 0.1, 0.0};  // longer than 1
  QuatMultiply(q, kQuatIdentity, q);
  EXPECT_EQ(q, (Quaternion{0.6, 0.8, 0.1, 0.0}));
}

TEST(QuaternionTest, FromAxisAngle) {
  Quaternion q{9, 9, 9, 9};
  for (double angle : {0.0, 1.0, 3.5, -20.0}) EXPECT_EQ(QuatFromAxisAngle(q, angle, 0, 0, 0), kQuatIdentity);
  // The axis is normalised.
  ExpectQuatNear(QuatFromAxisAngle(q, std::numbers::pi, 0, 0, 2), {std::cos(std::numbers::pi / 2), 0, 0, 1},
                 1e-16);
  const double s = std::sin(0.3) / std::sqrt(3.0);
  ExpectQuatNear(QuatFromAxisAngle(q, 0.6, -5, -5, -5), {std::cos(0.3), -s, -s, -s}, 1e-15);
}

TEST(QuaternionTest, FromAnglesAppliesXThenYThenZ) {
  Quaternion q;
  QuatFromAngles(q, -75, 0, -15);
  ExpectQuatNear(q, kStart, 1e-15);
  QuatFromAngles(q, 30, 40, 50);
  Quaternion xy, want;
  QuatMultiply(QuatRotationX(30), QuatRotationY(40), xy);
  QuatMultiply(xy, QuatRotationZ(50), want);
  EXPECT_EQ(q, want);
}

class TrackballTest : public ViewRotationTest {
 protected:
  // Where the trackball puts a pixel of the 800 x 600 start view.
  static void Sphere(int x, int y, double p[3]) {
    p[0] = x / 399.5 - 1;
    p[1] = 1 - y / 299.5;
    const double r2 = p[0] * p[0] + p[1] * p[1];
    if (r2 <= 1) {
      p[2] = std::sqrt(1 - r2);
    } else {
      p[0] /= std::sqrt(r2);
      p[1] /= std::sqrt(r2);
      p[2] = 0;
    }
  }
  static void Drag(int fromX, int fromY, int toX, int toY) {
    g_nTrackballLastX = fromX;
    g_nTrackballLastY = fromY;
    TrackballRotate(toX, toY);
  }
};

TEST_F(TrackballTest, NoMotionChangesNothing) {
  for (const auto& [x, y] : {std::pair{400, 300}, {0, 0}, {799, 599}, {-50, 1000}, {123, 45}}) {
    ResetProcessState();
    Drag(x, y, x, y);
    EXPECT_EQ(ViewQuaternion, kStart) << x << "," << y;
  }
}

TEST_F(TrackballTest, TurnsThreeTimesTheAngleOnTheSphere) {
  struct Case { int x0, y0, x1, y1; } cases[] = {{400, 300, 480, 260}, {100, 500, 300, 200}, {450, 350, 455, 352}};
  for (const auto& c : cases) {
    ViewQuaternion = kQuatIdentity;
    Drag(c.x0, c.y0, c.x1, c.y1);
    double p[3], q[3];
    Sphere(c.x0, c.y0, p);
    Sphere(c.x1, c.y1, q);
    const double sphereAngle = std::acos(p[0] * q[0] + p[1] * q[1] + p[2] * q[2]);
    const double turned = 2 * std::acos(ViewQuaternion.w);
    EXPECT_NEAR(turned, 3 * sphereAngle, 1e-4);  // the drag runs in float
    // About p x q: the scene follows the pointer.
    const double axis[3] = {p[1] * q[2] - p[2] * q[1], p[2] * q[0] - p[0] * q[2], p[0] * q[1] - p[1] * q[0]};
    const double len = std::sqrt(axis[0] * axis[0] + axis[1] * axis[1] + axis[2] * axis[2]);
    const double s = std::sin(turned / 2);
    EXPECT_NEAR(ViewQuaternion.x, axis[0] / len * s, 1e-4);
    EXPECT_NEAR(ViewQuaternion.y, axis[1] / len * s, 1e-4);
    EXPECT_NEAR(ViewQuaternion.z, axis[2] / len * s, 1e-4);
  }
}

TEST_F(TrackballTest, OutsideTheDiscTurnsAboutTheViewAxisOnly) {
  ViewQuaternion = kQuatIdentity;
  Drag(-100, 300, 900, 10);  // both far outside the inscribed ellipse
  EXPECT_EQ(ViewQuaternion.x, 0.0);
  EXPECT_EQ(ViewQuaternion.y, 0.0);
  EXPECT_NE(ViewQuaternion.z, 0.0);
  EXPECT_LT(ViewQuaternion.w, 1.0);
}

// The drag turns about the eye's axes: its rotation is applied on the left.
TEST_F(TrackballTest, AppliesOnTheLeft) {
  ViewQuaternion = kQuatIdentity;
  Drag(300, 200, 420, 330);
  const Quaternion q = ViewQuaternion;
  ResetProcessState();
  Drag(300, 200, 420, 330);
  Quaternion want;
  QuatMultiply(q, kStart, want);
  EXPECT_EQ(ViewQuaternion, want);
  EXPECT_EQ(g_nTrackballLastX, 300);  // the caller moves the previous position on
}

// R e0 is column 0 of the column-major matrix.
TEST(QuatToRotationMatrixTest, RotatesVectorsByTheQuaternion) {
  double m[16];
  QuatToRotationMatrix(QuatRotationZ(90), m);  // x -> y, y -> -x
  const double want[16] = {0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(m[i], want[i], 1e-15) << i;
  QuatToRotationMatrix(QuatRotationX(90), m);  // y -> z
  EXPECT_NEAR(m[4 + 2], 1.0, 1e-15);
}

// A drifted view quaternion still gives a pure rotation.
TEST(QuatToRotationMatrixTest, NormalisesFirst) {
  double unit[16], drifted[16], zero[16];
  QuatToRotationMatrix(kStart, unit);
  QuatToRotationMatrix({kStart.w * 1.3, kStart.x * 1.3, kStart.y * 1.3, kStart.z * 1.3}, drifted);
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(drifted[i], unit[i], 1e-15) << i;
  for (int a = 0; a < 3; ++a)
    for (int b = 0; b < 3; ++b) {
      double dot = 0;
      for (int k = 0; k < 3; ++k) dot += unit[a * 4 + k] * unit[b * 4 + k];
      EXPECT_NEAR(dot, a == b ? 1.0 : 0.0, 1e-15);
    }
  QuatToRotationMatrix({0, 0, 0, 0}, zero);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(zero[i], i % 5 == 0 ? 1.0 : 0.0) << i;
}

}  // namespace
