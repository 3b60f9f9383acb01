#include "cells/dynamic/paths/pathpoints.h"

#include <algorithm>
#include <cmath>

#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/dynamic/paths/pathtexts.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"
#include "math/widevector.h"
#include "platform/archive.h"

IMPLEMENT_SERIAL(CGVerFreeInLocus, CGVerFree)
IMPLEMENT_SERIAL(CGVerFreeInCurve, CGVerFree)

namespace {
// The parameter pulled into [min(a, b), max(a, b)].
float Clamped(float parameter, float a, float b) { return std::clamp(parameter, std::min(a, b), std::max(a, b)); }

// The drag of a point on a path: the path's point nearest to the mouse
// ray and its parameter, when there is one and it is finite.
template <class Path>
void DragAlong(CGVerFree& point, Path* path) {
  float p[3];
  double t, distance;
  if (!path || !path->NearestToRay(p, &t, &distance, 0) || !kvmath::Finite3(p)) return;
  point.m_fValue = static_cast<float>(t);
  point.PlaceAt(p);
}
}  // namespace

CGVerFreeInLocus::CGVerFreeInLocus() { m_fValue = 0.5f; }

CGVerFreeInLocus::CGVerFreeInLocus(WORD id, int slot, const QString& name, WORD locus, float parameter)
    : CGVerFree(id, slot, name, 0, 0, 0) {
  m_fValue = parameter;
  AppendParent(*this, locus);
  Recalculate();
  const CGLocus* path = DefinedParentAs<CGLocus>(0);
  if (path && !m_bDefined) SearchDefinedStep(*path);
}

void CGVerFreeInLocus::SearchDefinedStep(const CGLocus& locus) {
  const float low = std::min(locus.ParamStart, locus.ParamEnd);
  const float high = std::max(locus.ParamStart, locus.ParamEnd);
  const int steps = CappedSampleCount(high - low, locus.Step);
  const float given = m_fValue;
  // Counted steps: a step too small to move p cannot stall the search.
  for (int j = 0; j < steps; ++j) {
    const float p = low + static_cast<float>(j) * locus.Step;
    if (!(p <= high)) break;
    m_fValue = p;
    Recalculate();
    if (m_bDefined) return;
  }
  m_fValue = given;
  Recalculate();
}

void CGVerFreeInLocus::Serialize(CArchive& ar) {
  CGVerFree::Serialize(ar);
  CheckLoaded(ar, 1, {m_fValue});
}

void CGVerFreeInLocus::Recalculate() {
  CGLocus* locus = DefinedParentAs<CGLocus>(0);
  if (!locus) {
    m_bDefined = false;
    return;
  }
  m_fValue = Clamped(m_fValue, locus->ParamStart, locus->ParamEnd);
  float p[3];
  if (!locus->SampleAtKept(p, m_fValue)) {
    m_bDefined = false;
    return;
  }
  PlaceIfFinite(p);
}

QString CGVerFreeInLocus::GetDescription() { return FillFormat(kTextPointOnLocus, "%s", {ParentName(0)}); }

void CGVerFreeInLocus::DragTo() { DragAlong(*this, ParentAs<CGLocus>(0)); }

CGVerFreeInCurve::CGVerFreeInCurve(WORD id, int slot, const QString& name, WORD curve, float parameter)
    : CGVerFree(id, slot, name, 0, 0, 0) {
  m_fValue = parameter;
  AppendParent(*this, curve);
  Recalculate();
}

void CGVerFreeInCurve::Serialize(CArchive& ar) {
  CGVerFree::Serialize(ar);
  CheckLoaded(ar, 1, {m_fValue});
}

void CGVerFreeInCurve::Recalculate() {
  CGCurve* curve = DefinedParentAs<CGCurve>(0);
  if (!curve) {
    m_bDefined = false;
    return;
  }
  m_fValue = Clamped(m_fValue, static_cast<float>(curve->ParamStart), static_cast<float>(curve->ParamEnd));
  double at[3] = {0, 0, 0};
  curve->SampleAt(at, nullptr, m_fValue);
  const float p[3] = {static_cast<float>(at[0]), static_cast<float>(at[1]), static_cast<float>(at[2])};
  PlaceIfFinite(p);
}

QString CGVerFreeInCurve::GetDescription() { return FillFormat(kTextPointOnCurve, "%s", {ParentName(0)}); }

void CGVerFreeInCurve::DragTo() { DragAlong(*this, ParentAs<CGCurve>(0)); }
