// Points and arcs cut out of a circle by the angle parameters of points.  A
// point bound to a circle keeps its angle (radians, in the circle's frame)
// in its value field; these kinds read that angle and keep their own there,
// so that they can be built on one another.
#pragma once
#include <QString>

#include "cells/primitives/constructedpoint.h"
#include "cells/primitives/cgarc.h"

class CGVerOnCircleAngle : public CGConstructedPoint {
 protected:
  using CGConstructedPoint::CGConstructedPoint;
  // Takes `angle` as the value field and places the point on `circle` at
  // it; an angle that is no number leaves everything as it was, undefined.
  void PlaceAtAngle(const CGArc* circle, float angle);
};

// Point or value P, circle K (parents in that order) and a fixed angle d:
// the point of K at P's angle (a value: its value) plus d.  The angle is
// taken before K is looked at.
class CGVerInCircleRot : public CGVerOnCircleAngle {
  DECLARE_SERIAL(CGVerInCircleRot)

 public:
  CGVerInCircleRot() : CGVerOnCircleAngle(2) {}
  CGVerInCircleRot(WORD id, int slot, const QString& name, WORD point, WORD circle, float angle);

  // The point record, then d.  Loading fails unless there are two parents
  // and d is a number.
  void Serialize(CArchive& ar) override;
  void Recalculate() override;
  // d is shown in degrees.
  QString GetDescription() override;

  float Angle = 0;  // d, radians
};

// Circle K, point P (parents in that order): the point of K at P's angle,
// which maps a point of one circle onto another; P may also be a scalar
// value, its number taken as the angle in radians.
class CGVerInCircleFt : public CGVerOnCircleAngle {
  DECLARE_SERIAL(CGVerInCircleFt)

 public:
  CGVerInCircleFt() : CGVerOnCircleAngle(2) {}
  CGVerInCircleFt(WORD id, int slot, const QString& name, WORD circle, WORD point);
  void Recalculate() override;
  QString GetDescription() override;
};

// Points A, B and circle K (parents in that order): the arc of K running
// counter-clockwise about AxisU x AxisV from A's direction to B's, so A to
// B and B to A are the two complementary arcs.  A point off K's plane
// counts by its shadow in that plane.  It takes K's centre, frame and
// radius; drawing, picking, the label and the record are those of CGArc.
class CGArcInCircle : public CGArc {
  DECLARE_SERIAL(CGArcInCircle)

 public:
  // Dynamic creation: an arc (sub-kind 1).
  CGArcInCircle();
  // Named with the page's next "c%d" name, an arc, registered as the
  // parents' child and placed at once.
  CGArcInCircle(WORD id, WORD a, WORD b, WORD circle);

  // The circle record; loading fails unless it names exactly three parents.
  void Serialize(CArchive& ar) override;
  void Recalculate() override;
  QString GetDescription() override;

 private:
  // The direction of p about the centre, [0, 2 pi) from AxisU.
  float AngleOf(const float p[3]) const;
};
