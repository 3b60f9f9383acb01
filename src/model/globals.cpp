#include "model/globals.h"

#include <algorithm>

#include "model/vertexarray.h"
#include "platform/processstate.h"

// Defined here, given their start values by SetStartValues below (once at
// start-up and again by every ResetProcessState).
int g_nVertexCapacity;
int g_nToolMode;
BOOL g_bOwnColors;
QString g_strProgramFolder;
QString g_strDocumentPath;
BOOL g_bLockView;
BOOL g_bLockDrag;
BOOL g_bDragHorizontal;
BOOL g_bSnapToGrid;
CGPage* g_pCurPage;
CCellMap* g_pCurCells;
WORD g_nDragId;
unsigned g_nRecalcPass;
bool g_bTraceDirty;
std::vector<CRecord*> g_globalTools;
CRecord* g_pCurrentTool;
int g_nCurrentToolId;
int g_nDocToolsShown;

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
  g_nVertexCapacity = 200;
  g_nToolMode = 1;
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
  g_nDragId = 0;
  g_nRecalcPass = 0;
  g_bTraceDirty = false;
  ResetVertexArray();  // after g_nVertexCapacity: a fresh array of the start capacity
  // The tool records are owned by the tools code, which empties the list itself.
  g_pCurrentTool = nullptr;
  g_nCurrentToolId = 0;
  g_nDocToolsShown = 0;
}

const bool started = (SetStartValues(), true);
const ProcessStateReset reset(SetStartValues);
}  // namespace
