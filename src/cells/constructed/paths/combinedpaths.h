// Points on combined paths: N segments and arcs joined in parent order,
// the path parameter running over [0, 1] in proportion to the length along
// them (a circle or disc counts its whole circumference); parameters beyond
// the range wrap round.  The arc-length fractions are measured at every
// recalculation and kept, in a table that grows with the path.
#pragma once
#include <QString>
#include <vector>

#include "cells/primitives/constructedpoint.h"
#include "cells/constructed/paths/pathpieces.h"
#include "cells/primitives/cgverfree.h"

// A draggable point on the path of the current page's selected cells (in
// selection order); the parameter in the value field.  Stores N, the
// parent count, after the point record.
class CGVerFreeInPaths : public CGVerFree {
  DECLARE_SERIAL(CGVerFreeInPaths)

 public:
  // Dynamic creation: t = 0.6 until the record is read.
  CGVerFreeInPaths();
  // On the selected cells that are in the page's map, at t = 0.6.
  CGVerFreeInPaths(WORD id, int slot, const QString& name);

  // The point record, then N.  Loading fails unless N >= 1 names every
  // parent and the record holds numbers.
  void Serialize(CArchive& ar) override;
  // Measures the pieces again and places the point.
  void Recalculate() override;
  // Places a defined point again from its parameter over the fractions of
  // the last recalculation, without measuring.
  void ApplyParameter() override;
  QString GetDescription() override;
  // To the place nearest to the mouse ray; the parameter is the fraction
  // of the path there.  Nothing moves before the path was measured.
  void DragTo() override;

  int Pieces = 0;

 private:
  std::vector<double> m_fractions;
};

// A point on N segments and arcs at a fixed parameter (mode 0, the
// sub-kind byte) or at the parameter of a point that follows the pieces as
// the last parent.  Only the point record is stored.
class CGVerInPaths : public CGVerOnPathByMode {
  DECLARE_SERIAL(CGVerInPaths)

 public:
  CGVerInPaths() = default;
  CGVerInPaths(WORD id, int slot, const QString& name, const std::vector<WORD>& parents, BYTE mode, float t);

  void Recalculate() override;
  QString GetDescription() override;
};
