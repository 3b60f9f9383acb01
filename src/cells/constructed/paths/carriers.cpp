#include "cells/constructed/paths/carriers.h"

#include <algorithm>
#include <cmath>

#include "cells/constructed/paths/pathpieces.h"
#include "cells/primitives/arcangles.h"
#include "cells/constructed/paths/pathpointtexts.h"
#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/paths/locus.h"
#include "platform/archive.h"
#include "platform/numberformat.h"

IMPLEMENT_SERIAL(CGVerInLineFixedf, CGVertex)
IMPLEMENT_SERIAL(CGVerInLineFt, CGVertex)
IMPLEMENT_SERIAL(CGVerInCircleFixedf, CGVertex)
IMPLEMENT_SERIAL(CGVerInCircleScale, CGVertex)
IMPLEMENT_SERIAL(CGVerInCurveFixedf, CGVertex)
IMPLEMENT_SERIAL(CGVerInCurveFt, CGVertex)
IMPLEMENT_SERIAL(CGVerInLocusFixedf, CGVertex)
IMPLEMENT_SERIAL(CGVerInLocusFt, CGVertex)

namespace {
QString Parameter(float t) { return FormatNumber("%f", t); }

bool Between(double t, double t0, double t1) { return (t0 <= t && t <= t1) || (t1 <= t && t <= t0); }

// The source point's parameter, when the carrier (parent 0) and the point
// (parent 1) are defined.
template <class Carrier>
Carrier* CarrierAndSource(const CGCell& cell, float& t) {
  Carrier* carrier = cell.DefinedParentAs<Carrier>(0);
  const CGCell* source = carrier ? DefinedSource(cell, 1) : nullptr;
  if (!source) return nullptr;
  t = source->m_fValue;
  return carrier;
}

// The angle brought into [0, 2 pi), as an arc's start is: whole turns off,
// in double, so that an angle far beyond a turn (a huge typed ratio) comes
// into the turn too, and a point stored there reopens where it stood.
float ReducedAngle(float a) { return ReduceStartAngle(a); }
}  // namespace

// --- On a line ------------------------------------------------------------------

CGVerInLineFixedf::CGVerInLineFixedf(WORD id, int slot, const QString& name, WORD line, float t)
    : CGConstructedPoint(id, slot, name, {line}) {
  m_fValue = t;
  Recalculate();
}

void CGVerInLineFixedf::Recalculate() {
  LineParent line;
  if (!DefinedLine(0, line)) return Undefine();
  PlaceAlongLine(line, m_fValue);
}

QString CGVerInLineFixedf::GetDescription() {
  return DescribePath(kTextInLineFixedf, Parameter(m_fValue), {ParentName(0)});
}

CGVerInLineFt::CGVerInLineFt(WORD id, int slot, const QString& name, WORD line, WORD point)
    : CGConstructedPoint(id, slot, name, {line, point}) {
  Recalculate();
}

void CGVerInLineFt::Recalculate() {
  LineParent line;
  const CGCell* source = DefinedLine(0, line) ? DefinedSource(*this, 1) : nullptr;
  if (!source) return Undefine();
  m_fValue = source->m_fValue;
  PlaceAlongLine(line, m_fValue);
}

QString CGVerInLineFt::GetDescription() { return DescribePath(kTextInLineFt, {}, {ParentName(0), ParentName(1)}); }

// --- On a circle ----------------------------------------------------------------

CGVerInCircleFixedf::CGVerInCircleFixedf(WORD id, int slot, const QString& name, WORD circle, float angle)
    : CGVerOnCircleAngle(id, slot, name, {circle}) {
  m_fValue = angle;
  Recalculate();
}

void CGVerInCircleFixedf::Recalculate() {
  const CGArc* circle = DefinedParentAs<CGArc>(0);
  if (!circle) return Undefine();
  PlaceAtAngle(circle, m_fValue);
}

QString CGVerInCircleFixedf::GetDescription() {
  return DescribePath(kTextInCircleFixedf, Parameter(m_fValue), {ParentName(0)});
}

CGVerInCircleScale::CGVerInCircleScale(WORD id, int slot, const QString& name, WORD circle, WORD a, WORD b,
                                       float ratio)
    : CGVerOnCircleAngle(id, slot, name, {circle, a, b}), Ratio(ratio) {
  Recalculate();
  TakeRatioFromPlace();
}

void CGVerInCircleScale::Serialize(CArchive& ar) {
  CGConstructedPoint::Serialize(ar);
  if (ar.IsStoring()) return;
  Ratio = 0.5f;
  m_bRatioPending = true;
}

void CGVerInCircleScale::TakeRatioFromPlace() {
  Ratio = 0.5f;
  m_bRatioPending = true;
  Recalculate();
}

