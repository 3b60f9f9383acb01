#include "cells/primitives/cgverfreeinface.h"

#include <cmath>
#include <string>

#include "cells/primitives/cgface.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"
#include "cells/primitives/freepointtexts.h"
#include "cells/primitives/vecops.h"
#include "math/widevector.h"
#include "math/geometry.h"
#include "model/cellmap.h"
#include "platform/archive.h"

IMPLEMENT_SERIAL(CGVerFreeInFace, CGVerFree)
IMPLEMENT_SERIAL(CGVerFreeInPlane, CGVerFree)

using kvmath::WideVec;

namespace {

// The last fan triangle a face of at most CGFace::kMaxCorners corners has.
constexpr std::int32_t kMaxFanTriangle = CGFace::kMaxCorners - 2;

// Where the mouse ray meets the plane through `pivot` with the normal
// (x - pivot) x (y - pivot).  False, `hit` untouched, when the ray runs
// (almost) along the plane or the three points span none.
bool RayHitsPlane(const float x[3], const float pivot[3], const float y[3], float hit[3]) {
  const WideVec n = kvmath::Cross(kvmath::Diff(x, pivot), kvmath::Diff(y, pivot));
  const WideVec N = kvmath::WideDouble(g_dRayNear);
  const WideVec R = {static_cast<float>(g_dRayFar[0] - g_dRayNear[0]),
                     static_cast<float>(g_dRayFar[1] - g_dRayNear[1]),
                     static_cast<float>(g_dRayFar[2] - g_dRayNear[2])};
  const double den = kvmath::Dot(R, n);
  if (std::fabs(den) < 1e-5) return false;
  const double lambda = -(kvmath::Dot(n, N) - kvmath::Dot(n, kvmath::Widen(pivot))) / den;
  float h[3];
  kvmath::StoreFloat(N + lambda * R, h);
  if (!kvmath::Finite3(h)) return false;
  kvmath::Store3(h, hit);
  return true;
}

}  // namespace

// --- In a face ----------------------------------------------------------

CGVerFreeInFace::CGVerFreeInFace(WORD id, int slot, const QString& name, WORD face, float s, float t)
    : CGVerFree(id, slot, name, 0, 0, 0), Weight0(s), WeightK(t) {
  AppendParent(*this, face);
  Recalculate();
}

void CGVerFreeInFace::Serialize(CArchive& ar) {
  CGVerFree::Serialize(ar);
  if (ar.IsStoring()) {
    ar << Corner << Weight0 << WeightK;
    return;
  }
  ar >> Corner >> Weight0 >> WeightK;
  CheckLoaded(ar, 1, {Weight0, WeightK});
  // No face at all has these; the face's own count is checked once the whole
  // page is read (FitsLoadedPage).
  if (Corner < 1 || Corner > kMaxFanTriangle)
    throw CArchiveException(ArchiveError::BadData, "free point " + std::to_string(m_nId) +
                                                       " lies in fan triangle " + std::to_string(Corner));
}

bool CGVerFreeInFace::FitsLoadedPage(const CCellMap& cells) const {
  // A missing parent, or one that is not a face, leaves the point undefined.
  const CGCell* parent = m_parents.empty() ? nullptr : cells.Lookup(m_parents[0]);
  const auto* face = parent && parent->IsKindOf(RUNTIME_CLASS(CGFace)) ? static_cast<const CGFace*>(parent) : nullptr;
  return !face || Corner <= face->CornerCount - 2;
}

void CGVerFreeInFace::Recalculate() {
  const CGFace* face = ParentAs<CGFace>(0);
  const bool hasTriangle = face && Corner >= 1 && Corner <= face->CornerCount - 2;
  const float* v0 = hasTriangle ? face->CornerPos(0) : nullptr;
  const float* vk = hasTriangle ? face->CornerPos(Corner) : nullptr;
  const float* vk1 = hasTriangle ? face->CornerPos(Corner + 1) : nullptr;
  if (!face || !face->m_bDefined || !v0 || !vk || !vk1) {
    m_bDefined = false;
    return;
  }
  const float rest = 1 - Weight0 - WeightK;
  float p[3];
  for (int i = 0; i < 3; ++i) p[i] = Weight0 * v0[i] + WeightK * vk[i] + rest * vk1[i];
  PlaceIfFinite(p);
}

