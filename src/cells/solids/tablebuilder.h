// A table of rows x columns cells in the plane z = 0 of the current page,
// built from ordinary cells so it resizes by dragging: a hidden origin
// "Table" (top-left), hidden handles along the top and left borders whose
// distances are the column widths and row heights, hidden corners that
// complete each cell, grid segments in the table colour, one face per cell
// in the automatic colours, a hidden point in each face to hang texts and
// pictures on, and a show/hide button over the handles.  No undo step is
// recorded: the caller wraps the returned number of newest cells in one.
#pragma once
#include "platform/types.h"

inline constexpr int kMaxTableRowsOrColumns = 20;

// Clears the page's selection first, whatever follows.  Without explicit
// placement the cells share the view's size and the table is centred on
// the origin; with it the origin is (x, y) and the sizes are widths[1 ..
// cols] and heights[1 .. rows] (index 0 is not read).  Returns the number
// of cells made, 5 rows cols + 2 (rows + cols) + 2; 0, with nothing made,
// when rows or cols lies outside 1 to 20 or there is no room.
int BuildTable(int rows, int cols, BYTE explicitPlacement, float x, float y, const float* widths,
               const float* heights);
