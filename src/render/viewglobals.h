// Process-wide view state that the GL services draw with: display
// preferences, the view's size and scale, its projection and translation,
// and the mouse ray.  The model keeps the page's copy; these are the values
// of the page being shown.
#pragma once
#include <QString>
#include <array>

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

extern int g_nViewWidth;           // view size in pixels until the view reports its own
extern int g_nViewHeight;
extern float g_fUnitsPerPixel;     // world units per view pixel
extern int g_nProjection;          // 0 central, 1 orthographic, 2 oblique
extern float g_fViewTranslate[3];  // view translation; z starts at -50
extern float g_fViewScale;
// The motion step: pan and turn per mouse pixel, pan per key press, and the
// signed angle step of the spin (its sign the direction).
extern float g_fMotionStep;

// The ray under a window point: the world points at depth 0 and 1 and their
// difference near - far, with the projection and viewport saved whenever
// the view sets them.
extern double g_dRayNear[3];
extern double g_dRayFar[3];
extern float g_fViewDir[3];
extern double g_dProjection[16];
extern int g_nViewport[4];

// Nonzero while the view's captured trace picture is not valid: whatever
// changes the page shown or how it is seen marks it, so the next frame
// starts from the background colour instead of an old page's traces.
extern unsigned char g_bBackgroundDirty;

// The mouse movement of the current drag since the last mouse move, in
// whole pixels, x positive to the right and y positive downwards: the view
// writes it before it asks a slider, caption or button to follow.
extern int g_nMouseDeltaX;
extern int g_nMouseDeltaY;

// Set while the page's media player is open; command buttons wait on it.
extern bool g_bMediaOpen;

// Frames per second of the animation timer: the preference, or the default
// 25 when it is not a usable rate (a period is 1000 divided by it).
int FramesPerSecond();
