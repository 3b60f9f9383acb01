// How a line draws itself in the page's passes: the line from the shared
// vertex array, the arrowhead of a vector, the lit rod, its label and its
// pick shapes.  The page sets each pass's depth test and hidden-line stipple.
#include <GL/gl.h>

#include <cmath>

#include "cells/primitives/celldrawing.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/stipplepatterns.h"
#include "model/drawing/viewtext.h"
#include "model/vertexarray.h"
#include "render/glresources.h"
#include "render/viewray.h"

namespace {

// A slot's coordinates in the shared vertex array; null for a slot outside
// it, which is then never handed to GL.
const float* SlotPos(int slot) {
  if (slot < 0 || slot >= VertexArraySlots()) return nullptr;
  return g_pVertexArray + static_cast<size_t>(slot) * 3;
}

struct ArrayLine {
  const float* a;
  const float* b;
  float d[3];  // b - a
  float Length2() const { return d[0] * d[0] + d[1] * d[1] + d[2] * d[2]; }
};

bool ArrayEnds(const int slotPair[2], ArrayLine* ends) {
  ends->a = SlotPos(slotPair[0]);
  ends->b = SlotPos(slotPair[1]);
  if (!ends->a || !ends->b) return false;
  for (int i = 0; i < 3; ++i) ends->d[i] = ends->b[i] - ends->a[i];
  return true;
}

// A ray or line whose points (nearly) coincide has no direction.
constexpr float kMinDirection2 = 1e-8f;

// The homogeneous end (d, w = 0.0001) lies 10 000 d from the origin: far
// beyond any view, without clipping the line by hand.
void InfiniteHalves(const ArrayLine& e, bool bothWays) {
  glVertex4f(e.a[0], e.a[1], e.a[2], 1.0f);
  glVertex4f(e.d[0], e.d[1], e.d[2], 0.0001f);
  if (!bothWays) return;
  glVertex4f(e.a[0], e.a[1], e.a[2], 1.0f);
  glVertex4f(-e.d[0], -e.d[1], -e.d[2], 0.0001f);
}

}  // namespace

void CGLine::DrawLineGeometry() const {
  ArrayLine e;
  if (!ArrayEnds(VertexIndices, &e)) return;
  if (IsSegmentLike()) {
    const GLuint indices[2] = {static_cast<GLuint>(VertexIndices[0]),
                               static_cast<GLuint>(VertexIndices[1])};
    glDrawElements(GL_LINES, 2, GL_UNSIGNED_INT, indices);
    return;
  }
  if (e.Length2() < kMinDirection2) return;
  glBegin(GL_LINES);
  InfiniteHalves(e, m_nSubKind != kLineRay);
  glEnd();
}

void CGLine::DrawArrowhead() const {
  ArrayLine e;
  if (!ArrayEnds(VertexIndices, &e)) return;
  // 20 pixels at the current zoom, so the head keeps its size on screen.
  const float s = 20 * g_fUnitsPerPixel / g_fViewScale;
  const float d2 = e.Length2();
  if (s > d2 || d2 <= 0) return;  // compared with the squared length, as always
  const float len = std::sqrt(d2);
  float d[3];
  for (int i = 0; i < 3; ++i) d[i] = e.d[i] / len;
  // The head lies in the plane through the line that faces the viewer.
  ComputeViewDirection();
  const float* v = g_fViewDir;
  float n[3] = {d[1] * v[2] - d[2] * v[1], d[2] * v[0] - d[0] * v[2], d[0] * v[1] - d[1] * v[0]};
  const float n2 = n[0] * n[0] + n[1] * n[1] + n[2] * n[2];
  if (n2 < 1e-5f) return;
  const float nlen = std::sqrt(n2);
  for (float& c : n) c /= nlen;
  const float* b = e.b;
  float p1[3], p2[3], p3[3];
  for (int i = 0; i < 3; ++i) {
    p1[i] = b[i] + s * (0.35f * n[i] - 1.15f * d[i]);
    p2[i] = b[i] - 0.95f * s * d[i];
    p3[i] = b[i] - s * (1.15f * d[i] + 0.35f * n[i]);
  }
  for (GLenum mode : {GL_TRIANGLE_FAN, GL_LINE_LOOP}) {
    if (mode == GL_LINE_LOOP) glLineWidth(1.0f);
    glBegin(mode);
    glVertex3fv(b);
    glVertex3fv(p1);
    glVertex3fv(p2);
    glVertex3fv(p3);
    glEnd();
  }
  glLineWidth(g_prefs.fLineWidth);
}

