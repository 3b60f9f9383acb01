#include "cells/primitives/cgverfreeinline.h"

#include <cmath>

#include "cells/primitives/cgline.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"
#include "cells/primitives/freepointtexts.h"
#include "math/widevector.h"
#include "platform/archive.h"

IMPLEMENT_SERIAL(CGVerFreeInLine, CGVerFree)

CGVerFreeInLine::CGVerFreeInLine() { m_fValue = 0.5f; }

CGVerFreeInLine::CGVerFreeInLine(WORD id, int slot, const QString& name, WORD line, float t)
    : CGVerFree(id, slot, name, 0, 0, 0) {
  m_fValue = t;
  AppendParent(*this, line);
  Recalculate();
}

void CGVerFreeInLine::Serialize(CArchive& ar) {
  CGVerFree::Serialize(ar);
  CheckLoaded(ar, 1, {m_fValue});
}

void CGVerFreeInLine::Recalculate() {
  const CGLine* line = ParentAs<CGLine>(0);
  const CGVertex* a = line && line->m_parents.size() == 2 ? CornerPoint(line->m_parents[0]) : nullptr;
  const CGVertex* b = a ? CornerPoint(line->m_parents[1]) : nullptr;
  if (!line || !line->m_bDefined || !b) {
    m_bDefined = false;
    return;
  }
  const float t = m_fValue;
  float p[3];
  for (int i = 0; i < 3; ++i) p[i] = (b->m_vPos[i] - a->m_vPos[i]) * t + a->m_vPos[i];
  PlaceIfFinite(p);
}

QString CGVerFreeInLine::GetDescription() {
  const CGLine* line = ParentAs<CGLine>(0);
  return FillFormat(kTextFreePointInLine, "%s", {line ? line->m_strName : QString()});
}

void CGVerFreeInLine::DragTo() {
  const CGLine* line = ParentAs<CGLine>(0);
  float p[3];
  double t, distance;
  if (!line || !line->NearestToRay(p, &t, &distance, 0)) return;
  // A line whose ends lie out at the float range meets the ray at no
  // number: the point stays where it was, as the record keeps numbers only.
  if (!std::isfinite(static_cast<float>(t)) || !kvmath::Finite3(p)) return;
  m_fValue = static_cast<float>(t);
  PlaceAt(p);
}
