// Points the user can drag.  CGVerFree adds to the plain point one
// operation, DragTo, through which the view moves the point to where the
// mouse ray (g_dRayNear, g_dRayFar, g_fViewDir) says, within the point's
// constraint; each kind decides that constraint.  DragTo never recalculates
// other cells: the drag driver (pointdrag.h) recomputes the dependants.
#pragma once
#include <cstddef>
#include <initializer_list>

#include "model/cellmap.h"
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

 protected:
  // Takes p as the position and writes the vertex-array slot and the label
  // anchor (without recalculating, which the path-bound kinds would do).
  void PlaceAt(const float p[3]);
  // The end of a recalculation: p becomes the position and the point is
  // defined, or, when p is not finite (parents near the float limit), the
  // point is undefined and keeps its last position.
  void PlaceIfFinite(const float p[3]);
  // Parent i as a cell of class T in the current page, or null.
  template <class T>
  T* ParentAs(size_t i) const;
  // After a load: a record whose parent count differs from `parents`, or
  // that holds a value that is not a finite number, would make every later
  // recalculation read past the parents or spread NaN through the page, so
  // the load fails (BadData).
  void CheckLoaded(CArchive& ar, size_t parents, std::initializer_list<float> values) const;
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

// Where the mouse ray meets the axis-parallel drag plane through `from`
// (z = const, or y = const while Ctrl is held), snapped to whole numbers when
// grid snapping is on.  False, `to` untouched, when the ray runs too flat to
// the plane (its component across it below 10 world units) or the hit lies
// outside the box of +-200 on any axis (tested before snapping).
bool AxisPlaneDragTarget(const float from[3], float to[3]);

template <class T>
T* CGVerFree::ParentAs(size_t i) const {
  if (i >= m_parents.size() || !g_pCurCells) return nullptr;
  CGCell* cell = g_pCurCells->Lookup(m_parents[i]);
  return cell && cell->IsKindOf(T::ThisClass()) ? static_cast<T*>(cell) : nullptr;
}
