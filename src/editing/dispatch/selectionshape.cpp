#include "editing/dispatch/selectionshape.h"

#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgverfreeinface.h"
#include "cells/texts/inkmarks.h"
#include "commands/pointvaluecommand.h"
#include "model/cgpage.h"
#include "model/globals.h"

CSelectionShape ReadSelectionShape() {
  CSelectionShape s;
  const CSelectionCounts n = CountSelection();
  s.P = n.P, s.L = n.L, s.F = n.F, s.A = n.A, s.B = n.B, s.V = n.V, s.X = n.X, s.R = n.R, s.O = n.O;
  s.K = n.P + n.L + n.F + n.A + n.B + n.V + n.X + n.R + n.O;
  const CGPage* page = g_pCurPage;
  if (!page) return s;
  int ink = 0;
  for (WORD id : page->m_selPaths) {
    const CGCell* path = page->m_cells.Lookup(id);
    if (!path) continue;
    if (path->IsKindOf(RUNTIME_CLASS(CGArc)))
      ++s.Ac;
    else if (path->IsKindOf(RUNTIME_CLASS(CGInkmarks)))
      ++ink;
  }
  s.Ap = n.A - ink;
  if (const CGCell* first = FirstSelected(&CGPage::m_selPoints)) s.C = PointClass(*first);
  return s;
}

int PointClass(const CGCell& point) {
  if (dynamic_cast<const CGVerFreeInFace*>(&point) || dynamic_cast<const CGVerFreeInPlane*>(&point)) return 2;
  return IsDraggablePathPoint(point) ? 1 : 0;
}

CGCell* FirstSelected(std::vector<WORD> CGPage::*list) {
  const CGPage* page = g_pCurPage;
  if (!page || (page->*list).empty()) return nullptr;
  return page->m_cells.Lookup((page->*list).front());
}
