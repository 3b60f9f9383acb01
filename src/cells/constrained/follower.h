// The follower: a free point that keeps a fixed offset from its leader
// point.  Moving the leader carries it along; dragging it (as a fully free
// point) changes only the offset.  Its recalculation (PlaceAtOffset) and
// record (SerializeVectorRecord with one parent) are also those of the
// translated point with a stored offset, which cannot be dragged.
#pragma once
#include "cells/constrained/vectorrecord.h"
#include "cells/primitives/cgverfree.h"

// Undefined while parent 0 (a point) is; else at it moved by `offset`,
// or undefined where it was when that is not finite.
void PlaceAtOffset(CGVertex& point, const float offset[3]);

class CGVerFreeHenchman : public CGVerFree {
  DECLARE_SERIAL(CGVerFreeHenchman)

 public:
  // Dynamic creation: offset (8, 0, 0) until the record is read.
  CGVerFreeHenchman() = default;
  // The point at (x, y, z) following `leader` (already in the current
  // page's map): the offset is the difference, and the point is placed at
  // the leader plus that offset, as a reopened document places it.
  CGVerFreeHenchman(WORD id, int slot, const QString& name, float x, float y, float z, WORD leader);

  void Serialize(CArchive& ar) override { SerializeVectorRecord(ar, *this, Offset, 1); }
  void Recalculate() override { PlaceAtOffset(*this, Offset); }
  // After the position was set from outside (undo, typed coordinates): the
  // offset is taken again from the leader (kept where that difference is
  // not finite) and the point placed at the leader plus the offset.
  void ApplyParameter() override;
  QString GetDescription() override;
  // As the fully free point; when it moved, the offset follows.
  void DragTo() override;

  float Offset[3] = {8, 0, 0};

 private:
  void Rebind();
};
