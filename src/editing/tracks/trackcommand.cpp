#include "editing/tracks/trackcommand.h"

#include <algorithm>

#include "cells/dynamic/parameters/userparameter.h"
#include "cells/dynamic/tracks/track.h"
#include "commands/commandframe.h"
#include "commands/pointvaluecommand.h"
#include "commands/tracks/driverranges.h"
#include "commands/tracks/trackcommandtexts.h"
#include "editing/dialogs/tracks/trackdialogs.h"
#include "model/cellmap.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/notifier.h"

namespace {
const CGCell* Cell(WORD id) { return g_pCurCells ? g_pCurCells->Lookup(id) : nullptr; }

bool IsParameter(WORD id) {
  const CGCell* cell = Cell(id);
  return cell && cell->IsKindOf(RUNTIME_CLASS(CGTmVarParameter));
}

bool IsPathPoint(WORD id) {
  const CGCell* cell = Cell(id);
  return cell && IsDraggablePathPoint(*cell);
}

bool Fits() {
  const CGPage* page = g_pCurPage;
  if (!page) return false;
  const CSelectionCounts n = CountSelection();
  if (n.P == 1) return (n.V == 0 || n.V == 2) && IsPathPoint(page->m_selPoints.front());
  return n.P == 0 && (n.V == 1 || n.V == 3) && IsParameter(page->m_selValues.front());
}

// Every cell reached from `start` over `links` (children or parents), not
// `start` itself, into `seen`.
template <class Links>
void Walk(WORD start, std::vector<bool>& seen, Links links) {
  std::vector<WORD> pending{start};
  while (!pending.empty()) {
    const CGCell* cell = Cell(pending.back());
    pending.pop_back();
    if (!cell) continue;
    for (WORD next : links(*cell)) {
      if (seen[next]) continue;
      seen[next] = true;
      pending.push_back(next);
    }
  }
}

void Refuse(const char* text) {
  KvMessageBox(QString::fromUtf8(text), QString::fromUtf8(kTextTrackCaption), MB_OK | MB_ICONERROR);
}

// The driver and the range parameters, or a refusal (shown; 0 returned).
struct CDrivers {
  WORD driver = 0;
  std::vector<WORD> range;
};

CDrivers ChooseDrivers() {
  const CGPage& page = *g_pCurPage;
  const CSelectionCounts n = CountSelection();
  if (n.P == 0) {
    if (n.V == 0) return Refuse(kTextTrackNoFit), CDrivers{};
    if (!IsParameter(page.m_selValues.front())) return Refuse(kTextTrackNotParameter), CDrivers{};
    if (n.V == 3) return {page.m_selValues[0], {page.m_selValues[1], page.m_selValues[2]}};
    if (n.V != 1) return Refuse(kTextTrackThreeValues), CDrivers{};
    return {page.m_selValues[0], {}};
  }
  if (!IsPathPoint(page.m_selPoints.front())) return Refuse(kTextTrackNotPathPoint), CDrivers{};
  if (n.V == 2) return {page.m_selPoints[0], {page.m_selValues[0], page.m_selValues[1]}};
  if (n.V != 0) return Refuse(kTextTrackTwoValues), CDrivers{};
  return {page.m_selPoints[0], {}};
}

const CDocCommandRows rows({
    {ID_CREATE_TRACK, OnCreateTrack, OnUpdateCreateTrack},
});
}  // namespace

std::vector<WORD> TrackedCells(WORD driver, const std::vector<WORD>& left) {
  std::vector<bool> descendant(0x10000, false);
  Walk(driver, descendant, [](const CGCell& cell) -> const std::vector<WORD>& { return cell.m_children; });
  std::vector<bool> kept(0x10000, false);
  bool any = false;
  for (size_t id = 1; id < descendant.size(); ++id) {
    const CGCell* cell = descendant[id] ? Cell(static_cast<WORD>(id)) : nullptr;
    if (!cell || !IsTrackDrawable(*cell)) continue;
    any = true;
    kept[id] = true;
    Walk(static_cast<WORD>(id), kept, [](const CGCell& c) -> const std::vector<WORD>& { return c.m_parents; });
  }
  std::vector<WORD> cells;
  if (!any) return cells;
  kept[driver] = false;
  for (WORD id : left) kept[id] = false;
  for (size_t id = 1; id < kept.size(); ++id)
    if (kept[id] && Cell(static_cast<WORD>(id))) cells.push_back(static_cast<WORD>(id));
  return cells;
}

void OnCreateTrack(CKavrelDoc& doc) {
  if (!g_pCurPage) return;
  const CDrivers drivers = ChooseDrivers();
  if (drivers.driver == 0) return;
  const std::vector<WORD> cells = TrackedCells(drivers.driver, drivers.range);
  if (cells.empty()) return Refuse(kTextTrackNothingToDraw);

  CDlgTrack dialog;
  dialog.m_bNewTrack = 1;
  dialog.m_bTwoParameters = drivers.range.empty() ? 0 : 1;
  dialog.m_ids.push_back(drivers.driver);
  dialog.m_ids.insert(dialog.m_ids.end(), drivers.range.begin(), drivers.range.end());
  dialog.m_ids.insert(dialog.m_ids.end(), cells.begin(), cells.end());
  const CDriverRange range = TrackRange(*Cell(drivers.driver));
  dialog.m_fStart = range.start;
  dialog.m_fEnd = range.end;
  dialog.m_fStep = range.step;
  dialog.ListCells();
  if (DialogProvider().DoModal(dialog) != IDOK) return;

  CConstruction build(doc);
  if (!build.MakeRoom(1)) return;
  dialog.m_flags.resize(dialog.m_ids.size(), 0);
  build.Add(new CGTrack(build.NextId(), dialog.m_ids, dialog.m_flags, dialog.m_bTwoParameters, dialog.m_fStart,
                        dialog.m_fEnd, dialog.m_fStep, static_cast<BYTE>(std::clamp(dialog.m_nDisplay, 0, 255)),
                        static_cast<BYTE>(std::clamp(dialog.m_nColour, 0, 255))));
  build.Commit(QString::fromUtf8(kCmdNameTrack));
}

void OnUpdateCreateTrack(CKavrelDoc&, CCmdUI& ui) { ui.Enable(Fits()); }
