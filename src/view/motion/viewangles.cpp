#include "view/motion/viewangles.h"

#include "math/mathglobals.h"
#include "math/viewrotation.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "render/projection.h"

namespace {
// Rows: central, orthographic, oblique; columns: orientation 0, 1, 2.
constexpr ViewAngles kDefaultAngles[3][3] = {
    {{-70, -155}, {-70, -20}, {-70, -110}},
    {{-75, -150}, {-75, -15}, {-75, -105}},
    {{-90, 180}, {-90, 0}, {-90, -90}},
};
// Rows: front, left, top.
constexpr ViewAngles kStandardAngles[3][3] = {
    {{-90, 180}, {-90, 0}, {-90, -90}},
    {{-90, -90}, {-90, 90}, {-90, 0}},
    {{0, 180}, {0, 0, true}, {0, -90}},
};

bool InRange(int value) { return value >= 0 && value < 3; }
}  // namespace

bool DefaultAngles(int mode, int orientation, ViewAngles* out) {
  if (!InRange(mode) || !InRange(orientation)) return false;
  *out = kDefaultAngles[mode][orientation];
  return true;
}

bool ThreeViewAngles(int orientation, ViewAngles* out) { return DefaultAngles(kProjOrthographic, orientation, out); }

bool StandardViewAngles(StandardView view, int orientation, ViewAngles* out) {
  if (!InRange(view) || !InRange(orientation)) return false;
  *out = kStandardAngles[view][orientation];
  return true;
}

void ApplyViewAngles(const ViewAngles& angles) {
  if (angles.identity)
    ViewQuaternion = kQuatIdentity;
  else
    SetViewRotation(angles.x, angles.z);
}

void SwitchProjection(int mode) {
  g_nProjection = mode;
  if (CGPage* page = g_pCurPage) page->m_nProjection = mode;
  ProjectionMatrix(mode, g_nViewWidth, g_nViewHeight, g_fUnitsPerPixel, g_dProjection);
}

void SetDefaultPosition() {
  g_fViewTranslate[0] = g_fViewTranslate[1] = 0.0f;
  g_fViewTranslate[2] = -50.0f;
  g_fViewScale = 1.0f;
}
