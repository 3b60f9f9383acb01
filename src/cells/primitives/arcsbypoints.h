// Circles whose position follows three parent points.  Each is a CGArc
// that recomputes its centre, frame and (while AutoRange is set) its range
// from the points and describes itself by their names; drawing, picking,
// the label, the queries and the record are those of CGArc.  A position
// without a solution leaves the circle undefined until the points allow
// one again; fields written before the failing test keep their new values.
#pragma once
#include <QString>
#include <initializer_list>

#include "cells/primitives/cgarc.h"

// Shared by the three: the record must name exactly three parents, the
// only number every step reads.
class CGArcByPoints : public CGArc {
 public:
  void Serialize(CArchive& ar) override;

 protected:
  CGArcByPoints() = default;
  // The default circle with the id, the page's next "c%d" name, the kind
  // and the three parents, registered as their child.
  CGArcByPoints(WORD id, WORD first, WORD second, WORD third, BYTE kind);
  // The parents' positions in order, or false (undefined) at the first one
  // that is missing, no point or undefined.  `centreFirst` copies the
  // first parent into Center as soon as it is known to be defined.
  bool DefinedParents(const float* pos[3], bool centreFirst);
  // The format of the kind filled with the names, empty for a kind beyond
  // the five.
  QString Describe(const char* const formats[5], std::initializer_list<QString> names) const;
  QString ParentName(int i) const;
};

// The circle through three points; P0 lies at angle 0 and P1 between 0 and
// the end angle.
class CGArcCircle3P : public CGArcByPoints {
  DECLARE_SERIAL(CGArcCircle3P)

 public:
  CGArcCircle3P() = default;
  CGArcCircle3P(WORD id, WORD p0, WORD p1, WORD p2, BYTE kind);
  void Recalculate() override;
  QString GetDescription() override;
};

// Centre C, through A (angle 0), in the plane of C, A and B; the arc runs
// from A towards B, never more than half a turn.
class CGArcCenterP : public CGArcByPoints {
  DECLARE_SERIAL(CGArcCenterP)

 public:
  CGArcCenterP() = default;
  CGArcCenterP(WORD id, WORD c, WORD a, WORD b, BYTE kind = kArcCircle);
  void Recalculate() override;
  QString GetDescription() override;
};

// Centre C through P, in the plane spanned by CP and (Q - C) x CP: when CP
// is perpendicular to CQ, the circle about the axis CQ.  The reverse flag
// (m_nParamB above 0) turns the angles the other way about the axis.
class CGArcPointN : public CGArcByPoints {
  DECLARE_SERIAL(CGArcPointN)

 public:
  CGArcPointN() = default;
  CGArcPointN(WORD id, WORD c, WORD p, WORD q, BYTE kind, int reverse);
  void Recalculate() override;
  QString GetDescription() override;
};
