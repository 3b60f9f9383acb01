#include "cells/constructed/numeric/numericintersections.h"

#include "cells/constructed/numeric/curvesolvers.h"
#include "cells/constructed/numeric/numerictexts.h"
#include "cells/primitives/formattext.h"

CGVerRootOfPair::CGVerRootOfPair(WORD id, int slot, const QString& name, BYTE root, WORD first, WORD second)
    : CGConstructedPoint(id, slot, name, {first, second}) {
  m_nSubKind = root;
}

void CGVerRootOfPair::PlaceRoot(Solver solve) {
  float p[3];
  if (m_parents.size() < 2 || solve(m_parents[0], m_parents[1], m_nSubKind, p) == 0) return Undefine();
  PlaceIfFinite(p);
}

QString CGVerRootOfPair::Describe(const char* pattern) const {
  return FillFormat(pattern, "%s", {ParentName(0), ParentName(1)});
}

IMPLEMENT_SERIAL(CGVerIntersectionLG, CGVertex)
IMPLEMENT_SERIAL(CGVerIntersectionLQ, CGVertex)
IMPLEMENT_SERIAL(CGVerIntersectionCQ, CGVertex)
IMPLEMENT_SERIAL(CGVerIntersectionCG, CGVertex)
IMPLEMENT_SERIAL(CGVerIntersectionQQ, CGVertex)
IMPLEMENT_SERIAL(CGVerIntersectionGG, CGVertex)
IMPLEMENT_SERIAL(CGVerIntersectionQG, CGVertex)

CGVerIntersectionLG::CGVerIntersectionLG(WORD id, int slot, const QString& name, BYTE root, WORD first, WORD second)
    : CGVerRootOfPair(id, slot, name, root, first, second) {
  Recalculate();
}
void CGVerIntersectionLG::Recalculate() { PlaceRoot(&IntersectLineLocus); }
QString CGVerIntersectionLG::GetDescription() { return Describe(kTextIntersectionLG); }

CGVerIntersectionLQ::CGVerIntersectionLQ(WORD id, int slot, const QString& name, BYTE root, WORD first, WORD second)
    : CGVerRootOfPair(id, slot, name, root, first, second) {
  Recalculate();
}
void CGVerIntersectionLQ::Recalculate() { PlaceRoot(&IntersectLineCurve); }
QString CGVerIntersectionLQ::GetDescription() { return Describe(kTextIntersectionLQ); }

CGVerIntersectionCQ::CGVerIntersectionCQ(WORD id, int slot, const QString& name, BYTE root, WORD first, WORD second)
    : CGVerRootOfPair(id, slot, name, root, first, second) {
  Recalculate();
}
void CGVerIntersectionCQ::Recalculate() { PlaceRoot(&IntersectCircleCurve); }
QString CGVerIntersectionCQ::GetDescription() { return Describe(kTextIntersectionCQ); }

CGVerIntersectionCG::CGVerIntersectionCG(WORD id, int slot, const QString& name, BYTE root, WORD first, WORD second)
    : CGVerRootOfPair(id, slot, name, root, first, second) {
  Recalculate();
}
void CGVerIntersectionCG::Recalculate() { PlaceRoot(&IntersectCircleLocus); }
QString CGVerIntersectionCG::GetDescription() { return Describe(kTextIntersectionCG); }

CGVerIntersectionQQ::CGVerIntersectionQQ(WORD id, int slot, const QString& name, BYTE root, WORD first, WORD second)
    : CGVerRootOfPair(id, slot, name, root, first, second) {
  Recalculate();
}
void CGVerIntersectionQQ::Recalculate() { PlaceRoot(&IntersectCurveCurve); }
QString CGVerIntersectionQQ::GetDescription() { return Describe(kTextIntersectionQQ); }

CGVerIntersectionGG::CGVerIntersectionGG(WORD id, int slot, const QString& name, BYTE root, WORD first, WORD second)
    : CGVerRootOfPair(id, slot, name, root, first, second) {
  Recalculate();
}
void CGVerIntersectionGG::Recalculate() { PlaceRoot(&IntersectLocusLocus); }
QString CGVerIntersectionGG::GetDescription() { return Describe(kTextIntersectionGG); }

CGVerIntersectionQG::CGVerIntersectionQG(WORD id, int slot, const QString& name, BYTE root, WORD first, WORD second)
    : CGVerRootOfPair(id, slot, name, root, first, second) {
  Recalculate();
}
void CGVerIntersectionQG::Recalculate() { PlaceRoot(&IntersectCurveLocus); }
QString CGVerIntersectionQG::GetDescription() { return Describe(kTextIntersectionQG); }
