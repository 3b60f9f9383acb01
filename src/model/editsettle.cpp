// Settling a page after an edit: the cells whose stored records the edit
// changed are computed again with what follows from them, as opening
// computes them.  Commands only change stored fields; this one path
// computes the rest, so no command has to know what its change reaches.
// What an edit changed is found among what it touched (CCellMap), so the
// end of an edit costs what the edit reached, not the page.
#include <new>

#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/editscope.h"
#include "platform/processstate.h"

namespace {
void BeginEdit() { CCellMap::StartTouches(); }

void SettleCurrentPage() {
  CCellMap::StopTouches();
  if (!g_pCurPage) return;
  try {
    g_pCurPage->SettleEdits();
  } catch (const std::bad_alloc&) {
    // What is computed now is not known: the next edit computes the whole page.
    g_pCurPage->m_cells.NoteAllChanged();
  }
}

// Installed as the program starts, and again after a test puts the process
// state back.
const bool installed = (SetEditSettler(&BeginEdit, &SettleCurrentPage), true);
const ProcessStateReset reinstall([] {
  CCellMap::StopTouches();
  SetEditSettler(&BeginEdit, &SettleCurrentPage);
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
  if (g_pCurPage != this) return ids;
  const CReadingPass settling;
  bool all = false;
  const auto touched = m_cells.TakeTouched(&all);
  if (all) {
    for (auto [id, cell] : m_cells) cell->m_bMarked = true;
  } else {
    for (const auto& [id, was] : touched) {
      CGCell* now = m_cells.Lookup(id);
      if (!Changed(was, now)) continue;
      MarkWithDescendants(now);
      // A writer that went, or now writes other parents, leaves the ones it
      // wrote to the writers that stay (CollectDirtyIds brings those of
      // the writers computed now).
      for (WORD written : was.written) MarkWithDescendants(m_cells.Lookup(written));
    }
  }
  CollectDirtyIds(ids);
  if (ids.empty()) return ids;
  RewriteWrittenInNames(ids);
  RecalculateCells(ids);
  return ids;
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
    // Inside an edit, or one of its own: what the edit touches is noted.
    const CEditScope span;
    edit(page);
    page.SettleEdits();
  } catch (...) {
    makeCurrent(current);
    throw;
  }
  makeCurrent(current);
}
