// Circles of the flat working style: about a centre point, in the
// horizontal plane through it (z constant), of any of the five circle kinds
// (sub-kind byte).  One passes through a second point seen from above, the
// other takes a measured value as its radius.  The second word of the
// class-defined integers (m_nParamB) is the reverse flag: above 0 the frame
// turns the other way, so arcs run clockwise seen from above.  Drawing,
// picking, the label and the record are those of CGArc.  A recalculation
// whose frame is not finite (a centre that is no number, a radius the
// record cannot hold) leaves the circle undefined with its last frame.
#pragma once
#include <QString>

#include "cells/primitives/cgarc.h"

class CGArcHorizontal : public CGArc {
 public:
  // The circle record; loading fails unless it names exactly two parents.
  void Serialize(CArchive& ar) override;

 protected:
  CGArcHorizontal() = default;
  // The default circle with the id, the page's next "c%d" name, the kind,
  // the reverse flag 0 and the two parents, registered as their child.
  CGArcHorizontal(WORD id, WORD centre, WORD second, BYTE kind);
  // Takes the centre point's position as the centre; false, and undefined,
  // while that point is undefined (or missing, or no point).
  bool TakeCentre();
  // Whether the frame turns the other way.
  bool Reversed() const { return m_nParamB > 0; }
  // Takes the frame u = (ux, uy, 0), v = (vx, vy, 0) and the radius;
  // defined, the label follows.
  void PlaceFrame(float ux, float uy, float vx, float vy, float radius);
  // The kind's format filled with the parents' names and the suffix; empty
  // for a kind beyond the five.
  QString Describe(const char* const formats[5]) const;
};

// About centre C through point P: u = P - C flattened to the plane z = C.z,
// so the circle passes through P's projection.  Undefined when P stands
// straight above or below C.
class CGArcPoint2 : public CGArcHorizontal {
  DECLARE_SERIAL(CGArcPoint2)

 public:
  CGArcPoint2() = default;
  CGArcPoint2(WORD id, WORD centre, WORD point, BYTE kind);
  void Recalculate() override;
  QString GetDescription() override;
};

// About centre C with radius |value| of its second parent, whatever kind of
// cell holds that value (a measurement); a value of exactly 0 gives the
// radius 1e-20.
class CGArcCenterR : public CGArcHorizontal {
  DECLARE_SERIAL(CGArcCenterR)

 public:
  CGArcCenterR() = default;
  CGArcCenterR(WORD id, WORD centre, WORD radius, BYTE kind);
  void Recalculate() override;
  QString GetDescription() override;
};
