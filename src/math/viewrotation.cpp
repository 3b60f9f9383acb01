#include "math/viewrotation.h"

#include <algorithm>
#include <cmath>

#include "math/mathglobals.h"
#include "math/quaternion.h"

void RotateViewX(double degrees) { QuatMultiply(ViewQuaternion, QuatRotationX(degrees), ViewQuaternion); }
void RotateViewY(double degrees) { QuatMultiply(ViewQuaternion, QuatRotationY(degrees), ViewQuaternion); }
void RotateViewZ(double degrees) { QuatMultiply(ViewQuaternion, QuatRotationZ(degrees), ViewQuaternion); }

void SetViewRotation(double a, double b) {
  QuatMultiply(QuatRotationX(a), QuatRotationZ(b), ViewQuaternion);
}

namespace {

// A client pixel on the unit sphere over the view (x right, y up, z towards
// the eye); points outside the inscribed disc go to its rim.  Single precision.
void OntoSphere(int px, int py, float p[3]) {
  float x = static_cast<float>(px) * g_fTrackballScaleX - 1.0f;
  float y = 1.0f - static_cast<float>(py) * g_fTrackballScaleY;
  const float r2 = x * x + y * y;
  float z = 0.0f;
  if (r2 <= 1.0f) {
    z = std::sqrt(1.0f - x * x - y * y);
  } else {
    const float len = std::sqrt(r2);
    x /= len;
    y /= len;
  }
  p[0] = x;
  p[1] = y;
  p[2] = z;
}

}  // namespace

void TrackballRotate(int x, int y) {
  float p[3], c[3];
  OntoSphere(g_nTrackballLastX, g_nTrackballLastY, p);
  OntoSphere(x, y, c);
  const float cosine = std::clamp(p[0] * c[0] + p[1] * c[1] + p[2] * c[2], -1.0f, 1.0f);
  const float angle = std::acos(cosine);
  const float axis[3] = {p[1] * c[2] - p[2] * c[1], p[2] * c[0] - p[0] * c[2], p[0] * c[1] - p[1] * c[0]};
  // The scene turns three times as far as the pointer moves over the sphere,
  // so a drag across the view is about a full turn.  A zero axis (no motion)
  // gives the identity.
  Quaternion q;
  QuatFromAxisAngle(q, angle * 3.0, axis[0], axis[1], axis[2]);
  QuatMultiply(q, ViewQuaternion, ViewQuaternion);  // about the eye's axes: left factor
}
