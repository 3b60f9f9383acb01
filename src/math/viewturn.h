// The turn that carries one view orientation into another, as an angle and
// an axis: what a rotation button replays.
#pragma once
#include "math/quaternion.h"

struct ViewTurn {
  double degrees;  // in (-180, 180], or 360 when there is no axis
  double axis[3];  // unit length
};

// q = end * conj(start), w clamped to [-1, 1].  With a vector part of
// positive squared length the angle is 2 acos(w) in degrees, less 360 above
// 180, about the normalised vector part; otherwise (equal or unset
// orientations) a whole turn about z, never NaN.
ViewTurn TurnBetween(const Quaternion& start, const Quaternion& end);
