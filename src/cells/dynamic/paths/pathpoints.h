// Points bound to a locus or a curve: the path's point at the point's own
// parameter (its value word), kept within the path's range; a drag moves
// them to the path's point nearest to the mouse ray, and buttons drive them
// by changing the parameter.  Stored as plain points.
#pragma once
#include <QString>

#include "cells/primitives/cgverfree.h"

class CGLocus;
class CGCurve;

class CGVerFreeInLocus : public CGVerFree {
  DECLARE_SERIAL(CGVerFreeInLocus)

 public:
  // Dynamic creation: parameter 0.5 until the record is read.
  CGVerFreeInLocus();
  // The point on `locus` (already in the page's map) at `parameter`.  When
  // the locus is defined but the point is not, it moves to the first step
  // of the range where the traced point exists.
  CGVerFreeInLocus(WORD id, int slot, const QString& name, WORD locus, float parameter);

  // The point record.  Loading fails unless there is one parent and the
  // parameter is a number.
  void Serialize(CArchive& ar) override;
  // The parameter clamped into the locus's range, then the traced point
  // there, with the driver and chain put back; undefined with the locus or
  // where the traced point does not exist.
  void Recalculate() override;
  void ApplyParameter() override { Recalculate(); }
  QString GetDescription() override;
  // The locus point nearest to the mouse ray; nothing changes where the
  // traced point does not exist.
  void DragTo() override;

 private:
  void SearchDefinedStep(const CGLocus& locus);
};

class CGVerFreeInCurve : public CGVerFree {
  DECLARE_SERIAL(CGVerFreeInCurve)

 public:
  CGVerFreeInCurve() = default;
  CGVerFreeInCurve(WORD id, int slot, const QString& name, WORD curve, float parameter);

  void Serialize(CArchive& ar) override;
  // The parameter clamped into the curve's range, then the curve's point
  // there; undefined with the curve, or where the point is not finite.
  void Recalculate() override;
  void ApplyParameter() override { Recalculate(); }
  QString GetDescription() override;
  void DragTo() override;
};
