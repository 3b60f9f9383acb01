#include "render/projection.h"

#include <GL/gl.h>

#include <algorithm>

#include "platform/processstate.h"
#include "render/viewglobals.h"
#include "render/viewray.h"

int g_nViewDeviceHeight = 600;
double g_dModelView[16];

namespace {
// Cabinet projection: depth runs along 45 degrees down-left at half scale,
// so the centre offset c = 25 / sqrt(2) puts eye z = -50 at the window centre.
constexpr double kObliqueCentre = 17.67766952966369;
constexpr double kObliqueShear = 0.7071067811865476;

void Frustum(double l, double r, double b, double t, double n, double f, double m[16]) {
  std::fill_n(m, 16, 0.0);
  m[0] = 2 * n / (r - l);
  m[5] = 2 * n / (t - b);
  m[8] = (r + l) / (r - l);
  m[9] = (t + b) / (t - b);
  m[10] = -(f + n) / (f - n);
  m[11] = -1;
  m[14] = -2 * f * n / (f - n);
}

void Ortho(double l, double r, double b, double t, double n, double f, double m[16]) {
  std::fill_n(m, 16, 0.0);
  m[0] = 2 / (r - l);
  m[5] = 2 / (t - b);
  m[10] = -2 / (f - n);
  m[12] = -(r + l) / (r - l);
  m[13] = -(t + b) / (t - b);
  m[14] = -(f + n) / (f - n);
  m[15] = 1;
}

void Oblique(double hw, double hh, double m[16]) {
  const double l = kObliqueCentre - hw, r = kObliqueCentre + hw;
  const double b = kObliqueCentre - hh, t = kObliqueCentre + hh;
  std::fill_n(m, 16, 0.0);
  m[0] = 2 / (r - l);
  m[5] = 2 / (t - b);
  m[8] = -kObliqueShear / (r - l);
  m[9] = -kObliqueShear / (t - b);
  m[10] = -0.00909090909090909;  // -1/110: z = 20 -> -1, z = -200 -> +1
  m[12] = -(l + r) / (r - l);
  m[13] = -(b + t) / (t - b);
  m[14] = -0.8181818181818182;  // -9/11
  m[15] = 1;
}

void ResetSavedMatrices() {
  g_nViewDeviceHeight = 600;
  std::fill_n(g_dModelView, 16, 0.0);
  for (int i = 0; i < 4; ++i) g_dModelView[i * 5] = 1.0;
}

const bool started = (ResetSavedMatrices(), true);
const ProcessStateReset reset(ResetSavedMatrices);
}  // namespace

bool ProjectionMatrix(int mode, int width, int height, double unitsPerPixel, double out[16]) {
  const double hw = width * 0.5 * unitsPerPixel;
  const double hh = height * 0.5 * unitsPerPixel;
  switch (mode) {
    case kProjCentral:
      Frustum(-0.4 * hw, 0.4 * hw, -0.4 * hh, 0.4 * hh, 20, 200, out);
      return true;
    case kProjOrthographic:
      Ortho(-hw, hw, -hh, hh, -64, 200, out);
      return true;
    case kProjOblique:
      Oblique(hw, hh, out);
      return true;
    default:
      return false;
  }
}

void SetProjection(int mode) {
  double m[16];
  if (ProjectionMatrix(mode, g_nViewWidth, g_nViewHeight, g_fUnitsPerPixel, m)) glMultMatrixd(m);
}

void SaveProjectionAndViewport() {
  glGetDoublev(GL_PROJECTION_MATRIX, g_dProjection);
  glGetIntegerv(GL_VIEWPORT, g_nViewport);
}

void SaveModelView() { glGetDoublev(GL_MODELVIEW_MATRIX, g_dModelView); }

void ComputeMouseRay(int x, int y) { ComputeViewRay(g_dModelView, x, g_nViewDeviceHeight - y); }
