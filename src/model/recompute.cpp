// The page-wide walks that keep a page consistent: the vertex-array refill,
// marking and collecting the cells to recompute, recomputing them in
// ascending id order, and the trace list.
#include <algorithm>
#include <string_view>

#include "math/funvariables.h"
#include "model/cellmap.h"
#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/globals.h"
#include "model/modeltexts.h"
#include "model/vertexarray.h"
#include "platform/notifier.h"

namespace {
// Classes of the layers above are known here by name only; a class that is
// not registered has no cells.
bool IsKindOfNamed(const CGCell* cell, std::string_view className) {
  const CRuntimeClass* cls = ClassRegistry::FromName(className);
  return cell && cls && cell->IsKindOf(cls);
}

// Running buttons that drive a point: their first parent.
CGCell* DrivenPoint(const CCellMap& cells, WORD buttonId) {
  const CGCell* button = cells.Lookup(buttonId);
  if (!(IsKindOfNamed(button, "CGButnAnimation") || IsKindOfNamed(button, "CGButnMove")) ||
      button->m_parents.empty())
    return nullptr;
  return cells.Lookup(button->m_parents.front());
}

// Marks every selected cell that is not marked yet, and for each of its
// links the linked cell and whatever the walk reaches from there.
void MarkSelectionWith(const CGPage& page, std::vector<WORD> CGCell::*links, void (CGCell::*walk)()) {
  const CReadingPass marking;  // marks are no part of a record
  const CCellMap& cells = page.m_cells;
  for (WORD id : page.SelectedIds()) {
    CGCell* cell = cells.Lookup(id);
    if (cell->m_bMarked) continue;
    for (WORD linkedId : cell->*links) {
      if (CGCell* linked = cells.Lookup(linkedId)) {
        (linked->*walk)();
        linked->m_bMarked = true;
      }
    }
    cell->m_bMarked = true;
  }
}

bool Contains(const std::vector<WORD>& ids, WORD id) {
  return std::find(ids.begin(), ids.end(), id) != ids.end();
}
}  // namespace

bool CGPage::RebuildVertexArray() {
  // What it renumbers, opening numbers alike: no part of an edit.
  const CReadingPass numbering;
  // The array is sized from the points actually present: a stored next-slot
  // counter may understate them.
  int points = 0;
  for (auto [id, cell] : m_cells)
    if (cell->IsKindOf(RUNTIME_CLASS(CGVertex))) ++points;
  const int next = std::max<int>(m_nNextVertex, points + 1);
  bool grown = true;
  if (next + 5 > g_nVertexCapacity && !ReallocateVertexArray(next + 50)) {
    KvMessageBox(QString::fromUtf8(kTextOutOfMemory));
    grown = false;
  }
  int slot = 1;
  for (auto [id, cell] : m_cells) {
    if (!cell->IsKindOf(RUNTIME_CLASS(CGVertex))) continue;
    auto* point = static_cast<CGVertex*>(cell);
    point->VertexIndex = slot++;
    WriteVertexSlot(point->VertexIndex, point->m_vPos);
  }
  m_nNextVertex = static_cast<WORD>(slot);
  for (auto [id, cell] : m_cells) cell->BindVertexIndices();
  return grown;
}

