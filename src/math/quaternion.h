// Rotation quaternions of four doubles (w scalar part, then x, y, z).  Every
// product clamps w to [-1, 1] and leaves the vector part alone; nothing
// renormalises, so a quaternion built by many products may drift slightly
// from unit length.  Matrices are built from the normalised quaternion.
#pragma once

struct Quaternion {
  double w, x, y, z;
  friend bool operator==(const Quaternion&, const Quaternion&) = default;
};

inline constexpr Quaternion kQuatIdentity{1.0, 0.0, 0.0, 0.0};

// out = p * q (Hamilton product), w clamped.  out may alias p or q.
void QuatMultiply(const Quaternion& p, const Quaternion& q, Quaternion& out);

// Rotation by angle (radians) about the axis (ax, ay, az), normalised here;
// the identity for a zero axis.  Returns out.
Quaternion& QuatFromAxisAngle(Quaternion& out, double angle, double ax, double ay, double az);

// Elementary rotations about X, Y and Z by degrees.
Quaternion QuatRotationX(double degrees);
Quaternion QuatRotationY(double degrees);
Quaternion QuatRotationZ(double degrees);

// out = (qx(a) * qy(b)) * qz(c), degrees, w clamped after each product: the
// orientation older documents stored as three angles.
void QuatFromAngles(Quaternion& out, double a, double b, double c);

// Column-major 4x4 rotation matrix (as glMultMatrixd takes it) of the
// normalised quaternion, so a drifted view quaternion never scales or shears
// the scene.  A zero quaternion gives the identity.
void QuatToRotationMatrix(const Quaternion& q, double m[16]);
