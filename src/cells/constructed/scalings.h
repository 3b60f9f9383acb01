// Points scaled from a centre O by a ratio k: O + k (P - O), worked per
// coordinate as k P + (1 - k) O in single precision.  The ratio comes from
// three collinear points, two segment lengths, a measured value or a number
// typed in; CGVerScaleO scales from the origin.  Each tests the centre, then
// the parents of its ratio, then P.
#pragma once
#include "cells/constructed/transformedpoint.h"

class CGScaledPoint : public CGTransformedPoint {
 protected:
  using CGTransformedPoint::CGTransformedPoint;
  // The last step: P (parent 0) must be defined.
  void ScaleP(const float O[3], float k);
};

// k = AB : AC along the first axis (z, then x, then y) on which C differs
// from A, exactly; B need not lie on AC.  C on A gives k = 10000, a point
// far away, as the product always did.  Parents P, O, A, B, C.
class CGVerScaleP : public CGScaledPoint {
  DECLARE_SERIAL(CGVerScaleP)

 public:
  CGVerScaleP() : CGScaledPoint(5) {}
  CGVerScaleP(WORD id, int slot, const QString& name, WORD p, WORD o, WORD a, WORD b, WORD c);
  void Recalculate() override;
  QString GetDescription() override;
};

// k = |S1| / |S2|, the lengths between each line's first two points (their
// own flags are not tested); a zero |S2| gives k = 10000.  Parents P, O,
// S1, S2.
class CGVerScaleL : public CGScaledPoint {
  DECLARE_SERIAL(CGVerScaleL)

 public:
  CGVerScaleL() : CGScaledPoint(4) {}
  CGVerScaleL(WORD id, int slot, const QString& name, WORD p, WORD o, WORD s1, WORD s2);
  void Recalculate() override;
  QString GetDescription() override;
};

// k = the value of M (any cell that has one).  Parents P, O, M.
class CGVerScaleM : public CGScaledPoint {
  DECLARE_SERIAL(CGVerScaleM)

 public:
  CGVerScaleM() : CGScaledPoint(3) {}
  CGVerScaleM(WORD id, int slot, const QString& name, WORD p, WORD o, WORD m);
  void Recalculate() override;
  QString GetDescription() override;
};

// k = Ratio, stored after the point record.  Parents P, O.
class CGVerScale : public CGScaledPoint {
  DECLARE_SERIAL(CGVerScale)

 public:
  CGVerScale() : CGScaledPoint(2) {}
  CGVerScale(WORD id, int slot, const QString& name, WORD p, WORD o, float k);
  void Serialize(CArchive& ar) override { SerializeFixed(ar, {&Ratio}); }
  void Recalculate() override;
  QString GetDescription() override;

  float Ratio = 0;
};

// Ratio P: scaled from the origin; stored as CGVerScale.  Parent P.
class CGVerScaleO : public CGScaledPoint {
  DECLARE_SERIAL(CGVerScaleO)

 public:
  CGVerScaleO() : CGScaledPoint(1) {}
  CGVerScaleO(WORD id, int slot, const QString& name, WORD p, float k);
  void Serialize(CArchive& ar) override { SerializeFixed(ar, {&Ratio}); }
  void Recalculate() override;
  QString GetDescription() override;

  float Ratio = 0;
};