QString CGVerFreeInFace::GetDescription() {
  const CGFace* face = ParentAs<CGFace>(0);
  return FillFormat(kTextFreePointInFace, "%s", {face ? face->m_strName : QString()});
}

void CGVerFreeInFace::DragTo() {
  const CGFace* face = ParentAs<CGFace>(0);
  if (!face || face->CornerCount < 3) return;
  const float* v0 = face->CornerPos(0);
  const float* v1 = face->CornerPos(1);
  const float* v2 = face->CornerPos(2);
  float hit[3];
  if (!v0 || !v1 || !v2 || !RayHitsPlane(v0, v1, v2, hit)) return;
  // The fan from V0, triangle by triangle; the search assumes a convex
  // polygon that the fan covers.
  for (int k = 1; k <= face->CornerCount - 2; ++k) {
    const float* vk = face->CornerPos(k);
    const float* vk1 = face->CornerPos(k + 1);
    float s, t;
    if (!vk || !vk1 || !PlaneCoordinates(v0, vk, vk1, hit, s, t)) return;  // degenerate triangle
    const float rest = 1 - s - t;
    if (s >= 0 && t >= 0 && rest >= 0) {
      Corner = k;
      Weight0 = s;
      WeightK = t;
      PlaceAt(hit);
      return;
    }
    // Beyond the outer edge Vk-Vk+1, or behind V0: no later triangle holds it.
    if (s < 0 || (t < 0 && rest < 0)) return;
  }
}

// --- In the plane of three points ----------------------------------------

CGVerFreeInPlane::CGVerFreeInPlane(WORD id, int slot, const QString& name, WORD a, WORD b, WORD c,
                                   float s, float t)
    : CGVerFree(id, slot, name, 0, 0, 0), WeightA(s), WeightB(t) {
  for (WORD parent : {a, b, c}) AppendParent(*this, parent);
  Recalculate();
}

void CGVerFreeInPlane::Serialize(CArchive& ar) {
  CGVerFree::Serialize(ar);
  if (ar.IsStoring()) {
    ar << WeightA << WeightB;
    return;
  }
  ar >> WeightA >> WeightB;
  CheckLoaded(ar, 3, {WeightA, WeightB});
}

void CGVerFreeInPlane::Recalculate() {
  const CGVertex* corners[3] = {nullptr, nullptr, nullptr};
  for (size_t i = 0; i < 3; ++i) {
    corners[i] = i < m_parents.size() ? CornerPoint(m_parents[i]) : nullptr;
    if (!corners[i] || !corners[i]->m_bDefined) {
      m_bDefined = false;
      return;
    }
  }
  const float rest = 1 - WeightA - WeightB;
  float p[3];
  for (int i = 0; i < 3; ++i)
    p[i] = WeightA * corners[0]->m_vPos[i] + WeightB * corners[1]->m_vPos[i] + rest * corners[2]->m_vPos[i];
  PlaceIfFinite(p);
}

QString CGVerFreeInPlane::GetDescription() {
  QString names[3];
  for (size_t i = 0; i < 3 && i < m_parents.size(); ++i) names[i] = CornerName(m_parents[i]);
  return FillFormat(kTextFreePointInPlane, "%s", {names[0], names[1], names[2]});
}

void CGVerFreeInPlane::DragTo() {
  if (m_parents.size() < 3) return;
  const CGVertex* a = CornerPoint(m_parents[0]);
  const CGVertex* b = CornerPoint(m_parents[1]);
  const CGVertex* c = CornerPoint(m_parents[2]);
  float hit[3], s, t;
  if (!a || !b || !c || !RayHitsPlane(a->m_vPos, b->m_vPos, c->m_vPos, hit)) return;
  // A triangle too thin to give the hit its weights leaves the point where
  // it is: moving it with the old weights would only let the next
  // recalculation snap it back.
  if (!PlaneCoordinates(a->m_vPos, b->m_vPos, c->m_vPos, hit, s, t)) return;
  if (!std::isfinite(s) || !std::isfinite(t) || !kvmath::Finite3(hit)) return;  // corners out at the float range
  WeightA = s;
  WeightB = t;
  PlaceAt(hit);
}
