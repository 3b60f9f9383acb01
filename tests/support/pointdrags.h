// A free point dragged as the view drags it: the pointer straight over
// (x, y), the point moving in its horizontal plane, no grid.
#pragma once
#include "cells/primitives/pointdrag.h"
#include "model/globals.h"
#include "render/viewglobals.h"

// One drag of the current page's point `id` in one move; false when the
// drag does not start or the move fails.
inline bool DragPointStraightDown(WORD id, double x, double y) {
  g_bDragHorizontal = 1;
  g_bSnapToGrid = 0;
  if (!BeginPointDrag(id)) return false;
  g_dRayNear[0] = g_dRayFar[0] = x;
  g_dRayNear[1] = g_dRayFar[1] = y;
  g_dRayNear[2] = 100;
  g_dRayFar[2] = -100;
  for (int i = 0; i < 3; ++i) g_fViewDir[i] = static_cast<float>(g_dRayNear[i] - g_dRayFar[i]);
  const bool moved = DragPointTo();
  EndPointDrag();
  return moved;
}
