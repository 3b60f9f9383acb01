#include "render/viewglobals.h"

#include <algorithm>

#include "platform/processstate.h"

// Defined here, given their start values by SetStartValues below (once at
// start-up and again by every ResetProcessState).
CDisplayPrefs g_prefs;
int g_nViewWidth;
int g_nViewHeight;
float g_fUnitsPerPixel;
int g_nProjection;
float g_fViewTranslate[3];
float g_fViewScale;
float g_fMotionStep;
double g_dRayNear[3];
double g_dRayFar[3];
float g_fViewDir[3];
double g_dProjection[16];
int g_nViewport[4];
unsigned char g_bBackgroundDirty;
int g_nMouseDeltaX;
int g_nMouseDeltaY;
bool g_bMediaOpen;

namespace {
void SetStartValues() {
  g_prefs = CDisplayPrefs();
  g_nViewWidth = 800;
  g_nViewHeight = 600;
  g_fUnitsPerPixel = 0.05f;
  g_nProjection = 1;
  g_fViewTranslate[0] = g_fViewTranslate[1] = 0.0f;
  g_fViewTranslate[2] = -50.0f;
  g_fViewScale = 1.0f;
  g_fMotionStep = 1.0f;
  std::fill_n(g_dRayNear, 3, 0.0);
  std::fill_n(g_dRayFar, 3, 0.0);
  std::fill_n(g_fViewDir, 3, 0.0f);
  std::fill_n(g_dProjection, 16, 0.0);
  for (int i = 0; i < 4; ++i) g_dProjection[i * 5] = 1.0;  // identity until the view sets one
  g_nViewport[0] = g_nViewport[1] = 0;
  g_nViewport[2] = 800;
  g_nViewport[3] = 600;
  g_bBackgroundDirty = 1;
  g_nMouseDeltaX = 0;
  g_nMouseDeltaY = 0;
  g_bMediaOpen = false;
}

const bool started = (SetStartValues(), true);
const ProcessStateReset reset(SetStartValues);
}  // namespace

int FramesPerSecond() { return g_prefs.nFramesPerSecond > 0 ? g_prefs.nFramesPerSecond : 25; }
