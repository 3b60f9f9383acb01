// What the mouse tools keep between events and the render pass draws from:
// the construction step with its pointer and anchor points, the box of the
// box tools, the ink in progress, the drag in progress and the switches of
// the overlays.  The mouse handlers drive it; the frame only reads it.
#pragma once
#include <memory>
#include <vector>

#include "cells/texts/inkmarks.h"
#include "platform/types.h"

// A further corner of a polygon under construction: its position and its
// coordinates s, t in the plane of the first three corners.
struct PolygonCorner {
  double pos[3];
  double s, t;
};

// Line types of the line tool, which draws the type of the last line
// command (g_nLineType, commands/commandglobals.h).
enum LineToolType { kLineToolSegment = 0, kLineToolRay = 1, kLineToolStraight = 2, kLineToolVector = 3 };

struct ViewToolState {
  // Construction step: 0 idle, 1/3/5 button held before the first, second,
  // third vertex, 2/4 one/two vertices placed, 6, 8, ... polygon corners.
  int step = 0;
  double pointer[3] = {0, 0, 0};  // P, where the pointer is placed in space
  double anchor1[3] = {0, 0, 0};  // A1..A3, the vertices placed so far
  double anchor2[3] = {0, 0, 0};
  double anchor3[3] = {0, 0, 0};
  // Ids of the first, second and third vertex (P1, P2, P3); a polygon's
  // further corners are in-plane points made when it is finished.
  WORD vertexIds[3] = {0, 0, 0};
  std::vector<PolygonCorner> furtherCorners;
  // The plane a point is placed in by ScreenToWorld (three points on it).
  double planeA[3] = {0, 0, 0};
  double planeB[3] = {0, 0, 0};
  double planeC[3] = {0, 0, 0};

  // Box of the box-select and copy-box tools, in client pixels (y down).
  int boxStart[2] = {0, 0};
  int boxCorner[2] = {0, 0};
  int lastBoxSize[2] = {200, 200};
  // The pointer at the last mouse event (client pixels), for the deltas.
  int lastPointer[2] = {0, 0};
  // The cell whose highlight byte the hover of a construction tool set.
  WORD hoveredId = 0;

  // Ink pen: the stroke in progress (world x, y, z at the view's depth).
  std::vector<float> inkPoints;
  // The finished strokes not yet saved as ink cells, in drawing order.
  std::vector<std::unique_ptr<CStroke>> finishedStrokes;

  // Drag of the select tool: what is dragged (the id is g_nDragId) and
  // whether a point or slider has moved yet.
  int dragKind = 0;
  bool pointDragged = false;

  bool coordinateLines = false;     // guides from P to the axes
  bool resolutionBoundary = false;  // the 1024 x 768 and 720 x 550 frames
  bool pageFrame = false;           // the inset frame of the whole window
  bool colourSolid = false;         // the colour solid drawn with the page
};

// The one view's tool state; ResetProcessState() restores the above.
extern ViewToolState g_viewTool;
