// Drawing the parametric surface: its grid compiled into one display list
// on the first draw after a tessellation, then called by every pass.
#include <GL/gl.h>

#include <functional>

#include "cells/dynamic/surfaces/surface.h"
#include "cells/primitives/celldrawing.h"
#include "model/globals.h"
#include "render/glresources.h"

namespace {

// The picture that a two-sided textured surface shows on its back.
constexpr int kBackPicture = 3;

}  // namespace

GLuint CGSurface::List() {
  if (!IsShown() || m_grid.Empty()) return 0;
  bool fresh = false;
  const GLuint list = m_list.Acquire(1, &fresh);
  if (list == 0) return 0;
  if (fresh || m_bListStale) {
    glNewList(list, GL_COMPILE);
    CompileGrid();
    glEndList();
    m_bListStale = false;
  }
  return list;
}

void CGSurface::CompileGrid() const {
  if (m_nStyle >= kSurfaceWire)
    CompileWire();
  else
    CompileShaded(TextureIndex >= 1 && TextureIndex <= 15 && Mapping().IsFinite());
}

void CGSurface::CompileShaded(bool textured) const {
  const ParametricGrid& g = m_grid;
  for (int i = 1; i < g.Rows(); ++i) {
    const double t = g.V(i) * TexVScale + TexVOffset;
    const double tBefore = g.V(i - 1) * TexVScale + TexVOffset;
    glBegin(GL_QUAD_STRIP);
    for (int j = 0; j < g.Columns(); ++j) {
      const double s = g.U(j) * TexUScale + TexUOffset;
      if (textured) glTexCoord2d(s, t);
      glNormal3dv(g.Normal(i, j));
      glVertex3dv(g.Point(i, j));
      if (textured) glTexCoord2d(s, tBefore);
      glNormal3dv(g.Normal(i - 1, j));
      glVertex3dv(g.Point(i - 1, j));
    }
    glEnd();
  }
}

void CGSurface::CompileWire() const {
  const ParametricGrid& g = m_grid;
  const auto rowStrip = [&g](int i) {
    glBegin(GL_LINE_STRIP);
    for (int j = 0; j < g.Columns(); ++j) glVertex3dv(g.Point(i, j));
    glEnd();
  };
  rowStrip(0);
  for (int i = 1; i < g.Rows(); ++i) {
    glBegin(GL_LINES);
    for (int j = 0; j < g.Columns(); ++j) {
      glVertex3dv(g.Point(i - 1, j));
      glVertex3dv(g.Point(i, j));
    }
    glEnd();
    rowStrip(i);
  }
}

GLuint CGSurface::Texture(int picture) const {
  if (picture < 1 || picture > 15 || !Mapping().IsFinite()) return 0;
  const GLuint name = g_nPictureTextures[picture - 1];
  return name != 0 && glIsTexture(name) ? name : 0;
}

void CGSurface::DrawVisibleEdges() {
  if (m_nStyle != kSurfaceWire) return;
  const GLuint list = List();
  if (list == 0) return;
  SetOwnColour(*this);
  glCallList(list);
}

void CGSurface::DrawLit() {
  if (!(m_nStyle == kSurfaceLit || (m_nStyle == kSurfaceTranslucent && m_bSelected))) return;
  const GLuint list = List();
  if (list == 0) return;
  SetOwnColour(*this);
  const GLuint texture = m_bSelected ? 0 : Texture(TextureIndex);
  if (texture == 0) {
    if (TwoSided == 0) {
      glCallList(list);
      return;
    }
    DrawTwoSided(list, [this] {
      if (g_bOwnColors) SetGlColour(m_rgbaLabel);
    });
    return;
  }
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture);
  if (TwoSided == 0) {
    glCallList(list);
  } else {
    // The back with picture 3, untextured when there is none to use (as
    // when the front is picture 3 itself).
    const GLuint back = TextureIndex == kBackPicture ? 0 : Texture(kBackPicture);
    DrawTwoSided(list, [back] {
      if (back != 0) {
        glBindTexture(GL_TEXTURE_2D, back);
      } else {
        glDisable(GL_TEXTURE_2D);
      }
    });
  }
  glDisable(GL_TEXTURE_2D);
}

void CGSurface::DrawTwoSided(GLuint list, const std::function<void()>& beforeBack) {
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
  glCallList(list);
  glCullFace(GL_FRONT);
  beforeBack();
  glCallList(list);
  glDisable(GL_CULL_FACE);
}

void CGSurface::DrawTranslucent() {
  if (m_nStyle != kSurfaceTranslucent || m_bSelected) return;
  const GLuint list = List();
  if (list == 0) return;
  SetOwnColour(*this);
  const GLuint texture = Texture(TextureIndex);
  if (texture == 0) {
    glCallList(list);
    return;
  }
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture);
  glCallList(list);
  glDisable(GL_TEXTURE_2D);
}

void CGSurface::DrawForPick(int mode) {
  if (mode < 3) return;
  const GLuint list = List();
  if (list == 0) return;
  glLoadName(9);
  glPushName(m_nId);
  glCallList(list);
  glPopName();
}
