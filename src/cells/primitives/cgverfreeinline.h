// A free point on a segment, ray, line or vector: it sits at A + t (B - A),
// A and B the line's points, and keeps t in its value field, so that buttons
// can run it along the line and a moved A or B carries it along.
#pragma once
#include "cells/primitives/cgverfree.h"

class CGVerFreeInLine : public CGVerFree {
  DECLARE_SERIAL(CGVerFreeInLine)

 public:
  // Dynamic creation: t = 0.5 until the record is read.
  CGVerFreeInLine();
  // The point on `line` (already in the current page's map) at t,
  // registered as the line's child and placed at once.
  CGVerFreeInLine(WORD id, int slot, const QString& name, WORD line, float t);

  // The point record; t travels in the common record.  Loading fails
  // unless there is exactly one parent and t is a number.
  void Serialize(CArchive& ar) override;
  // Undefined while the line is; else A + t (B - A), unclamped, so a t set
  // from outside may put the point beyond the ends.
  void Recalculate() override;
  void ApplyParameter() override { Recalculate(); }
  QString GetDescription() override;
  // The point of the line nearest to the mouse ray; the line's kind clamps
  // t.  Nothing changes when the ray runs parallel to the line.
  void DragTo() override;
};
