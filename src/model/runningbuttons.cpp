// Starting, stepping and stopping the action buttons of a page.
#include "model/runningbuttons.h"

#include <algorithm>

#include "model/cgbutton.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "model/kindtests.h"
#include "platform/editscope.h"
#include "platform/processstate.h"

std::vector<WORD> g_buttonStartQueue;

namespace {
const ProcessStateReset reset([] { g_buttonStartQueue.clear(); });

CGButton* ButtonOf(const CCellMap& cells, WORD id) { return dynamic_cast<CGButton*>(cells.Lookup(id)); }

// Animation and move buttons leave a new parameter or position in the point
// they drive (their first parent), which then has to take its place.
CGCell* DrivenPoint(const CCellMap& cells, const CGButton& button) {
  if (button.m_parents.empty() || !IsKindOfAnyClassName(&button, {"CGButnAnimation", "CGButnMove"}))
    return nullptr;
  return cells.Lookup(button.m_parents.front());
}
}  // namespace

void RefreshMovingSet(CGPage& page) {
  page.MarkDrivenPointsDirty();
  page.CollectDirtyIds(page.m_buttonIds);
  BuildTraceList(1);
}

bool CGPage::SetButtonRunning(bool run, WORD id) {
  CGButton* button = ButtonOf(m_cells, id);
  if (!button || button->m_bRunning == run) return false;
  auto* series = dynamic_cast<CGButnPresentat*>(button);
  if (!run) {
    button->m_bRunning = false;
    std::erase(m_runningButtons, id);
    if (series && series->IsSerial()) {
      SetButtonRunning(false, series->CurrentChild());  // an index naming no child stops nothing
    } else if (series) {
      for (WORD child : series->m_parents) SetButtonRunning(false, child);
    }
    return true;
  }
  if (series) {
    if (!series->CanStart()) return false;
    if (series->IsSerial()) {
      if (!series->m_parents.empty()) SetButtonRunning(true, series->m_parents.front());
      series->m_dwParam3 = 0;
    } else {
      for (WORD child : series->m_parents) SetButtonRunning(true, child);
    }
  }
  // Listed after its children, so they step before it in every tick.
  button->m_bRunning = true;
  m_runningButtons.push_back(id);
  return true;
}

bool StepRunningButtons() {
  CGPage* page = g_pCurPage;
  if (!page) return false;
  std::vector<WORD>& running = page->m_runningButtons;
  std::vector<WORD> finished;
  // The buttons, what they drive and all that follows from it are computed
  // tick by tick, as opening computes them: a later edit need not compute
  // them again (a stepwise cut would lose the pieces it has cut so far).
  for (size_t i = 0; i < running.size(); ++i) {
    CGButton* button = ButtonOf(page->m_cells, running[i]);
    // An id that names no button any more cannot run: it leaves as finished.
    if (!button || button->Step()) finished.push_back(running[i]);
    if (!button) continue;
    CGCell* point = DrivenPoint(page->m_cells, *button);
    if (!point) continue;
    point->ApplyParameter();
    // The step computed what the button drives: the watch hears of it as
    // of what RecalculateCells computes.
    if (CCellMap::CWatch* watch = CCellMap::Watch()) watch->Computed(page->m_cells, point->m_nId);
  }
  page->RecalculateCells(page->m_buttonIds);
  for (WORD id : finished) {
    auto it = std::find(running.begin(), running.end(), id);
    if (it == running.end()) continue;
    if (CGButton* button = ButtonOf(page->m_cells, id)) button->m_bRunning = false;
    running.erase(it);
  }
  bool changed = !finished.empty();
  // A button that finished made its change (a show/hide button its
  // targets' visibility, which it names as changed): the page settles as
  // after a click.
  if (changed) SettleEditNow();
  if (!g_buttonStartQueue.empty()) {
    std::vector<WORD> queue;
    queue.swap(g_buttonStartQueue);
    for (WORD id : queue) page->SetButtonRunning(true, id);
    changed = true;
  }
  if (running.empty()) {
    page->m_buttonIds.clear();  // nothing moves: a stray later tick recomputes nothing
    return false;
  }
  if (changed) RefreshMovingSet(*page);
  return true;
}

void StopRunningButtons() {
  CGPage* page = g_pCurPage;
  if (!page) return;
  const CReadingPass stopping;  // whether a button runs is not stored
  for (auto [id, cell] : page->m_cells)
    if (auto* button = dynamic_cast<CGButton*>(cell)) button->m_bRunning = false;
  page->m_buttonIds.clear();
  page->m_runningButtons.clear();
  page->m_nTimerJob = 5;
}

bool CollectRunningButtons() {
  CGPage* page = g_pCurPage;
  if (!page) return false;
  page->m_buttonIds.clear();
  page->m_runningButtons.clear();
  const CReadingPass collecting;  // which buttons run is not stored
  for (auto [id, cell] : page->m_cells) {
    const auto* button = dynamic_cast<const CGButton*>(cell);
    if (button && button->m_bRunning) page->m_runningButtons.push_back(id);
  }
  if (page->m_runningButtons.empty()) return false;
  RefreshMovingSet(*page);
  return true;
}
