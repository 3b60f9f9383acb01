#include "cells/constrained/dependentpoints.h"

#include "cells/constrained/constrainedtexts.h"
#include "cells/constrained/linepoints.h"
#include "cells/primitives/formattext.h"
#include "math/geometry.h"

IMPLEMENT_SERIAL(CGVerMid, CGVertex)
IMPLEMENT_SERIAL(CGVerPerpenEquid, CGVertex)

CGVerMid::CGVerMid(WORD id, int slot, const QString& name, WORD line) : CGConstructedPoint(id, slot, name, {line}) {
  Recalculate();
}

void CGVerMid::Recalculate() {
  LineParent line;
  if (!DefinedLine(0, line)) return Undefine();
  float p[3];
  Midpoint(line.a, line.b, p);
  PlaceIfFinite(p);
}

QString CGVerMid::GetDescription() { return FillFormat(kTextMidpoint, "%s", {ParentName(0)}); }

CGVerPerpenEquid::CGVerPerpenEquid(WORD id, int slot, const QString& name, WORD a, WORD b, WORD c)
    : CGConstructedPoint(id, slot, name, {a, b, c}) {
  Recalculate();
}

void CGVerPerpenEquid::Recalculate() {
  const CGVertex* p[3] = {nullptr, nullptr, nullptr};
  for (size_t i = 0; i < 3; ++i)
    if (!(p[i] = DefinedParentAs<CGVertex>(i))) return Undefine();
  const float *a = p[0]->m_vPos, *b = p[1]->m_vPos;
  float n[3];
  const float l = PlaneNormal(a, b, p[2]->m_vPos, n);
  const float e1[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
  const float k = VectorLength(e1) / l;
  float q[3];
  for (int i = 0; i < 3; ++i) q[i] = a[i] + k * n[i];
  PlaceIfFinite(q);
}

QString CGVerPerpenEquid::GetDescription() {
  const QString own = m_strName, a = ParentName(0), b = ParentName(1);
  return FillFormat(kTextPerpenEquid, "%s", {own, a, a, b, ParentName(2), own, a, a, b});
}
