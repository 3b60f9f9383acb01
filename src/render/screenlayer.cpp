#include "render/screenlayer.h"

#include <algorithm>

TextLayerMatrix::TextLayerMatrix() {
  glPushMatrix();
  glLoadIdentity();
  glTranslatef(g_fViewTranslate[0], g_fViewTranslate[1], 0);
}

void KeepInView(float point[2]) {
  // One pixel is g_fUnitsPerPixel at the layer's depth, the view's centre
  // is the origin there, and the layer follows the pan.
  const float u = g_fUnitsPerPixel;
  const float margin = kKeptInsideView * u;
  const int size[2] = {g_nViewWidth, g_nViewHeight};
  for (int i = 0; i < 2; ++i) {
    const float half = static_cast<float>(size[i]) * 0.5f * u;
    const float low = margin - half - g_fViewTranslate[i];
    const float high = half - margin - g_fViewTranslate[i];
    point[i] = std::clamp(point[i], low, std::max(low, high));
  }
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

void FillRect(float x0, float y0, float x1, float y1, float z) { Rect(GL_QUADS, x0, y0, x1, y1, z); }

void OutlineRect(float x0, float y0, float x1, float y1, float z) { Rect(GL_LINE_LOOP, x0, y0, x1, y1, z); }

void PickRect(GLuint kind, WORD id, float x0, float y0, float x1, float y1, float z) {
  glLoadName(kind);
  glPushName(id);
  Rect(GL_QUADS, x0, y0, x1, y1, z);
  glPopName();
}
