#include "model/drawing/pagedraw.h"

#include <GL/gl.h>

#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/drawing/copyframe.h"
#include "model/globals.h"
#include "render/glresources.h"
#include "render/textureglyphs.h"

namespace {

template <class Op>
void ForAllCells(const CGPage& page, Op op) {
  for (auto [id, cell] : page.m_cells) op(*cell);
}

template <class Op>
void ForTraceCells(const CGPage& page, Op op) {
  for (WORD id : page.m_traceList)
    if (CGCell* cell = page.m_cells.Lookup(id)) op(*cell);
}

void SetLit(bool on) {
  if (on) {
    glEnable(GL_LIGHTING);
    glEnable(GL_COLOR_MATERIAL);
  } else {
    glDisable(GL_LIGHTING);
    glDisable(GL_COLOR_MATERIAL);
  }
}

void SetColourWrites(bool on) {
  const GLboolean v = on ? GL_TRUE : GL_FALSE;
  glColorMask(v, v, v, v);
}

// Lit solids before the edge passes, so that they hide dashed edges.
void EarlyLitPass(const CGPage& page) {
  if (!page.m_bLitHidesDashed) return;
  SetLit(true);
  ForAllCells(page, [](CGCell& c) { c.DrawLit(); });
  SetLit(false);
}

void TranslucentWithoutDepthWrites(const CGPage& page) {
  glDepthMask(GL_FALSE);
  ForAllCells(page, [](CGCell& c) { c.DrawTranslucent(); });
  glDepthMask(GL_TRUE);
}

template <class Walk>
void HiddenThenVisibleEdges(Walk walk) {
  glDepthFunc(GL_GREATER);
  glEnable(GL_LINE_STIPPLE);
  walk([](CGCell& c) { c.DrawHiddenEdges(); });
  glDisable(GL_LINE_STIPPLE);
  glDepthFunc(GL_LEQUAL);
  walk([](CGCell& c) { c.DrawVisibleEdges(); });
}

// Late lit pass, translucent surfaces into depth and then lit, and the
// items drawn over everything.
void LatePasses(const CGPage& page) {
  glDepthFunc(GL_LEQUAL);
  glShadeModel(GL_SMOOTH);
  SetLit(true);
  const BOOL lateLit = page.m_bLitHidesDashed ? FALSE : TRUE;
  ForAllCells(page, [lateLit](CGCell& c) { c.DrawLitLate(lateLit); });
  SetLit(false);

  glShadeModel(GL_FLAT);
  SetColourWrites(false);
  ForAllCells(page, [](CGCell& c) { c.DrawTranslucent(); });
  SetColourWrites(true);

  glShadeModel(GL_SMOOTH);
  SetLit(true);
  ForAllCells(page, [](CGCell& c) { c.DrawTranslucent(); });
  SetLit(false);

  glShadeModel(GL_FLAT);
  glDepthFunc(GL_ALWAYS);
  // Labels of the overlays are drawn together after them (model/textureglyphs.h).
  BeginTextureLabelBatch();
  ForAllCells(page, [](CGCell& c) { c.Draw(); });
  FlushTextureLabelBatch();
  glDepthFunc(GL_LEQUAL);
}

void DrawGridAndAxes() {
  if (g_nAxesMode & 4) {
    const RGBA& table = g_prefs.rgbaTable;
    glColor4ub(table.r, table.g, table.b, table.a);
    CallShapeList(kListGrid);
  }
  if (g_nAxesMode & 2) {
    // Contrasting with the background the page is drawn on.
    const float* bg = g_pCurPage ? g_pCurPage->m_rgbaBackground : g_prefs.background.data();
    glColor3f(0.8f - 0.6f * bg[0], 0.8f - 0.6f * bg[1], 0.8f - 0.6f * bg[2]);
    if (g_nViewWidth > 64) DrawPlaneAxes();
  } else if (g_nAxesMode & 1) {
    DrawSpaceAxes();
  }
}

}  // namespace

void DrawPageCells() {
  const CGPage* page = g_pCurPage;
  if (!page) return;
  const CCopyFrame frame;
  glEnable(GL_POLYGON_OFFSET_FILL);
  ForAllCells(*page, [](CGCell& c) { c.DrawFill(); });
  glShadeModel(GL_SMOOTH);
  EarlyLitPass(*page);
  TranslucentWithoutDepthWrites(*page);
  glShadeModel(GL_FLAT);
  SetColourWrites(false);
  ForAllCells(*page, [](CGCell& c) { c.DrawDepthOnly(); });
  SetColourWrites(true);
  glDisable(GL_POLYGON_OFFSET_FILL);
  HiddenThenVisibleEdges([page](auto op) { ForAllCells(*page, op); });
  DrawGridAndAxes();
  LatePasses(*page);
}

void DrawTraceLayer() {
  const CGPage* page = g_pCurPage;
  if (!page) return;
  const CCopyFrame frame;
  if (!page->m_bFullTrace) {
    glDisable(GL_DEPTH_TEST);
    ForTraceCells(*page, [](CGCell& c) { c.DrawFlat(); });
    glEnable(GL_DEPTH_TEST);
    return;
  }
  glEnable(GL_POLYGON_OFFSET_FILL);
  ForTraceCells(*page, [](CGCell& c) { c.DrawFill(); });
  glShadeModel(GL_SMOOTH);
  EarlyLitPass(*page);
  TranslucentWithoutDepthWrites(*page);
  glShadeModel(GL_FLAT);
  SetColourWrites(false);
  ForAllCells(*page, [](CGCell& c) {
    c.DrawFill();
    c.DrawDepthOnly();
  });
  SetColourWrites(true);
  glDisable(GL_POLYGON_OFFSET_FILL);
  HiddenThenVisibleEdges([page](auto op) { ForTraceCells(*page, op); });
  LatePasses(*page);
}

void DrawVerticesForPick() {
  const CGPage* page = g_pCurPage;
  if (!page) return;
  ForAllCells(*page, [](CGCell& c) {
    if (c.IsKindOf(RUNTIME_CLASS(CGVertex))) c.DrawForPick(0);
  });
}

void DrawPageForPick(int mode) {
  const CGPage* page = g_pCurPage;
  if (!page) return;
  const CCopyFrame frame;
  if (mode == 0) DrawVerticesForPick();
  ForAllCells(*page, [mode](CGCell& c) { c.DrawForPick(mode); });
}
