// Where a slide's shapes land on the board: the slide's centre at the
// origin, 4/3 pixels a point and 0.05 world units a pixel.
#pragma once
#include <vector>

#include "editing/presentation/pptxdeck.h"
#include "platform/types.h"

inline constexpr double kPixelsPerPoint = 4.0 / 3.0;
inline constexpr double kUnitsPerPixel = 0.05;
inline constexpr double kUnitsPerPoint = kUnitsPerPixel * kPixelsPerPoint;

// A shape's lower-left corner in world units and its size in pixels.
struct CBoardRect {
  float x = 0, y = 0;
  int widthPx = 0, heightPx = 0;
};
CBoardRect PlaceOnBoard(const CPptxShape& shape, const CPptxDeck& deck);

// The arguments of the table builder for a table shape: its top-left
// corner and the column widths and row heights (index 0 unused).
struct CTablePlan {
  int rows = 0, cols = 0;
  float x = 0, y = 0;
  std::vector<float> widths, heights;
};
// False for a table with no cells, of 20 or more rows or columns, or
// whose rows do not all have one cell per column.
bool PlanTable(const CPptxShape& shape, const CPptxDeck& deck, CTablePlan* plan);

// Ids in a table just built, nextId being the page's next id after it, for
// the cell of row r and column c (both from 1): its anchor point, the
// border to its left and the border above it.
WORD TableCellAnchor(WORD nextId, int rows, int cols, int r, int c);
inline WORD TableLeftBorder(WORD anchor) { return static_cast<WORD>(anchor - 7); }
inline WORD TableTopBorder(WORD anchor, int cols) { return static_cast<WORD>(anchor - 5 * cols - 3); }
