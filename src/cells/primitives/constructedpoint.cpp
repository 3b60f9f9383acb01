#include "cells/primitives/constructedpoint.h"

#include "cells/primitives/cgline.h"
#include "cells/primitives/cornerpoints.h"

bool FitsLineKind(double t, BYTE kind, double lo, double hi) {
  switch (kind) {
    case kLineSegment:
    case kLineVector:
      return t >= lo && t <= hi;
    case kLineRay:
      return t >= lo;
    default:
      return true;
  }
}

CGConstructedPoint::CGConstructedPoint(WORD id, int slot, const QString& name, std::initializer_list<WORD> parents)
    : CGVertex(id, slot, name, 0, 0, 0), m_nParentCount(parents.size()) {
  for (WORD parent : parents) AppendParent(*this, parent);
}

CGConstructedPoint::CGConstructedPoint(WORD id, int slot, const QString& name, const std::vector<WORD>& parents)
    : CGVertex(id, slot, name, 0, 0, 0), m_nParentCount(parents.size()) {
  for (WORD parent : parents) AppendParent(*this, parent);
}

void CGConstructedPoint::Serialize(CArchive& ar) {
  CGVertex::Serialize(ar);
  CheckLoadedPoint(ar, m_nParentCount);
}

void CGConstructedPoint::CheckLoadedPoint(CArchive& ar, size_t parents) const {
  CheckLoaded(ar, parents,
              {m_vPos[0], m_vPos[1], m_vPos[2], m_vLabelOffset[0], m_vLabelOffset[1], m_vLabelOffset[2]});
}

bool CGConstructedPoint::DefinedLine(size_t i, LineParent& line) const {
  const CGLine* cell = DefinedParentAs<CGLine>(i);
  const CGVertex *a, *b;
  if (!cell || !cell->Ends(&a, &b)) return false;
  line = {a->m_vPos, b->m_vPos, cell->m_nSubKind};
  return true;
}

void CGConstructedPoint::PlaceAlongLine(const LineParent& line, float t) {
  float p[3];
  for (int i = 0; i < 3; ++i) p[i] = (line.b[i] - line.a[i]) * t + line.a[i];
  PlaceIfFinite(p);
}
