// Where a circle meets the plane of a face: one of the two points, chosen by
// the root index (0 or 1, in the sub-kind byte) fixed when it was built.
// Any point of the plane counts (not only inside the polygon), and so does
// any point of the circle (an arc's range is not looked at).
#pragma once
#include "cells/primitives/constructedpoint.h"

// Circle, face (parents in that order).  With d the direction of the line
// where the two planes meet (the face's normal crossed with the circle's)
// and F that line's point nearest to the centre, root 0 is F - h d and any
// other root F + h d.  Undefined for parallel planes, a plane the circle
// does not reach, and a face or circle without a plane (collinear corners,
// a frame with no area).
class CGVerIntersectionCF : public CGConstructedPoint {
  DECLARE_SERIAL(CGVerIntersectionCF)

 public:
  CGVerIntersectionCF() : CGConstructedPoint(2) {}
  CGVerIntersectionCF(WORD id, int slot, const QString& name, BYTE root, WORD circle, WORD face);
  void Recalculate() override;
  QString GetDescription() override;
};
