#include "math/viewturn.h"

#include <algorithm>
#include <cmath>

ViewTurn TurnBetween(const Quaternion& start, const Quaternion& end) {
  const Quaternion conj{start.w, -start.x, -start.y, -start.z};
  Quaternion q{};
  QuatMultiply(end, conj, q);
  const double w = std::clamp(q.w, -1.0, 1.0);
  const double squared = q.x * q.x + q.y * q.y + q.z * q.z;
  if (!(squared > 0) || !std::isfinite(squared)) return {360.0, {0.0, 0.0, 1.0}};
  // Twice the half angle, in degrees.
  double degrees = std::acos(w) * 114.59156;
  if (degrees > 180) degrees -= 360;
  const double length = std::sqrt(squared);
  return {degrees, {q.x / length, q.y / length, q.z / length}};
}
