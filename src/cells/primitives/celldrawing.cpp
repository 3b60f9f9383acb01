#include "cells/primitives/celldrawing.h"

#include <GL/gl.h>

#include "model/globals.h"

void SetGlColour(const RGBA& c) { glColor4ub(c.r, c.g, c.b, c.a); }

void SetInvertedColour(const RGBA& c) {
  glColor3ub(static_cast<GLubyte>(255 - c.r), static_cast<GLubyte>(255 - c.g),
             static_cast<GLubyte>(255 - c.b));
}

void SetOwnColour(const CGCell& cell) {
  if (!g_bOwnColors) return;
  SetGlColour(cell.m_bSelected ? g_prefs.rgbaSelection : cell.m_rgbaColor);
}

CellLineWidth::CellLineWidth(float width) : m_bChanged(width != g_prefs.fLineWidth) {
  if (m_bChanged) glLineWidth(width);
}

void CellLineWidth::Restore() {
  if (m_bChanged) glLineWidth(g_prefs.fLineWidth);
  m_bChanged = false;
}
