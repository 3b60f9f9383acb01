// The view's commands over its motion: the families of rows and their
// registration (view/tools/viewcommands.h has the row type).
#pragma once
#include <vector>

#include "view/tools/viewcommands.h"

class CViewMotion;
using CMotionCommandRow = CCommandRowOf<CViewMotion>;

// Reset, play/stop, projections, three-view, standard views, plane mode.
std::vector<CMotionCommandRow> ProjectionCommandRows();
// Axes, grid, coordinate lines, locks, the fourth quadrant, the boundary
// and the colour solid.
std::vector<CMotionCommandRow> DisplayCommandRows();
// Zoom, pan, the arrow keys with and without Ctrl, the six spins.
std::vector<CMotionCommandRow> MotionKeyRows();

// Registers every family and the cell-command range with `owner`.
void RegisterMotionCommands(CViewMotion& motion, const void* owner);
