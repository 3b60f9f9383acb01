#include "editing/clipboardexchange.h"

#include <QString>
#include <algorithm>
#include <map>
#include <new>
#include <optional>

#include "cells/dynamic/buttons/linkbutton.h"
#include "cells/dynamic/iterations/iteration.h"
#include "cells/primitives/cgverfree.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/texts/cgtbvodtext.h"
#include "model/autocolor.h"
#include "model/cgbutton.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "model/kindtests.h"
#include "model/undo/cmdcells.h"
#include "platform/archive.h"
#include "platform/archivecollections.h"
#include "platform/clipboard.h"
#include "platform/processstate.h"
#include "render/viewglobals.h"

namespace {
using PastedCells = std::vector<std::pair<WORD, std::unique_ptr<CGCell>>>;

// A caption's grid rows: a column holds 16, so more cannot be meant.
int CaptionRows(const CGCell& cell) { return cell.m_nStyle == 1 ? std::clamp(cell.m_nParamB, 1, 16) : 1; }

// Moves a pasted cell off the copied one where they would cover each other;
// every other cell follows its parents when recalculated.
void PlacePasted(CGPage& page, CGCell& cell) {
  float position[2];
  if (auto* point = dynamic_cast<CGVerFreeXyz*>(&cell)) {
    const float shift = static_cast<float>(page.m_nPasteCount * 40) * g_fUnitsPerPixel;
    point->m_vPos[0] += shift;
    point->m_vPos[1] -= shift;
    point->ApplyParameter();
  } else if (cell.IsKindOf(RUNTIME_CLASS(CGButton))) {
    page.NextButtonPosition(position);
    std::copy_n(position, 2, cell.m_vLabelAnchor);
  } else if (IsKindOfAnyClassName(&cell, {"CGTmVariable", "CGTmVector"})) {
    page.NextTextPosition(position, CaptionRows(cell));
    std::copy_n(position, 2, cell.m_vLabelAnchor);
  } else if (auto* text = dynamic_cast<CGTbVodText*>(&cell)) {
    const COLORREF background = BackgroundColorRef(g_prefs.background.data());
    if (text->m_dwOption != background) text->TakeBackdrop(background);
  }
}

[[noreturn]] void Reject(const std::string& what) { throw CArchiveException(ArchiveError::BadData, what); }

// The record must be a set the page can take as it is: every key holds a
// cell, the keys are 0 .. n-1 and rank the stored ids, and every parent is
// in the set below its child.  Sorts the cells by key.
void CheckPastedSet(PastedCells& cells) {
  const size_t n = cells.size();
  for (const auto& [key, cell] : cells) {
    if (!cell) Reject("no cell under key " + std::to_string(key));
    // Keys are unique (the map reader), so n keys below n are 0 .. n-1.
    if (key >= n) Reject("key " + std::to_string(key) + " beyond the count");
  }
  std::sort(cells.begin(), cells.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  CCellMap byOldId;  // holds, never owns
  for (size_t k = 0; k < n; ++k) {
    const WORD id = cells[k].second->m_nId;
    if (k > 0 && id <= cells[k - 1].second->m_nId) Reject("key " + std::to_string(k) + " out of id order");
    byOldId.SetAt(id, cells[k].second.get());
  }
  for (const auto& [key, cell] : cells) {
    for (WORD parent : cell->m_parents)
      if (parent >= cell->m_nId || !byOldId.Lookup(parent))
        Reject("cell " + std::to_string(cell->m_nId) + ": parent " + std::to_string(parent) + " not in the set below it");
    if (!cell->FitsLoadedPage(byOldId)) Reject("cell " + std::to_string(cell->m_nId) + " does not fit its parents");
  }
}

// The new id of a stored id: the page's next id plus its rank; 0 for one
// that is not in the set.
WORD NewId(const std::vector<WORD>& oldIds, WORD nextId, WORD oldId) {
  const auto it = std::lower_bound(oldIds.begin(), oldIds.end(), oldId);
  if (it == oldIds.end() || *it != oldId) return 0;
  return static_cast<WORD>(nextId + (it - oldIds.begin()));
}

// Iterations hold ids besides their parents: they name pasted cells only.
void RemapIterations(const std::vector<CGCell*>& entered, const std::vector<WORD>& oldIds, WORD nextId) {
  std::map<WORD, WORD> newIds;
  for (CGCell* cell : entered) {
    auto* iteration = dynamic_cast<CGIterate*>(cell);
    if (!iteration) continue;
    if (newIds.empty())
      for (size_t k = 0; k < oldIds.size(); ++k) newIds.emplace_hint(newIds.end(), oldIds[k], static_cast<WORD>(nextId + k));
    iteration->RemapIds(newIds);
  }
}

void EnterPasted(CGPage& page, PastedCells& cells) {
  const WORD next = page.m_nNextId;
  std::vector<WORD> oldIds;
  oldIds.reserve(cells.size());
  for (auto& [key, cell] : cells) {
    oldIds.push_back(cell->m_nId);
    cell->m_children.clear();
  }
  std::vector<CGCell*> entered;
  entered.reserve(cells.size());
  for (auto& [key, owned] : cells) {
    CGCell* cell = owned.get();
    cell->m_nId = static_cast<WORD>(next + key);
    for (WORD& parent : cell->m_parents) parent = NewId(oldIds, next, parent);
    page.m_cells.SetAt(cell->m_nId, cell);
    owned.release();  // the page's now
    PlacePasted(page, *cell);
    entered.push_back(cell);
  }
  page.m_nNextId = static_cast<WORD>(next + cells.size());
  RemapIterations(entered, oldIds, next);
  for (CGCell* cell : entered) {
    for (WORD parent : cell->m_parents)
      if (CGCell* p = page.m_cells.Lookup(parent)) RegisterChild(*p, cell->m_nId);
    cell->m_bMarked = true;
    if (cell->IsKindOf(RUNTIME_CLASS(CGVertex))) ++page.m_nNextVertex;
  }
  page.RebuildVertexArray();
  // Fresh from a record, the cells read their files before they are
  // computed, which only opening and paste do: computed now, as opening does.
  page.CollectDirtyIds(page.m_dirtyIds);
  page.RewriteWrittenInNames(page.m_dirtyIds);
  page.ReadCellFiles(page.m_dirtyIds);
  page.RecalculateCells(page.m_dirtyIds);
}
}  // namespace

QByteArray MakeClipboardRecord(CGPage& page) {
  CArchive ar;
  if (page.m_bSelected) {
    ar << static_cast<DWORD>(kClipboardPage);
    page.Serialize(ar);
    return ar.Bytes();
  }
  ar << static_cast<DWORD>(kClipboardCells);
  g_nDragId = 0;
  page.MarkSelectionWithAncestors();
  page.CollectDirtyIds(page.m_dirtyIds);
  std::vector<std::pair<WORD, const CGCell*>> entries;
  entries.reserve(page.m_dirtyIds.size());
  for (WORD id : page.m_dirtyIds) entries.emplace_back(static_cast<WORD>(entries.size()), page.m_cells.Lookup(id));
  WriteWordObMap(ar, entries);
  return ar.Bytes();
}

namespace {
// This program's last copy, and where the pages its links name went since:
// copy-time id to present id; none while no renumbering came between.
struct CCopiedRecord {
  QByteArray bytes;
  std::optional<std::map<WORD, WORD>> pageIds;
};
CCopiedRecord g_copied;
const ProcessStateReset resetCopied([] { g_copied = {}; });
}  // namespace

void CopySelectionToClipboard() {
  CGPage* page = g_pCurPage;
  if (!page) return;
  g_copied = {MakeClipboardRecord(*page), std::nullopt};
  Clipboard().SetData(QString::fromLatin1(kClipboardFormat), g_copied.bytes);
}

void RenumberCopiedPages(const std::map<WORD, WORD>& pageIds) {
  if (g_copied.bytes.isEmpty()) return;
  if (!g_copied.pageIds) {
    g_copied.pageIds = pageIds;
    return;
  }
  for (auto& [copied, now] : *g_copied.pageIds) {
    const auto it = pageIds.find(now);
    now = it == pageIds.end() ? 0 : it->second;
  }
}

void FollowCopiedPages(const QByteArray& record, int n, const std::function<CGCell*(int)>& cellAt) {
  if (!g_copied.pageIds || record != g_copied.bytes) return;
  const std::map<WORD, WORD>& pageIds = *g_copied.pageIds;
  for (int k = 0; k < n; ++k)
    if (auto* link = dynamic_cast<CGButnLink*>(cellAt(k)); link && link->IsPageLink()) {
      const auto it = pageIds.find(link->m_nPageId);
      link->m_nPageId = it == pageIds.end() ? 0 : it->second;
    }
}

int PasteFromClipboard(CArchive& ar, PasteFailure* failure) {
  *failure = PasteFailure::None;
  CGPage* page = g_pCurPage;
  if (!page) return 0;
  PastedCells cells;
  try {
    cells = ReadWordObMap<CGCell>(ar);
    CheckPastedSet(cells);
  } catch (const CArchiveException&) {
    *failure = PasteFailure::Damaged;
    return -1;
  } catch (const std::bad_alloc&) {
    *failure = PasteFailure::Damaged;
    return -1;
  }
  if (cells.empty()) return 0;
  if (page->m_nNextId + cells.size() - 1 > CGPage::kMaxCellId) {
    *failure = PasteFailure::NoRoom;
    return -1;
  }
  const WORD first = page->m_nNextId;
  const CHandouts handouts(*page);
  try {
    EnterPasted(*page, cells);
  } catch (const std::bad_alloc&) {
    DiscardCells(*page, first, static_cast<WORD>(first + cells.size()), handouts);
    *failure = PasteFailure::Damaged;
    return -1;
  }
  return static_cast<int>(cells.size());
}

void CollectDeleteIds(std::vector<WORD>& ids) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  g_nDragId = 0;
  page->MarkSelectionWithDescendants();
  page->CollectDirtyIds(page->m_dirtyIds);
  ids.insert(ids.end(), page->m_dirtyIds.begin(), page->m_dirtyIds.end());
}
