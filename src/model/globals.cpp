#include "model/globals.h"

#include <algorithm>

#include "model/vertexarray.h"
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
QString g_strProgramFolder;
QString g_strDocumentPath;
BOOL g_bLockView;
BOOL g_bLockDrag;
BOOL g_bDragHorizontal;
BOOL g_bSnapToGrid;
CGPage* g_pCurPage;
CCellMap* g_pCurCells;
double g_dRayNear[3];
double g_dRayFar[3];
float g_fViewDir[3];
double g_dProjection[16];
int g_nViewport[4];
WORD g_nDragId;
bool g_bTraceDirty;
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
  g_strProgramFolder.clear();
  g_strDocumentPath.clear();
  g_bLockView = 0;
  g_bLockDrag = 0;
  g_bDragHorizontal = 1;
  g_bSnapToGrid = 0;
  // Pages are owned by the document; forgetting them here frees nothing.
  g_pCurPage = nullptr;
  g_pCurCells = nullptr;
  std::fill_n(g_dRayNear, 3, 0.0);
  std::fill_n(g_dRayFar, 3, 0.0);
  std::fill_n(g_fViewDir, 3, 0.0f);
  std::fill_n(g_dProjection, 16, 0.0);
  for (int i = 0; i < 4; ++i) g_dProjection[i * 5] = 1.0;  // identity until the view sets one
  g_nViewport[0] = g_nViewport[1] = 0;
  g_nViewport[2] = 800;
  g_nViewport[3] = 600;
  g_nDragId = 0;
  g_bTraceDirty = false;
  ResetVertexArray();  // after g_nVertexCapacity: a fresh array of the start capacity
  // The tool records are owned by the tools code, which empties the list itself.
}

const bool started = (SetStartValues(), true);
const ProcessStateReset reset(SetStartValues);
}  // namespace
