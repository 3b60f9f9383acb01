#include "cells/constrained/turningpoints.h"

#include <bit>
#include <cmath>

#include "cells/constrained/constrainedtexts.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"
#include "math/geometry.h"
#include "math/widevector.h"
#include "platform/archive.h"

IMPLEMENT_SERIAL(CGVerFreeUpright, CGVerFree)
IMPLEMENT_SERIAL(CGVerFreeUprightEquid, CGVerFree)
IMPLEMENT_SERIAL(CGVerFreeEquilateral, CGVerFree)

namespace {

// The height of an equilateral triangle over a side of 1, as stored.
constexpr float kHalfRoot3 = 0.8660254f;

// The frame and length a recalculation replaces, to put back when the new
// ones are not finite.
struct KeptFrame {
  explicit KeptFrame(const CGVerFreeTurning& p) : length(p.AxisLength) {
    kvmath::Store3(p.AxisW, w);
    kvmath::Store3(p.AxisU, u);
    kvmath::Store3(p.AxisV, v);
  }
  void RestoreTo(CGVerFreeTurning& p) const {
    kvmath::Store3(w, p.AxisW);
    kvmath::Store3(u, p.AxisU);
    kvmath::Store3(v, p.AxisV);
    p.AxisLength = length;
  }
  float w[3], u[3], v[3];
  float length;
};

bool FiniteFrame(const CGVerFreeTurning& p) {
  return kvmath::Finite3(p.AxisW) && kvmath::Finite3(p.AxisU) && kvmath::Finite3(p.AxisV) &&
         std::isfinite(p.AxisLength);
}

}  // namespace

// --- Shared -------------------------------------------------------------------

CGVerFreeTurning::CGVerFreeTurning(WORD id, int slot, const QString& name, WORD a, WORD b)
    : CGVerFree(id, slot, name, 0, 0, 0) {
  AppendParent(*this, a);
  AppendParent(*this, b);
}

bool CGVerFreeTurning::DefinedAxis(const CGVertex*& a, const CGVertex*& b) {
  a = DefinedParentAs<CGVertex>(0);
  b = a ? DefinedParentAs<CGVertex>(1) : nullptr;
  if (!b) m_bDefined = false;
  return b != nullptr;
}

