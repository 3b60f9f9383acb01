// The follower of the flat working style: a free point that keeps a fixed
// horizontal offset from its leader point and always takes the leader's z.
// Moving the leader carries it along; dragging it (always in its horizontal
// plane, whatever Ctrl says) changes only the offset.
#pragma once
#include "cells/primitives/cgverfree.h"

class CGVerFree2dHenchman : public CGVerFree {
  DECLARE_SERIAL(CGVerFree2dHenchman)

 public:
  // Dynamic creation: offset (8, 0) until the record is read.
  CGVerFree2dHenchman() = default;
  // The point made at (x, y) beside `leader` (already in the current
  // page's map): the offset is (x, y) less the leader's, then it is placed.
  CGVerFree2dHenchman(WORD id, int slot, const QString& name, float x, float y, WORD leader);

  // The point record, then the offset x and y.  Loading fails unless there
  // is exactly one parent and the offset is a pair of numbers.
  void Serialize(CArchive& ar) override;
  // Undefined while the leader is; else the leader's position moved by the
  // offset in x and y, or undefined where it was when that is not finite.
  void Recalculate() override;
  // After the position was set from outside (undo): x and y stay, z is the
  // leader's, and the offset is taken again (the old offset and z stay where
  // the leader is beyond the float range or no number).
  void ApplyParameter() override;
  QString GetDescription() override;
  // Where the mouse ray meets the horizontal plane through the point
  // (snapped to whole x and y when grid snapping is on), at the leader's z.
  // A ray too flat to that plane, a hit beyond 200 on any axis, or a leader
  // that gives no finite offset, moves nothing.
  void DragTo() override;

  float OffsetX = 8;
  float OffsetY = 0;

 private:
  // (x, y) less the leader's as the offset; false, the offset kept, where
  // that is not finite.
  bool TakeOffset(const CGVertex& leader, float x, float y);
  // Takes the offset of (x, y) from the leader and places the point by it
  // at the leader's z; false, nothing written, where a value is not finite.
  bool Settle(const CGVertex& leader, float x, float y);
  // The leader moved by the offset, at the leader's z.
  void AtOffset(const CGVertex& leader, float p[3]) const;
};
