#include "cells/dynamic/measures/geometricmeasures.h"

#include <cmath>

#include "cells/primitives/cgface.h"
#include "cells/primitives/vecops.h"
#include "math/geometry.h"

IMPLEMENT_SERIAL(CGTmVarDistancePP, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarDistancePL, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarDistancePF, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarDistanceLL, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarAngleLL, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarAngleLF, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarAngleFF, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarAngleP3, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarArea, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarVolume, CGTmVariable)

using kvmath::WideVec;

bool CGTmVarDistancePP::Measure(float& value) const {
  const float *p = PointParent(0), *q = PointParent(1);
  if (!p || !q) return false;
  const float dx = q[0] - p[0], dy = q[1] - p[1], dz = q[2] - p[2];
  value = std::sqrt(dx * dx + dy * dy + dz * dz);
  return true;
}

bool CGTmVarDistancePL::Measure(float& value) const {
  const float *p = PointParent(0), *a, *b;
  if (!p || !LineParent(1, a, b)) return false;
  // Rounding can leave the squared distance of a point on the line a little
  // below zero: that is 0, never the square root of a negative number.
  const WideVec A = kvmath::Widen(a);
  value = static_cast<float>(kvmath::DistanceFromLine(kvmath::Widen(p), A, kvmath::Widen(b) - A));
  return true;
}

bool CGTmVarDistancePF::Measure(float& value) const {
  const float *p = PointParent(0), *v[3];
  if (!p || !FaceParent(1, v)) return false;
  value = DistancePointPlane(p, v[0], v[1], v[2]);
  return true;
}

bool CGTmVarDistanceLL::Measure(float& value) const {
  const float *a1, *b1, *a2, *b2;
  if (!LineParent(0, a1, b1) || !LineParent(1, a2, b2)) return false;
  value = DistanceLineLine(a1, b1, a2, b2);
  return true;
}

bool CGTmVarAngleLL::Measure(float& value) const {
  const float *a1, *b1, *a2, *b2;
  if (!LineParent(0, a1, b1) || !LineParent(1, a2, b2)) return false;
  value = AngleLineLine(a1, b1, a2, b2);
  return true;
}

bool CGTmVarAngleLF::Measure(float& value) const {
  const float *a, *b, *v[3];
  if (!LineParent(0, a, b) || !FaceParent(1, v)) return false;
  value = AngleLinePlane(a, b, v[0], v[1], v[2]);
  return true;
}

bool CGTmVarAngleFF::Measure(float& value) const {
  const float *v[3], *w[3];
  if (!FaceParent(0, v) || !FaceParent(1, w)) return false;
  value = AngleFaceFace(v[0], v[1], v[2], w[0], w[1], w[2]);
  return true;
}

bool CGTmVarAngleP3::Measure(float& value) const {
  const float *p1 = PointParent(0), *o = PointParent(1), *p2 = PointParent(2);
  if (!p1 || !o || !p2) return false;
  value = AngleThreePoints(p1, o, p2);
  return true;
}

bool CGTmVarArea::Measure(float& value) const {
  const CGFace* face = DefinedParentAs<CGFace>(0);
  if (!face) return false;
  // Each fan triangle in double, summed in the float value.
  value = 0;
  const float* v0 = face->CornerPos(0);
  for (int i = 2; i < face->CornerCount; ++i) {
    const float *prev = face->CornerPos(i - 1), *next = face->CornerPos(i);
    if (!v0 || !prev || !next) return false;
    value += kvmath::Length(kvmath::Cross(kvmath::Diff(prev, v0), kvmath::Diff(next, v0))) / 2;
  }
  return true;
}

bool CGTmVarVolume::Measure(float& value) const {
  const float *p1 = PointParent(0), *p2 = PointParent(1), *p3 = PointParent(2), *p4 = PointParent(3);
  if (!p1 || !p2 || !p3 || !p4) return false;
  const WideVec a = kvmath::Diff(p2, p1), b = kvmath::Diff(p3, p1), c = kvmath::Diff(p4, p1);
  value = static_cast<float>(std::fabs(kvmath::Dot(a, kvmath::Cross(b, c)))) / 6;
  return true;
}
