// The point of one line nearest to another: the foot, on the first line, of
// the two lines' common perpendicular.  Any kind of line counts as the whole
// line through its two points, so the foot may lie beyond a segment or ray.
#pragma once
#include "cells/primitives/constructedpoint.h"

// Lines L1 and L2 (parents in that order): the foot on L1.  Undefined for
// parallel lines; crossing lines give their intersection.
class CGVerCommonperpen : public CGConstructedPoint {
  DECLARE_SERIAL(CGVerCommonperpen)

 public:
  CGVerCommonperpen() : CGConstructedPoint(2) {}
  CGVerCommonperpen(WORD id, int slot, const QString& name, WORD line1, WORD line2);
  void Recalculate() override;
  QString GetDescription() override;
};
