#include "cells/constructed/rotations.h"

#include <cmath>

#include "cells/constructed/transformtexts.h"
#include "math/geometry.h"
#include "math/widevector.h"

IMPLEMENT_SERIAL(CGVerRotate, CGVertex)
IMPLEMENT_SERIAL(CGVerRotateXA, CGVertex)
IMPLEMENT_SERIAL(CGVerRotateXA2, CGVertex)
IMPLEMENT_SERIAL(CGVerRotateX, CGVertex)
IMPLEMENT_SERIAL(CGVerRotateA, CGVertex)
IMPLEMENT_SERIAL(CGVerRotateA2, CGVertex)

// --- What every rotation does -------------------------------------------------

bool CGRotatedPoint::AngleABC(size_t first, float& angle) const {
  const float *A = PointPos(first), *B = A ? PointPos(first + 1) : nullptr, *C = B ? PointPos(first + 2) : nullptr;
  if (!C) return false;
  angle = OrientedAngle(A, B, C);
  return true;
}

void CGRotatedPoint::TurnP(const float O[3], const float u[3], float angle) {
  const float* P = PointPos(0);
  const bool hasDirection = kvmath::Finite3(u) && (u[0] != 0 || u[1] != 0 || u[2] != 0);
  if (!P || !hasDirection) return Undefine();
  float R[3];
  RotateAboutAxis(u, O, P, R, angle);
  PlaceImage(R);
}

CGFixedAxisRotation::CGFixedAxisRotation(WORD id, int slot, const QString& name, std::initializer_list<WORD> parents,
                                         float dx, float dy, float dz, float ox, float oy, float oz)
    : CGRotatedPoint(id, slot, name, parents), Direction{dx, dy, dz}, AxisPoint{ox, oy, oz} {}

void CGFixedAxisRotation::Serialize(CArchive& ar) {
  SerializeFixed(ar, {&Direction[0], &Direction[1], &Direction[2], &AxisPoint[0], &AxisPoint[1], &AxisPoint[2]});
}

QString CGFixedAxisRotation::DescribeAxis(const char* format, std::initializer_list<QString> names, double more) const {
  return Describe(format, {AxisPoint[0], AxisPoint[1], AxisPoint[2], Direction[0], Direction[1], Direction[2], more},
                  names);
}

CGParentAxisRotation::CGParentAxisRotation(WORD id, int slot, const QString& name, std::initializer_list<WORD> parents,
                                           BYTE mode)
    : CGRotatedPoint(id, slot, name, parents) {
  m_nParamA = mode;
}

bool CGParentAxisRotation::AxisFromX(float O[3], float u[3]) const {
  if (m_nParamA != 0) {
    const float* X = PointPos(1);
    if (!X) return false;
    kvmath::Store3(X, O);
    static const float kUp[3] = {0, 0, 1};
    kvmath::Store3(kUp, u);
    return true;
  }
  LineParent line;
  if (!DefinedLine(1, line)) return false;
  kvmath::Store3(line.a, O);
  // The unit vector to the second point; (0, 0, 0) when the points coincide.
  const kvmath::WideVec d = kvmath::Diff(line.b, line.a);
  const double length = std::sqrt(kvmath::Norm2(d));
  static const float kNone[3] = {0, 0, 0};
  kvmath::StoreAlong(kNone, length > 0 ? 1 / length : 0, d, u);
  return true;
}

// --- A fixed axis and a fixed angle ------------------------------------------------

CGVerRotate::CGVerRotate(WORD id, int slot, const QString& name, WORD p, float dx, float dy, float dz, float ox,
                         float oy, float oz, float angle)
    : CGFixedAxisRotation(id, slot, name, {p}, dx, dy, dz, ox, oy, oz), Angle(angle) {
  Recalculate();
}

void CGVerRotate::Serialize(CArchive& ar) {
  CGFixedAxisRotation::Serialize(ar);
  SerializeFloats(ar, {&Angle});
}

