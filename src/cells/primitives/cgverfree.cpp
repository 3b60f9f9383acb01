#include "cells/primitives/cgverfree.h"

#include <cmath>

#include "cells/primitives/freepointtexts.h"

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

QString CGVerFreeXyz::GetDescription() { return QString::fromUtf8(kTextFreePointXyz); }

bool AxisPlaneDragTarget(const float from[3], float to[3]) {
  return AxisPlaneHit(from, g_bDragHorizontal ? 2 : 1, to);
}

bool AxisPlaneHit(const float from[3], int c, float to[3]) {
  // The threshold applies to the whole near-to-far difference, not to a
  // unit direction.
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
