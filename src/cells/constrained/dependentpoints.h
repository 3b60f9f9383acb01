// Points placed entirely by their parents, which the user cannot drag: the
// midpoint of a line and the point on the normal of ABC through A at the
// distance |AB|.  They take the fixed-point colour and store the point
// record only.
#pragma once
#include "cells/primitives/constructedpoint.h"

// The midpoint of a line's two points, whatever the line's kind.
class CGVerMid : public CGConstructedPoint {
  DECLARE_SERIAL(CGVerMid)

 public:
  CGVerMid() : CGConstructedPoint(1) {}
  CGVerMid(WORD id, int slot, const QString& name, WORD line);
  // Undefined while the line is (its flag covers its points).
  void Recalculate() override;
  QString GetDescription() override;
};

// A + |AB| n / |n| with n = (B - A) x (C - A): swapping B and C puts it on
// the other side; collinear points leave it on A.
class CGVerPerpenEquid : public CGConstructedPoint {
  DECLARE_SERIAL(CGVerPerpenEquid)

 public:
  CGVerPerpenEquid() : CGConstructedPoint(3) {}
  CGVerPerpenEquid(WORD id, int slot, const QString& name, WORD a, WORD b, WORD c);
  void Recalculate() override;
  QString GetDescription() override;
};
