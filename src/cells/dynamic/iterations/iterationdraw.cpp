// The iteration's last pass and its picking: the copies, then its name and
// value table in the screen layer.
#include <GL/gl.h>

#include "cells/dynamic/iterations/iteration.h"
#include "cells/dynamic/iterations/iterationtable.h"
#include "cells/primitives/celldrawing.h"
#include "cells/texts/textlayer.h"
#include "model/globals.h"
#include "render/glfontlists.h"
#include "render/rasterposition.h"
#include "render/screenlayer.h"

namespace {
// The gap between the name and the table, in pixels.
constexpr float kTableGapPixels = 0.3f * 20.0f;

void Line(float x0, float y0, float x1, float y1) {
  glVertex3f(x0, y0, kTextLayerDepth);
  glVertex3f(x1, y1, kTextLayerDepth);
}
}  // namespace

void CGIterate::Draw() {
  m_nNextRow = 1;
  if (m_bHidden || !m_bDefined) return;
  if (!m_bSolidLinesOnly) DrawPass(kDrawPass, false);
  if (!TextLayerShows(*this)) return;
  const TextLayerMatrix layer;
  if (!m_bLabelHidden) {
    SetTextColour(m_rgbaLabel);
    if (m_bLabelStale) {
      m_strLabelLists = DrawGlText(m_strName);
      m_bLabelStale = false;
    }
    CallTextListsAt(m_strLabelLists, m_vLabelAnchor[0], m_vLabelAnchor[1], kTextLayerDepth);
  }
  FitTableBuffer();
  if (m_nTableCells > 0 && m_bTableShown && !m_bSolidLinesOnly) DrawTable();
}

void CGIterate::DrawTable() {
  const IterationTableTexts table = ComposeIterationTable(*this);
  const float unit = g_fUnitsPerPixel;
  const float rowHeight = static_cast<float>(g_nTextLineHeight) * unit;
  const float charWidth = static_cast<float>(g_nTextCharWidth) * unit;
  const float left = m_vLabelAnchor[0];
  const float top = m_vLabelAnchor[1] - kTableGapPixels * unit;
  SetTextColour(m_bSelected ? g_prefs.rgbaSelection : m_rgbaColor);
  float right = left;
  for (int width : table.widths) right += static_cast<float>(width) * charWidth;
  for (size_t r = 0; r < table.rows.size(); ++r) {
    // Texts sit a quarter line above the row's lower boundary, half a
    // character in from the column's left one.
    const float baseline = top - (static_cast<float>(r) + 0.75f) * rowHeight;
    float x = left;
    for (size_t c = 0; c < table.rows[r].size(); ++c) {
      CallTextListsAt(DrawGlTextDC(table.rows[r][c]), x + 0.5f * charWidth, baseline, kTextLayerDepth);
      x += static_cast<float>(table.widths[c]) * charWidth;
    }
  }
  m_fTableRight = right;
  const float bottom = top - static_cast<float>(table.rows.size()) * rowHeight;
  SetTextColour(g_prefs.rgbaTable);
  glBegin(GL_LINES);
  for (size_t r = 0; r <= table.rows.size(); ++r) {
    const float y = top - static_cast<float>(r) * rowHeight;
    Line(left, y, right, y);
  }
  float x = left;
  Line(x, top, x, bottom);
  for (int width : table.widths) {
    x += static_cast<float>(width) * charWidth;
    Line(x, top, x, bottom);
  }
  glEnd();
}

void CGIterate::DrawForPick(int mode) {
  if (mode < 3 || m_bHidden || !m_bDefined) return;
  glLoadName(7);
  glPushName(m_nId);
  RunCopies(kVisiblePass);
  if (!m_bSolidLinesOnly) {
    RunCopies(kFillPass);
    RunCopies(kHiddenPass);
    m_nNextRow = 1;
    RunCopies(kDrawPass);
    RunCopies(kLitPass);
    RunCopies(kTranslucentPass);
  }
  glPopName();
  if (!TextLayerShows(*this)) return;
  if (m_bTableShown && !m_table.empty()) PickTable();
  if (!m_bLabelHidden) {
    const TextLayerMatrix layer;
    const float* a = m_vLabelAnchor;
    PickRect(3, m_nId, a[0], a[1] - 0.3f, a[0] + 4.0f, a[1] - 0.3f + 1.5f);
  }
}

void CGIterate::PickTable() const {
  const TextLayerMatrix layer;
  const int rows = TableOrientation() != 0 ? static_cast<int>(m_table.size()) + 1 : RecordedRows() + 1;
  const float height = static_cast<float>(rows) * static_cast<float>(g_nTextLineHeight) * g_fUnitsPerPixel;
  const float* a = m_vLabelAnchor;
  PickRect(7, m_nId, a[0], a[1] - 0.3f - height, m_fTableRight, a[1] - 0.3f);
}
