#include "cells/texts/textlayer.h"

#include "model/cgpage.h"
#include "model/globals.h"
#include "render/projection.h"

bool TextLayerShows(const CGCell& cell) {
  return !cell.m_bHidden && !(g_pCurPage && g_pCurPage->m_bThreeView);
}

TextLayerMatrix::TextLayerMatrix() {
  glPushMatrix();
  glLoadIdentity();
  glTranslatef(g_fViewTranslate[0], g_fViewTranslate[1], 0);
}

bool MapToTextLayer(const float point[3], float out[3]) {
  const double* m = g_dWorldToText;
  double mapped[4];
  for (int r = 0; r < 4; ++r) mapped[r] = m[r] * point[0] + m[4 + r] * point[1] + m[8 + r] * point[2] + m[12 + r];
  if (!(mapped[3] > 1e-12 || mapped[3] < -1e-12)) return false;
  for (int i = 0; i < 3; ++i) out[i] = static_cast<float>(mapped[i] / mapped[3]);
  return true;
}

void SetTextColour(const RGBA& c) { glColor4ub(c.r, c.g, c.b, c.a); }

void SetSelectionColour() { SetTextColour(g_prefs.rgbaSelection); }

namespace {
void Rect(GLenum mode, float x0, float y0, float x1, float y1, float z) {
  glBegin(mode);
  glVertex3f(x0, y0, z);
  glVertex3f(x1, y0, z);
  glVertex3f(x1, y1, z);
  glVertex3f(x0, y1, z);
  glEnd();
}
}  // namespace

void OutlineRect(float x0, float y0, float x1, float y1, float z) { Rect(GL_LINE_LOOP, x0, y0, x1, y1, z); }

void PickRect(GLuint kind, WORD id, float x0, float y0, float x1, float y1, float z) {
  glLoadName(kind);
  glPushName(id);
  Rect(GL_QUADS, x0, y0, x1, y1, z);
  glPopName();
}
