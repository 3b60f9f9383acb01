// How a net draws itself in the page's passes: every face of the tree with
// its corners placed by the face's own chain of hinges.
#include <GL/gl.h>

#include "cells/primitives/celldrawing.h"
#include "cells/solids/cgpolyhedron.h"
#include "cells/solids/nets/cgfold.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "render/glresources.h"

namespace {

enum NetMode { kFilled = 0, kOutlines = 1, kCorners = 2, kTextured = 3 };

void Vertex(const FoldMatrix& m, const kvmath::WideVec& p) {
  const kvmath::WideVec at = FoldPlaced(m, p);
  glVertex3d(at.x, at.y, at.z);
}

void DrawFace(const FoldFace& f, const FoldMatrix& m, int mode) {
  const bool textured = mode == kTextured;
  if (textured) {
    const GLuint texture = g_nPictureTextures[f.TextureNumber];
    glBindTexture(GL_TEXTURE_2D, texture);
    // The face's own normal (0, 0, -1) turned with it.
    glNormal3d(-m[2], -m[6], -m[10]);
  }
  glBegin(mode == kOutlines ? GL_LINE_LOOP : mode == kCorners ? GL_POINTS : GL_POLYGON);
  for (size_t i = 0; i < f.Corners.size(); ++i) {
    if (textured) glTexCoord2d(f.TexCoords[i].x, f.TexCoords[i].y);
    Vertex(m, f.Corners[i]);
  }
  glEnd();
}

}  // namespace

void CGFold::DrawNet(int mode) const {
  std::vector<FoldMatrix> matrices;
  FaceMatrices(m_fValue, matrices);
  for (size_t i = 0; i < NetFaces.size(); ++i) {
    const FoldFace& f = NetFaces[i];
    if (f.InTree && f.Corners.size() >= 3) DrawFace(f, matrices[i], mode);
  }
}

void CGFold::DrawDepthOnly() {
  if (Drawable() && m_nStyle != kHullLit) DrawNet(kFilled);
}

void CGFold::DrawLit() {
  if (!Drawable() || m_nStyle != kHullLit) return;
  if (g_bOwnColors) SetGlColour(m_rgbaColor);
  glEnable(GL_TEXTURE_2D);
  DrawNet(kTextured);
  glDisable(GL_TEXTURE_2D);
}

void CGFold::DrawVisibleEdges() {
  if (!Drawable() || (m_nStyle == kHullLit && !m_bSelected)) return;
  SetOwnColour(*this);
  DrawNet(kOutlines);
}

void CGFold::DrawHiddenEdges() {
  if (!Drawable() || m_nStyle != kHullAutoDashed) return;
  SetOwnColour(*this);
  DrawNet(kOutlines);
}

void CGFold::Draw() {
  if (!Drawable() || m_nStyle != kHullAutoDashed) return;
  if (g_bOwnColors) SetGlColour(m_rgbaColor);
  DrawNet(kCorners);
}

void CGFold::DrawForPick(int mode) {
  if (!Drawable() || mode < 3 || (g_pCurPage && g_pCurPage->m_bThreeView)) return;
  glLoadName(11);
  glPushName(m_nId);
  DrawNet(kFilled);
  glPopName();
}
