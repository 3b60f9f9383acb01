// Points the user can drag.  CGVerFree adds to the plain point one
// operation, DragTo, through which the view moves the point to where the
// mouse ray (g_dRayNear, g_dRayFar, g_fViewDir) says, within the point's
// constraint; each kind decides that constraint.  DragTo never recalculates
// other cells: the drag driver (pointdrag.h) recomputes the dependants.
#pragma once
#include "model/cgvertex.h"

class CGVerFree : public CGVertex {
  DECLARE_SERIAL(CGVerFree)

 public:
  // Dynamic creation: the point defaults, then the record.  A bare
  // CGVerFree only ever comes from a file and keeps the position it gives.
  CGVerFree();
  // A point at (x, y, z) in slot `slot`, in the free-point colour.  The
  // caller has reserved the slot and enters the cell in the page's map.
  CGVerFree(WORD id, int slot, const QString& name, float x, float y, float z);

  QString GetDescription() override;
  // Moves the point after the mouse ray; the base ignores drags.
  virtual void DragTo() {}
};

// The fully free point: no parents; a drag moves it in the horizontal plane
// through it, or while Ctrl is held (g_bDragHorizontal 0) in the plane of
// constant y, with grid snapping when g_bSnapToGrid is on.
class CGVerFreeXyz : public CGVerFree {
  DECLARE_SERIAL(CGVerFreeXyz)

 public:
  CGVerFreeXyz() = default;
  CGVerFreeXyz(WORD id, int slot, const QString& name, float x, float y, float z)
      : CGVerFree(id, slot, name, x, y, z) {}

  QString GetDescription() override;
  void DragTo() override;
};

// Where the mouse ray meets the plane through `from` across `axis` (2: the
// plane z = const, 1: y = const), snapped to whole numbers when grid
// snapping is on.  False, `to` untouched, when the ray runs too flat to the
// plane (its component across it below 10 world units) or the hit lies
// outside the box of +-200 on any axis (tested before snapping).
bool AxisPlaneHit(const float from[3], int axis, float to[3]);
// The same in the drag plane: z = const, or y = const while Ctrl is held.
bool AxisPlaneDragTarget(const float from[3], float to[3]);
