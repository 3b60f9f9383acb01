// Process-wide state of the application core, with the values the program
// starts with.  ResetProcessState() puts all of it back.
#pragma once
#include <QString>
#include <array>
#include <vector>

#include "platform/types.h"
#include "render/viewglobals.h"

extern int g_nVertexCapacity;      // slots of the shared vertex array
extern int g_nToolMode;            // 1 select and drag ... 9 ink pen
extern BOOL g_bOwnColors;          // drawing operations set their own colours
extern QString g_strProgramFolder;
extern QString g_strDocumentPath;
extern BOOL g_bLockView;           // mouse drags do not rotate, pan or zoom the view
extern BOOL g_bLockDrag;           // mouse drags do not move objects
extern BOOL g_bDragHorizontal;     // drags move in the plane z = const (Ctrl not held)
extern BOOL g_bSnapToGrid;         // dragged and drawn points land on whole numbers; not stored

// The current page and its id-to-cell map; every id is resolved through them.
class CGPage;
class CCellMap;
extern CGPage* g_pCurPage;
extern CCellMap* g_pCurCells;

// The shared vertex array: (g_nVertexCapacity + 10) x, y, z triples, slot k
// holding the point whose VertexIndex is k (slot 0 holds no point).  The
// view hands it to OpenGL as the client vertex array before it draws.
extern float* g_pVertexArray;

extern WORD g_nDragId;     // the cell the mouse is dragging
extern bool g_bTraceDirty; // the trace list is not empty: capture the trace layer again
// Counts the walks that recalculate a page's cells, so that a result one
// cell shares with the next cells of the same walk is never taken into
// another walk (or onto another page).
extern unsigned g_nRecalcPass;

// Buttons that a series button asks to start; started, and the queue
// emptied, at the end of the animation tick that filled it.
extern std::vector<WORD> g_buttonStartQueue;
// The colour of new ink strokes, which automatic recolouring gives ink too.
extern RGBA g_rgbaInk;

// The private clipboard format of cells.
inline constexpr const char* kClipFormatCells = "CF_KAVREL";

// Default cutting planes a*x + b*y + c*z + d = 0 of a plane cut without
// planes of its own: the ten when it asks for more than three, else the
// three coordinate planes.
struct CutPlaneCoefficients {
  double a, b, c, d;
};
extern const std::array<CutPlaneCoefficients, 10> g_defaultCutPlanes;
extern const std::array<CutPlaneCoefficients, 3> g_coordinateCutPlanes;

// User-defined tools of the program's Tools folder (owned by the tools code).
class CRecord;
extern std::vector<CRecord*> g_globalTools;
// The tool chosen last (a folder tool or one of the document's; none at
// start), the command id it was chosen by, and how many of the document's
// tools the custom-tool menu lists.
extern CRecord* g_pCurrentTool;
extern int g_nCurrentToolId;
extern int g_nDocToolsShown;
