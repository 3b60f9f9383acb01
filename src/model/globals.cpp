#include "model/globals.h"

#include "platform/processstate.h"

// Defined here, given their start values by SetStartValues below (once at
// start-up and again by every ResetProcessState).
CDisplayPrefs g_prefs;
int g_nVertexCapacity;
int g_nViewWidth;
int g_nViewHeight;
float g_fUnitsPerPixel;
int g_nProjection;
int g_nToolMode;
float g_fViewTranslate[3];
float g_fViewScale;
BOOL g_bOwnColors;
double g_dTrackballScaleX;
double g_dTrackballScaleY;
QString g_strProgramFolder;
QString g_strDocumentPath;
std::vector<CRecord*> g_globalTools;

const std::array<CutPlaneCoefficients, 10> g_defaultCutPlanes = {{
    {-1, -1, -1, 2},
    {1, 1, -1, 2},
    {-1, 1, 1, 2},
    {1, -1, 1, 2},
    {2, 1, 0, 0},
    {1, 0, 2, 0},
    {0, 2, 1, 0},
    {4, -1, 0, 1},
    {-1, 0, 4, 1},
    {0, 4, -1, 1},
}};
const std::array<CutPlaneCoefficients, 3> g_coordinateCutPlanes = {{
    {1, 0, 0, 0},
    {0, 1, 0, 0},
    {0, 0, 1, 0},
}};

namespace {
void SetStartValues() {
  g_prefs = CDisplayPrefs();
  g_nVertexCapacity = 200;
  g_nViewWidth = 800;
  g_nViewHeight = 600;
  g_fUnitsPerPixel = 0.05f;
  g_nProjection = 1;
  g_nToolMode = 1;
  g_fViewTranslate[0] = g_fViewTranslate[1] = 0.0f;
  g_fViewTranslate[2] = -50.0f;
  g_fViewScale = 1.0f;
  g_bOwnColors = 1;
  g_dTrackballScaleX = 1.0 / ((800 - 1) * 0.5);
  g_dTrackballScaleY = 1.0 / ((600 - 1) * 0.5);
  g_strProgramFolder.clear();
  g_strDocumentPath.clear();
  // The tool records are owned by the tools code, which empties the list itself.
}

const bool started = (SetStartValues(), true);
const ProcessStateReset reset(SetStartValues);
}  // namespace