void CGVerFreeTurning::BuildFrame(const float a[3], const float b[3]) {
  float* const w = AxisW;
  float* const u = AxisU;
  float* const v = AxisV;
  const float d[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
  AxisLength = VectorLength(d);
  if (std::fabs(AxisLength) > 0.001f) {
    for (int i = 0; i < 3; ++i) w[i] = d[i] / AxisLength;
  } else {
    w[0] = 1, w[1] = 0, w[2] = 0;
  }
  if (std::fabs(w[0]) < 1e-5f && std::fabs(w[1]) < 1e-5f) {
    // A vertical axis, up or down alike.
    u[0] = 0, u[1] = 1, u[2] = 0;
    v[0] = -1, v[1] = 0, v[2] = 0;
    return;
  }
  const float q = std::sqrt(w[0] * w[0] + w[1] * w[1]);
  u[0] = -w[1] / q, u[1] = w[0] / q, u[2] = 0;
  v[0] = -w[2] * u[1], v[1] = w[2] * u[0], v[2] = u[1] * w[0] - u[0] * w[1];
}

void CGVerFreeTurning::Recalculate() {
  const CGVertex *a, *b;
  if (!DefinedAxis(a, b)) return;
  const KeptFrame kept(*this);
  BuildFrame(a->m_vPos, b->m_vPos);
  float p[3];
  PositionFrom(a->m_vPos, b->m_vPos, p);
  m_bDefined = FiniteFrame(*this) && kvmath::Finite3(p);
  if (m_bDefined) PlaceAt(p);
  else kept.RestoreTo(*this);
}

void CGVerFreeTurning::OnCircle(const float c[3], float rho, float theta, float p[3]) const {
  const float k = rho * std::cos(theta), s = rho * std::sin(theta);
  for (int i = 0; i < 3; ++i) p[i] = c[i] + k * AxisU[i] + s * AxisV[i];
}

bool CGVerFreeTurning::MoveTo(const float p[3]) {
  if (!kvmath::Finite3(p)) return false;
  PlaceAt(p);
  return true;
}

bool CGVerFreeTurning::PlaceOnCircle(const float c[3], float rho, float theta) {
  float p[3];
  OnCircle(c, rho, theta, p);
  return MoveTo(p);
}

bool CGVerFreeTurning::RayHit(const float c[3], double flat, Hit& hit) const {
  double R[3], wn = 0, wr = 0;
  for (int i = 0; i < 3; ++i) {
    R[i] = g_dRayFar[i] - g_dRayNear[i];
    wn += AxisW[i] * g_dRayNear[i];
    wr += AxisW[i] * R[i];
  }
  if (wr == 0.0) {
    if (flat == 0.0) return false;
    wr = flat;
  }
  const float wc = AxisW[0] * c[0] + AxisW[1] * c[1] + AxisW[2] * c[2];
  const double s = -(wn - wc) / wr;
  double ud = 0, vd = 0, dd = 0;
  for (int i = 0; i < 3; ++i) {
    hit.d[i] = g_dRayNear[i] + s * R[i] - c[i];
    ud += AxisU[i] * hit.d[i];
    vd += AxisV[i] * hit.d[i];
    dd += hit.d[i] * hit.d[i];
  }
  hit.length = std::sqrt(dd);
  const float rho = static_cast<float>(hit.length);
  hit.theta = static_cast<float>(std::acos(ud / rho));
  if (vd < 0) hit.theta = -hit.theta;
  if (!std::isfinite(hit.theta)) hit.theta = 0;  // the centre itself, or a cosine just beyond 1
  return true;
}

bool CGVerFreeTurning::PlaceToward(const float c[3], float rho, const Hit& hit) {
  // At the centre the direction is lost: dividing by 0 would put NaN into
  // the point and everything that follows it.
  if (!(hit.length > 0)) return PlaceOnCircle(c, rho, 0);
  const double k = rho / hit.length;
  float p[3];
  for (int i = 0; i < 3; ++i) p[i] = static_cast<float>(c[i] + k * hit.d[i]);
  return MoveTo(p);
}

void CGVerFreeTurning::SerializeFrame(CArchive& ar, std::initializer_list<float*> first) {
  float* const frame[] = {AxisW, AxisU, AxisV};
  if (ar.IsStoring()) {
    for (float* v : first) ar << *v;
    for (float* v : frame) ar << v[0] << v[1] << v[2];
    return;
  }
  for (float* v : first) ar >> *v;
  for (float* v : frame) ar >> v[0] >> v[1] >> v[2];
  CheckLoaded(ar, 2, {m_fValue, AxisW[0], AxisW[1], AxisW[2], AxisU[0], AxisU[1], AxisU[2], AxisV[0], AxisV[1],
                      AxisV[2]});
  for (float* v : first) CheckLoaded(ar, 2, {*v});
}

QString CGVerFreeTurning::Describe(const char* format) const {
  const QString a = ParentName(0), b = ParentName(1);
  return FillFormat(format, "%s", {m_strName, a, a, b, m_strName, a, a, b});
}

// --- Free distance ------------------------------------------------------------

CGVerFreeUpright::CGVerFreeUpright() { SetRadius(8); }

CGVerFreeUpright::CGVerFreeUpright(WORD id, int slot, const QString& name, WORD a, WORD b)
    : CGVerFreeTurning(id, slot, name, a, b) {
  SetRadius(8);
  SetAngle(0);
  Recalculate();
}

float CGVerFreeUpright::Radius() const { return std::bit_cast<float>(m_dwParam1); }
float CGVerFreeUpright::Angle() const { return std::bit_cast<float>(m_dwParam2); }
void CGVerFreeUpright::SetRadius(float r) { m_dwParam1 = std::bit_cast<DWORD>(r); }
void CGVerFreeUpright::SetAngle(float theta) { m_dwParam2 = std::bit_cast<DWORD>(theta); }

void CGVerFreeUpright::Serialize(CArchive& ar) {
  CGVerFree::Serialize(ar);
  float r = Radius(), theta = Angle();
  SerializeFrame(ar, {&r, &theta});
  SetRadius(r);
  SetAngle(theta);
}

void CGVerFreeUpright::PositionFrom(const float a[3], const float*, float p[3]) const {
  OnCircle(a, Radius(), Angle(), p);
}

QString CGVerFreeUpright::GetDescription() { return Describe(kTextUpright); }

void CGVerFreeUpright::DragTo() {
  const CGVertex* a = ParentAs<CGVertex>(0);
  if (!a) return;
  Hit hit;
  if (!RayHit(a->m_vPos, 0, hit)) {
    SetAngle(Angle() + 0.02f);
    PlaceOnCircle(a->m_vPos, Radius(), Angle());
    return;
  }
  const float r = static_cast<float>(hit.length);
  float p[3];
  for (int i = 0; i < 3; ++i) p[i] = static_cast<float>(a->m_vPos[i] + hit.d[i]);
  if (!std::isfinite(r) || !MoveTo(p)) return;
  SetRadius(r);
  SetAngle(hit.theta);
}

// --- Fixed radius -------------------------------------------------------------

void CGVerFreeFixedTurning::Serialize(CArchive& ar) {
  CGVerFree::Serialize(ar);
  SerializeFrame(ar, {&AxisLength});
}

void CGVerFreeFixedTurning::ApplyParameter() {
  const CGVertex* a = ParentAs<CGVertex>(0);
  const CGVertex* b = ParentAs<CGVertex>(1);
  if (!a || !b) return;
  float p[3];
  PositionFrom(a->m_vPos, b->m_vPos, p);
  MoveTo(p);
}

CGVerFreeUprightEquid::CGVerFreeUprightEquid(WORD id, int slot, const QString& name, WORD a, WORD b)
    : CGVerFreeFixedTurning(id, slot, name, a, b) {
  Recalculate();
}

void CGVerFreeUprightEquid::PositionFrom(const float a[3], const float*, float p[3]) const {
  OnCircle(a, AxisLength, m_fValue, p);
}

QString CGVerFreeUprightEquid::GetDescription() { return Describe(kTextUprightEquid); }

void CGVerFreeUprightEquid::DragTo() {
  const CGVertex* a = ParentAs<CGVertex>(0);
  if (!a) return;
  Hit hit;
  if (!RayHit(a->m_vPos, 0, hit)) {
    m_fValue += 0.02f;
    PlaceOnCircle(a->m_vPos, AxisLength, m_fValue);
    return;
  }
  if (PlaceToward(a->m_vPos, AxisLength, hit)) m_fValue = hit.theta;
}

CGVerFreeEquilateral::CGVerFreeEquilateral(WORD id, int slot, const QString& name, WORD a, WORD b)
    : CGVerFreeFixedTurning(id, slot, name, a, b) {
  Recalculate();
}

void CGVerFreeEquilateral::PositionFrom(const float a[3], const float b[3], float p[3]) const {
  float m[3];
  Midpoint(a, b, m);
  OnCircle(m, AxisLength * kHalfRoot3, m_fValue, p);
}

QString CGVerFreeEquilateral::GetDescription() {
  return FillFormat(kTextEquilateral, "%s", {m_strName, ParentName(0), ParentName(1)});
}

void CGVerFreeEquilateral::DragTo() {
  const CGVertex* a = ParentAs<CGVertex>(0);
  const CGVertex* b = ParentAs<CGVertex>(1);
  if (!a || !b) return;
  float m[3];
  Midpoint(a->m_vPos, b->m_vPos, m);
  Hit hit;
  RayHit(m, 1e-5, hit);
  if (PlaceToward(m, AxisLength * kHalfRoot3, hit)) m_fValue = hit.theta;
}
