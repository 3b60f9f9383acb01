// Turning the selected lines, faces, arcs and surfaces the other way: a
// face's normal points out, a line runs from its other end, an arc is
// traversed the other way round.
#include <QString>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "cells/constructed/circlepoints.h"
#include "cells/constructed/horizontalcircles.h"
#include "cells/dynamic/surfaces/surface.h"
#include "cells/primitives/arcsbypoints.h"
#include "editing/restructure/restructure.h"
#include "editing/restructure/restructuretexts.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/notifier.h"
#include "platform/uibridge.h"

namespace {
constexpr double kPi = 3.14159265358979323846;

float IntoOneTurn(double angle) {
  angle = std::fmod(angle, 2 * kPi);
  if (angle < 0) angle += 2 * kPi;
  return static_cast<float>(angle);
}

// The turned cell binds its corners' slots in their new order, which no
// computation does, and takes its name again from them; what depends on it
// is marked to be named again.  The edit's end computes them all.
void Refresh(CGCell& cell) {
  cell.BindVertexIndices();
  cell.UpdateLabel();
  cell.MarkDescendants();
}

// False for an arc on a circle: it follows its circle and is turned with it.
bool ReverseArc(CGCell& cell) {
  if (cell.IsKindOf(RUNTIME_CLASS(CGArcInCircle))) return false;
  auto& p = cell.m_parents;
  if (cell.IsKindOf(RUNTIME_CLASS(CGArcCenterP))) {
    if (p.size() >= 3) std::swap(p[1], p[2]);
  } else if (cell.IsKindOf(RUNTIME_CLASS(CGArcCircle3P))) {
    if (p.size() >= 3) std::swap(p[0], p[2]);
  } else if (cell.IsKindOf(RUNTIME_CLASS(CGArcPointN)) || cell.IsKindOf(RUNTIME_CLASS(CGArcPoint2)) ||
             cell.IsKindOf(RUNTIME_CLASS(CGArcCenterR))) {
    cell.m_nParamB = cell.m_nParamB > 0 ? 0 : 1;
  } else if (cell.IsKindOf(RUNTIME_CLASS(CGArc))) {
    auto& arc = static_cast<CGArc&>(cell);
    std::swap(arc.AxisU, arc.AxisV);
    const float start = IntoOneTurn(kPi / 2 - arc.EndAngle);
    float end = IntoOneTurn(kPi / 2 - arc.StartAngle);
    if (end < start) end += kArcFullTurn;
    arc.StartAngle = start;
    arc.EndAngle = end;
    // Brought into one turn as opening brings them: a start rounded up to
    // a full turn reads as 0 there.
    arc.NormalizeAngles();
  }
  return true;
}

void ReverseSurface(CGSurface& surface) {
  std::swap(surface.UStartExpression, surface.UEndExpression);
  surface.Compiled = false;
}

void OnEditReverse(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  if (!page || !FitsReverse(*page)) return;
  CCellMap& cells = page->m_cells;
  for (WORD id : page->m_selLines)
    if (CGCell* line = cells.Lookup(id)) {
      if (line->m_parents.size() >= 2) std::swap(line->m_parents[0], line->m_parents[1]);
      Refresh(*line);
    }
  for (WORD id : page->m_selFaces)
    if (CGCell* face = cells.Lookup(id)) {
      std::reverse(face->m_parents.begin(), face->m_parents.end());
      Refresh(*face);
    }
  for (WORD id : page->m_selPaths)
    if (CGCell* arc = cells.Lookup(id)) {
      if (ReverseArc(*arc))
        Refresh(*arc);
      else
        KvMessageBox(QString::fromUtf8(kTextArcOnCircleReverse));
    }
  for (WORD id : page->m_selSolids)
    if (CGCell* cell = cells.Lookup(id); cell && cell->IsKindOf(RUNTIME_CLASS(CGSurface))) {
      ReverseSurface(*static_cast<CGSurface*>(cell));
      Refresh(*cell);
    }
  std::vector<WORD> marked;
  page->CollectDirtyIds(marked);
  page->UpdateLabels(marked);
  page->ClearSelection();
  UiBridge().Post(UiTarget::Frame, WM_ITEM_TEXTS, 0, page->m_nId);
  doc.SetModifiedFlag();
  UiBridge().UpdateAllViews();
}

void OnUpdateReverse(CKavrelDoc&, CCmdUI& ui) { ui.Enable(g_pCurPage && FitsReverse(*g_pCurPage)); }

const CDocCommandRows rows({
    {ID_EDIT_REVERSE, OnEditReverse, OnUpdateReverse},
});
}  // namespace

bool FitsReverse(const CGPage& page) {
  if (!page.m_selLines.empty() || !page.m_selFaces.empty() || !page.m_selPaths.empty()) return true;
  for (WORD id : page.m_selSolids)
    if (const CGCell* cell = page.m_cells.Lookup(id); cell && cell->IsKindOf(RUNTIME_CLASS(CGSurface))) return true;
  return false;
}

