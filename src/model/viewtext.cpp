#include "model/viewtext.h"

#include <GL/gl.h>

#include "model/cgcell.h"
#include "model/glresources.h"

QString DrawGlText(const QString& text) {
  QString lists;
  if (g_nLabelListBase == 0) return lists;
  lists.reserve(text.size());
  for (QChar c : text) {
    const char16_t code = c.unicode();
    if (code >= 32 && code < 32 + kAsciiListCount)
      lists += QChar(static_cast<char16_t>(g_nLabelListBase + (code - 32)));
  }
  return lists;
}

void DrawTextureLabel(const QString&, float, float, float) {}

void CallTextLists(const QString& lists) {
  if (lists.isEmpty()) return;
  glCallLists(static_cast<GLsizei>(lists.size()), GL_UNSIGNED_SHORT, lists.utf16());
}

void DrawCellLabelAtAnchor(CGCell& cell) {
  if (cell.m_bLabelHidden) return;
  const RGBA& colour = cell.m_rgbaLabel;
  glColor4ub(colour.r, colour.g, colour.b, colour.a);
  const float* anchor = cell.m_vLabelAnchor;
  if (cell.m_nLabelMode == 0) {
    DrawTextureLabel(cell.m_strName, anchor[0], anchor[1], anchor[2]);
    return;
  }
  glRasterPos3fv(anchor);
  if (cell.m_bLabelStale) {
    cell.m_strLabelLists = DrawGlText(cell.m_strName);
    cell.m_bLabelStale = false;
  }
  CallTextLists(cell.m_strLabelLists);
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
