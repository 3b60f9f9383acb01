// Points turned about an axis in space, right-handed (counter-clockwise
// looking against the direction), all through RotateAboutAxis.  The axis is
// typed in (a direction, used as given, through a point) or taken from a
// parent X: with mode 0 (CGCell::Mode, m_nParamA) X is a line, any other
// mode makes X a centre with the axis parallel to z through it.  The angle,
// in radians, is typed in, the oriented angle ABC of three points, or the
// value of a measurement.  An axis with no direction (a line whose points
// coincide, a zero direction typed in) leaves the point undefined rather
// than shrinking it towards the axis.
#pragma once
#include "cells/constructed/transformedpoint.h"

class CGRotatedPoint : public CGTransformedPoint {
 protected:
  using CGTransformedPoint::CGTransformedPoint;
  // OrientedAngle of parents first, first + 1 (the vertex), first + 2,
  // tested in that order.
  bool AngleABC(size_t first, float& angle) const;
  // The last step of every rotation: P (parent 0) must be defined and the
  // direction u must not vanish.
  void TurnP(const float O[3], const float u[3], float angle);
};

// An axis typed in: Direction through AxisPoint, stored in that order
// after the point record.
class CGFixedAxisRotation : public CGRotatedPoint {
 public:
  void Serialize(CArchive& ar) override;

  float Direction[3] = {0, 0, 0};
  float AxisPoint[3] = {0, 0, 0};

 protected:
  using CGRotatedPoint::CGRotatedPoint;
  CGFixedAxisRotation(WORD id, int slot, const QString& name, std::initializer_list<WORD> parents, float dx, float dy,
                      float dz, float ox, float oy, float oz);
  void TurnAboutAxis(float angle) { TurnP(AxisPoint, Direction, angle); }
  // `format` with the axis point and the direction, then `more` numbers.
  QString DescribeAxis(const char* format, std::initializer_list<QString> names, double more = 0) const;
};

// An axis from parent X and the mode.
class CGParentAxisRotation : public CGRotatedPoint {
 protected:
  using CGRotatedPoint::CGRotatedPoint;
  CGParentAxisRotation(WORD id, int slot, const QString& name, std::initializer_list<WORD> parents, BYTE mode);
  // X must be defined.  A line gives its first point and the unit vector to
  // its second ((0, 0, 0) when they coincide); a centre gives itself and z.
  bool AxisFromX(float O[3], float u[3]) const;
  const char* ByMode(const char* centre, const char* axis) const { return m_nParamA != 0 ? centre : axis; }
};

// P about the fixed axis by the fixed Angle; tests only P.
class CGVerRotate : public CGFixedAxisRotation {
  DECLARE_SERIAL(CGVerRotate)

 public:
  CGVerRotate() : CGFixedAxisRotation(1) {}
  CGVerRotate(WORD id, int slot, const QString& name, WORD p, float dx, float dy, float dz, float ox, float oy,
              float oz, float angle);
  // The axis record, then the angle.
  void Serialize(CArchive& ar) override;
  void Recalculate() override;
  QString GetDescription() override;

  float Angle = 0;
};

// P about the axis from X by the angle ABC; tests X, A, B, C, then P.
class CGVerRotateXA : public CGParentAxisRotation {
  DECLARE_SERIAL(CGVerRotateXA)

 public:
  CGVerRotateXA() : CGParentAxisRotation(5) {}
  CGVerRotateXA(WORD id, int slot, const QString& name, WORD p, WORD x, WORD a, WORD b, WORD c, BYTE mode);
  void Recalculate() override;
  QString GetDescription() override;
};

// P about the axis from X by the value of M; tests X, M, then P.
class CGVerRotateXA2 : public CGParentAxisRotation {
  DECLARE_SERIAL(CGVerRotateXA2)

 public:
  CGVerRotateXA2() : CGParentAxisRotation(3) {}
  CGVerRotateXA2(WORD id, int slot, const QString& name, WORD p, WORD x, WORD m, BYTE mode);
  void Recalculate() override;
  QString GetDescription() override;
};

// P about the axis from X by the fixed Angle (stored after the point
// record); tests X, then P.
class CGVerRotateX : public CGParentAxisRotation {
  DECLARE_SERIAL(CGVerRotateX)

 public:
  CGVerRotateX() : CGParentAxisRotation(2) {}
  CGVerRotateX(WORD id, int slot, const QString& name, WORD p, WORD x, float angle, BYTE mode);
  void Serialize(CArchive& ar) override;
  void Recalculate() override;
  QString GetDescription() override;

  float Angle = 0;
};

// P about the fixed axis by the angle ABC; parents P, A, B, C; tests A, B,
// C, then P.
class CGVerRotateA : public CGFixedAxisRotation {
  DECLARE_SERIAL(CGVerRotateA)

 public:
  CGVerRotateA() : CGFixedAxisRotation(4) {}
  CGVerRotateA(WORD id, int slot, const QString& name, WORD p, float dx, float dy, float dz, float ox, float oy,
               float oz, WORD a, WORD b, WORD c);
  void Recalculate() override;
  QString GetDescription() override;
};

// P about the fixed axis by the value of M; parents P, M; tests M, then P.
class CGVerRotateA2 : public CGFixedAxisRotation {
  DECLARE_SERIAL(CGVerRotateA2)

 public:
  CGVerRotateA2() : CGFixedAxisRotation(2) {}
  CGVerRotateA2(WORD id, int slot, const QString& name, WORD p, float dx, float dy, float dz, float ox, float oy,
                float oz, WORD m);
  void Recalculate() override;
  QString GetDescription() override;
};
