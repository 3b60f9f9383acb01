#include "cells/dynamic/buttons/animationwalks.h"

#include "cells/primitives/cgverfreeinface.h"

namespace {
constexpr float kPlaneReach = 3;

void StepWithin(float& coordinate, float delta) {
  const float moved = coordinate + delta;
  if (moved >= -kPlaneReach && moved <= kPlaneReach) coordinate = moved;
}
}  // namespace

void WalkInPlane(CGVerFreeInPlane& point, int direction, float speed) {
  switch (direction) {
    case 0:
      StepWithin(point.WeightA, -speed);
      break;
    case 1:
      StepWithin(point.WeightB, -speed);
      break;
    case 2:
      StepWithin(point.WeightB, speed);
      break;
    default:
      StepWithin(point.WeightA, speed);
      break;
  }
}

bool WalkInFace(CGVerFreeInFace& point, int corners, int direction, float speed, int& previous) {
  int i = point.Corner;
  if (i < 1 || i > corners - 2) return false;
  // a and b weigh the triangle's outer corners i and i + 1; corner 0 has
  // the rest.
  float a = point.WeightK;
  float b = 1 - a - point.Weight0;
  switch (direction) {
    case 0:
      a -= speed;
      if (a >= 0) break;
      if (i >= corners - 2) {  // the face's edge: reflected
        a = -a;
        if (a + b > 1) b -= speed;
      } else {  // into the next fan triangle
        if (b - a > 1) b -= speed;
        const float crossed = -a;
        a = b;
        b = crossed;
        ++i;
      }
      break;
    case 1:
      b -= speed;
      if (b >= 0) break;
      if (i > 1) {  // into the previous fan triangle
        if (a - b > 1) a -= speed;
        const float crossed = -b;
        b = a;
        a = crossed;
        --i;
      } else {
        b = -b;
        if (a + b > 1) a -= speed;
      }
      break;
    case 2:
      b += speed;
      if (a + b > 1) {  // it would leave across the outer edge
        b -= speed;
        previous = 1;
      }
      break;
    default:
      a += speed;
      if (a + b > 1) {
        a -= speed;
        previous = 0;
      }
      break;
  }
  point.Corner = i;
  point.WeightK = a;
  point.Weight0 = 1 - a - b;
  return true;
}
