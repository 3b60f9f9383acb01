#include "cells/constructed/horizontalcircles.h"

#include <cmath>

#include "cells/constructed/constructedtexts.h"
#include "cells/primitives/arctexts.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"
#include "cells/primitives/vecops.h"
#include "math/geometry.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"

IMPLEMENT_SERIAL(CGArcPoint2, CGArc)
IMPLEMENT_SERIAL(CGArcCenterR, CGArc)

// --- Shared -------------------------------------------------------------------

CGArcHorizontal::CGArcHorizontal(WORD id, WORD centre, WORD second, BYTE kind) {
  m_nId = id;
  if (g_pCurPage) m_strName = g_pCurPage->GetNewName(4);
  m_nSubKind = kind;
  m_nParamB = 0;
  AppendParent(*this, centre);
  AppendParent(*this, second);
}

void CGArcHorizontal::Serialize(CArchive& ar) {
  CGArc::Serialize(ar);
  CheckLoaded(ar, 2, {});
}

bool CGArcHorizontal::TakeCentre() {
  const CGVertex* c = DefinedParentAs<CGVertex>(0);
  if (!c) {
    m_bDefined = false;
    return false;
  }
  kvmath::Store3(c->m_vPos, Center);
  return true;
}

void CGArcHorizontal::PlaceFrame(float ux, float uy, float vx, float vy, float radius) {
  const float u[3] = {ux, uy, 0}, v[3] = {vx, vy, 0};
  for (int i = 0; i < 3; ++i) {
    AxisU[i] = u[i];
    AxisV[i] = v[i];
  }
  Radius = radius;
  m_bDefined = true;
  PlaceLabel();
}

QString CGArcHorizontal::Describe(const char* const formats[5]) const {
  if (m_nSubKind > kArcSegment) return {};
  return FillFormat(formats[m_nSubKind], "%s",
                    {ParentName(0), ParentName(1), m_nParamB >= 1 ? QString::fromUtf8(kTextArcReversed) : QString()});
}

// --- Through a point ----------------------------------------------------------

CGArcPoint2::CGArcPoint2(WORD id, WORD centre, WORD point, BYTE kind)
    : CGArcHorizontal(id, centre, point, kind) {
  Recalculate();
}

void CGArcPoint2::Recalculate() {
  const FiniteFrameGuard guard(*this);
  if (!TakeCentre()) return;
  const CGVertex* p = DefinedParentAs<CGVertex>(1);
  if (!p) {
    m_bDefined = false;
    return;
  }
  const float ux = p->m_vPos[0] - Center[0], uy = p->m_vPos[1] - Center[1];
  const float u[3] = {ux, uy, 0};
  const float r = VectorLength(u);  // finite wherever the radius is a float
  AxisU[0] = ux;
  AxisU[1] = uy;
  AxisU[2] = 0;
  Radius = r;
  if (!(r >= 1e-7f)) {  // P straight above C (or numbers out of range)
    m_bDefined = false;
    return;
  }
  if (Reversed())
    PlaceFrame(ux, uy, uy, -ux, r);
  else
    PlaceFrame(ux, uy, -uy, ux, r);
}

QString CGArcPoint2::GetDescription() { return Describe(kTextArcPoint2Descriptions); }

// --- By a measured radius -----------------------------------------------------

CGArcCenterR::CGArcCenterR(WORD id, WORD centre, WORD radius, BYTE kind)
    : CGArcHorizontal(id, centre, radius, kind) {
  Recalculate();
}

void CGArcCenterR::Recalculate() {
  const FiniteFrameGuard guard(*this);
  if (!TakeCentre()) return;
  const CGCell* value = DefinedParentAs<CGCell>(1);
  // A value that is no number would spread into every tessellation.
  if (!value || !std::isfinite(value->m_fValue)) {
    m_bDefined = false;
    return;
  }
  float r = std::fabs(value->m_fValue);
  if (r == 0) r = 1e-20f;
  PlaceFrame(r, 0, 0, Reversed() ? -r : r, r);
}

QString CGArcCenterR::GetDescription() { return Describe(kTextArcCenterRDescriptions); }
