// The shape every constructed point shares: a point whose position follows
// from its parent cells (and, for some kinds, numbers fixed when it was
// built).  The full constructor links the new point as the last child of
// each parent; the subclass then stores its own values and recalculates,
// so a new point is placed (or undefined) before it is first drawn.  A
// recalculation that finds an undefined parent or no solution leaves the
// position, the vertex-array slot and the label anchor as they were; so
// does a position that is not finite (parents near the float limit, or not
// numbers), which the point record would refuse: every kind places its
// answer through PlaceIfFinite.
#pragma once
#include <QString>
#include <cstddef>
#include <initializer_list>
#include <vector>

#include "model/cgvertex.h"

// A line parent as the constructions read it: its two points and its kind.
struct LineParent {
  const float* a;
  const float* b;
  BYTE kind;
};

// Whether parameter t lies on a line of `kind`: segments and vectors take
// [lo, hi], rays t >= lo, full lines (and kinds a damaged file invents)
// any t.
bool FitsLineKind(double t, BYTE kind, double lo, double hi);

class CGConstructedPoint : public CGVertex {
 public:
  // The point record.  Loading fails unless the record names exactly the
  // parents the kind reads and holds a position and label offset that are
  // numbers.
  void Serialize(CArchive& ar) override;

 protected:
  // Dynamic creation of a kind with `parents` parents.
  explicit CGConstructedPoint(size_t parents) : m_nParentCount(parents) {}
  // A point at the origin in slot `slot`, its parents appended in order and
  // the point registered as their child.
  CGConstructedPoint(WORD id, int slot, const QString& name, std::initializer_list<WORD> parents);
  // The same over a list whose length the kind does not fix.
  CGConstructedPoint(WORD id, int slot, const QString& name, const std::vector<WORD>& parents);

  // The load checks of the point record, for `parents` parents.
  void CheckLoadedPoint(CArchive& ar, size_t parents) const;
  // No position: undefined, nothing else changes.
  void Undefine() { m_bDefined = false; }
  // Parent i when it is a defined line whose two points are there.
  bool DefinedLine(size_t i, LineParent& line) const;
  // A + t (B - A) in single precision, unclamped, whatever the line's kind;
  // undefined where that is not finite.
  void PlaceAlongLine(const LineParent& line, float t);

 private:
  size_t m_nParentCount;
};
