#include "cells/constrained/linepoints.h"

#include <cmath>

#include "cells/constrained/constrainedtexts.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"
#include "cells/primitives/vecops.h"
#include "cells/constrained/vectorrecord.h"
#include "math/geometry.h"
#include "platform/numberformat.h"

IMPLEMENT_SERIAL(CGVerFreeParVector, CGVerFree)
IMPLEMENT_SERIAL(CGVerFreeParVecPP, CGVerFree)
IMPLEMENT_SERIAL(CGVerFreePerpen, CGVerFree)

using kvmath::WideVec;

namespace {

// v / |v|, dividing by 1e-5 instead where |v| is exactly 0 (so a zero
// vector stays zero rather than becoming NaN).
void MakeUnit(const float v[3], float out[3]) {
  float length = VectorLength(v);
  if (length == 0) length = 1e-5f;
  for (int i = 0; i < 3; ++i) out[i] = v[i] / length;
}

// A + t dir.
void Along(const CGVerFree& point, const float a[3], const float dir[3], float p[3]) {
  for (int i = 0; i < 3; ++i) p[i] = a[i] + point.m_fValue * dir[i];
}

// The end of a recalculation: defined at A + t dir, or undefined where it
// was when that is not finite.
void PlaceAlong(CGVerFree& point, const float a[3], const float dir[3]) {
  float p[3];
  Along(point, a, dir, p);
  point.PlaceIfFinite(p);
}

// A move that leaves the flag alone (a drag, a parameter applied): to
// A + t dir where that is finite, else nowhere.
void MoveAlong(CGVerFree& point, const float a[3], const float dir[3]) {
  float p[3];
  Along(point, a, dir, p);
  if (kvmath::Finite3(p)) point.PlaceAt(p);
}

// The drag of a point on the line through A along P - A: to the point of
// that line nearest to the mouse ray, t the signed distance from A (the sign
// by `dir`).  Where the line has no direction or runs along the ray, the
// point steps to t = `step` along `dir`.
void DragAlongLine(CGVerFree& point, const float a[3], const float dir[3], float step) {
  const WideVec e = kvmath::Diff(point.m_vPos, a);
  const WideVec R = {static_cast<float>(g_dRayFar[0] - g_dRayNear[0]), static_cast<float>(g_dRayFar[1] - g_dRayNear[1]),
                     static_cast<float>(g_dRayFar[2] - g_dRayNear[2])};
  // n: the normal of the plane that holds the ray and is parallel to e x R.
  const WideVec n = kvmath::Cross(R, kvmath::Cross(e, R));
  const double den = kvmath::Dot(n, e);
  if (!(std::fabs(den) >= 1e-5)) {
    point.m_fValue = step;
    return MoveAlong(point, a, dir);
  }
  const WideVec na = {static_cast<float>(g_dRayNear[0] - a[0]), static_cast<float>(g_dRayNear[1] - a[1]),
                      static_cast<float>(g_dRayNear[2] - a[2])};
  const double s = kvmath::Dot(na, n) / den;
  float p[3];
  kvmath::StoreAlong(a, s, e, p);
  const float d[3] = {p[0] - a[0], p[1] - a[1], p[2] - a[2]};
  const float t = VectorLength(d);
  // A hit beyond the float range (a ray almost along the line) moves nothing.
  if (!kvmath::Finite3(p) || !std::isfinite(t)) return;
  point.m_fValue = dir[0] * d[0] + dir[1] * d[1] + dir[2] * d[2] < 0 ? -t : t;
  point.PlaceAt(p);
}

}  // namespace

