#include "cells/constructed/circlepoints.h"

#include <cmath>

#include "cells/constructed/derivedpointtexts.h"
#include "cells/constructed/parametersource.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"
#include "cells/primitives/vecops.h"
#include "math/geometry.h"
#include "model/cgpage.h"
#include "platform/archive.h"
#include "platform/numberformat.h"

IMPLEMENT_SERIAL(CGVerInCircleRot, CGVertex)
IMPLEMENT_SERIAL(CGVerInCircleFt, CGVertex)
IMPLEMENT_SERIAL(CGArcInCircle, CGArc)

// Radians to the degrees descriptions show.
constexpr float kDegreesPerRadian = 57.29578f;

// --- Shared -------------------------------------------------------------------

void CGVerOnCircleAngle::PlaceAtAngle(const CGArc* circle, float angle) {
  // A value that is no number would be saved and spread to the points built
  // on this one.
  if (!std::isfinite(angle)) return Undefine();
  m_fValue = angle;
  if (!circle) return Undefine();
  // As the circle places its own points: c + cos a u + sin a v in float.
  const float c = std::cos(angle), s = std::sin(angle);
  float p[3];
  for (int i = 0; i < 3; ++i) p[i] = circle->Center[i] + c * circle->AxisU[i] + s * circle->AxisV[i];
  PlaceIfFinite(p);
}

// --- Turned further ------------------------------------------------------------

CGVerInCircleRot::CGVerInCircleRot(WORD id, int slot, const QString& name, WORD point, WORD circle,
                                   float angle)
    : CGVerOnCircleAngle(id, slot, name, {point, circle}), Angle(angle) {
  Recalculate();
}

void CGVerInCircleRot::Serialize(CArchive& ar) {
  CGConstructedPoint::Serialize(ar);
  if (ar.IsStoring()) {
    ar << Angle;
    return;
  }
  ar >> Angle;
  CheckLoaded(ar, 2, {Angle});
}

void CGVerInCircleRot::Recalculate() {
  // A point gives its circle angle, a value cell its value: both live in
  // the value field.
  const CGCell* p = DefinedParentAs<CGCell>(0);
  if (!p) return Undefine();
  PlaceAtAngle(DefinedParentAs<CGArc>(1), Angle + p->m_fValue);
}

QString CGVerInCircleRot::GetDescription() {
  const QString text =
      FillFormat(kTextInCircleRot, "%.4f", {FormatNumber("%.4f", Angle * kDegreesPerRadian)});
  return FillFormat(text.toUtf8().constData(), "%s", {ParentName(1), ParentName(0)});
}

// --- At the same angle -----------------------------------------------------------

CGVerInCircleFt::CGVerInCircleFt(WORD id, int slot, const QString& name, WORD circle, WORD point)
    : CGVerOnCircleAngle(id, slot, name, {circle, point}) {
  Recalculate();
}

void CGVerInCircleFt::Recalculate() {
  const CGArc* circle = DefinedParentAs<CGArc>(0);
  const CGCell* p = circle ? DefinedSource(*this, 1) : nullptr;
  if (!p) return Undefine();
  PlaceAtAngle(circle, p->m_fValue);
}

QString CGVerInCircleFt::GetDescription() {
  return FillFormat(kTextInCircleFt, "%s", {ParentName(0), ParentName(1)});
}

// --- The arc between two points -------------------------------------------------

CGArcInCircle::CGArcInCircle() { m_nSubKind = kArcArc; }

CGArcInCircle::CGArcInCircle(WORD id, WORD a, WORD b, WORD circle) : CGArcInCircle() {
  m_nId = id;
  if (g_pCurPage) m_strName = g_pCurPage->GetNewName(4);
  for (WORD parent : {a, b, circle}) AppendParent(*this, parent);
  Recalculate();
}

void CGArcInCircle::Serialize(CArchive& ar) {
  CGArc::Serialize(ar);
  CheckLoaded(ar, 3, {});
}

float CGArcInCircle::AngleOf(const float p[3]) const {
  const kvmath::WideVec n = kvmath::Cross(kvmath::Widen(AxisU), kvmath::Widen(AxisV));
  const kvmath::WideVec d = kvmath::Diff(p, Center);
  const double nn = kvmath::Norm2(n);
  float inPlane[3], normal[3];
  kvmath::StoreFloat(nn > 0 ? d - (kvmath::Dot(d, n) / nn) * n : d, inPlane);
  kvmath::StoreFloat(n, normal);
  return AngleBetweenVectors(AxisU, inPlane, normal);
}

void CGArcInCircle::Recalculate() {
  const FiniteFrameGuard guard(*this);
  const CGArc* circle = DefinedParentAs<CGArc>(2);
  if (!circle) {
    m_bDefined = false;
    return;
  }
  kvmath::Store3(circle->Center, Center);
  kvmath::Store3(circle->AxisU, AxisU);
  kvmath::Store3(circle->AxisV, AxisV);
  Radius = circle->Radius;
  const CGVertex* a = DefinedParentAs<CGVertex>(0);
  const CGVertex* b = a ? DefinedParentAs<CGVertex>(1) : nullptr;
  if (!b) {
    m_bDefined = false;
    return;
  }
  StartAngle = AngleOf(a->m_vPos);
  EndAngle = AngleOf(b->m_vPos);
  NormalizeAngles();
  PlaceLabel();
  m_bDefined = true;
}

QString CGArcInCircle::GetDescription() {
  return FillFormat(kTextArcInCircle, "%s", {ParentName(2), ParentName(0), ParentName(1)});
}
