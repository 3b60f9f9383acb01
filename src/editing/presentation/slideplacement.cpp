#include "editing/presentation/slideplacement.h"

#include <cmath>

#include "cells/solids/tablebuilder.h"

// The largest slide side a presentation may have (56 inches); larger shapes
// are drawn at this size, which bounds the pictures made for them.
constexpr double kMaxSidePt = 4032;

CBoardRect PlaceOnBoard(const CPptxShape& shape, const CPptxDeck& deck) {
  const double cx = deck.widthPt / 2, cy = deck.heightPt / 2;
  CBoardRect rect;
  rect.x = static_cast<float>((shape.left - cx) * kUnitsPerPoint);
  rect.y = static_cast<float>((cy - shape.top - shape.height) * kUnitsPerPoint);
  rect.widthPx = static_cast<int>(std::lround(std::clamp(shape.width, 0.0, kMaxSidePt) * kPixelsPerPoint));
  rect.heightPx = static_cast<int>(std::lround(std::clamp(shape.height, 0.0, kMaxSidePt) * kPixelsPerPoint));
  return rect;
}

bool PlanTable(const CPptxShape& shape, const CPptxDeck& deck, CTablePlan* plan) {
  const CPptxTable& table = shape.table;
  const int rows = static_cast<int>(table.rows.size()), cols = static_cast<int>(table.columnWidthsPt.size());
  if (rows < 1 || cols < 1 || rows >= kMaxTableRowsOrColumns || cols >= kMaxTableRowsOrColumns) return false;
  for (const auto& row : table.rows)
    if (static_cast<int>(row.size()) != cols) return false;
  plan->rows = rows;
  plan->cols = cols;
  plan->x = static_cast<float>((shape.left - deck.widthPt / 2) * kUnitsPerPoint);
  plan->y = static_cast<float>((deck.heightPt / 2 - shape.top) * kUnitsPerPoint);
  plan->widths.assign(1, 0.0f);
  plan->heights.assign(1, 0.0f);
  for (double w : table.columnWidthsPt) plan->widths.push_back(static_cast<float>(w * kUnitsPerPoint));
  for (double h : table.rowHeightsPt) plan->heights.push_back(static_cast<float>(h * kUnitsPerPoint));
  return true;
}

// The builder makes the origin, the border handles and their segments, then
// five cells per table cell in row-major order (corner, bottom edge, right
// edge, face, anchor point) and last the show/hide button.
WORD TableCellAnchor(WORD nextId, int rows, int cols, int r, int c) {
  return static_cast<WORD>(nextId - 2 - 5 * (cols * (rows - r) + (cols - c)));
}