void CGVerInCircleScale::ArcEnds(float& a, float& b) {
  a = ReducedAngle(a);
  b = ReducedAngle(b);
  if (a > b) b += kArcFullTurn;
}

void CGVerInCircleScale::Recalculate() {
  const CGArc* circle = DefinedParentAs<CGArc>(0);
  const CGVertex* a = circle ? DefinedParentAs<CGVertex>(1) : nullptr;
  const CGVertex* b = a ? DefinedParentAs<CGVertex>(2) : nullptr;
  if (!b) return Undefine();
  float from = a->m_fValue, to = b->m_fValue;
  ArcEnds(from, to);
  if (m_bRatioPending) {
    // The stored angle lies on the arc from A to B, one turn down when the
    // arc passes angle 0.
    m_bRatioPending = false;
    const float at = m_fValue < from ? m_fValue + kArcFullTurn : m_fValue;
    const float ratio = (at - from) / (to - from);
    if (to != from && std::isfinite(ratio)) {
      Ratio = ratio;
      // The point stands at its stored angle: the angle found again from
      // the ratio could differ by a rounding, and each reopen move it.
      return PlaceAtAngle(circle, ReducedAngle(m_fValue));
    }
  }
  PlaceAtAngle(circle, ReducedAngle((1 - Ratio) * from + Ratio * to));
}

QString CGVerInCircleScale::GetDescription() {
  return DescribePath(kTextInCircleScale, {}, {ParentName(0), ParentName(1), ParentName(2)});
}

// --- On a curve -----------------------------------------------------------------

namespace {
void PlaceOnCurve(CGVertex& point, CGCurve& curve, float t) {
  double at[3] = {0, 0, 0};
  curve.SampleAt(at, nullptr, t);
  const float p[3] = {static_cast<float>(at[0]), static_cast<float>(at[1]), static_cast<float>(at[2])};
  point.PlaceIfFinite(p);
}

void PlaceOnLocus(CGVertex& point, CGLocus& locus, float t) {
  float p[3];
  if (locus.SampleAtKept(p, t)) point.PlaceIfFinite(p);
  else point.m_bDefined = false;
}
}  // namespace

CGVerInCurveFixedf::CGVerInCurveFixedf(WORD id, int slot, const QString& name, WORD curve, float t)
    : CGConstructedPoint(id, slot, name, {curve}) {
  m_fValue = t;
  Recalculate();
}

void CGVerInCurveFixedf::Recalculate() {
  CGCurve* curve = DefinedParentAs<CGCurve>(0);
  if (!curve) return Undefine();
  PlaceOnCurve(*this, *curve, m_fValue);
}

QString CGVerInCurveFixedf::GetDescription() {
  return DescribePath(kTextInCurveFixedf, Parameter(m_fValue), {ParentName(0)});
}

CGVerInCurveFt::CGVerInCurveFt(WORD id, int slot, const QString& name, WORD curve, WORD point)
    : CGConstructedPoint(id, slot, name, {curve, point}) {
  Recalculate();
}

void CGVerInCurveFt::Recalculate() {
  float t;
  CGCurve* curve = CarrierAndSource<CGCurve>(*this, t);
  if (!curve || !Between(t, curve->ParamStart, curve->ParamEnd)) return Undefine();
  m_fValue = t;
  PlaceOnCurve(*this, *curve, t);
}

QString CGVerInCurveFt::GetDescription() { return DescribePath(kTextInCurveFt, {}, {ParentName(0), ParentName(1)}); }

// --- On a locus -----------------------------------------------------------------

CGVerInLocusFixedf::CGVerInLocusFixedf(WORD id, int slot, const QString& name, WORD locus, float t)
    : CGConstructedPoint(id, slot, name, {locus}) {
  m_fValue = t;
  Recalculate();
}

void CGVerInLocusFixedf::Recalculate() {
  CGLocus* locus = DefinedParentAs<CGLocus>(0);
  if (!locus) return Undefine();
  PlaceOnLocus(*this, *locus, m_fValue);
}

QString CGVerInLocusFixedf::GetDescription() { return DescribePath(kTextInLocusFixedf, Parameter(m_fValue), {}); }

CGVerInLocusFt::CGVerInLocusFt(WORD id, int slot, const QString& name, WORD locus, WORD point)
    : CGConstructedPoint(id, slot, name, {locus, point}) {
  Recalculate();
}

void CGVerInLocusFt::Recalculate() {
  float t;
  CGLocus* locus = CarrierAndSource<CGLocus>(*this, t);
  if (!locus || !Between(t, locus->ParamStart, locus->ParamEnd)) return Undefine();
  m_fValue = t;
  PlaceOnLocus(*this, *locus, t);
}

QString CGVerInLocusFt::GetDescription() { return DescribePath(kTextInLocusFt, {}, {ParentName(1)}); }
