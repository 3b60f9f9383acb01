// Dragging a free point with the mouse.  The view starts the drag when a
// click picks a free point, and on every mouse move sets the view ray
// (g_dRayNear, g_dRayFar, g_fViewDir) and g_bDragHorizontal for the pointer
// and calls DragPointTo; the button-up ends it.  The first move marks the
// point's descendants and keeps their ids in the page's m_dirtyIds; every
// move then drags the point and recalculates those ids in ascending order.
// A drag makes no undo command.
#pragma once
#include "platform/types.h"

// Starts dragging cell `id` of the current page when it is a free point
// (CGVerFree or a subclass): it becomes g_nDragId and its first move is
// still to come.  False, and nothing started, for any other cell.
bool BeginPointDrag(WORD id);
// One mouse move of the drag.  False when no drag is under way or the
// dragged point has left the page.
bool DragPointTo();
// Ends the drag: no dragged cell, the first move due again.
void EndPointDrag();