void CGPage::CollectDirtyIds(std::vector<WORD>& out) {
  out.clear();
  m_cells.TakeMarked(out);
  if (!std::is_sorted(out.begin(), out.end())) std::sort(out.begin(), out.end());
  // A cell that writes its parents (a colour modifier colours its targets)
  // brings them with all that follows: every writer of a target writes it
  // again, in id order, and the last one wins as when the document opens,
  // not the one that happened to be computed.
  if (!m_cells.HasWriters()) return;
  for (;;) {
    bool more = false;
    for (WORD id : out) {
      const CGCell* cell = m_cells.LookupUntouched(id);
      if (!cell || !cell->WritesParents()) continue;
      for (WORD parentId : cell->m_parents) {
        CGCell* parent = m_cells.LookupUntouched(parentId);
        if (!parent || parent->m_bMarked || std::binary_search(out.begin(), out.end(), parentId)) continue;
        parent->MarkDescendants();
        parent->m_bMarked = true;
        more = true;
      }
    }
    if (!more) return;
    const size_t before = out.size();
    m_cells.TakeMarked(out);
    std::sort(out.begin() + static_cast<std::ptrdiff_t>(before), out.end());
    std::inplace_merge(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(before), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
  }
}

void CGPage::RecalculateCells(const std::vector<WORD>& ids) {
  ++g_nRecalcPass;
  CCellMap::CWatch* const watch = CCellMap::Watch();
  for (WORD id : ids) {
    CGCell* cell = m_cells.Lookup(id);
    if (!cell) continue;
    cell->Recalculate();
    if (watch) watch->Computed(m_cells, id);
  }
}

void CGPage::ReadCellFiles(const std::vector<WORD>& ids) {
  for (WORD id : ids)
    if (CGCell* cell = m_cells.Lookup(id)) cell->ReadFiles();
}

std::vector<WORD> CGPage::RecalculateMarked() {
  std::vector<WORD> ids;
  CollectDirtyIds(ids);
  RecalculateCells(ids);
  return ids;
}

std::vector<WORD> CGPage::ComputeAsOpened() {
  const CReadingPass computing;
  std::vector<WORD> ids;
  for (auto [id, cell] : m_cells) cell->m_bMarked = true;
  CollectDirtyIds(ids);
  RewriteWrittenInNames(ids);
  ReadCellFiles(ids);
  RecalculateCells(ids);
  bool all = false;
  m_cells.TakeTouched(&all);
  return ids;
}

void CGPage::UpdateLabels(const std::vector<WORD>& ids) {
  for (WORD id : ids)
    if (CGCell* cell = m_cells.Lookup(id)) cell->UpdateLabel();
}

void CGPage::RewriteWrittenInNames(const std::vector<WORD>& ids) {
  const auto due = [](const CGCell& cell) {
    if (cell.m_bNameFixed) return false;  // a name the user typed, "#5" as well, is kept as typed
    return cell.m_strName.size() > kLongestWrittenIn || cell.m_strVodName.size() > kLongestMarkupWrittenIn ||
           WritesShortIn(cell.m_strName) || WritesShortIn(cell.m_strVodName);
  };
  for (WORD id : ids) {
    CGCell* cell = m_cells.Lookup(id);
    if (cell && due(*cell) && (IsKindOfNamed(cell, "CGTmVariable") || IsKindOfNamed(cell, "CGTmVector")))
      cell->UpdateLabel();
  }
}

void CGPage::MarkSelectionWithDescendants() {
  MarkSelectionWith(*this, &CGCell::m_children, &CGCell::MarkDescendants);
}

void CGPage::MarkSelectionWithAncestors() {
  MarkSelectionWith(*this, &CGCell::m_parents, &CGCell::MarkAncestors);
}

void CGPage::MarkDrivenPointsDirty() {
  for (WORD buttonId : m_runningButtons)
    if (CGCell* point = DrivenPoint(m_cells, buttonId)) point->MarkDescendants();
}

void CGPage::MarkTextmapsChanged() {
  for (auto [id, cell] : m_cells)
    if (cell->m_nStyle == 1 && IsKindOfNamed(cell, "CGTextmap")) cell->m_bLabelStale = true;
}

int CGPage::BringPlanarCellsIntoView(float halfWidth, float halfHeight) {
  // A page read from a file may say 0 pixels per unit; it was clamped on
  // load, and is guarded here as well since the field is public.
  const float pixelsPerUnit = static_cast<float>(std::max(1, m_nPixelsPerUnit));
  const float limit[2] = {halfWidth / pixelsPerUnit, halfHeight / pixelsPerUnit};
  const float margin = 40 * g_fUnitsPerPixel;
  const auto outside = [&limit](const CGCell& cell) {
    if (!IsKindOfNamed(&cell, "CGTextmap") && !IsKindOfNamed(&cell, "CGTextbit") && !IsKindOfNamed(&cell, "CGButton"))
      return false;
    for (int i = 0; i < 2; ++i)
      if (cell.m_vLabelAnchor[i] < -limit[i] || cell.m_vLabelAnchor[i] > limit[i]) return true;
    return false;
  };
  const std::vector<CGCell*> moved = CellsWhere(outside);
  for (CGCell* cell : moved) {
    for (int i = 0; i < 2; ++i) {
      const float v = cell->m_vLabelAnchor[i];
      if (v < -limit[i])
        cell->MoveAnchor(i, margin - limit[i]);
      else if (v > limit[i])
        cell->MoveAnchor(i, limit[i] - margin);
    }
  }
  return static_cast<int>(moved.size());
}

void BuildTraceList(int mode) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  std::vector<WORD>& list = page->m_traceList;
  list.clear();
  if (page->m_bThreeView) {
    g_bTraceDirty = false;
    return;
  }
  const CCellMap& cells = page->m_cells;
  auto traced = [&cells](WORD id) {
    const CGCell* cell = cells.Lookup(id);
    return cell && cell->m_bTraced;
  };
  if (mode == 1) {
    for (WORD id : page->m_buttonIds)
      if (traced(id)) list.push_back(id);
    for (WORD buttonId : page->m_runningButtons) {
      const CGCell* point = DrivenPoint(cells, buttonId);
      if (point && point->m_bTraced && !Contains(list, point->m_nId)) list.push_back(point->m_nId);
    }
  } else {
    for (WORD id : page->m_dirtyIds)
      if (traced(id)) list.push_back(id);
    if (traced(g_nDragId) && !Contains(list, g_nDragId)) list.push_back(g_nDragId);
  }
  g_bTraceDirty = !list.empty();
}
