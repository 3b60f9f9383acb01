#include "cells/solids/divisionpoints.h"

#include "cells/constructed/scalings.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/globals.h"
#include "model/vertexarray.h"

namespace {
bool IsPoint(const CGPage& page, WORD id) {
  const CGCell* cell = page.m_cells.Lookup(id);
  return cell && cell->IsKindOf(RUNTIME_CLASS(CGVertex));
}
}  // namespace

int BuildDivisionPoints(WORD a, WORD b, int n, bool onlyFirst) {
  CGPage* page = g_pCurPage;
  if (!page || n < 1 || !IsPoint(*page, a) || !IsPoint(*page, b)) return 0;
  const int count = onlyFirst ? 1 : n - 1;
  if (count == 0) return 0;
  // The array grows by at least the points to come: a long division must
  // never place points beyond it.
  if (!page->HasRoomForCells(count) || !ReserveSlotsFor(*page, count, count)) return 0;
  const double step = 1.0 / n;
  for (int k = 1; k <= count; ++k) {
    const WORD id = page->m_nNextId++;
    const int slot = page->m_nNextVertex++;
    const QString name = page->GetNewName(1);
    page->m_cells.SetAt(id, new CGVerScale(id, slot, name, b, a, static_cast<float>(k * step)));
  }
  return count;
}
