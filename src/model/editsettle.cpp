// Settling a page after an edit: the cells whose stored records changed are
// computed again with what follows from them, as opening computes them.
// Commands only change stored fields; this one path computes the rest, so
// no command has to know what its change reaches.
#include <QByteArray>
#include <QHashFunctions>
#include <new>

#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/archive.h"
#include "platform/editscope.h"
#include "platform/processstate.h"

namespace {
// The record as a saved document holds it, class and all, less the list of
// children: a cell is computed from its parents and its own fields, so one
// that only gained or lost a child computes as before (and a point with a
// long locus below it is not computed again for every figure built on it).
// A record that cannot be written (memory running out) counts as changed.
std::uint64_t RecordDigest(CGCell& cell) {
  CArchive ar;
  std::vector<WORD> children;
  children.swap(cell.m_children);
  try {
    cell.Serialize(ar);
  } catch (const std::bad_alloc&) {
    children.swap(cell.m_children);
    return 0;
  }
  children.swap(cell.m_children);
  const QByteArray& bytes = ar.Bytes();
  const char* name = cell.GetRuntimeClass()->m_lpszClassName;
  return qHash(QByteArrayView(bytes), qHash(QByteArrayView(name), 0x4B565231u)) ^ bytes.size();
}

// A page that has not settled yet (made by a command that adds pages, or
// built up cell by cell) is taken as it stands before the first edit.
void BeginEdit() {
  if (!g_pCurPage) return;
  try {
    if (g_pCurPage->m_bSettledKnown) {
      g_pCurPage->TakeTicksAsSettled();
      return;
    }
    g_pCurPage->NoteSettled();
  } catch (const std::bad_alloc&) {
    // Known and empty: the edit's end computes the whole page.
    g_pCurPage->m_settled.clear();
    g_pCurPage->m_bSettledKnown = true;
  }
}

void SettleCurrentPage() {
  if (!g_pCurPage) return;
  try {
    g_pCurPage->SettleEdits();
  } catch (const std::bad_alloc&) {
    // Nothing counts as settled now: the next edit computes the whole page.
    g_pCurPage->m_settled.clear();
    g_pCurPage->m_bSettledKnown = true;
  }
}

// Installed as the program starts, and again after a test puts the process
// state back.
const bool installed = (SetEditSettler(&BeginEdit, &SettleCurrentPage), true);
const ProcessStateReset reinstall([] { SetEditSettler(&BeginEdit, &SettleCurrentPage); });

CGPage::SettledRecord SettledNow(CGCell& cell) {
  return {&cell, RecordDigest(cell), cell.WritesParents() ? cell.m_parents : std::vector<WORD>()};
}

// Marks the cells and all that follows from them.
void MarkWithDescendants(const CCellMap& cells, const std::vector<WORD>& ids) {
  for (WORD id : ids)
    if (CGCell* cell = cells.Lookup(id); cell && !cell->m_bMarked) {
      cell->MarkDescendants();
      cell->m_bMarked = true;
    }
}
}  // namespace

std::vector<WORD> CGPage::SettleEdits() {
  std::vector<WORD> ids;
  if (g_pCurPage != this) return ids;
  std::unordered_map<WORD, SettledRecord> now;
  now.reserve(m_cells.size());
  bool changed = false;
  for (auto [id, cell] : m_cells) {
    SettledRecord record = SettledNow(*cell);
    const auto was = m_settled.find(id);
    const bool same = m_bSettledKnown && was != m_settled.end() && was->second.cell == cell &&
                      was->second.digest == record.digest && record.digest != 0;
    if (!same) {
      MarkWithDescendants(m_cells, {id});
      MarkWithDescendants(m_cells, record.written);
      changed = true;
    }
    now.emplace(id, std::move(record));
  }
  // A writer that went leaves its parents to the writers that stay.
  for (const auto& [id, record] : m_settled) {
    if (record.written.empty()) continue;
    const auto kept = now.find(id);
    if (kept != now.end() && kept->second.cell == record.cell) continue;
    MarkWithDescendants(m_cells, record.written);
    changed = true;
  }
  if (changed) {
    CollectDirtyIds(ids);
    RewriteWrittenInNames(ids);
    RecalculateCells(ids);
    // Computing changes the computed fields of the records it reached.
    for (WORD id : ids)
      if (CGCell* cell = m_cells.Lookup(id)) now[id] = SettledNow(*cell);
  }
  m_settled = std::move(now);
  m_bSettledKnown = true;
  m_bTicked = false;
  return ids;
}

void CGPage::NoteSettled() {
  m_settled.clear();
  m_settled.reserve(m_cells.size());
  for (auto [id, cell] : m_cells) m_settled.emplace(id, SettledNow(*cell));
  m_bSettledKnown = true;
  m_bTicked = false;
}

void CGPage::NoteTicked(WORD id) {
  if (const auto it = m_settled.find(id); it != m_settled.end()) {
    it->second.ticked = true;
    m_bTicked = true;
  }
}

void CGPage::TakeTicksAsSettled() {
  if (!m_bTicked) return;
  for (auto& [id, record] : m_settled) {
    if (!record.ticked) continue;
    CGCell* cell = m_cells.Lookup(id);
    if (cell && cell == record.cell) record = SettledNow(*cell);
    record.ticked = false;
  }
  m_bTicked = false;
}

void EditPageAndSettle(CGPage& page, const std::function<void(CGPage&)>& edit) {
  CGPage* const current = g_pCurPage;
  if (&page == current) {
    edit(page);
    return;
  }
  const auto makeCurrent = [](CGPage* made) {
    SetCurrentPage(made);
    if (made) made->RebuildVertexArray();
  };
  makeCurrent(&page);
  try {
    if (page.m_bSettledKnown)
      page.TakeTicksAsSettled();
    else
      page.NoteSettled();
    edit(page);
    page.SettleEdits();
  } catch (...) {
    makeCurrent(current);
    throw;
  }
  makeCurrent(current);
}