void CGVerRotate::Recalculate() { TurnAboutAxis(Angle); }

QString CGVerRotate::GetDescription() {
  return DescribeAxis(kTextRotate, {ParentName(0)}, Angle * kDescriptionDegreesPerRadian);
}

// --- An axis from X --------------------------------------------------------------

CGVerRotateXA::CGVerRotateXA(WORD id, int slot, const QString& name, WORD p, WORD x, WORD a, WORD b, WORD c, BYTE mode)
    : CGParentAxisRotation(id, slot, name, {p, x, a, b, c}, mode) {
  Recalculate();
}

void CGVerRotateXA::Recalculate() {
  float O[3], u[3], angle;
  if (!AxisFromX(O, u) || !AngleABC(2, angle)) return Undefine();
  TurnP(O, u, angle);
}

QString CGVerRotateXA::GetDescription() {
  return Describe(ByMode(kTextRotateXACentre, kTextRotateXAAxis), {},
                  {ParentName(0), ParentName(1), ParentName(2), ParentName(3), ParentName(4)});
}

CGVerRotateXA2::CGVerRotateXA2(WORD id, int slot, const QString& name, WORD p, WORD x, WORD m, BYTE mode)
    : CGParentAxisRotation(id, slot, name, {p, x, m}, mode) {
  Recalculate();
}

void CGVerRotateXA2::Recalculate() {
  float O[3], u[3], angle;
  if (!AxisFromX(O, u) || !ParentValue(2, angle)) return Undefine();
  TurnP(O, u, angle);
}

QString CGVerRotateXA2::GetDescription() {
  return Describe(ByMode(kTextRotateXA2Centre, kTextRotateXA2Axis), {}, {ParentName(0), ParentName(1), ParentName(2)});
}

CGVerRotateX::CGVerRotateX(WORD id, int slot, const QString& name, WORD p, WORD x, float angle, BYTE mode)
    : CGParentAxisRotation(id, slot, name, {p, x}, mode) {
  Angle = angle;
  Recalculate();
}

void CGVerRotateX::Serialize(CArchive& ar) { SerializeFixed(ar, {&Angle}); }

void CGVerRotateX::Recalculate() {
  float O[3], u[3];
  if (!AxisFromX(O, u)) return Undefine();
  TurnP(O, u, Angle);
}

QString CGVerRotateX::GetDescription() {
  return Describe(ByMode(kTextRotateXCentre, kTextRotateXAxis), {Angle * kDescriptionDegreesPerRadian},
                  {ParentName(0), ParentName(1)});
}

// --- A fixed axis, the angle from parents ---------------------------------------

CGVerRotateA::CGVerRotateA(WORD id, int slot, const QString& name, WORD p, float dx, float dy, float dz, float ox,
                           float oy, float oz, WORD a, WORD b, WORD c)
    : CGFixedAxisRotation(id, slot, name, {p, a, b, c}, dx, dy, dz, ox, oy, oz) {
  Recalculate();
}

void CGVerRotateA::Recalculate() {
  float angle;
  if (!AngleABC(1, angle)) return Undefine();
  TurnAboutAxis(angle);
}

QString CGVerRotateA::GetDescription() {
  return DescribeAxis(kTextRotateA, {ParentName(0), ParentName(1), ParentName(2), ParentName(3)});
}

CGVerRotateA2::CGVerRotateA2(WORD id, int slot, const QString& name, WORD p, float dx, float dy, float dz, float ox,
                             float oy, float oz, WORD m)
    : CGFixedAxisRotation(id, slot, name, {p, m}, dx, dy, dz, ox, oy, oz) {
  Recalculate();
}

void CGVerRotateA2::Recalculate() {
  float angle;
  if (!ParentValue(1, angle)) return Undefine();
  TurnAboutAxis(angle);
}

QString CGVerRotateA2::GetDescription() { return DescribeAxis(kTextRotateA2, {ParentName(0), ParentName(1)}); }
