// Process-wide state of the application core, with the values the program
// starts with.  ResetProcessState() puts all of it back.
#pragma once
#include <QString>
#include <array>
#include <vector>

#include "platform/types.h"

struct RGBA {
  BYTE r = 0, g = 0, b = 0, a = 255;
  friend bool operator==(const RGBA&, const RGBA&) = default;
};

// Display preferences: fonts, default colours and sizes of new cells,
// background, light, frame rate and three switches.
struct CDisplayPrefs {
  QString strLabelFont = QStringLiteral("Times New Roman");
  QString strTextFont = QStringLiteral("Times New Roman");
  int nLabelFontHeight = 24;
  int nTextFontHeight = 24;
  float fLineWidth = 2.0f;  // the default size of every new cell
  float fPointSize = 6.0f;
  std::array<float, 4> background{1.0f, 1.0f, 1.0f, 1.0f};
  RGBA rgbaSelection{255, 0, 255, 255};
  RGBA rgbaFixedPoint{128, 0, 0, 255};
  RGBA rgbaFreePoint{255, 0, 0, 255};
  RGBA rgbaLine{0, 0, 128, 255};
  RGBA rgbaCurve{0, 128, 0, 255};
  RGBA rgbaLabel{0, 0, 0, 255};
  RGBA rgbaText{0, 0, 152, 255};
  RGBA rgbaMeasure{0, 0, 0, 255};
  RGBA rgbaTable{64, 64, 64, 255};
  std::array<float, 4> lightAmbient{0.2f, 0.2f, 0.2f, 1.0f};
  std::array<float, 4> lightDiffuse{0.8f, 0.8f, 0.8f, 1.0f};
  std::array<float, 4> lightSpecular{1.0f, 1.0f, 1.0f, 1.0f};
  std::array<float, 4> lightPosition{200.0f, 100.0f, 300.0f, 1.0f};
  int nFramesPerSecond = 25;
  int bNoDoubleClick = 0;
  int bScreenRotation = 0;
  int bLabelAutoScale = 0;
};
extern CDisplayPrefs g_prefs;

extern int g_nVertexCapacity;      // slots of the shared vertex array
extern int g_nViewWidth;           // view size in pixels until the view reports its own
extern int g_nViewHeight;
extern float g_fUnitsPerPixel;     // world units per view pixel
extern int g_nProjection;          // 0 central, 1 orthographic, 2 oblique
extern int g_nToolMode;            // 1 select and drag ... 9 ink pen
extern float g_fViewTranslate[3];  // view translation; z starts at -50
extern float g_fViewScale;
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

// The ray under a window point: the world points at depth 0 and 1 and their
// difference near - far, with the projection and viewport saved whenever
// the view sets them.
extern double g_dRayNear[3];
extern double g_dRayFar[3];
extern float g_fViewDir[3];
extern double g_dProjection[16];
extern int g_nViewport[4];

extern WORD g_nDragId;     // the cell the mouse is dragging
extern bool g_bTraceDirty; // the trace list is not empty: capture the trace layer again

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
