// Feet that always give a perpendicular through P a second point: the foot
// of P on the line AB or the plane ABC, except that when P already lies on
// the line or in the plane they step 1 away from P across it instead of
// returning P.  Record and checks are those of the plain feet.
#pragma once
#include "cells/primitives/perpendicularfeet.h"

// P, A, B (parents in that order).  P on the line (or A = B): one step
// across AB in the horizontal plane through P, or along x when AB is
// vertical or has no length.
class CGVerFootplEx : public CGVerFoot {
  DECLARE_SERIAL(CGVerFootplEx)

 public:
  CGVerFootplEx() = default;
  CGVerFootplEx(WORD id, int slot, const QString& name, WORD p, WORD a, WORD b);
  void Recalculate() override;
  // Names the perpendicular by P and this point.
  QString GetDescription() override;

 protected:
  std::size_t ParentCount() const override { return 3; }
};

// P, A, B, C (parents in that order); the foot on their line when the three
// are collinear.  P in the plane (or on that line): a step along
// (A - C) x (B - C), of length 1 when that normal is not tiny.
class CGVerFootpfEx : public CGVerFoot {
  DECLARE_SERIAL(CGVerFootpfEx)

 public:
  CGVerFootpfEx() = default;
  CGVerFootpfEx(WORD id, int slot, const QString& name, WORD p, WORD a, WORD b, WORD c);
  void Recalculate() override;
  QString GetDescription() override;

 protected:
  std::size_t ParentCount() const override { return 4; }
};
