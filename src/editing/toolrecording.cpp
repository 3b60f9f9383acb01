#include "editing/toolrecording.h"

#include <algorithm>
#include <map>
#include <new>
#include <vector>

#include "cells/dynamic/iterations/iteration.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/primitives/cgverfree.h"
#include "editing/dialogs/tools/toolscriptview.h"
#include "editing/tooldialog.h"
#include "editing/tooltexts.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "model/document/usertool.h"
#include "model/globals.h"
#include "platform/archive.h"
#include "platform/archivecollections.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/notifier.h"
#include "platform/uibridge.h"

namespace {
// What a tool's input may be: a point free in space or a parameter.
bool CanBeInput(const CGCell& cell) {
  return cell.IsKindOf(RUNTIME_CLASS(CGVerFreeXyz)) || cell.IsKindOf(RUNTIME_CLASS(CGTmVarParameter));
}

// The structure of the selection: the selected ids and the ids to record,
// both ascending.  False when it cannot be a tool: a cell without parents
// that is no possible input, or a parent that is not in the page.
bool CollectStructure(CGPage& page, std::vector<WORD>& selected, std::vector<WORD>& collected) {
  const CReadingPass recording;  // a tool is recorded from the page, which stays as it was
  g_nDragId = 0;
  for (auto [id, cell] : page.m_cells) {
    if (!cell->m_bSelected) continue;
    cell->MarkAncestors();
    cell->m_bMarked = true;
    selected.push_back(id);
  }
  std::vector<WORD> marked;
  page.CollectDirtyIds(marked);  // ascending, and the marks are cleared
  std::vector<bool> kept(size_t{0xFFFF} + 1, false);  // by id: whatever a child list holds
  for (WORD id : marked) kept[id] = true;
  const auto isKept = [&kept](WORD id) { return kept[id]; };
  for (WORD id : marked) {
    const CGCell& cell = *page.m_cells.Lookup(id);
    if (!cell.m_parents.empty()) continue;
    if (!CanBeInput(cell)) return false;
    // A free point or parameter nothing recorded rests on is no input.
    if (std::none_of(cell.m_children.begin(), cell.m_children.end(), isKept)) kept[id] = false;
  }
  for (WORD id : marked) {
    if (!kept[id]) continue;
    const CGCell& cell = *page.m_cells.Lookup(id);
    // A parent missing from the page would leave the copy pointing nowhere.
    if (!std::all_of(cell.m_parents.begin(), cell.m_parents.end(), isKept)) return false;
    collected.push_back(id);
  }
  return true;
}

// Deep copies of the cells, through the archive as a document stores them.
std::vector<std::unique_ptr<CGCell>> CopyCells(const CGPage& page, const std::vector<WORD>& ids) {
  std::vector<const CObject*> cells;
  cells.reserve(ids.size());
  for (WORD id : ids) cells.push_back(page.m_cells.Lookup(id));
  CArchive out;
  WriteObList(out, cells);
  CArchive in(out.Bytes());
  return ReadObList<CGCell>(in);
}

// Renumbers the copies from 0 in list order and makes their cells without
// parents the record's inputs.
void Renumber(const CGPage& page, CRecord& record) {
  std::map<WORD, WORD> newIds;
  WORD next = 0;
  for (const auto& copy : record.m_cells) {
    // The page's own cell describes itself with everything it computed.
    copy->m_strText = page.m_cells.Lookup(copy->m_nId)->GetDescription();
    newIds.emplace_hint(newIds.end(), copy->m_nId, next);
    copy->m_nId = next++;
    copy->m_children.clear();
    if (copy->IsKindOf(RUNTIME_CLASS(CGVertex))) ++record.m_nPointCount;
  }
  for (const auto& copy : record.m_cells) {
    for (WORD& parent : copy->m_parents) parent = newIds.at(parent);
    if (auto* iteration = dynamic_cast<CGIterate*>(copy.get())) iteration->RemapIds(newIds);
    if (copy->m_parents.empty()) {
      auto input = std::make_unique<CCondition>();
      input->m_nId = copy->m_nId;
      input->m_bIsPoint = copy->IsKindOf(RUNTIME_CLASS(CGVerFree));
      input->m_strComment =
          QString::fromUtf8(input->m_bIsPoint ? kTextPointInputPrefix : kTextValueInputPrefix) + copy->m_strName;
      if (input->m_bIsPoint) ++record.m_nPointInputCount;
      record.m_conditions.push_back(std::move(input));
    }
  }
  record.m_nCellCount = static_cast<std::int32_t>(record.m_cells.size());
  record.m_nInputCount = static_cast<std::int32_t>(record.m_conditions.size());
}

void Refuse() {
  KvMessageBox(QString::fromUtf8(kTextToolRefused), QString::fromUtf8(kTextToolRefusedCaption),
               MB_OK | MB_ICONERROR);
}

void OnUpdateToolCreate(CKavrelDoc& doc, CCmdUI& ui) { ui.Enable(doc.OnUpdateNeedSelection()); }

const CDocCommandRows rows({
    {ID_TOOL_CREATE, OnToolCreate, OnUpdateToolCreate},
});
}  // namespace

std::unique_ptr<CRecord> CreateToolFromSelection() {
  CGPage* page = g_pCurPage;
  if (!page) return nullptr;
  std::vector<WORD> selected, collected;
  if (!CollectStructure(*page, selected, collected) || collected.empty()) {
    Refuse();
    return nullptr;
  }
  // Any difference, not only in number: ancestors added and free points
  // dropped can balance out.
  if (collected != selected &&
      KvMessageBox(QString::fromUtf8(kTextToolChanged), QString::fromUtf8(kTextToolChangedCaption),
                   MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
    return nullptr;
  auto record = std::make_unique<CRecord>();
  try {
    record->m_cells = CopyCells(*page, collected);
  } catch (const CArchiveException&) {
    Refuse();  // a cell that cannot read back its own record makes no tool
    return nullptr;
  } catch (const std::bad_alloc&) {
    Refuse();
    return nullptr;
  }
  Renumber(*page, *record);
  return record;
}

void OnToolCreate(CKavrelDoc& doc) {
  std::unique_ptr<CRecord> record = CreateToolFromSelection();
  if (!record) return;
  CDlgTool dialog;
  dialog.m_strName = QString::asprintf(kTextNewToolName, g_nDocToolsShown + 1);
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  record->m_strName = dialog.m_strName;
  CRecord* tool = record.get();
  doc.m_tools.push_back(std::move(record));
  UiBridge().AddDocumentTool(DocumentToolCommandId(g_nDocToolsShown), tool->m_strName, tool->m_strComment);
  g_pCurrentTool = tool;
  g_nCurrentToolId = ID_TOOL_USE_FIRST + static_cast<int>(g_globalTools.size()) + g_nDocToolsShown;
  ++g_nDocToolsShown;
  ShowToolScript(dialog.m_bShowScript != 0);
  // The tool is part of the document: closing without saving must ask.
  doc.SetModifiedFlag();
}
