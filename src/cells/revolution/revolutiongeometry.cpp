#include "cells/revolution/revolutiongeometry.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kDegreesPerRadian = 180.0f / 3.1415927f;

SolidTurn Turn(float angle, float x, float y, float z) {
  SolidTurn turn;
  turn.angle = angle;
  turn.axis[0] = x;
  turn.axis[1] = y;
  turn.axis[2] = z;
  return turn;
}

// The generators where the viewer looks straight across the side.
Silhouette AcrossTheAxis(const float v[3]) {
  Silhouette s;
  const float n = std::sqrt(v[0] * v[0] + v[1] * v[1]);
  const float x = n > 0 ? v[1] / n : 0;
  const float y = n > 0 ? -v[0] / n : 0;
  s.count = 2;
  s.t[0][0] = x;
  s.t[0][1] = y;
  s.t[1][0] = -x;
  s.t[1][1] = -y;
  return s;
}

}  // namespace

SolidTurn TurnOntoAxis(const float d[3], float c) {
  float angle = std::acos(c) * kDegreesPerRadian;
  if (!std::isfinite(angle)) angle = 0;
  if (d[0] == 0 && d[1] == 0) return d[2] >= 0 ? SolidTurn{} : Turn(180, 1, 0, 0);
  return Turn(angle, -d[1], d[0], 0);
}

float SphereAxisCosine(const float pole[3], float radius) {
  return std::clamp(pole[2] / radius, -1.0f, 1.0f);
}

float AxisCosine(const float d[3]) {
  return std::clamp(d[2] / std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]), -1.0f, 1.0f);
}

SolidTurn FacingTurn(const float v[3]) {
  if (v[0] == 0 && v[1] == 0) return {};
  const float length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
  const float angle = std::acos(v[2] / length) * kDegreesPerRadian;
  return std::isfinite(angle) ? Turn(angle, -v[1], v[0], 0) : SolidTurn{};
}

Silhouette CylinderSilhouette(const float v[3]) { return AcrossTheAxis(v); }

Silhouette TaperedSilhouette(const float v[3], float k) {
  const float across = (1 - k) * v[2];
  const float px = -v[0] / across, py = -v[1] / across;
  const float d = px * px + py * py;
  if (!std::isfinite(d)) return AcrossTheAxis(v);
  Silhouette s;
  if (!(d > 1)) return s;
  const float root = std::sqrt(d - 1);
  s.count = 2;
  s.t[0][0] = (px + root * py) / d;
  s.t[0][1] = (py - root * px) / d;
  s.t[1][0] = (px - root * py) / d;
  s.t[1][1] = (py + root * px) / d;
  return s;
}

float DrawnTopRatio(float k) {
  if (k == 1) return 0.999f;
  if (k == 0) return 0.0001f;
  return k;
}
