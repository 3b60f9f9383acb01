// Mirror images of a point P (parent 0, tested first): in the origin, a
// coordinate axis or a coordinate plane, in a point, in a line and in the
// plane of a face (not only its polygon).  A point on the mirror is its own
// image.
#pragma once
#include "cells/constructed/transformedpoint.h"

// P with the coordinates of Kind's bits negated: bit 0 x, bit 1 y, bit 2
// z (7 the origin, 6 the x axis, 1 the yoz plane...).  Kind is one byte
// after the point record; a byte outside 1 to 7 read from a file is kept,
// used by those three bits only and described with no kind name.
class CGVerSymmetry : public CGTransformedPoint {
  DECLARE_SERIAL(CGVerSymmetry)

 public:
  CGVerSymmetry() : CGTransformedPoint(1) {}
  CGVerSymmetry(WORD id, int slot, const QString& name, WORD p, BYTE kind);
  void Serialize(CArchive& ar) override;
  void Recalculate() override;
  QString GetDescription() override;

  BYTE Kind = 0;
};

// 2Q - P.  Parents P, Q.
class CGVerSymmetryP : public CGTransformedPoint {
  DECLARE_SERIAL(CGVerSymmetryP)

 public:
  CGVerSymmetryP() : CGTransformedPoint(2) {}
  CGVerSymmetryP(WORD id, int slot, const QString& name, WORD p, WORD q);
  void Recalculate() override;
  QString GetDescription() override;
};

// 2F - P, F the foot of P on the line through L's first two points (its
// first point when they nearly coincide).  Parents P, L.
class CGVerSymmetryL : public CGTransformedPoint {
  DECLARE_SERIAL(CGVerSymmetryL)

 public:
  CGVerSymmetryL() : CGTransformedPoint(2) {}
  CGVerSymmetryL(WORD id, int slot, const QString& name, WORD p, WORD line);
  void Recalculate() override;
  QString GetDescription() override;
};

// 2F - P, F the foot of P on the plane of G's first three corners (on
// their line when they are collinear).  Parents P, G.
class CGVerSymmetryF : public CGTransformedPoint {
  DECLARE_SERIAL(CGVerSymmetryF)

 public:
  CGVerSymmetryF() : CGTransformedPoint(2) {}
  CGVerSymmetryF(WORD id, int slot, const QString& name, WORD p, WORD face);
  void Recalculate() override;
  QString GetDescription() override;

 private:
  // G's first three corners, while G is a defined face that has them.
  bool Corners(const float* corner[3]) const;
};
