#include "commands/commandframe.h"

#include <cassert>
#include <memory>

#include "cells/primitives/cgarc.h"
#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "model/undo/cmdcells.h"
#include "model/vertexarray.h"
#include "platform/commandregistry.h"
#include "platform/uibridge.h"

CSelectionCounts CountSelection() {
  CSelectionCounts n;
  const CGPage* page = g_pCurPage;
  if (!page) return n;
  const auto count = [](const std::vector<WORD>& list) { return static_cast<int>(list.size()); };
  n.P = count(page->m_selPoints);
  n.L = count(page->m_selLines);
  n.F = count(page->m_selFaces);
  n.A = count(page->m_selPaths);
  n.B = count(page->m_selButtons);
  n.V = count(page->m_selValues);
  n.X = count(page->m_selTexts);
  n.R = count(page->m_selSolids);
  n.O = count(page->m_selOthers);
  n.T = count(page->m_selAll);
  return n;
}

bool AllOnPage(std::initializer_list<WORD> ids) {
  const CGPage* page = g_pCurPage;
  if (!page) return false;
  for (WORD id : ids)
    if (!page->m_cells.Lookup(id)) return false;
  return true;
}

std::vector<WORD> SelectedPoints() { return g_pCurPage ? g_pCurPage->m_selPoints : std::vector<WORD>(); }

WORD SelectedCircle() {
  const CGPage* page = g_pCurPage;
  if (!page || page->m_selPaths.size() != 1) return 0;
  const WORD id = page->m_selPaths[0];
  return dynamic_cast<const CGArc*>(page->m_cells.Lookup(id)) ? id : 0;
}

bool CircleAndTwoPoints() { return SelectedCircle() && CountSelection().P == 2; }

// --- CConstruction -----------------------------------------------------------

CConstruction::CConstruction(CKavrelDoc& doc) : m_doc(doc), m_pPage(g_pCurPage) {}

CConstruction::~CConstruction() {
  if (!m_bCommitted) TakeBack();
}

bool CConstruction::MakeRoom(int cells, int points, int growth) {
  CGPage* page = m_pPage;
  if (!page || !page->HasRoomForCells(cells)) return false;
  if (!ReserveSlotsFor(*page, points, growth == kGrowByPoints ? points : growth)) return false;
  m_nRoom = cells;
  m_nFirstId = page->m_nNextId;
  m_nFirstVertex = page->m_nNextVertex;
  m_nameState[0] = page->m_chNameLetter;
  m_nameState[1] = page->m_chNameSuffix;
  m_nameState[2] = page->m_nCircleCounter;
  m_bRoomMade = true;
  return true;
}

WORD CConstruction::NextId() {
  // Every id comes out of the room checked before the first.
  assert(m_bRoomMade && m_pPage->m_nNextId - m_nFirstId < m_nRoom);
  return m_pPage->m_nNextId++;
}

CNewPoint CConstruction::NextPoint(const QString& fixedName) {
  CNewPoint point;
  point.id = NextId();
  point.slot = m_pPage->m_nNextVertex++;
  point.name = fixedName.isEmpty() ? m_pPage->GetNewName(1) : fixedName;
  return point;
}

CNewPoint CConstruction::NextNamelessPoint() {
  CNewPoint point;
  point.id = NextId();
  point.slot = m_pPage->m_nNextVertex++;
  return point;
}

void CConstruction::Enter(CGCell* cell) {
  // Cells enter in the order of their ids, each under an id taken for it.
  assert(cell && cell->m_nId == m_nFirstId + Count() && cell->m_nId < m_pPage->m_nNextId);
  m_pPage->m_cells.SetAt(cell->m_nId, cell);
  m_entered.push_back(cell->m_nId);
}

void CConstruction::Adopt(int count) {
  for (int i = 0; i < count; ++i) {
    const WORD id = static_cast<WORD>(m_nFirstId + Count());
    // Only cells made inside the room checked, in id order.
    assert(m_bRoomMade && Count() < m_nRoom && id < m_pPage->m_nNextId && m_pPage->m_cells.Lookup(id));
    m_entered.push_back(id);
  }
}

void CConstruction::Commit(const QString& label, bool asMany) {
  std::unique_ptr<CCmd> step;
  if (Count() == 1 && !asMany)
    step = std::make_unique<CCmdAddCell>(label);
  else if (Count() > 0)
    step = std::make_unique<CCmdAddCells>(Count(), label);
  Commit(std::move(step));
}

void CConstruction::Commit(std::unique_ptr<CCmd> step) {
  // Every id taken became a cell.
  assert(!m_bRoomMade || m_pPage->m_nNextId == m_nFirstId + Count());
  m_bCommitted = true;
  if (m_entered.empty() || !step) return;
  m_pPage->m_undo.Submit(std::move(step));
  m_doc.SetModifiedFlag();
  UiBridge().UpdateAllViews();
}

void CConstruction::TakeBack() {
  if (!m_bRoomMade) return;
  CGPage& page = *m_pPage;
  for (auto it = m_entered.rbegin(); it != m_entered.rend(); ++it) {
    CGCell* cell = page.m_cells.RemoveKey(*it);
    if (!cell) continue;
    for (WORD parentId : cell->m_parents)
      if (CGCell* parent = page.m_cells.Lookup(parentId)) std::erase(parent->m_children, cell->m_nId);
    delete cell;
  }
  page.m_nNextId = m_nFirstId;
  page.m_nNextVertex = m_nFirstVertex;
  page.m_chNameLetter = m_nameState[0];
  page.m_chNameSuffix = m_nameState[1];
  page.m_nCircleCounter = m_nameState[2];
}

// --- Variants ------------------------------------------------------------------

void BuildOnePoint(CKavrelDoc& doc, const char* label, const std::function<CGCell*(const CNewPoint&)>& make) {
  CConstruction build(doc);
  if (!build.MakeRoom(1, 1, CConstruction::kGrowBy100)) return;
  build.Add(make(build.NextPoint()));
  build.Commit(QString::fromUtf8(label));
}

void OnUpdateSinglePoint(CKavrelDoc&, CCmdUI& ui) { ui.Enable(CountSelection().P == 1); }
void OnUpdateThreePoints(CKavrelDoc&, CCmdUI& ui) { ui.Enable(CountSelection().P == 3); }
void OnUpdateCircleAndTwoPoints(CKavrelDoc&, CCmdUI& ui) { ui.Enable(CircleAndTwoPoints()); }

bool NoneOrTwoPoints() {
  const int points = CountSelection().P;
  return points == 0 || points == 2;
}

void OnUpdateCreatePlaneRect(CKavrelDoc&, CCmdUI& ui) { ui.Enable(NoneOrTwoPoints()); }

void ChangeCellsInPlace(CKavrelDoc& doc, const std::vector<WORD>& ids, const std::function<void(CGCell&)>& change) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  // What the change reaches is computed at the edit's end; the cells named
  // after the changed ones take their names again now.
  for (WORD id : ids) {
    CGCell* cell = page->m_cells.Lookup(id);
    if (!cell) continue;
    change(*cell);
    cell->MarkDescendants();
  }
  std::vector<WORD> dirty;
  page->CollectDirtyIds(dirty);
  page->UpdateLabels(dirty);
  UiBridge().Post(UiTarget::Frame, WM_ITEM_TEXTS, 0, page->m_nId);
  doc.SetModifiedFlag();
  UiBridge().UpdateAllViews();
}

void EnterDrawingTool(int mode) {
  g_nToolMode = mode;
  UiBridge().ResetConstructionStep();
}
