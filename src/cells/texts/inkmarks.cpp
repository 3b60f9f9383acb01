#include "cells/texts/inkmarks.h"

#include <GL/gl.h>

#include <cmath>
#include <string>

#include "cells/primitives/celldrawing.h"
#include "cells/texts/textcelltexts.h"
#include "cells/texts/textlayer.h"
#include "model/globals.h"
#include "platform/archive.h"
#include "platform/archivecollections.h"

IMPLEMENT_SERIAL(CStroke, CObject)
IMPLEMENT_SERIAL(CGInkmarks, CGCell)

namespace {
[[noreturn]] void Reject(const std::string& what) { throw CArchiveException(ArchiveError::BadData, "ink: " + what); }

void RequireFinite(std::initializer_list<float> values) {
  for (float v : values)
    if (!std::isfinite(v)) Reject("a stored coordinate is not finite");
}

bool SameRgb(const RGBA& a, const RGBA& b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
}  // namespace

// --- CStroke -------------------------------------------------------------------

CStroke::CStroke(int count, const float* points) : m_rgbaColor(g_rgbaInk) {
  m_points.reserve(3 * static_cast<std::size_t>(count > 0 ? count : 0));
  for (int i = 0; i < count; ++i) {
    m_points.push_back(points[3 * i]);
    m_points.push_back(points[3 * i + 1]);
    m_points.push_back(kTextLayerDepth);
  }
}

void CStroke::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << static_cast<std::int32_t>(Count());
    for (std::size_t i = 0; i < m_points.size(); i += 3) ar << m_points[i] << m_points[i + 1];
    return;
  }
  const std::int32_t count = ar.ReadInt();
  // Counted in 64 bits: a hostile count must not wrap past the check.
  if (count < 0 || static_cast<std::int64_t>(count) * 8 > static_cast<std::int64_t>(ar.Remaining()))
    Reject("stroke of " + std::to_string(count) + " points");
  m_points.assign(3 * static_cast<std::size_t>(count), kTextLayerDepth);
  for (std::size_t i = 0; i < m_points.size(); i += 3) {
    ar >> m_points[i] >> m_points[i + 1];
    RequireFinite({m_points[i], m_points[i + 1]});
  }
}

void CStroke::Draw() {
  SetGlColour(m_rgbaColor);
  DrawForPick();
}

void CStroke::DrawForPick() {
  glBegin(GL_LINE_STRIP);
  for (std::size_t i = 0; i < m_points.size(); i += 3) glVertex3fv(&m_points[i]);
  glEnd();
}

// --- CGInkmarks ----------------------------------------------------------------

CGInkmarks::CGInkmarks(WORD id, std::unique_ptr<CStroke> first) {
  m_nId = id;
  m_strName = QString::fromUtf8(kTextInkName);
  m_fSize = 3.0f;
  const RGBA colour = first ? first->m_rgbaColor : g_rgbaInk;
  AddStroke(std::move(first));
  m_rgbaColor = colour;
}

void CGInkmarks::AddStroke(std::unique_ptr<CStroke> stroke) {
  if (!stroke) return;
  const std::vector<float>& p = stroke->m_points;
  for (std::size_t i = 0; i < p.size(); i += 3) {
    // Both ends of the box are tested: the first point sets them both.
    if (p[i] < m_fMinX) m_fMinX = p[i];
    if (p[i] > m_fMaxX) m_fMaxX = p[i];
    if (p[i + 1] < m_fMinY) m_fMinY = p[i + 1];
    if (p[i + 1] > m_fMaxY) m_fMaxY = p[i + 1];
  }
  m_strokes.push_back(std::move(stroke));
}

void CGInkmarks::Serialize(CArchive& ar) {
  CGCell::Serialize(ar);
  if (ar.IsStoring()) {
    ar << m_fMinX << m_fMaxX << m_fMinY << m_fMaxY;
    std::vector<const CObject*> strokes;
    for (const auto& stroke : m_strokes) strokes.push_back(stroke.get());
    WriteObArray(ar, strokes);
    return;
  }
  ar >> m_fMinX >> m_fMaxX >> m_fMinY >> m_fMaxY;
  RequireFinite({m_fMinX, m_fMaxX, m_fMinY, m_fMaxY, m_vLabelAnchor[0], m_vLabelAnchor[1]});
  m_strokes = ReadObArray<CStroke>(ar);
  for (const auto& stroke : m_strokes)
    if (!stroke) Reject("empty entry in the stroke array");
}

QString CGInkmarks::GetDescription() { return QString::fromUtf8(kTextInkDescription); }

void CGInkmarks::Draw() {
  if (!TextLayerShows(*this)) return;
  const TextLayerMatrix layer;
  glTranslatef(m_vLabelAnchor[0], m_vLabelAnchor[1], 0);
  if (m_bSelected) {
    SetSelectionColour();
    OutlineRect(m_fMinX, m_fMinY, m_fMaxX, m_fMaxY);
  }
  SetGlColour(m_rgbaColor);
  const CellLineWidth width(*this);
  for (const auto& stroke : m_strokes) stroke->DrawForPick();
}

void CGInkmarks::DrawForPick(int mode) {
  if (mode < 3 || !TextLayerShows(*this)) return;
  const TextLayerMatrix layer;
  glTranslatef(m_vLabelAnchor[0], m_vLabelAnchor[1], 0);
  glLoadName(4);
  glPushName(m_nId);
  for (const auto& stroke : m_strokes) stroke->DrawForPick();
  glPopName();
}

std::vector<std::unique_ptr<CGInkmarks>> GroupStrokesIntoInk(std::vector<std::unique_ptr<CStroke>> strokes,
                                                             WORD firstId) {
  std::vector<std::unique_ptr<CGInkmarks>> cells;
  for (auto& stroke : strokes) {
    if (!stroke) continue;
    if (!cells.empty() && SameRgb(stroke->m_rgbaColor, cells.back()->m_rgbaColor)) {
      cells.back()->AddStroke(std::move(stroke));
      continue;
    }
    auto ink = std::make_unique<CGInkmarks>(static_cast<WORD>(firstId + cells.size()), std::move(stroke));
    ink->m_vLabelAnchor[0] = -g_fViewTranslate[0];
    ink->m_vLabelAnchor[1] = -g_fViewTranslate[1];
    ink->m_fSize = g_prefs.fLineWidth;
    cells.push_back(std::move(ink));
  }
  return cells;
}

int CountInkCells(const std::vector<std::unique_ptr<CStroke>>& strokes) {
  int cells = 0;
  const CStroke* current = nullptr;
  for (const auto& stroke : strokes) {
    if (!stroke) continue;
    if (!current || !SameRgb(stroke->m_rgbaColor, current->m_rgbaColor)) ++cells;
    current = stroke.get();
  }
  return cells;
}
