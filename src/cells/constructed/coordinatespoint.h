// A point driven by calculations: each of x, y and z is either the value of
// one of up to three value cells (measurements, or any cell with a value)
// or a number fixed when the point was built.
#pragma once
#include <QString>
#include <cstdint>
#include <vector>

#include "cells/primitives/constructedpoint.h"

class CGVerCoordinates : public CGConstructedPoint {
  DECLARE_SERIAL(CGVerCoordinates)

 public:
  // A cell keeps at most this many value parents.
  static constexpr size_t kMaxValues = 3;

  CGVerCoordinates() : CGConstructedPoint(0) {}
  // The point at the fixed (x, y, z) with the value cells in `values` (the
  // first kMaxValues of them) as parents, in that order.  Source index k of
  // an axis: 0 keeps the fixed number, 1 to the parent count takes parent
  // k's value.
  CGVerCoordinates(WORD id, int slot, const QString& name, const std::vector<WORD>& values, int sourceX,
                   int sourceY, int sourceZ, float x, float y, float z);

  // The point record, then the three source indices.  Loading fails on more
  // than kMaxValues parents, an index outside 0 to the parent count (it
  // would read past the parents) and a position that is no number.
  void Serialize(CArchive& ar) override;
  // Undefined while any parent is, used or not; else each sourced axis takes
  // its parent's value and the fixed ones stay.  A value that is no number
  // leaves the point undefined where it was.
  void Recalculate() override;
  QString GetDescription() override;

  std::int32_t Source[3] = {0, 0, 0};  // of x, y and z
};