void CGLine::DrawRod() const {
  ArrayLine e;
  if (!ArrayEnds(VertexIndices, &e)) return;
  const float* d = e.d;
  const float L = std::sqrt(e.Length2());
  if (!(L > 0)) return;  // no direction to turn the rod to
  const float* a = e.a;
  float start[3] = {a[0], a[1], a[2]};
  float height = L;
  if (m_nSubKind == kLineRay) {
    height = L < 20 ? 60 : 3 * L;
  } else if (m_nSubKind == kLineFull) {
    const float f = L < 20 ? 0.5f - 30 / L : -1.0f;
    for (int i = 0; i < 3; ++i) start[i] = a[i] + f * d[i];
    height = L < 20 ? 60 : 3 * L;
  }
  glPushMatrix();
  glTranslatef(start[0], start[1], start[2]);
  constexpr float kFloatEpsilon = 1.1920929e-7f;
  if (std::fabs(d[0]) < kFloatEpsilon && std::fabs(d[1]) < kFloatEpsilon) {
    if (d[2] < 0) glRotatef(180.0f, 0, 1, 0);
  } else {
    glRotatef(std::acos(d[2] / L) * 57.29578f, -d[1], d[0], 0);
  }
  const float radius = 0.06f * m_fSize;
  if (m_nSubKind == kLineVector && L > 2) {
    // A shaft to L - 1.8 and a closed cone of length 2 from L - 2 to L.
    glScalef(radius, radius, L - 1.8f);
    CallShapeList(kListCylinder);
    glScalef(2.6f, 2.6f, 2 / (L - 1.8f));
    glTranslatef(0, 0, 0.5f * L - 1.0f);
    CallShapeList(kListCone);
    CallShapeList(kListDisk);
  } else {
    glScalef(radius, radius, height);
    CallShapeList(kListCylinder);
  }
  glPopMatrix();
}

void CGLine::DrawVisibleEdges() {
  if (!IsShown() || (m_nStyle != kLineAutoDashed && m_nStyle != kLineVisibleOnly)) return;
  CellLineWidth width(*this);
  SetOwnColour(*this);
  DrawLineGeometry();
  if (m_nSubKind == kLineVector && m_nStyle == kLineVisibleOnly) DrawArrowhead();
}

void CGLine::DrawHiddenEdges() {
  if (!IsShown() || m_nStyle != kLineAutoDashed) return;
  CellLineWidth width(*this);
  SetOwnColour(*this);
  DrawLineGeometry();
}

void CGLine::Draw() {
  if (!IsShown()) return;
  CellLineWidth width(*this);
  const bool inverted = m_bHovered;
  auto setColour = [&] {
    if (inverted)
      SetInvertedColour(m_rgbaColor);
    else
      SetOwnColour(*this);
  };
  const bool onTop = m_nStyle == kLineSolidOnTop || m_nStyle == kLineDashedOnTop ||
                     (inverted && m_nStyle != kLineRod);
  // A line under the mouse is drawn solid, even when it is dashed.
  const bool dashed = m_nStyle == kLineDashedOnTop && !inverted;
  const GLushort pattern = LineDashPattern(DashPattern());
  if (onTop) {
    setColour();
    if (dashed) {
      glEnable(GL_LINE_STIPPLE);
      if (pattern != kStandardLineStipple) glLineStipple(1, pattern);
    }
    DrawLineGeometry();
  }
  width.Restore();
  if (dashed) {
    glDisable(GL_LINE_STIPPLE);
    if (pattern != kStandardLineStipple) glLineStipple(1, kStandardLineStipple);
  }
  if (m_nSubKind == kLineVector && m_nStyle != kLineVisibleOnly && m_nStyle != kLineRod) {
    setColour();
    DrawArrowhead();
  }
  DrawCellLabelAtAnchor(*this);
}

void CGLine::DrawLit() {
  if (!IsShown() || m_nStyle != kLineRod) return;
  if (g_bOwnColors) {
    if (m_bHovered)
      SetInvertedColour(m_rgbaColor);
    else
      SetOwnColour(*this);
  }
  DrawRod();
}

void CGLine::DrawFlat() {
  if (!IsShown()) return;
  CellLineWidth width(*this);
  SetGlColour(m_rgbaColor);
  DrawLineGeometry();
  if (m_nSubKind == kLineVector) DrawArrowhead();
}

void CGLine::DrawForPick(int mode) {
  if (!IsShown() || mode < 2) return;
  ArrayLine e;
  if (ArrayEnds(VertexIndices, &e)) {
    glLoadName(2);
    glPushName(m_nId);
    if (IsSegmentLike()) {
      glBegin(GL_LINES);
      glArrayElement(VertexIndices[0]);
      glArrayElement(VertexIndices[1]);
      glEnd();
    } else if (e.Length2() > kMinDirection2) {
      glBegin(GL_LINES);
      InfiniteHalves(e, m_nSubKind != kLineRay);
      glEnd();
    }
    glPopName();
  }
  if (mode == 3 && !m_bLabelHidden) PickCellLabel(*this);
}
