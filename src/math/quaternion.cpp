#include "math/quaternion.h"

#include <algorithm>
#include <cmath>

namespace {

// Degrees to half angles in radians: pi / 360.
constexpr double kHalfRadiansPerDegree = 0.008726646259971648;

}  // namespace

void QuatMultiply(const Quaternion& p, const Quaternion& q, Quaternion& out) {
  const double w = p.w * q.w - p.x * q.x - p.y * q.y - p.z * q.z;
  const double x = p.w * q.x + p.x * q.w + p.y * q.z - p.z * q.y;
  const double y = p.w * q.y - p.x * q.z + p.y * q.w + p.z * q.x;
  const double z = p.w * q.z + p.x * q.y - p.y * q.x + p.z * q.w;
  out = {std::clamp(w, -1.0, 1.0), x, y, z};
}

Quaternion& QuatFromAxisAngle(Quaternion& out, double angle, double ax, double ay, double az) {
  out = kQuatIdentity;
  const double len2 = ax * ax + ay * ay + az * az;
  if (len2 > 0.0) {
    const double len = std::sqrt(len2);
    const double s = std::sin(angle * 0.5);
    out = {std::cos(angle * 0.5), ax / len * s, ay / len * s, az / len * s};
  }
  return out;
}

Quaternion QuatRotationX(double degrees) {
  const double h = degrees * kHalfRadiansPerDegree;
  return {std::cos(h), std::sin(h), 0.0, 0.0};
}

Quaternion QuatRotationY(double degrees) {
  const double h = degrees * kHalfRadiansPerDegree;
  return {std::cos(h), 0.0, std::sin(h), 0.0};
}

Quaternion QuatRotationZ(double degrees) {
  const double h = degrees * kHalfRadiansPerDegree;
  return {std::cos(h), 0.0, 0.0, std::sin(h)};
}

void QuatFromAngles(Quaternion& out, double a, double b, double c) {
  Quaternion xy;
  QuatMultiply(QuatRotationX(a), QuatRotationY(b), xy);
  QuatMultiply(xy, QuatRotationZ(c), out);
}

void QuatToRotationMatrix(const Quaternion& q, double m[16]) {
  // Scaled by the largest component first, so the squares of a quaternion
  // that has shrunk towards zero do not lose their precision.
  const double big = std::max({std::fabs(q.w), std::fabs(q.x), std::fabs(q.y), std::fabs(q.z)});
  double w = 1.0, x = 0.0, y = 0.0, z = 0.0;
  if (big > 0.0 && std::isfinite(big)) {
    w = q.w / big;
    x = q.x / big;
    y = q.y / big;
    z = q.z / big;
    const double len = std::sqrt(w * w + x * x + y * y + z * z);
    w /= len;
    x /= len;
    y /= len;
    z /= len;
  }
  // R * v rotates v by q; a left factor of a product turns about the eye's
  // axes, a right factor about the model's own.
  const double xx = x * x, yy = y * y, zz = z * z;
  const double xy = x * y, xz = x * z, yz = y * z, wx = w * x, wy = w * y, wz = w * z;
  const double r[16] = {
      1 - 2 * (yy + zz), 2 * (xy + wz),     2 * (xz - wy),     0,  // column 0
      2 * (xy - wz),     1 - 2 * (xx + zz), 2 * (yz + wx),     0,  // column 1
      2 * (xz + wy),     2 * (yz - wx),     1 - 2 * (xx + yy), 0,  // column 2
      0,                 0,                 0,                 1,
  };
  std::copy(r, r + 16, m);
}
