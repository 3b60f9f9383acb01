// How a face draws itself in the page's passes: filled, stippled, into the
// depth buffer only, lit on both sides, translucent or pictured, its label
// and its pick shapes.  The page sets each pass's GL state.
#include <GL/gl.h>

#include "cells/primitives/celldrawing.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/stipplepatterns.h"
#include "model/drawing/viewtext.h"
#include "model/vertexarray.h"
#include "render/glresources.h"

namespace {
bool SlotsInArray(const std::vector<std::int32_t>& indices) {
  const int n = VertexArraySlots();
  for (std::int32_t s : indices)
    if (s < 0 || s >= n) return false;
  return true;
}
}  // namespace

void CGFace::DrawPolygon() const {
  if (!SlotsInArray(VertexIndices)) return;
  const GLenum mode = CornerCount == 4 ? GL_QUADS : CornerCount == 3 ? GL_TRIANGLES : GL_POLYGON;
  glDrawElements(mode, CornerCount, GL_UNSIGNED_INT, VertexIndices.data());
}

void CGFace::SetNormal() const {
  const float* v0 = CornerPos(0);
  const float* v1 = CornerPos(1);
  const float* v2 = CornerPos(2);
  if (!v0 || !v1 || !v2) return;
  const float a[3] = {v1[0] - v0[0], v1[1] - v0[1], v1[2] - v0[2]};
  const float b[3] = {v2[0] - v0[0], v2[1] - v0[1], v2[2] - v0[2]};
  // Not normalised: the view has GL normalise normals.
  glNormal3f(a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]);
}

bool CGFace::DrawPictured() {
  const int picture = Picture();
  if (picture < 1 || picture > 15) return false;
  const GLuint texture = g_nPictureTextures[picture - 1];
  if (texture == 0) return false;  // not made in this context: drawn plain
  if (TexCoordsDirty || TexCoords.size() != 2u * CornerCount) RebuildTexCoords();
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture);
  glBegin(GL_POLYGON);
  for (int i = 0; i < CornerCount; ++i) {
    const float* p = CornerPos(i);
    if (!p) continue;
    glTexCoord2fv(&TexCoords[2 * static_cast<size_t>(i)]);
    glVertex3f(p[0], p[1], p[2]);
  }
  glEnd();
  glDisable(GL_TEXTURE_2D);
  return true;
}

void CGFace::DrawFill() {
  if (!IsShown()) return;
  if (m_bSelected || m_nStyle == kFaceFilled) {
    SetOwnColour(*this);
    DrawPolygon();
  } else if (m_nStyle == kFaceStippled) {
    glEnable(GL_POLYGON_STIPPLE);
    glPolygonStipple(PolygonStipplePattern(StipplePattern()).data());
    if (g_bOwnColors) SetGlColour(m_rgbaColor);
    DrawPolygon();
    glDisable(GL_POLYGON_STIPPLE);
  }
}

void CGFace::DrawDepthOnly() {
  if (IsShown() && m_nStyle == kFaceHiding && !m_bSelected) DrawPolygon();
}

void CGFace::DrawLit() {
  if (!IsShown() || m_nStyle != kFaceLit || m_bSelected) return;
  SetNormal();
  if (g_bOwnColors) SetGlColour(m_rgbaColor);
  if (DrawPictured()) return;
  // Front in the first colour, back in the second.
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
  DrawPolygon();
  glCullFace(GL_FRONT);
  if (g_bOwnColors) SetGlColour(m_rgbaLabel);
  DrawPolygon();
  glDisable(GL_CULL_FACE);
}

void CGFace::DrawTranslucent() {
  if (!IsShown() || m_nStyle != kFaceTranslucent || m_bSelected) return;
  SetNormal();
  if (g_bOwnColors) SetGlColour(m_rgbaColor);
  if (!DrawPictured()) DrawPolygon();
}

void CGFace::Draw() {
  if (IsShown()) DrawCellLabelAtAnchor(*this);
}

void CGFace::DrawForPick(int mode) {
  if (!IsShown()) return;
  if (mode == 3 && SlotsInArray(VertexIndices)) {
    glLoadName(8);
    glPushName(m_nId);
    glBegin(GL_POLYGON);
    for (std::int32_t slot : VertexIndices) glArrayElement(slot);
    glEnd();
    glPopName();
  }
  if (!m_bLabelHidden) PickCellLabel(*this);
}
