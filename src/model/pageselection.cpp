// The selection lists of a page and the operations that select and deselect.
// The selection is not stored: what they look up is no part of an edit.
#include <algorithm>

#include "model/cellmap.h"
#include "model/cgbutton.h"
#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/globals.h"
#include "model/kindtests.h"
#include "model/selection.h"
#include "platform/uibridge.h"

namespace {
std::vector<WORD>& List(CGPage& page, SelectionList which) {
  std::vector<WORD>* lists[] = {&page.m_selPoints, &page.m_selLines,  &page.m_selFaces,
                                &page.m_selSolids, &page.m_selPaths,  &page.m_selTexts,
                                &page.m_selValues, &page.m_selButtons, &page.m_selOthers,
                                &page.m_selAll};
  return *lists[which];
}

const std::vector<WORD>& List(const CGPage& page, SelectionList which) {
  return List(const_cast<CGPage&>(page), which);
}

// The kind lists in the order the page walks them to change the selection.
constexpr SelectionList kWalkOrder[] = {kSelPoints, kSelLines,   kSelFaces,  kSelPaths, kSelTexts,
                                        kSelButtons, kSelValues, kSelSolids, kSelOthers};

bool RemoveFirst(std::vector<WORD>& ids, WORD id) {
  auto it = std::find(ids.begin(), ids.end(), id);
  if (it == ids.end()) return false;
  ids.erase(it);
  return true;
}

// Drops the old selection and selects, for each cell of it, the cells its
// `links` name; a cell of the old selection stays only when it is itself
// linked from another.
void ReplaceSelectionByLinks(std::vector<WORD> CGCell::*links) {
  const CReadingPass selecting;
  CGPage* page = g_pCurPage;
  if (!page) return;
  for (auto [id, cell] : page->m_cells) cell->m_bSelected = false;
  for (SelectionList which : kWalkOrder) {
    for (WORD id : List(*page, which)) {
      const CGCell* cell = page->m_cells.Lookup(id);
      if (!cell) continue;
      for (WORD linked : cell->*links)
        if (CGCell* other = page->m_cells.Lookup(linked)) other->m_bSelected = true;
    }
  }
  page->RebuildSelectionLists();
}
}  // namespace

SelectionList SelectionKindOf(const CGCell& cell) {
  if (cell.IsKindOf(RUNTIME_CLASS(CGVertex))) return kSelPoints;
  if (IsKindOfClassName(&cell, "CGLine")) return kSelLines;
  if (IsKindOfClassName(&cell, "CGFace")) return kSelFaces;
  if (IsKindOfAnyClassName(&cell, {"CGArc", "CGLocus", "CGInkmarks", "CGCurve"})) return kSelPaths;
  if (cell.IsKindOf(RUNTIME_CLASS(CGButton))) return kSelButtons;
  if (IsKindOfAnyClassName(&cell, {"CGTmVariable", "CGTmVector"})) return kSelValues;
  if (IsKindOfAnyClassName(&cell, {"CGTextbit", "CGTmSingleline", "CGTbVodText", "CGIterate"}))
    return kSelTexts;
  if (IsKindOfAnyClassName(&cell, {"CGSphere", "CGCylinder", "CGCone", "CGFrustum", "CGTrack", "CGSurface"}))
    return kSelSolids;
  return kSelOthers;
}

bool CGPage::SelectCell(WORD id) {
  const CReadingPass selecting;
  CGCell* cell = m_cells.Lookup(id);
  if (!cell) return false;
  cell->m_bSelected = true;
  m_selAll.push_back(id);
  List(*this, SelectionKindOf(*cell)).push_back(id);
  return true;
}

void CGPage::ClearSelection() {
  const CReadingPass selecting;
  for (SelectionList which : kWalkOrder) {
    for (WORD id : List(*this, which))
      if (CGCell* cell = m_cells.Lookup(id)) cell->m_bSelected = false;
  }
  for (int which = kSelPoints; which <= kSelAll; ++which)
    List(*this, static_cast<SelectionList>(which)).clear();
  m_stepList.clear();
  m_bSelected = 0;
  const WORD pageId = g_pCurPage ? g_pCurPage->m_nId : m_nId;
  UiBridge().Send(UiTarget::Frame, WM_SELECTION_CHANGED, 2, 40000 + pageId);
}

