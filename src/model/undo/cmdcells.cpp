#include "model/undo/cmdcells.h"

#include <algorithm>
#include <new>

#include "model/cgbutton.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "model/runningbuttons.h"
#include "platform/uibridge.h"

namespace {
// Takes a cell out of the page into `held`: out of its parents' child lists
// and out of the map.  A running button stops; true when one did.  A
// construction the mouse tool has under way may hold the id: it starts anew.
bool TakeOut(CGPage& page, CGCell* cell, CHeldCell& held) {
  UiBridge().ResetConstructionStep();
  held.links.Unlink(page.m_cells, *cell);
  bool stopped = false;
  if (auto* button = dynamic_cast<CGButton*>(cell); button && button->m_bRunning) {
    button->m_bRunning = false;
    stopped = true;
  }
  page.m_cells.RemoveKey(cell->m_nId);
  held.cell.reset(cell);
  return stopped;
}

// Puts a held cell back under its id, relinked where it was.
CGCell& PutBack(CGPage& page, CHeldCell& held) {
  CGCell* cell = held.cell.release();
  page.m_cells.SetAt(cell->m_nId, cell);
  held.links.Relink(page.m_cells, *cell);
  return *cell;
}
}  // namespace

CHandouts::CHandouts(const CGPage& page)
    : letter(page.m_chNameLetter), suffix(page.m_chNameSuffix), textSlot(page.m_nTextSlot),
      buttonSlot(page.m_nButtonSlot) {
  std::copy_n(page.m_ptLastText, 2, lastText);
  std::copy_n(page.m_ptLastButton, 2, lastButton);
}

void CHandouts::GiveBack(CGPage& page) const {
  page.m_chNameLetter = letter;
  page.m_chNameSuffix = suffix;
  page.m_nTextSlot = textSlot;
  page.m_nButtonSlot = buttonSlot;
  std::copy_n(lastText, 2, page.m_ptLastText);
  std::copy_n(lastButton, 2, page.m_ptLastButton);
}

void DiscardCells(CGPage& page, WORD first, WORD end, const CHandouts& handouts) {
  handouts.GiveBack(page);
  bool stopped = false;
  for (int id = end - 1; id >= first; --id) {  // highest first
    CHeldCell held;
    if (CGCell* cell = page.m_cells.LookupUntouched(static_cast<WORD>(id))) stopped = TakeOut(page, cell, held) || stopped;
  }
  page.m_nNextId = first;
  page.ForgetIdsFrom(first);
  page.RebuildVertexArray();
  if (stopped) CollectRunningButtons();
}

void SubmitCreated(CGPage& page, WORD first, const CHandouts& handouts, const QString& name) {
  const WORD end = page.m_nNextId;
  try {
    page.m_undo.Submit(std::make_unique<CCmdAddCells>(end - first, name));
  } catch (const std::bad_alloc&) {
    DiscardCells(page, first, end, handouts);
    throw;
  }
}

// --- CCmdAddCell -----------------------------------------------------------

CCmdAddCell::CCmdAddCell(const QString& name) : CCmd(name) { SendCellsChanged(+1); }

BOOL CCmdAddCell::Undo() {
  CGPage* page = g_pCurPage;
  if (!page) return FALSE;
  page->ClearSelection();
  SendCellsChanged(-1);
  --page->m_nNextId;
  m_forgotten = page->ForgetIdsFrom(page->m_nNextId);
  CGCell* cell = page->m_cells.Lookup(page->m_nNextId);
  if (!cell) return TRUE;
  const bool stopped = TakeOut(*page, cell, m_held);
  if (UsesVertexSlots(*cell)) {
    page->RebuildVertexArray();
  } else if (stopped) {
    CollectRunningButtons();
  }
  return TRUE;
}

BOOL CCmdAddCell::Redo() {
  CGPage* page = g_pCurPage;
  if (!page) return FALSE;
  ++page->m_nNextId;
  if (m_held.cell) {
    CGCell& cell = PutBack(*page, m_held);
    if (UsesVertexSlots(cell)) page->RebuildVertexArray();
    cell.Recalculate();
  }
  page->GiveBackIds(m_forgotten);
  SendCellsChanged(+1);
  return TRUE;
}

// --- CCmdAddCells ----------------------------------------------------------

CCmdAddCells::CCmdAddCells(int n, const QString& name) : CCmd(name), m_nCount(n) {
  SendCellsChanged(n);
}

BOOL CCmdAddCells::Undo() {
  CGPage* page = g_pCurPage;
  if (!page) return FALSE;
  page->ClearSelection();
  SendCellsChanged(-m_nCount);
  bool stopped = false;
  for (int k = 0; k < m_nCount; ++k) {
    const WORD id = static_cast<WORD>(page->m_nNextId - 1 - k);  // highest first
    if (CGCell* cell = page->m_cells.Lookup(id)) stopped = TakeOut(*page, cell, m_cells[id]) || stopped;
  }
  page->m_nNextId = static_cast<WORD>(page->m_nNextId - m_nCount);
  m_forgotten = page->ForgetIdsFrom(page->m_nNextId);
  page->RebuildVertexArray();
  if (stopped) CollectRunningButtons();
  return TRUE;
}

BOOL CCmdAddCells::Redo() {
  CGPage* page = g_pCurPage;
  if (!page) return FALSE;
  for (int k = 0; k < m_nCount; ++k) {
    const WORD id = static_cast<WORD>(page->m_nNextId + k);  // lowest first
    auto it = m_cells.find(id);
    if (it != m_cells.end() && it->second.cell) PutBack(*page, it->second).Recalculate();
  }
  m_cells.clear();
  page->m_nNextId = static_cast<WORD>(page->m_nNextId + m_nCount);
  page->GiveBackIds(m_forgotten);
  page->RebuildVertexArray();
  SendCellsChanged(m_nCount);
  return TRUE;
}

BOOL CCmdAddCellsAndChange::Undo() {
  if (!CCmdAddCells::Undo()) return FALSE;
  m_swap();
  return TRUE;
}

BOOL CCmdAddCellsAndChange::Redo() {
  if (!CCmdAddCells::Redo()) return FALSE;
  m_swap();
  return TRUE;
}

// --- CCmdDelCells ----------------------------------------------------------

CCmdDelCells::CCmdDelCells(std::vector<WORD> ids, const QString& name) : CCmd(name), m_ids(std::move(ids)) {
  // Removal runs highest id first so that parents are still in the page
  // while their children leave; a repeated id would be removed twice.
  std::sort(m_ids.begin(), m_ids.end());
  m_ids.erase(std::unique(m_ids.begin(), m_ids.end()), m_ids.end());
}

BOOL CCmdDelCells::Redo() {
  CGPage* page = g_pCurPage;
  if (!page) return FALSE;
  page->ClearSelection();
  SendCellsChanged(0, &m_ids);
  // A cell that goes is noted as it leaves the map, with no digest of its record.
  for (auto it = m_ids.rbegin(); it != m_ids.rend(); ++it)
    if (CGCell* cell = page->m_cells.LookupUntouched(*it)) TakeOut(*page, cell, m_cells[*it]);
  page->RebuildVertexArray();
  CollectRunningButtons();
  return TRUE;
}

BOOL CCmdDelCells::Undo() {
  CGPage* page = g_pCurPage;
  if (!page) return FALSE;
  for (WORD id : m_ids) {
    auto it = m_cells.find(id);
    if (it != m_cells.end() && it->second.cell) PutBack(*page, it->second).Recalculate();
  }
  m_cells.clear();
  page->RebuildVertexArray();
  SendCellsChanged(1, &m_ids);
  return TRUE;
}
