#include "render/projection.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/processstate.h"
#include "render/viewglobals.h"
#include "render/viewray.h"

int g_nViewDeviceHeight = 600;
double g_dModelView[16];
double g_dWorldToText[16];

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

void Identity(double m[16]) {
  std::fill_n(m, 16, 0.0);
  for (int i = 0; i < 4; ++i) m[i * 5] = 1.0;
}

void ResetSavedMatrices() {
  g_nViewDeviceHeight = 600;
  Identity(g_dModelView);
  Identity(g_dWorldToText);
}

// out = a b, column-major 4 x 4 (out may not alias a or b).
void Multiply(const double a[16], const double b[16], double out[16]) {
  for (int c = 0; c < 4; ++c)
    for (int r = 0; r < 4; ++r) {
      double sum = 0;
      for (int k = 0; k < 4; ++k) sum += a[k * 4 + r] * b[c * 4 + k];
      out[c * 4 + r] = sum;
    }
}

// Gauss-Jordan elimination with partial pivoting; false when singular.
bool Invert(const double m[16], double out[16]) {
  double a[4][8];
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) {
      a[r][c] = m[c * 4 + r];
      a[r][c + 4] = r == c ? 1.0 : 0.0;
    }
  for (int c = 0; c < 4; ++c) {
    int pivot = c;
    for (int r = c + 1; r < 4; ++r)
      if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) pivot = r;
    if (std::fabs(a[pivot][c]) < 1e-300) return false;
    std::swap(a[c], a[pivot]);
    const double scale = 1.0 / a[c][c];
    for (double& v : a[c]) v *= scale;
    for (int r = 0; r < 4; ++r) {
      if (r == c) continue;
      const double f = a[r][c];
      for (int k = 0; k < 8; ++k) a[r][k] -= f * a[c][k];
    }
  }
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) out[c * 4 + r] = a[r][c + 4];
  return true;
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

bool WorldToTextMatrix(const double projection[16], const double modelview[16], double out[16]) {
  double inverse[16];
  if (!Invert(projection, inverse)) return false;
  // Clip depth over w of the eye point (0, 0, -50); in all three projections
  // it does not depend on x and y.
  const double* p = projection;
  const double w = p[11] * -50 + p[15];
  if (std::fabs(w) < 1e-300) return false;
  const double depth = (p[10] * -50 + p[14]) / w;
  // Z: clip (x, y, z, w) -> (x, y, depth w, w).
  double flatten[16];
  Identity(flatten);
  flatten[10] = 0;
  flatten[14] = depth;
  double a[16], b[16];
  Multiply(flatten, projection, a);
  Multiply(inverse, a, b);
  Multiply(b, modelview, out);
  return true;
}

void SaveWorldToText() {
  double modelview[16];
  glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
  WorldToTextMatrix(g_dProjection, modelview, g_dWorldToText);
}

void ComputeMouseRay(int x, int y) { ComputeViewRay(g_dModelView, x, g_nViewDeviceHeight - y); }
