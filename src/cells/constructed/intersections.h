// Where two straight or circular objects meet: two lines, a line and the
// plane of a face, a line and a circle, two circles.  The last two have two
// roots; the root index (0 or 1, in the sub-kind byte) is fixed when the
// point is built, the commands making one point per root.  Segments, rays
// and vectors keep the point within their extent; none of these points
// keeps numbers of its own, so each stores the point record only.
#pragma once
#include "cells/primitives/constructedpoint.h"

class CGArc;

// Lines AB and CD: the point on AB, its parameter on AB in the value field.
// Undefined when the lines are parallel or too far from coplanar (the
// kernel's tests), or the point lies outside either line's extent.
class CGVerIntersection : public CGConstructedPoint {
  DECLARE_SERIAL(CGVerIntersection)

 public:
  CGVerIntersection() : CGConstructedPoint(2) {}
  CGVerIntersection(WORD id, int slot, const QString& name, WORD line1, WORD line2);
  void Recalculate() override;
  QString GetDescription() override;
};

// A line with the plane of a face's first three corners, anywhere in that
// plane (not only inside the polygon); the line's parameter in the value
// field.  Undefined for a line parallel to the plane or one that ends
// before it.
class CGVerIntersectionLF : public CGConstructedPoint {
  DECLARE_SERIAL(CGVerIntersectionLF)

 public:
  CGVerIntersectionLF() : CGConstructedPoint(2) {}
  CGVerIntersectionLF(WORD id, int slot, const QString& name, WORD line, WORD face);
  void Recalculate() override;
  QString GetDescription() override;
};

// A line with a circle: the line cut with the sphere about the centre
// through the circle (root 0 the smaller parameter along the line, any
// other the larger), kept when the cut lies in the circle's plane.
class CGVerIntersectionLS : public CGConstructedPoint {
  DECLARE_SERIAL(CGVerIntersectionLS)

 public:
  CGVerIntersectionLS() : CGConstructedPoint(2) {}
  CGVerIntersectionLS(WORD id, int slot, const QString& name, BYTE root, WORD line, WORD circle);
  void Recalculate() override;
  QString GetDescription() override;
};

// Two circles, in one plane or in crossing planes.  In one plane the root
// decides the side of the line of centres; in crossing planes the line
// where the planes meet is cut with the first circle's sphere and the point
// must lie on the second circle.
class CGVerIntersectionSS : public CGConstructedPoint {
  DECLARE_SERIAL(CGVerIntersectionSS)

 public:
  CGVerIntersectionSS() : CGConstructedPoint(2) {}
  CGVerIntersectionSS(WORD id, int slot, const QString& name, BYTE root, WORD circle1, WORD circle2);
  void Recalculate() override;
  QString GetDescription() override;

 private:
  bool Coplanar(const CGArc& c1, const CGArc& c2, float p[3]) const;
  bool Crossing(const CGArc& c1, const CGArc& c2, float p[3]) const;
};
