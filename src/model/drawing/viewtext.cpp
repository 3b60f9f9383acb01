#include "model/drawing/viewtext.h"

#include <GL/gl.h>

#include "model/cgcell.h"
#include "render/glresources.h"
#include "render/rasterposition.h"

void DrawCellLabelAtAnchor(CGCell& cell) {
  if (cell.m_bLabelHidden) return;
  const RGBA& colour = cell.m_rgbaLabel;
  glColor4ub(colour.r, colour.g, colour.b, colour.a);
  const float* anchor = cell.m_vLabelAnchor;
  if (cell.m_nLabelMode == 0) {
    DrawTextureLabel(cell.m_strName, anchor[0], anchor[1], anchor[2], colour);
    return;
  }
  if (cell.m_bLabelStale) {
    cell.m_strLabelLists = DrawGlText(cell.m_strName);
    cell.m_bLabelStale = false;
  }
  CallTextListsAt(cell.m_strLabelLists, anchor);
}

void PickCellLabel(const CGCell& cell) {
  const float* a = cell.m_vLabelAnchor;
  const float* u = g_vLabelPickU;
  const float* v = g_vLabelPickV;
  glLoadName(3);
  glPushName(cell.m_nId);
  glBegin(GL_QUADS);
  glVertex3f(a[0] + u[0], a[1] + u[1], a[2] + u[2]);
  glVertex3f(a[0] + v[0], a[1] + v[1], a[2] + v[2]);
  glVertex3f(a[0] - u[0], a[1] - u[1], a[2] - u[2]);
  glVertex3f(a[0] - v[0], a[1] - v[1], a[2] - v[2]);
  glEnd();
  glPopName();
}
