// Drawing and picking of formula texts, free and attached to a point.
#include <GL/gl.h>

#include <cmath>

#include "cells/texts/cgtbvodtext.h"
#include "cells/texts/textlayer.h"
#include "model/globals.h"
#include "render/pixelunpack.h"
#include "render/rasterposition.h"

namespace {
// The text layer of a free formula text: the view's whole translation (its
// depth included, so the text lies at depth 0 of it), zoomed with the view
// when the text scales with it.
class FormulaLayerMatrix {
 public:
  explicit FormulaLayerMatrix(bool zoomed) {
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(g_fViewTranslate[0], g_fViewTranslate[1], g_fViewTranslate[2]);
    if (zoomed) glScalef(g_fViewScale, g_fViewScale, g_fViewScale);
  }
  FormulaLayerMatrix(const FormulaLayerMatrix&) = delete;
  FormulaLayerMatrix& operator=(const FormulaLayerMatrix&) = delete;
  ~FormulaLayerMatrix() { glPopMatrix(); }
};

}  // namespace

void CGTbVodText::DrawPixels(const float at[3]) {
  const ScopedUnpack unpack(4);
  const RasterPosition raster(at);
  glDrawPixels(static_cast<GLsizei>(m_nWidth), static_cast<GLsizei>(m_nHeight), GL_RGBA, GL_UNSIGNED_BYTE,
               Pixels().data());
}

void CGTbVodText::DrawTextured(float x0, float y0, float x1, float y1, float z) {
  glColor4f(1, 1, 1, 1);
  if (!m_texture.Bind(static_cast<int>(m_nWidth), static_cast<int>(m_nHeight), Pixels().data())) return;
  glEnable(GL_TEXTURE_2D);
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0);
  glVertex3f(x0, y0, z);
  glTexCoord2f(1, 0);
  glVertex3f(x1, y0, z);
  glTexCoord2f(1, 1);
  glVertex3f(x1, y1, z);
  glTexCoord2f(0, 1);
  glVertex3f(x0, y1, z);
  glEnd();
  glDisable(GL_TEXTURE_2D);
}

void CGTbVodText::Draw() {
  if (!IsShown()) return;
  EnsurePicture();
  if (!HasPicture()) return;
  const bool zoomed = ScalesWithView();
  const FormulaLayerMatrix layer(zoomed);
  const float p = g_fUnitsPerPixel;
  const float x0 = m_vLabelAnchor[0], y0 = m_vLabelAnchor[1];
  const float x1 = x0 + static_cast<float>(m_nWidth) * p, y1 = y0 + static_cast<float>(m_nHeight) * p;
  if (m_bSelected) {
    SetSelectionColour();
    OutlineRect(x0, y0, x1, y1, 0);
  }
  if (zoomed && g_fViewScale != 1.0f) {
    DrawTextured(x0, y0, x1, y1, 0);
  } else {
    const float at[3] = {x0, y0, 0};
    DrawPixels(at);
  }
}

void CGTbVodText::DrawForPick(int mode) {
  if (mode < 3 || !IsShown()) return;
  const FormulaLayerMatrix layer(ScalesWithView());
  const float p = g_fUnitsPerPixel;
  const float* a = m_vLabelAnchor;
  PickRect(7, m_nId, a[0], a[1], a[0] + static_cast<float>(m_nWidth) * p, a[1] + static_cast<float>(m_nHeight) * p, 0);
}

void CGTbMhc::Draw() {
  if (!IsShown()) return;
  EnsurePicture();
  if (!HasPicture()) return;
  float m[3];
  if (!MapToTextLayer(m_vLabelAnchor, m)) return;
  const IdentityModelView identity;
  const float s = g_fViewScale, p = g_fUnitsPerPixel;
  const float x1 = m[0] + static_cast<float>(m_nWidth) * p * s, y1 = m[1] + static_cast<float>(m_nHeight) * p * s;
  if (m_bSelected) {
    SetSelectionColour();
    OutlineRect(m[0], m[1], x1, y1, m[2]);
  }
  if (std::fabs(s - 1.0f) < 0.01f) {
    DrawPixels(m);
  } else {
    DrawTextured(m[0], m[1], x1, y1, m[2]);
  }
}

void CGTbMhc::DrawForPick(int mode) {
  if (mode < 3 || !IsShown()) return;
  float m[3];
  if (!MapToTextLayer(m_vLabelAnchor, m)) return;
  const IdentityModelView identity;
  const float s = g_fViewScale, p = g_fUnitsPerPixel;
  PickRect(7, m_nId, m[0], m[1], m[0] + static_cast<float>(m_nWidth) * p * s,
           m[1] + static_cast<float>(m_nHeight) * p * s, m[2]);
}
