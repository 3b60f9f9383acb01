#include "cells/revolution/solidsbypoints.h"

#include <cmath>
#include <initializer_list>

#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"
#include "cells/revolution/revolutiontexts.h"
#include "math/widevector.h"

IMPLEMENT_SERIAL(CGSphereCN, CGSphere)
IMPLEMENT_SERIAL(CGCylinderCPC, CGCylinder)
IMPLEMENT_SERIAL(CGConeCPV, CGCone)
IMPLEMENT_SERIAL(CGFrustumCP2, CGFrustum)

namespace {

// Steps of every constructor: the id, then the parents in argument order,
// each told of its new child.  The caller recalculates.
void Link(CGCell& solid, WORD id, std::initializer_list<WORD> parents) {
  solid.m_nId = id;
  for (WORD parent : parents) AppendParent(solid, parent);
}

// d = to - from and its length, in single precision; false when the length
// overflowed (points too far apart for a float), which must not be stored.
bool Span(const float from[3], const float to[3], float d[3], float& length) {
  for (int i = 0; i < 3; ++i) d[i] = to[i] - from[i];
  length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
  return std::isfinite(length);
}

QString Name(const CGCell& solid, std::size_t i) { return ParentPointName(solid, i); }

}  // namespace

// --- Shared by the cylinder, cone and frustum -------------------------------

bool CGAxialSolid::AxisFromPoints() {
  m_bDefined = false;
  const CGVertex* c = DefinedParentPoint(*this, 0);
  if (!c) return false;
  kvmath::Store3(c->m_vPos, BaseCenter);
  float d[3], length;
  const CGVertex* r = DefinedParentPoint(*this, 1);
  if (!r || !Span(BaseCenter, r->m_vPos, d, length)) return false;
  Radius = length;
  const CGVertex* t = DefinedParentPoint(*this, 2);
  if (!t || !Span(BaseCenter, t->m_vPos, d, length)) return false;
  kvmath::Store3(d, Axis);
  Height = length;
  m_bDefined = true;
  return true;
}

// --- Sphere -----------------------------------------------------------------

CGSphereCN::CGSphereCN(WORD id, WORD c, WORD n) {
  Link(*this, id, {c, n});
  Recalculate();
}

void CGSphereCN::Recalculate() {
  m_bDefined = false;
  const CGVertex* c = DefinedParentPoint(*this, 0);
  if (!c) return;
  kvmath::Store3(c->m_vPos, Center);
  float pole[3], length;
  const CGVertex* n = DefinedParentPoint(*this, 1);
  if (!n || !Span(Center, n->m_vPos, pole, length)) return;
  kvmath::Store3(pole, PoleVector);
  Radius = length;
  m_bDefined = true;
}

QString CGSphereCN::GetDescription() {
  return FillFormat(kTextSphereCNDescription, "%s", {Name(*this, 0), Name(*this, 1)});
}

// --- Cylinder and cone ------------------------------------------------------

CGCylinderCPC::CGCylinderCPC(WORD id, WORD c, WORD r, WORD t) {
  Link(*this, id, {c, r, t});
  Recalculate();
}

void CGCylinderCPC::Recalculate() { AxisFromPoints(); }

QString CGCylinderCPC::GetDescription() {
  const QString c = Name(*this, 0), r = Name(*this, 1), t = Name(*this, 2);
  return FillFormat(kTextCylinderCPCDescription, "%s", {c, t, c, r});
}

CGConeCPV::CGConeCPV(WORD id, WORD c, WORD r, WORD v) {
  Link(*this, id, {c, r, v});
  Recalculate();
}

void CGConeCPV::Recalculate() { AxisFromPoints(); }

QString CGConeCPV::GetDescription() {
  return FillFormat(kTextConeCPVDescription, "%s", {Name(*this, 2), Name(*this, 0), Name(*this, 1)});
}

// --- Frustum ----------------------------------------------------------------

CGFrustumCP2::CGFrustumCP2(WORD id, WORD c, WORD r1, WORD t, WORD r2) {
  Link(*this, id, {c, r1, t, r2});
  Recalculate();
}

void CGFrustumCP2::Recalculate() {
  if (!AxisFromPoints()) return;
  m_bDefined = false;
  const CGVertex* t = DefinedParentPoint(*this, 2);
  const CGVertex* r2 = DefinedParentPoint(*this, 3);
  float d[3], top;
  if (!r2 || !Span(t->m_vPos, r2->m_vPos, d, top)) return;
  // A base radius of 0 gives no ratio.
  const float ratio = top / Radius;
  if (!std::isfinite(ratio)) return;
  TopRatio = ratio;
  m_bDefined = true;
}

QString CGFrustumCP2::GetDescription() {
  const QString c = Name(*this, 0), r1 = Name(*this, 1), t = Name(*this, 2), r2 = Name(*this, 3);
  return FillFormat(kTextFrustumCP2Description, "%s", {c, t, c, r1, t, r2});
}
