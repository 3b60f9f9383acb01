// A free point on a circle, disc, arc, sector or segment: it sits at angle a
// (its value field, radians) in the circle's frame, Center + cos a AxisU +
// sin a AxisV, and keeps a copy of that frame, so that buttons and undo can
// re-place it without consulting the circle.
#pragma once
#include "cells/primitives/cgverfree.h"

class CGVerFreeInCircle : public CGVerFree {
  DECLARE_SERIAL(CGVerFreeInCircle)

 public:
  // Dynamic creation: angle 1.0 until the record is read.
  CGVerFreeInCircle();
  // The point on `circle` (already in the current page's map) at `angle`,
  // registered as the circle's child and placed at once.
  CGVerFreeInCircle(WORD id, int slot, const QString& name, WORD circle, float angle);

  // The point record, then the twelve floats of the frame.  Loading fails
  // unless there is exactly one parent and the angle and frame are numbers.
  void Serialize(CArchive& ar) override;
  // Undefined while the circle is (position, angle and frame kept); else the
  // frame is copied from the circle and the point placed at its angle.  The
  // angle is not limited to an arc's range here.
  void Recalculate() override;
  // Re-places the point from the stored frame; the defined flag stays.
  void ApplyParameter() override;
  QString GetDescription() override;
  // The point of the circle (an arc: of its range) nearest to where the
  // mouse ray meets the circle's plane; nothing changes for a ray along the
  // plane.
  void DragTo() override;

  float Center[3] = {0, 0, 0};
  float AxisU[3] = {0, 0, 0};
  float AxisV[3] = {0, 0, 0};
  float Normal[3] = {0, 0, 0};  // AxisU x AxisV, not normalised

 private:
  // c + cos a u + sin a v at the parameter's angle a, in single precision.
  void PointAtAngle(const float c[3], const float u[3], const float v[3], float p[3]) const;
};
