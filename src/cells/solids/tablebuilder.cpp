#include "cells/solids/tablebuilder.h"

#include <array>

#include "cells/constrained/linepoints.h"
#include "cells/constructed/translations.h"
#include "cells/dynamic/buttons/showhidebutton.h"
#include "cells/primitives/cgverfree.h"
#include "cells/primitives/cgverfreeinface.h"
#include "cells/solids/pagebuilder.h"
#include "cells/solids/solidtexts.h"
#include "model/globals.h"
#include "render/viewglobals.h"

namespace {

void HideWithLabel(CGCell& cell) {
  cell.m_bHidden = 1;
  cell.m_bLabelHidden = 1;
}

// The handles (the origin, the border handles, the cell handles) become
// the button's targets through the page's ordered selection list.
void AddToButton(CGPage& page, const CGCell& cell) { page.m_selAll.push_back(cell.m_nId); }

}  // namespace

int BuildTable(int rows, int cols, BYTE explicitPlacement, float x, float y, const float* widths,
               const float* heights) {
  CGPage* page = g_pCurPage;
  if (!page) return 0;
  page->ClearSelection();
  if (rows < 1 || cols < 1 || rows > kMaxTableRowsOrColumns || cols > kMaxTableRowsOrColumns) return 0;
  const int cells = 5 * rows * cols + 2 * (rows + cols) + 2;
  const int points = (rows + 1) * (cols + 1) + rows * cols;
  CPageBuilder build(*page);
  if (!build.HasRoom(cells, points, points)) return 0;

  const bool placed = explicitPlacement && widths && heights;
  const float cellWidth = static_cast<float>(g_nViewWidth) * g_fUnitsPerPixel / static_cast<float>(cols + 2);
  const float cellHeight = static_cast<float>(g_nViewHeight) * g_fUnitsPerPixel / static_cast<float>(rows + 2);
  const float x0 = placed ? x : -0.5f * static_cast<float>(cols) * cellWidth;
  const float y0 = placed ? y : 0.5f * static_cast<float>(rows) * cellHeight;
  const RGBA gridColour = g_prefs.rgbaTable;
  auto gridSegment = [&](WORD a, WORD b) { build.Segment(a, b)->m_rgbaColor = gridColour; };

  std::array<std::array<WORD, kMaxTableRowsOrColumns + 1>, kMaxTableRowsOrColumns + 1> g{};
  CGVertex* origin = build.Point<CGVerFreeXyz>(QStringLiteral("Table"), x0, y0, 0.0f);
  HideWithLabel(*origin);
  AddToButton(*page, *origin);
  g[0][0] = origin->m_nId;

  // A border handle along `dir` from `from`, at distance `value`.
  auto borderHandle = [&](int k, float dx, float dy, WORD from, float value) {
    auto* handle = build.Point<CGVerFreeParVector>(QString::number(k), dx, dy, 0.0f, from);
    handle->m_fValue = value;
    HideWithLabel(*handle);
    handle->Recalculate();
    AddToButton(*page, *handle);
    gridSegment(from, handle->m_nId);
    return handle->m_nId;
  };
  for (int c = 1; c <= cols; ++c) g[0][c] = borderHandle(c, 1, 0, g[0][c - 1], placed ? widths[c] : cellWidth);
  for (int r = 1; r <= rows; ++r) g[r][0] = borderHandle(r, 0, 1, g[r - 1][0], -(placed ? heights[r] : cellHeight));

  for (int r = 1; r <= rows; ++r) {
    for (int c = 1; c <= cols; ++c) {
      const QString key = QString::number(r) + QString::number(c);
      auto* corner = build.Point<CGVerTranslate>(QStringLiteral("V") + key, g[r][c - 1], g[r - 1][c - 1], g[r - 1][c]);
      HideWithLabel(*corner);
      g[r][c] = corner->m_nId;
      gridSegment(g[r][c - 1], g[r][c]);
      gridSegment(g[r - 1][c], g[r][c]);
      const CGFace* face = build.Face({g[r - 1][c - 1], g[r][c - 1], g[r][c], g[r - 1][c]});
      auto* handle = build.Point<CGVerFreeInFace>(QStringLiteral("T") + key, face->m_nId, 0.1f, 0.8f);
      HideWithLabel(*handle);
      AddToButton(*page, *handle);
    }
  }

  // A toggle that starts hidden: its first press shows the handles.
  auto* button = build.Cell<CGButnSHide>();
  button->m_strName = QString::fromUtf8(kTextTableButtonCaption);
  button->m_bNameFixed = true;
  button->m_nStyle = 1;
  button->m_bLabelStale = true;
  page->m_selAll.clear();
  return cells;
}
