// The ordered OpenGL passes that put the current page on the screen, into
// the captured trace layer and into the selection buffer, and the two kinds
// of coordinate axes.  Each pass is one walk over the page calling one
// drawing operation of every cell; a pass finishes before the next begins,
// and the walks allocate nothing.  Each of the three is one frame for the
// cells that draw copies (model/drawing/copyframe.h).
#pragma once

// The screen passes of the current page, grid and axes included.
void DrawPageCells();
// The trace layer: the traced cells flat, or with the page's full-trace
// flag the whole page with its traced cells' edges.
void DrawTraceLayer();
// The page in selection mode; mode 0 first lets every point pick itself.
void DrawPageForPick(int mode);
void DrawVerticesForPick();

// Arrowed x, y and z axes of length 12 whose heads face the viewer.
void DrawSpaceAxes();
// The x and y axes in z = 0 with ticks and numbers, across the visible area.
void DrawPlaneAxes();

// Label and tick steps of the plane axes at zoom factor `zoom` (view scale
// over 20 pixels per unit): the numbers shown get sparser as it shrinks.
struct PlaneAxisSteps {
  int label;
  float tick;
};
PlaneAxisSteps PlaneAxisStepsFor(double zoom);
