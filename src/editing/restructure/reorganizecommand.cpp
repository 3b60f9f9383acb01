// Renumbering the document: pages 1, 2, 3 ... and in every page the cells
// 1, 2, 3 ... in their present order, with every id a page keeps about its
// cells translated, so nothing points at another cell afterwards.  The
// pages' histories refer to the old ids and are emptied.
#include <QString>
#include <map>
#include <utility>
#include <vector>

#include "cells/dynamic/buttons/linkbutton.h"
#include "cells/dynamic/iterations/iteration.h"
#include "editing/clipboardexchange.h"
#include "editing/restructure/reorganize.h"
#include "editing/restructure/restructuretexts.h"
#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/notifier.h"
#include "platform/uibridge.h"

namespace {
// Old id to new id; 0 for an id that names nothing.
class CIdMap {
 public:
  CIdMap() : m_ids(0x10000, 0) {}
  void Set(WORD from, WORD to) {
    m_ids[from] = to;
    m_bChanged = m_bChanged || from != to;
  }
  WORD operator()(WORD id) const { return m_ids[id]; }
  bool Changed() const { return m_bChanged; }
  // Every id that names a cell, with its new id.
  std::map<WORD, WORD> AsMap() const {
    std::map<WORD, WORD> out;
    for (size_t from = 1; from < m_ids.size(); ++from)
      if (m_ids[from]) out.emplace(static_cast<WORD>(from), m_ids[from]);
    return out;
  }

 private:
  std::vector<WORD> m_ids;
  bool m_bChanged = false;
};

// Translates the ids of a list, dropping the ones that name nothing.
void Translate(std::vector<WORD>& ids, const CIdMap& map) {
  size_t kept = 0;
  for (WORD id : ids)
    if (const WORD to = map(id)) ids[kept++] = to;
  ids.resize(kept);
}

void TranslatePageLists(CGPage& page, const CIdMap& map) {
  for (auto* list : {&page.m_selPoints, &page.m_selLines, &page.m_selFaces, &page.m_selSolids, &page.m_selPaths,
                     &page.m_selTexts, &page.m_selValues, &page.m_selButtons, &page.m_selOthers, &page.m_selAll,
                     &page.m_stepList, &page.m_runningButtons, &page.m_dirtyIds, &page.m_buttonIds,
                     &page.m_traceList})
    Translate(*list, map);
  if (page.m_nAutoButton > 0 && page.m_nAutoButton <= 0xFFFF)
    page.m_nAutoButton = map(static_cast<WORD>(page.m_nAutoButton));
  TranslateMarks(page.m_marks, [&map](WORD id) { return map(id); });
}

// Gives the cells their new ids in the map; returns old to new.
CIdMap RenumberCells(CCellMap& cells) {
  std::vector<std::pair<WORD, CGCell*>> found;
  found.reserve(cells.size());
  for (auto [id, cell] : cells) found.emplace_back(id, cell);
  CIdMap map;
  for (size_t k = 0; k < found.size(); ++k) map.Set(found[k].first, static_cast<WORD>(k + 1));
  if (!map.Changed()) return map;
  // From the highest id down: each removal is then at the end of the map.
  for (auto it = found.rbegin(); it != found.rend(); ++it) cells.RemoveKey(it->first);
  for (auto [id, cell] : found) {
    cell->m_nId = map(id);
    cells.SetAt(cell->m_nId, cell);
  }
  return map;
}

// Names that write a parent in by its id name it by its new one.  The
// parents are looked up on the current page, which this one is meanwhile.
void RewriteShortNames(CGPage& page) {
  CGPage* const current = g_pCurPage;
  SetCurrentPage(&page);
  page.RewriteWrittenInNames(page.m_cells.Ids());
  SetCurrentPage(current);
}

void RenumberPage(CGPage& page, const CIdMap& pageIds) {
  const CIdMap map = RenumberCells(page.m_cells);
  std::map<WORD, WORD> asMap;  // built once, only for an iteration
  bool asMapBuilt = false;
  for (auto [id, cell] : page.m_cells) {
    for (WORD& parent : cell->m_parents) parent = map(parent);
    Translate(cell->m_children, map);
    if (cell->IsKindOf(RUNTIME_CLASS(CGIterate))) {
      if (!asMapBuilt) asMap = map.AsMap(), asMapBuilt = true;
      static_cast<CGIterate*>(cell)->RemapIds(asMap);
    } else if (cell->IsKindOf(RUNTIME_CLASS(CGButnLink))) {
      auto* link = static_cast<CGButnLink*>(cell);
      if (link->IsPageLink()) link->m_nPageId = pageIds(link->m_nPageId);
    }
  }
  // Also where no cell moves: an id held of a cell that is gone would name
  // the cell that takes it once the id counter starts after the last cell.
  TranslatePageLists(page, map);
  if (map.Changed()) RewriteShortNames(page);
  page.m_nNextId = static_cast<WORD>(page.m_cells.size() + 1);
  page.m_undo.DeleteAll();
}
}  // namespace

void ReorganizeDocument(CKavrelDoc& doc) {
  CIdMap pageIds;
  WORD number = 0;
  for (auto& page : doc.m_pages) {
    EndPendingTool(*page);  // a tool instance keeps the ids it started from
    pageIds.Set(page->m_nId, ++number);
  }
  for (auto& page : doc.m_pages) page->m_nId = pageIds(page->m_nId);
  doc.m_nLastPageId = number;
  for (auto& page : doc.m_pages) {
    RenumberPage(*page, pageIds);
    page->ClearHover();  // the view's hovered id names the old numbering
  }
  RenumberCopiedPages(pageIds.AsMap());
  // A construction under way holds the ids of its first vertices.
  UiBridge().ResetConstructionStep();
  if (g_pCurPage) g_pCurPage->RebuildVertexArray();
  doc.SetModifiedFlag();
  // The whole list: its page items carry the old page ids too, so the
  // current page's item may no longer be found by its new id.
  UiBridge().FillObjectList();
  UiBridge().UpdateAllViews();
}

namespace {
void OnFileReorganize(CKavrelDoc& doc) {
  ReorganizeDocument(doc);
  KvMessageBox(QString::fromUtf8(kTextReorganized));
}

const CDocCommandRows rows({
    {ID_FILE_REORGANIZE, OnFileReorganize},
});
}  // namespace
