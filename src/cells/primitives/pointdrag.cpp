#include "cells/primitives/pointdrag.h"

#include "cells/primitives/cgverfree.h"
#include "model/cgpage.h"
#include "platform/processstate.h"

namespace {
bool s_bDragging = false;
bool s_bMoved = false;  // the dependants have been marked and collected

const ProcessStateReset reset([] {
  s_bDragging = false;
  s_bMoved = false;
});

CGVerFree* DraggedPoint() {
  CGCell* cell = g_pCurCells ? g_pCurCells->Lookup(g_nDragId) : nullptr;
  return cell && cell->IsKindOf(RUNTIME_CLASS(CGVerFree)) ? static_cast<CGVerFree*>(cell) : nullptr;
}
}  // namespace

bool BeginPointDrag(WORD id) {
  const CGCell* cell = g_pCurCells ? g_pCurCells->Lookup(id) : nullptr;
  if (!cell || !cell->IsKindOf(RUNTIME_CLASS(CGVerFree))) return false;
  g_nDragId = id;
  s_bDragging = true;
  s_bMoved = false;
  return true;
}

bool DragPointTo() {
  CGVerFree* point = s_bDragging ? DraggedPoint() : nullptr;
  CGPage* page = g_pCurPage;
  if (!point || !page) return false;
  if (!s_bMoved) {
    // The point itself too: a move computes it from what the drag stored,
    // as opening does (a point turning round an axis keeps its angle, from
    // which its place is computed), and all that follows from it.
    point->MarkDescendants();
    point->m_bMarked = true;
    page->CollectDirtyIds(page->m_dirtyIds);
    BuildTraceList(2);
    s_bMoved = true;
  }
  point->DragTo();
  page->RecalculateCells(page->m_dirtyIds);
  return true;
}

void EndPointDrag() {
  if (s_bDragging) g_nDragId = 0;
  s_bDragging = false;
  s_bMoved = false;
}
