// How a plain point draws itself: a GL point from its slot of the shared
// vertex array, a lit ball, and its label.
#include <GL/gl.h>

#include "model/cgvertex.h"
#include "model/drawing/viewtext.h"
#include "model/globals.h"
#include "model/vertexarray.h"
#include "render/glresources.h"

namespace {
void SetColour(const RGBA& c) { glColor4ub(c.r, c.g, c.b, c.a); }

// The colour of a point or ball while cells choose their own colours:
// highlight when selected, inverted under the mouse, else its own.
void SetOwnColour(const CGVertex& point) {
  if (point.m_bSelected)
    SetColour(g_prefs.rgbaSelection);
  else if (point.m_bHovered)
    SetColour({static_cast<BYTE>(255 - point.m_rgbaColor.r), static_cast<BYTE>(255 - point.m_rgbaColor.g),
               static_cast<BYTE>(255 - point.m_rgbaColor.b), point.m_rgbaColor.a});
  else
    SetColour(point.m_rgbaColor);
}

bool Shown(const CGVertex& point) { return !point.m_bHidden && point.m_bDefined; }

// One GL point from the point's slot.  A slot outside the array (a point
// not yet renumbered after the array shrank or grew) is skipped rather than
// read past the array's end.
void ArrayPoint(int slot) {
  if (slot < 0 || slot >= VertexArraySlots()) return;
  glBegin(GL_POINTS);
  glArrayElement(slot);
  glEnd();
}

void DrawPointAndLabel(CGVertex& point, int pointStyle) {
  if (point.m_nStyle == pointStyle) {
    glPointSize(point.m_fSize);
    if (g_bOwnColors) {
      SetOwnColour(point);
      if (point.m_bSelected) glPointSize(point.m_fSize >= 17 ? 20.0f : point.m_fSize + 3);
    }
    ArrayPoint(point.VertexIndex);
  }
  DrawCellLabelAtAnchor(point);
}
}  // namespace

void CGVertex::Draw() {
  if (Shown(*this) && !(m_nStyle & 1)) DrawPointAndLabel(*this, 0);
}

void CGVertex::DrawVisibleEdges() {
  if (Shown(*this) && (m_nStyle & 1)) DrawPointAndLabel(*this, 1);
}

void CGVertex::DrawLit() { DrawLitLate(FALSE); }

void CGVertex::DrawLitLate(BOOL) {
  if (!Shown(*this) || m_nStyle < 4) return;
  if (g_bOwnColors) SetOwnColour(*this);
  glPushMatrix();
  glTranslatef(m_vPos[0], m_vPos[1], m_vPos[2]);
  const float r = m_fSize * 0.05f;
  glScalef(r, r, r);
  CallShapeList(kListSphere);
  glPopMatrix();
}

void CGVertex::DrawFlat() {
  if (!Shown(*this)) return;
  SetColour(m_rgbaColor);
  glPointSize(m_fSize);
  ArrayPoint(VertexIndex);
}

void CGVertex::DrawForPick(int mode) {
  if (!Shown(*this)) return;
  if (mode > 1) {
    glLoadName(1);
    glPushName(m_nId);
    ArrayPoint(VertexIndex);
    glPopName();
  }
  if ((mode == 0 || mode == 3) && !m_bLabelHidden) PickCellLabel(*this);
}
