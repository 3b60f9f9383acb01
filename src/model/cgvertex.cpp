#include "model/cgvertex.h"

#include <cmath>

#include "math/widevector.h"
#include "model/modeltexts.h"
#include "model/vertexarray.h"
#include "platform/archive.h"

IMPLEMENT_SERIAL(CGVertex, CGCell)

CGVertex::CGVertex() {
  m_bLabelHidden = 0;
  m_rgbaColor = RGBA{g_prefs.rgbaFixedPoint.r, g_prefs.rgbaFixedPoint.g, g_prefs.rgbaFixedPoint.b, 255};
  m_fSize = g_prefs.fPointSize;
}

CGVertex::CGVertex(WORD id, int slot, const QString& name, float x, float y, float z) : CGVertex() {
  m_nId = id;
  VertexIndex = slot;
  m_strName = name;
  m_vPos[0] = x;
  m_vPos[1] = y;
  m_vPos[2] = z;
  WriteVertexSlot(VertexIndex, m_vPos);
  const float u = g_fUnitsPerPixel;
  m_vLabelOffset[0] = 4 * u;
  m_vLabelOffset[1] = 0;
  m_vLabelOffset[2] = 4 * u;
  PlaceLabel();
}

void CGVertex::Serialize(CArchive& ar) {
  CGCell::Serialize(ar);
  if (ar.IsStoring()) {
    for (float v : m_vPos) ar << v;
    for (float v : m_vLabelOffset) ar << v;
  } else {
    for (float& v : m_vPos) ar >> v;
    for (float& v : m_vLabelOffset) ar >> v;
  }
}

void CGVertex::PlaceLabel() {
  for (int i = 0; i < 3; ++i) m_vLabelAnchor[i] = m_vPos[i] + m_vLabelOffset[i];
}

void CGVertex::ApplyParameter() {
  WriteVertexSlot(VertexIndex, m_vPos);
  PlaceLabel();
}

void CGVertex::PlaceAt(const float p[3]) {
  for (int i = 0; i < 3; ++i) m_vPos[i] = p[i];
  CGVertex::ApplyParameter();
}

void CGVertex::PlaceIfFinite(const float p[3]) {
  m_bDefined = kvmath::Finite3(p);
  if (m_bDefined) PlaceAt(p);
}

QString CGVertex::GetDescription() { return QString::fromUtf8(kTextFixedPoint); }

void CGVertex::DragLabel() {
  // The plane through the point: z = const, or y = const while Ctrl is held.
  const int c = g_bDragHorizontal ? 2 : 1;
  if (std::fabs(g_fViewDir[c]) < 10) return;  // the ray runs almost along that plane
  const double t = (m_vPos[c] - g_dRayFar[c]) / g_fViewDir[c];
  float d[3];
  for (int i = 0; i < 3; ++i) {
    const float hit = static_cast<float>(g_dRayFar[i] + t * g_fViewDir[i]);
    d[i] = hit - m_vPos[i];
  }
  const float limit = 40 * g_fUnitsPerPixel;
  const float f = limit / std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
  if (f < 1) {
    for (float& v : d) v *= f;
  }
  for (int i = 0; i < 3; ++i) m_vLabelOffset[i] = d[i];
  PlaceLabel();
}
