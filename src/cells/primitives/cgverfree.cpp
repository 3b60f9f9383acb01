#include "cells/primitives/cgverfree.h"

#include <cmath>
#include <string>

#include "cells/primitives/freepointtexts.h"
#include "math/widevector.h"
#include "platform/archive.h"

IMPLEMENT_SERIAL(CGVerFree, CGVertex)
IMPLEMENT_SERIAL(CGVerFreeXyz, CGVerFree)

CGVerFree::CGVerFree() = default;

CGVerFree::CGVerFree(WORD id, int slot, const QString& name, float x, float y, float z)
    : CGVertex(id, slot, name, x, y, z) {
  m_rgbaColor.r = g_prefs.rgbaFreePoint.r;
  m_rgbaColor.g = g_prefs.rgbaFreePoint.g;
  m_rgbaColor.b = g_prefs.rgbaFreePoint.b;
}

QString CGVerFree::GetDescription() { return QString::fromUtf8(kTextFreePoint); }

void CGVerFree::PlaceAt(const float p[3]) {
  for (int i = 0; i < 3; ++i) m_vPos[i] = p[i];
  CGVertex::ApplyParameter();
}

void CGVerFree::PlaceIfFinite(const float p[3]) {
  m_bDefined = kvmath::Finite3(p);
  if (m_bDefined) PlaceAt(p);
}

void CGVerFree::CheckLoaded(CArchive& ar, size_t parents, std::initializer_list<float> values) const {
  if (ar.IsStoring()) return;
  if (m_parents.size() != parents)
    throw CArchiveException(ArchiveError::BadData, "free point " + std::to_string(m_nId) + " has " +
                                                       std::to_string(m_parents.size()) + " parents, not " +
                                                       std::to_string(parents));
  for (float v : values)
    if (!std::isfinite(v))
      throw CArchiveException(ArchiveError::BadData,
                              "free point " + std::to_string(m_nId) + " holds a value that is not a number");
}

QString CGVerFreeXyz::GetDescription() { return QString::fromUtf8(kTextFreePointXyz); }

bool AxisPlaneDragTarget(const float from[3], float to[3]) {
  // The plane z = const, or y = const while Ctrl is held.  The threshold
  // applies to the whole near-to-far difference, not to a unit direction.
  const int c = g_bDragHorizontal ? 2 : 1;
  if (std::fabs(g_fViewDir[c]) < 10.0f) return false;
  const double s = (static_cast<double>(from[c]) - g_dRayFar[c]) / g_fViewDir[c];
  float q[3];
  for (int i = 0; i < 3; ++i) q[i] = static_cast<float>(g_dRayFar[i] + s * g_fViewDir[i]);
  // Written so that a NaN, which fails every comparison, counts as outside.
  for (float v : q)
    if (!(std::fabs(v) <= 200.0f)) return false;
  if (g_bSnapToGrid) {
    // Every axis, the one the plane holds fixed included.
    for (float& v : q) v = static_cast<float>(std::floor(static_cast<double>(v) + 0.5));
  }
  for (int i = 0; i < 3; ++i) to[i] = q[i];
  return true;
}

void CGVerFreeXyz::DragTo() {
  float q[3];
  if (AxisPlaneDragTarget(m_vPos, q)) PlaceAt(q);
}
