#include "model/undo/cmdedits.h"

#include <algorithm>
#include <utility>

#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/globals.h"
#include "model/undo/cmdtexts.h"
#include "model/vertexarray.h"

// --- CCmdModifiPoint -------------------------------------------------------

CCmdModifiPoint::CCmdModifiPoint(WORD pointId, const QString& name) : CCmd(name), m_nPointId(pointId) {
  const auto* point = g_pCurCells ? dynamic_cast<const CGVertex*>(g_pCurCells->Lookup(pointId)) : nullptr;
  if (!point) return;
  std::copy_n(point->m_vPos, 3, m_vPos);
  m_fValue = point->m_fValue;
}

BOOL CCmdModifiPoint::Exchange() {
  CGPage* page = g_pCurPage;
  if (!page) return FALSE;
  auto* point = dynamic_cast<CGVertex*>(page->m_cells.Lookup(m_nPointId));
  if (!point) return TRUE;
  std::swap(point->m_fValue, m_fValue);
  for (int i = 0; i < 3; ++i) std::swap(point->m_vPos[i], m_vPos[i]);
  // Placed again; the edit's end computes what follows from it.
  point->ApplyParameter();
  g_bTraceDirty = true;  // traces drawn so far no longer fit
  return TRUE;
}

// --- CCmdSplit -------------------------------------------------------------

void CCmdSplit::Add(std::unique_ptr<CGCell> copy) {
  if (!copy) return;
  copy->m_parents.clear();
  m_cells[copy->m_nId].cell = std::move(copy);
}

namespace {
// The page's cell under each id and the command's change places.
void SwapWithPage(CGPage& page, std::map<WORD, CHeldCell>& cells) {
  // Replacing under an id keeps the map's id list as it is, so many cells
  // change places without shifting it each time.
  for (auto& [id, held] : cells) {
    CGCell* inPage = held.cell ? page.m_cells.SetAt(id, held.cell.release()) : page.m_cells.RemoveKey(id);
    held.cell.reset(inPage);
  }
}

// A point just put in the page writes its slot of the vertex array (lines
// and faces are drawn from it, and the slot still holds the place of the
// cell it replaced), which a computation of a point that follows no parent
// does not; the edit's end computes the cells and what is built on them.
void RefreshSwappedIn(CGPage& page, const std::map<WORD, CHeldCell>& cells) {
  for (const auto& [id, held] : cells)
    if (const auto* point = dynamic_cast<const CGVertex*>(page.m_cells.Lookup(id)))
      WriteVertexSlot(point->VertexIndex, point->m_vPos);
}

void PostPageReplaced(const CGPage& page) {
  UiBridge().Post(UiTarget::Frame, WM_REBUILD_PAGE_TREE, 0, page.m_nId);
}
}  // namespace

BOOL CCmdSplit::Redo() {
  CGPage* page = g_pCurPage;
  if (!page) return FALSE;
  page->ClearSelection();
  SwapWithPage(*page, m_cells);
  // The replaced cells leave their parents, which now know only the copies'
  // dependants, not the copies.
  for (auto& [id, held] : m_cells)
    if (held.cell) held.links.Unlink(page->m_cells, *held.cell);
  RefreshSwappedIn(*page, m_cells);
  PostPageReplaced(*page);
  return TRUE;
}

BOOL CCmdSplit::Undo() {
  CGPage* page = g_pCurPage;
  if (!page) return FALSE;
  page->ClearSelection();
  for (auto it = m_cells.rbegin(); it != m_cells.rend(); ++it)
    if (it->second.cell) it->second.links.Relink(page->m_cells, *it->second.cell);
  SwapWithPage(*page, m_cells);
  RefreshSwappedIn(*page, m_cells);
  PostPageReplaced(*page);
  return TRUE;
}

// --- CCmdMatchprop ---------------------------------------------------------

CellStyles CellStyles::Of(const CGCell& cell) {
  CellStyles s;
  s.m_nId = cell.m_nId;
  s.m_rgbaColor = cell.m_rgbaColor;
  s.m_rgbaLabel = cell.m_rgbaLabel;
  s.m_nStyle = cell.m_nStyle;
  s.m_nSubKind = cell.m_nSubKind;
  s.m_bLabelHidden = cell.m_bLabelHidden;
  s.m_fSize = cell.m_fSize;
  s.m_nLabelMode = cell.m_nLabelMode;
  s.m_dwParam3 = cell.m_dwParam3;
  return s;
}

void CellStyles::WriteAll(CGCell& cell) const {
  cell.m_rgbaColor = m_rgbaColor;
  cell.m_rgbaLabel = m_rgbaLabel;
  cell.m_nStyle = m_nStyle;
  cell.m_nSubKind = m_nSubKind;
  cell.m_bLabelHidden = m_bLabelHidden;
  cell.m_fSize = m_fSize;
  cell.m_nLabelMode = m_nLabelMode;
  cell.m_dwParam3 = m_dwParam3;
}

std::unique_ptr<CCmdMatchprop> CCmdMatchprop::FromSelection(const CGPage& page) {
  const struct {
    const std::vector<WORD>* ids;
    int kind;
    const char* name;
  } lists[] = {{&page.m_selPoints, kPoints, kCmdNamePointStyles},
               {&page.m_selLines, kLines, kCmdNameLineStyles},
               {&page.m_selFaces, kFaces, kCmdNameFaceStyles},
               {&page.m_selPaths, kPaths, kCmdNameCircleStyles}};
  for (const auto& list : lists) {
    if (list.ids->size() < 2) continue;
    const CGCell* source = page.m_cells.Lookup(list.ids->back());
    if (!source) return nullptr;
    auto command = std::make_unique<CCmdMatchprop>(QString::fromUtf8(list.name));
    command->m_nKind = list.kind;
    command->m_source = CellStyles::Of(*source);
    for (WORD id : *list.ids) {
      const CGCell* target = page.m_cells.Lookup(id);
      if (target && target != source) command->m_saved.push_back(CellStyles::Of(*target));
    }
    return command;
  }
  return nullptr;
}

BOOL CCmdMatchprop::Redo() {
  CGPage* page = g_pCurPage;
  if (!page) return FALSE;
  const CellStyles& from = m_source;
  for (const CellStyles& saved : m_saved) {
    CGCell* cell = page->m_cells.Lookup(saved.m_nId);
    if (!cell) continue;
    cell->m_bLabelHidden = from.m_bLabelHidden;
    cell->m_fSize = from.m_fSize;
    cell->m_nSubKind = from.m_nSubKind;
    cell->m_nStyle = from.m_nStyle;
    cell->m_nLabelMode = from.m_nLabelMode;
    if (m_nKind != kFaces) {  // faces keep their own colour, taking only its alpha
      cell->m_rgbaColor.r = from.m_rgbaColor.r;
      cell->m_rgbaColor.g = from.m_rgbaColor.g;
      cell->m_rgbaColor.b = from.m_rgbaColor.b;
    }
    cell->m_rgbaColor.a = from.m_rgbaColor.a;
    cell->m_rgbaLabel = from.m_rgbaLabel;
    if (m_nKind == kFaces || m_nKind == kPaths) cell->m_dwParam3 = from.m_dwParam3;
  }
  return TRUE;
}

BOOL CCmdMatchprop::Undo() {
  CGPage* page = g_pCurPage;
  if (!page) return FALSE;
  for (const CellStyles& saved : m_saved)
    if (CGCell* cell = page->m_cells.Lookup(saved.m_nId)) saved.WriteAll(*cell);
  return TRUE;
}
