#include "cells/dynamic/graphing/scaleline.h"

#include <GL/gl.h>

#include "cells/dynamic/graphing/graphingtexts.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/globals.h"
#include "platform/archive.h"
#include "render/viewglobals.h"

IMPLEMENT_SERIAL(CGScaleline, CGCell)

namespace {
constexpr size_t kScaleParents = 5;
// The pick bands reach 8 pixels to the positive side and 16 to the other.
constexpr float kBandInside = 8.0f, kBandOutside = 16.0f;
}  // namespace

float ScalePixel() { return g_fUnitsPerPixel / g_fViewScale; }

CGScaleline::CGScaleline(WORD id, WORD origin, WORD xNegEnd, WORD xPosEnd, WORD yNegEnd, WORD yPosEnd,
                         float tickSpacing, float labelSpacing) {
  m_nId = id;
  m_bLabelHidden = 0;
  AutoSpacing = 1;
  TickSpacing = tickSpacing;
  LabelSpacing = labelSpacing;
  for (WORD parent : {origin, xNegEnd, xPosEnd, yNegEnd, yPosEnd}) {
    m_parents.push_back(parent);
    if (CGCell* cell = g_pCurPage ? g_pCurPage->m_cells.Lookup(parent) : nullptr) cell->m_children.push_back(id);
  }
  m_nStyle = 0;
  m_nSubKind = 0;
  m_rgbaColor.r = g_prefs.rgbaLine.r;
  m_rgbaColor.g = g_prefs.rgbaLine.g;
  m_rgbaColor.b = g_prefs.rgbaLine.b;
  m_strName = QString::fromUtf8(kScalelineName);
  Recalculate();
}

void CGScaleline::Serialize(CArchive& ar) {
  CGCell::Serialize(ar);
  if (ar.IsStoring())
    ar << AutoSpacing << TickSpacing << LabelSpacing;
  else
    ar >> AutoSpacing >> TickSpacing >> LabelSpacing;
}

bool CGScaleline::FitsLoadedPage(const CCellMap& cells) const {
  if (m_parents.size() != kScaleParents) return false;
  for (WORD id : m_parents) {
    const CGCell* point = cells.Lookup(id);
    if (!point || !point->IsKindOf(RUNTIME_CLASS(CGVertex))) return false;
  }
  return true;
}

void CGScaleline::Recalculate() {
  const CGVertex* origin = ParentAs<CGVertex>(0);
  if (!origin || !origin->m_bDefined) {
    m_bDefined = false;
    return;
  }
  for (int k = 0; k < 3; ++k) Origin[k] = origin->m_vPos[k];
  // Each end in turn: its value, and the side of the origin it must lie on.
  float* const extents[4] = {&XMin, &XMax, &YMin, &YMax};
  for (size_t i = 1; i < kScaleParents; ++i) {
    const CGCell* end = ParentAs<CGCell>(i);
    const bool negative = i % 2 == 1;
    if (!end || !end->m_bDefined || (negative ? end->m_fValue > 0 : end->m_fValue < 0)) {
      m_bDefined = false;
      return;
    }
    *extents[i - 1] = end->m_fValue;
  }
  m_bDefined = true;
}

void CGScaleline::DrawForPick(int mode) {
  if (m_bHidden || mode < 3) return;
  const float p = ScalePixel();
  const float ox = Origin[0], oy = Origin[1], oz = Origin[2];
  glLoadName(11);
  glPushName(m_nId);
  glBegin(GL_QUADS);
  glVertex3f(ox + XMin, oy + kBandInside * p, oz);
  glVertex3f(ox + XMin, oy - kBandOutside * p, oz);
  glVertex3f(ox + XMax, oy - kBandOutside * p, oz);
  glVertex3f(ox + XMax, oy + kBandInside * p, oz);
  if (m_nStyle == 0) {
    glVertex3f(ox - kBandOutside * p, oy + YMax, oz);
    glVertex3f(ox - kBandOutside * p, oy + YMin, oz);
    glVertex3f(ox + kBandInside * p, oy + YMin, oz);
    glVertex3f(ox + kBandInside * p, oy + YMax, oz);
  }
  glEnd();
  glPopName();
}

QString CGScaleline::GetDescription() { return QString::fromUtf8(kScalelineDescription); }
