// Settling a page after an edit: the cells whose stored records the edit
// changed are computed again with what follows from them, as opening
// computes them.  Commands only change stored fields; this one path
// computes the rest, so no command has to know what its change reaches.
// What an edit changed is found among what it touched (CCellMap), so the
// end of an edit costs what the edit reached, not the page; and on every
// page it reached, current or not.
#include <algorithm>
#include <new>

#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/editscope.h"
#include "platform/processstate.h"

namespace {
// Makes the page current with its points in the vertex array, as opening
// computes each page.
void MakeCurrent(CGPage* page) {
  SetCurrentPage(page);
  if (page) page->RebuildVertexArray();
}

// Every page whose journal holds something settles: the pages the edit
// reached besides the current one first, each computed as its own page,
// then the current one.
void SettleJournals() {
  std::vector<CCellMap*> journaled;
  try {
    journaled = CCellMap::TakeJournaled();
  } catch (const std::bad_alloc&) {
    return;  // the journals stay listed for the next edit
  }
  std::stable_partition(journaled.begin(), journaled.end(),
                        [](const CCellMap* map) { return map != g_pCurCells; });
  for (CCellMap* map : journaled) {
    try {
      map->Page()->SettleEdits();
    } catch (const std::bad_alloc&) {
      // What is computed now is not known: the next edit computes the whole page.
      map->NoteAllChanged();
    }
  }
}

// What changed outside any edit and named itself (a drag's move, a running
// button's step) settles before the edit begins, so that the edit (a save
// among them) finds every page as a reopen computes it.
void BeginEdit() {
  SettleJournals();
  CCellMap::StartTouches();
}

void SettleJournaledPages() {
  CCellMap::StopTouches();
  SettleJournals();
}

// Installed as the program starts, and again after a test puts the process
// state back.
const bool installed = (SetEditSettler(&BeginEdit, &SettleJournaledPages), true);
const ProcessStateReset reinstall([] {
  CCellMap::StopTouches();
  CCellMap::TakeJournaled();
  SetEditSettler(&BeginEdit, &SettleJournaledPages);
});

void MarkWithDescendants(CGCell* cell) {
  if (cell && !cell->m_bMarked) {
    cell->MarkDescendants();
    cell->m_bMarked = true;
  }
}

// Whether the id's record is not what the edit found.
bool Changed(const CCellMap::Touched& was, CGCell* now) {
  if (was.changed || now != was.cell) return true;
  return now && (was.digest == 0 || now->RecordDigest() != was.digest);
}
}  // namespace

std::vector<WORD> CGPage::SettleEdits() {
  std::vector<WORD> ids;
  const CReadingPass settling;
  bool all = false;
  const auto touched = m_cells.TakeTouched(&all);
  // What changed, and what a writer that went, or now writes other
  // parents, wrote: those go to the writers that stay (CollectDirtyIds
  // brings those of the writers computed now).
  std::vector<CGCell*> changed;
  CCellMap::CWatch* const watch = CCellMap::Watch();
  for (const auto& [id, was] : touched) {
    if (watch) watch->Settled(m_cells, id);
    CGCell* now = m_cells.Lookup(id);
    if (all || !Changed(was, now)) continue;
    if (now) changed.push_back(now);
    for (WORD written : was.written)
      if (CGCell* parent = m_cells.Lookup(written)) changed.push_back(parent);
  }
  if (!all && changed.empty()) return ids;
  CGPage* const shown = g_pCurPage;
  if (shown != this) MakeCurrent(this);
  try {
    if (all) {
      for (auto [id, cell] : m_cells) cell->m_bMarked = true;
    } else {
      for (CGCell* cell : changed) MarkWithDescendants(cell);
    }
    CollectDirtyIds(ids);
    if (!ids.empty()) {
      RewriteWrittenInNames(ids);
      RecalculateCells(ids);
    }
  } catch (...) {
    if (shown != this) MakeCurrent(shown);
    throw;
  }
  if (shown != this) MakeCurrent(shown);
  return ids;
}

void EditPageAndSettle(CGPage& page, const std::function<void(CGPage&)>& edit) {
  CGPage* const current = g_pCurPage;
  if (&page == current) {
    edit(page);
    return;
  }
  MakeCurrent(&page);
  try {
    // Inside an edit, or one of its own: what the edit touches is noted,
    // and the page settles while it is current.
    const CEditScope span;
    edit(page);
    page.SettleEdits();
  } catch (...) {
    MakeCurrent(current);
    throw;
  }
  MakeCurrent(current);
}