float PlaneNormal(const float a[3], const float b[3], const float c[3], float n[3]) {
  const float e1[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
  const float e2[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
  n[0] = e1[1] * e2[2] - e1[2] * e2[1];
  n[1] = e1[2] * e2[0] - e1[0] * e2[2];
  n[2] = e1[0] * e2[1] - e1[1] * e2[0];
  const float length = VectorLength(n);
  return std::fabs(length) < 1e-5f ? 1e-5f : length;
}

// --- Along a fixed direction --------------------------------------------------

CGVerFreeParVector::CGVerFreeParVector() { m_fValue = 5; }

CGVerFreeParVector::CGVerFreeParVector(WORD id, int slot, const QString& name, float dx, float dy, float dz,
                                       WORD a)
    : CGVerFree(id, slot, name, 5, 0, 0) {
  const float d[3] = {dx, dy, dz};
  MakeUnit(d, Direction);
  m_fValue = 8;
  AppendParent(*this, a);
  Recalculate();
}

void CGVerFreeParVector::Serialize(CArchive& ar) { SerializeVectorRecord(ar, *this, Direction, ParentCount()); }

void CGVerFreeParVector::Recalculate() {
  const CGVertex* a = DefinedParentAs<CGVertex>(0);
  if (!a) {
    m_bDefined = false;
    return;
  }
  PlaceAlong(*this, a->m_vPos, Direction);
}

QString CGVerFreeParVector::GetDescription() {
  QString text = FillFormat(kTextParVector, "%.4f",
                            {FormatNumber("%.4f", Direction[0]), FormatNumber("%.4f", Direction[1]),
                             FormatNumber("%.4f", Direction[2])});
  return FillFormat(text.toUtf8().constData(), "%s", {ParentName(0), m_strName});
}

void CGVerFreeParVector::DragTo() {
  if (const CGVertex* a = ParentAs<CGVertex>(0)) DragAlongLine(*this, a->m_vPos, Direction, 0.1f);
}

// --- Parallel to BC -----------------------------------------------------------

CGVerFreeParVecPP::CGVerFreeParVecPP(WORD id, int slot, const QString& name, WORD a, WORD b, WORD c)
    : CGVerFreeParVector(id, slot, name, 5, 0, 0, a) {
  AppendParent(*this, b);
  AppendParent(*this, c);
  Recalculate();
}

void CGVerFreeParVecPP::Recalculate() {
  const CGVertex* b = DefinedParentAs<CGVertex>(1);
  const CGVertex* c = b ? DefinedParentAs<CGVertex>(2) : nullptr;
  if (!c) {
    m_bDefined = false;
    return;
  }
  const float bc[3] = {c->m_vPos[0] - b->m_vPos[0], c->m_vPos[1] - b->m_vPos[1], c->m_vPos[2] - b->m_vPos[2]};
  float direction[3];
  MakeUnit(bc, direction);
  // B or C beyond the float range (or no number) leaves no direction to keep.
  if (!kvmath::Finite3(direction)) {
    m_bDefined = false;
    return;
  }
  kvmath::Store3(direction, Direction);
  CGVerFreeParVector::Recalculate();
}

QString CGVerFreeParVecPP::GetDescription() {
  return FillFormat(kTextParVecPP, "%s", {m_strName, ParentName(0), ParentName(1), ParentName(2)});
}

// --- Along the normal of ABC --------------------------------------------------

CGVerFreePerpen::CGVerFreePerpen() { m_fValue = 8; }

CGVerFreePerpen::CGVerFreePerpen(WORD id, int slot, const QString& name, WORD a, WORD b, WORD c)
    : CGVerFree(id, slot, name, 0, 0, 0) {
  m_fValue = 8;
  for (WORD parent : {a, b, c}) AppendParent(*this, parent);
  Recalculate();
}

void CGVerFreePerpen::Serialize(CArchive& ar) { SerializeVectorRecord(ar, *this, Normal, 3); }

void CGVerFreePerpen::Recalculate() {
  const CGVertex* p[3] = {nullptr, nullptr, nullptr};
  for (size_t i = 0; i < 3; ++i) {
    p[i] = DefinedParentAs<CGVertex>(i);
    if (!p[i]) {
      m_bDefined = false;
      return;
    }
  }
  float n[3];
  const float length = PlaneNormal(p[0]->m_vPos, p[1]->m_vPos, p[2]->m_vPos, n);
  for (int i = 0; i < 3; ++i) n[i] /= length;
  // A normal whose products overflow (or a point that is no number) is
  // none: the stored one stays, as the record refuses another.
  if (!kvmath::Finite3(n)) {
    m_bDefined = false;
    return;
  }
  kvmath::Store3(n, Normal);
  PlaceAlong(*this, p[0]->m_vPos, Normal);
}

void CGVerFreePerpen::ApplyParameter() {
  if (const CGVertex* a = ParentAs<CGVertex>(0)) MoveAlong(*this, a->m_vPos, Normal);
}

QString CGVerFreePerpen::GetDescription() {
  const QString a = ParentName(0);
  return FillFormat(kTextPerpen, "%s", {m_strName, a, a, ParentName(1), ParentName(2)});
}

void CGVerFreePerpen::DragTo() {
  // The step puts the point on its normal: lifting it in z alone would send
  // the rest of the drag along the vertical through A, off its line.
  if (const CGVertex* a = ParentAs<CGVertex>(0)) DragAlongLine(*this, a->m_vPos, Normal, 0.01f);
}
