// Points on compound paths: N pieces, each over its own range [0, 1], so
// the path parameter runs over [0, N], its whole part picking the piece
// and its fraction the place on it; parameters beyond the range wrap round.
// A piece is a polygon's corner (the edge to the next corner, the last
// back to the first), a line, a circle-type cell, a locus or a curve.  A
// locus piece is sampled without moving its driver.
#pragma once
#include <QString>
#include <vector>

#include "cells/primitives/constructedpoint.h"
#include "cells/constructed/paths/pathpieces.h"
#include "cells/primitives/cgverfree.h"

// A draggable point on the border of a polygon (its N corners) or on a
// chain of N lines, circles, loci and curves; the parameter in the value
// field.  Stores N after the point record.
class CGVerFreeInBorder : public CGVerFree {
  DECLARE_SERIAL(CGVerFreeInBorder)

 public:
  // Dynamic creation: t = 0.5, N = 3 until the record is read.
  CGVerFreeInBorder();
  CGVerFreeInBorder(WORD id, int slot, const QString& name, const std::vector<WORD>& pieces, float t);

  // The point record, then N.  Loading fails unless N >= 1 names every
  // parent and the record holds numbers.
  void Serialize(CArchive& ar) override;
  void Recalculate() override;
  void ApplyParameter() override { Recalculate(); }
  QString GetDescription() override;
  // To the place of the path nearest to the mouse ray, the parameter
  // i + u; a piece that cannot answer leaves the point where it is.
  void DragTo() override;

  int Pieces = 3;
};

// The twin on a polygon's border (N corners, then the source point or
// value) at the source's compound parameter.  Stores N after the point record.
class CGVerInBorderFt : public CGConstructedPoint {
  DECLARE_SERIAL(CGVerInBorderFt)

 public:
  CGVerInBorderFt() : CGConstructedPoint(4) {}
  CGVerInBorderFt(WORD id, int slot, const QString& name, const std::vector<WORD>& corners, WORD point);

  // The point record, then N.  Loading fails unless N >= 1 and the source
  // point follows the N corners.
  void Serialize(CArchive& ar) override;
  void Recalculate() override;
  QString GetDescription() override;

  int Pieces = 3;
};

// A point on a chain of lines, circles, loci and curves at a fixed
// parameter (mode 0, the sub-kind byte) or, in any other mode, at the
// parameter of a point that follows the pieces as the last parent.  N is
// counted from the parents; the point record is all it stores.
class CGVerInBorder : public CGVerOnPathByMode {
  DECLARE_SERIAL(CGVerInBorder)

 public:
  CGVerInBorder() = default;
  CGVerInBorder(WORD id, int slot, const QString& name, const std::vector<WORD>& parents, BYTE mode, float t);

  void Recalculate() override;
  QString GetDescription() override;
};
