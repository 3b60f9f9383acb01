// How a hull draws itself in the page's passes, always moved by its piece
// offset.  The page sets each pass's GL state; the hull sets only colours.
#include <GL/gl.h>

#include "cells/primitives/celldrawing.h"
#include "cells/solids/cgpolyhedron.h"
#include "model/cgpage.h"

namespace {
void Vertex(const kvmath::WideVec& p) { glVertex3d(p.x, p.y, p.z); }
}  // namespace

void CGPolyhedron::DrawMoved(PieceShape shape) const {
  const double v = static_cast<double>(m_fValue) - 1;
  glPushMatrix();
  glTranslated(Offset.Base[0] + v * Offset.Direction[0], Offset.Base[1] + v * Offset.Direction[1],
               Offset.Base[2] + v * Offset.Direction[2]);
  switch (shape) {
    case PieceShape::kFaces:
    case PieceShape::kLitFaces:
      for (const PolyhedronFace& f : Faces) {
        if (shape == PieceShape::kLitFaces) glNormal3d(f.a, f.b, f.c);
        glBegin(GL_POLYGON);
        for (std::int32_t i : f.Vertices) Vertex(Points[static_cast<size_t>(i)]);
        glEnd();
      }
      break;
    case PieceShape::kEdges:
      glBegin(GL_LINES);
      for (const auto& [first, second] : Edges) {
        Vertex(Points[static_cast<size_t>(first)]);
        Vertex(Points[static_cast<size_t>(second)]);
      }
      glEnd();
      break;
    case PieceShape::kVertices:
      glBegin(GL_POINTS);
      for (const auto& p : Points) Vertex(p);
      glEnd();
      break;
  }
  glPopMatrix();
}

void CGPolyhedron::DrawDepthOnly() {
  if (IsShown() && m_nStyle != kHullLit && !Faces.empty()) DrawMoved(PieceShape::kFaces);
}

void CGPolyhedron::DrawEdgesInOwnColour() const {
  if (Edges.empty()) return;
  SetOwnColour(*this);
  DrawMoved(PieceShape::kEdges);
}

void CGPolyhedron::DrawVisibleEdges() {
  if (IsShown() && (m_nStyle != kHullLit || m_bSelected)) DrawEdgesInOwnColour();
}

void CGPolyhedron::DrawHiddenEdges() {
  if (IsShown() && m_nStyle == kHullAutoDashed) DrawEdgesInOwnColour();
}

void CGPolyhedron::Draw() {
  if (!IsShown() || m_nStyle != kHullAutoDashed || Points.empty()) return;
  if (g_bOwnColors) SetGlColour(m_rgbaColor);
  DrawMoved(PieceShape::kVertices);
}

void CGPolyhedron::DrawLit() {
  if (!IsShown() || m_nStyle != kHullLit || Faces.empty()) return;
  if (g_bOwnColors) SetGlColour(m_rgbaColor);
  DrawMoved(PieceShape::kLitFaces);
}

void CGPolyhedron::DrawForPick(int mode) {
  if (!IsShown() || mode < 3 || (g_pCurPage && g_pCurPage->m_bThreeView)) return;
  glLoadName(11);
  glPushName(m_nId);
  DrawMoved(PieceShape::kFaces);
  glPopName();
}

void CGPolyhedron::DrawPiece(int mode) const {
  if (mode == 1) DrawMoved(PieceShape::kLitFaces);
  if (mode == 0 && !Edges.empty()) DrawMoved(PieceShape::kEdges);
}