void CGPage::RebuildSelectionLists() {
  const CReadingPass selecting;
  for (int which = kSelPoints; which <= kSelAll; ++which)
    List(*this, static_cast<SelectionList>(which)).clear();
  for (auto [id, cell] : m_cells)
    if (cell->m_bSelected) SelectCell(id);
}

namespace {
// The cells found, looked up (and so noted) as cells an edit is about to change.
std::vector<CGCell*> FoundCells(const CCellMap& map, const std::vector<WORD>& ids) {
  std::vector<CGCell*> cells;
  cells.reserve(ids.size());
  for (WORD id : ids) cells.push_back(map.Lookup(id));
  return cells;
}
}  // namespace

std::vector<CGCell*> CGPage::CellsWhere(const std::function<bool(const CGCell&)>& wanted) {
  std::vector<WORD> ids;
  {
    const CReadingPass searching;
    for (auto [id, cell] : m_cells)
      if (wanted(*cell)) ids.push_back(id);
  }
  return FoundCells(m_cells, ids);
}

std::vector<WORD> CGPage::SelectedIds() const {
  // The lists' ids ticked off between the lowest and the highest of them:
  // ascending and each once, in time linear in the lists and that span.
  WORD low = 0xFFFF, high = 0;
  for (int which = kSelPoints; which <= kSelAll; ++which)
    for (WORD id : List(*this, static_cast<SelectionList>(which))) {
      low = std::min(low, id);
      high = std::max(high, id);
    }
  std::vector<WORD> ids;
  if (low > high) return ids;
  std::vector<bool> listed(static_cast<size_t>(high - low) + 1, false);
  for (int which = kSelPoints; which <= kSelAll; ++which)
    for (WORD id : List(*this, static_cast<SelectionList>(which))) listed[id - low] = true;
  for (size_t at = 0; at < listed.size(); ++at) {
    if (!listed[at]) continue;
    // A list may still name a cell deselected or gone since.
    const WORD id = static_cast<WORD>(low + at);
    const CGCell* cell = m_cells.LookupUntouched(id);
    if (cell && cell->m_bSelected) ids.push_back(id);
  }
  return ids;
}

std::vector<CGCell*> CGPage::SelectedCells() { return FoundCells(m_cells, SelectedIds()); }

bool DeselectCell(WORD id) {
  const CReadingPass selecting;
  CGPage* page = g_pCurPage;
  CGCell* cell = page ? page->m_cells.Lookup(id) : nullptr;
  if (!cell) return false;
  cell->m_bSelected = false;
  RemoveFirst(page->m_selAll, id);
  return RemoveFirst(List(*page, SelectionKindOf(*cell)), id);
}

void SelectAllOfKind(int kind) {
  const CReadingPass selecting;
  CGPage* page = g_pCurPage;
  if (!page || kind < 0 || kind > 4) return;
  for (auto [id, cell] : page->m_cells) {
    if (cell->m_bSelected) continue;
    if (kind == 0) {
      page->SelectCell(id);
      continue;
    }
    if (cell->m_bHidden || !cell->m_bDefined) continue;
    const bool fits = kind == 1   ? cell->IsKindOf(RUNTIME_CLASS(CGVertex))
                      : kind == 2 ? IsKindOfClassName(cell, "CGLine")
                      : kind == 3 ? IsKindOfClassName(cell, "CGFace")
                                  : IsKindOfClassName(cell, "CGArc");
    // Each of these classes is the first match of its own kind list.
    if (fits) page->SelectCell(id);
  }
}

void SelectParents() { ReplaceSelectionByLinks(&CGCell::m_parents); }

void SelectChildren() { ReplaceSelectionByLinks(&CGCell::m_children); }
