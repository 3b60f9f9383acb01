#include "render/rasterposition.h"

#include <algorithm>
#include <cmath>

#include "render/glfontlists.h"

namespace {

bool RasterValid() {
  GLboolean valid = GL_FALSE;
  glGetBooleanv(GL_CURRENT_RASTER_POSITION_VALID, &valid);
  return valid == GL_TRUE;
}

// Column-major m times (v, 1).
void Transform(const double m[16], const double v[4], double out[4]) {
  for (int r = 0; r < 4; ++r) out[r] = m[r] * v[0] + m[4 + r] * v[1] + m[8 + r] * v[2] + m[12 + r] * v[3];
}

// The point's normalised device coordinates; false when the point is behind
// the eye, outside the depth range or not finite.
bool NormalisedPoint(double x, double y, double z, double ndc[3]) {
  double modelview[16], projection[16];
  glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  const double object[4] = {x, y, z, 1};
  double eye[4], clip[4];
  Transform(modelview, object, eye);
  Transform(projection, eye, clip);
  if (!(clip[3] > 0)) return false;
  for (int i = 0; i < 3; ++i) ndc[i] = clip[i] / clip[3];
  return std::isfinite(ndc[0]) && std::isfinite(ndc[1]) && std::abs(ndc[2]) <= 1;
}

// The raster position at normalised device coordinates, whatever the
// matrices; the current colour goes with it as glRasterPos takes it.
void RasterAtNormalised(double x, double y, double z) {
  glPushAttrib(GL_TRANSFORM_BIT);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glRasterPos3d(x, y, z);
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glPopAttrib();
}

}  // namespace

RasterPosition::RasterPosition(double x, double y, double z) {
  glRasterPos3d(x, y, z);
  if (RasterValid()) return;
  GLint mode = 0;
  glGetIntegerv(GL_RENDER_MODE, &mode);
  double ndc[3];
  if (mode != GL_RENDER || !NormalisedPoint(x, y, z, ndc)) return;
  // Inside the sides and still invalid: a clip plane hides it.
  if (std::abs(ndc[0]) <= 1 && std::abs(ndc[1]) <= 1) return;
  MoveInFrom(ndc);
}

void RasterPosition::MoveInFrom(const double ndc[3]) {
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  if (viewport[2] <= 0 || viewport[3] <= 0) return;
  // The nearest pixel centre inside the viewport.
  const double halfX = 1.0 / viewport[2], halfY = 1.0 / viewport[3];
  RasterAtNormalised(std::clamp(ndc[0], halfX - 1, 1 - halfX), std::clamp(ndc[1], halfY - 1, 1 - halfY), ndc[2]);
  if (!RasterValid()) return;
  GLfloat inside[4];
  glGetFloatv(GL_CURRENT_RASTER_POSITION, inside);
  const double target[2] = {viewport[0] + (ndc[0] + 1) * 0.5 * viewport[2],
                            viewport[1] + (ndc[1] + 1) * 0.5 * viewport[3]};
  // Only the part inside the viewport is drawn, as for an item starting in it.
  m_scissored = glIsEnabled(GL_SCISSOR_TEST) == GL_FALSE;
  if (m_scissored) {
    glGetIntegerv(GL_SCISSOR_BOX, m_oldScissor);
    glEnable(GL_SCISSOR_TEST);
    glScissor(viewport[0], viewport[1], viewport[2], viewport[3]);
  }
  glBitmap(0, 0, 0, 0, static_cast<GLfloat>(target[0] - inside[0]), static_cast<GLfloat>(target[1] - inside[1]),
           nullptr);
}

RasterPosition::~RasterPosition() {
  if (!m_scissored) return;
  glScissor(m_oldScissor[0], m_oldScissor[1], m_oldScissor[2], m_oldScissor[3]);
  glDisable(GL_SCISSOR_TEST);
}

void CallTextListsAt(const QString& lists, double x, double y, double z) {
  const RasterPosition at(x, y, z);
  CallTextLists(lists);
}
