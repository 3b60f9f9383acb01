#include "cells/constructed/circleplane.h"

#include <cmath>

#include "cells/constructed/derivedpointtexts.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/formattext.h"
#include "cells/primitives/vecops.h"

IMPLEMENT_SERIAL(CGVerIntersectionCF, CGVertex)

using kvmath::WideVec;

namespace {

// v at length 1; false for a vector too short to give a direction, which
// would otherwise turn into NaN that passes every later test.
bool Unit(const WideVec& v, WideVec& out) {
  const double length = kvmath::Length(v);
  if (!(length >= 1e-9)) return false;
  out = (1 / length) * v;
  return true;
}

}  // namespace

CGVerIntersectionCF::CGVerIntersectionCF(WORD id, int slot, const QString& name, BYTE root, WORD circle,
                                         WORD face)
    : CGConstructedPoint(id, slot, name, {circle, face}) {
  m_nSubKind = root;
  Recalculate();
}

void CGVerIntersectionCF::Recalculate() {
  const CGArc* circle = DefinedParentAs<CGArc>(0);
  const CGFace* face = circle ? DefinedParentAs<CGFace>(1) : nullptr;
  const float* corner[3] = {nullptr, nullptr, nullptr};
  for (int i = 0; face && i < 3; ++i) corner[i] = face->CornerPos(i);
  WideVec nf{}, nc{}, d{};
  if (!corner[0] || !corner[1] || !corner[2] ||
      !Unit(kvmath::Cross(kvmath::Diff(corner[0], corner[1]), kvmath::Diff(corner[2], corner[1])), nf) ||
      !Unit(kvmath::Cross(kvmath::Widen(circle->AxisU), kvmath::Widen(circle->AxisV)), nc) ||
      !(std::fabs(kvmath::Dot(nf, nc)) <= 0.999999) || !Unit(kvmath::Cross(nf, nc), d))
    return Undefine();                     // no plane, or parallel planes
  const WideVec m = kvmath::Cross(d, nc);  // in the circle's plane, across the meeting line
  const double s = -kvmath::Dot(nf, kvmath::Diff(circle->Center, corner[1])) / kvmath::Dot(nf, m);
  const double r = circle->Radius;
  if (!(s * s <= r * r)) return Undefine();  // out of reach
  const double h = std::sqrt(r * r - s * s);
  float foot[3], p[3];  // the meeting line's point nearest to the centre, in float
  kvmath::StoreFloat(kvmath::Widen(circle->Center) + s * m, foot);
  kvmath::StoreFloat(kvmath::Widen(foot) + (m_nSubKind == 0 ? -h : h) * d, p);
  PlaceIfFinite(p);
}

QString CGVerIntersectionCF::GetDescription() {
  return FillFormat(kTextIntersectionCF, "%s", {ParentName(0), ParentName(1)});
}
