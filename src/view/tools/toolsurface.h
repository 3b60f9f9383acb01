// What the mouse tools need of the view they run in: the click pick,
// placing the pointer in space, the pointer ray, the box pick, a picture of
// the view and redraws.  Positions are client pixels, y down; the surface
// turns them into what GL needs.  The view gives the real one; tests give
// scripted picks and placements.
#pragma once
#include <QImage>
#include <QRect>
#include <vector>

#include "platform/types.h"
#include "view/pickchoice.h"

// One mouse event: where, which buttons are held once it has happened, and
// whether Ctrl is.
struct ToolInput {
  int x = 0;
  int y = 0;
  bool left = false;
  bool middle = false;
  bool right = false;
  bool ctrl = false;
};

// A click pick: whether anything at all lies under the pointer, and what
// the click means by the current tool's rules (kind 0 with an id: the
// select tool deselected it).
struct ToolPick {
  bool hit = false;
  int kind = 0;
  WORD id = 0;
};

class IToolSurface {
 public:
  virtual ~IToolSurface() = default;

  // The click pick of view/clickpick.h (Ctrl: labels only).
  virtual ToolPick Pick(int x, int y, bool labelsOnly) = 0;
  // The pointer on the grid of the coordinate plane it crosses most
  // steeply; p stays as it was when the ray runs along that plane.
  virtual void PlaceOnGrid(int x, int y, double p[3]) = 0;
  // The pointer on the vertical line through (p[0], p[1]): only p[2]
  // changes, and only when the height can be had.
  virtual void PlaceVertically(int x, int y, double p[3]) = 0;
  // The pointer on the plane of the polygon's first three corners, with
  // its plane coordinates; false when it cannot be placed there.
  virtual bool PlaceOnPlane(int x, int y, double p[3], float* s, float* t) = 0;
  // Sets the pointer ray globals that drag operations read.
  virtual void AimRay(int x, int y) = 0;
  // What the select-pass pick finds inside the box between two corners
  // (at least 2 x 2 pixels), in buffer order; never stops at a count.
  virtual std::vector<PickHit> PickBox(int x0, int y0, int x1, int y1) = 0;
  // The view drawn as it is now, cut to `box` (client pixels); parts of the
  // box outside the view are transparent.
  virtual QImage Grab(const QRect& box) = 0;
  // Adds the trace layer of the current positions to the kept picture.
  virtual void CaptureBackground() = 0;
  virtual void Redraw() = 0;
  // The GL state takes the display preferences: line width, point size,
  // light 0 and the clear colour of the page shown; the label and text
  // font lists are compiled again when the fonts changed.
  virtual void ApplyDisplayPrefs(bool fontsChanged) { (void)fontsChanged; }
  // The view stops spinning (timer 1 stops): a construction tool starts.
  virtual void StopSpin() {}
};
