#include "cells/texts/textlayer.h"

#include "model/cgpage.h"
#include "model/globals.h"

bool TextLayerShows(const CGCell& cell) {
  return !cell.m_bHidden && !(g_pCurPage && g_pCurPage->m_bThreeView);
}

TextLayerMatrix::TextLayerMatrix() {
  glPushMatrix();
  glLoadIdentity();
  glTranslatef(g_fViewTranslate[0], g_fViewTranslate[1], 0);
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
