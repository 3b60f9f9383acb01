#include "editing/tools/toolcommands.h"

#include <QString>
#include <memory>

#include "cells/texts/cgtextmap.h"
#include "editing/dialogs/tools/toolpropertydialog.h"
#include "editing/dialogs/tools/toolscriptview.h"
#include "editing/tools/toolreplay.h"
#include "editing/tools/toolusetexts.h"
#include "model/cgpage.h"
#include "model/document/commandranges.h"
#include "model/document/commandtable.h"
#include "model/document/doctexts.h"
#include "model/document/kavreldoc.h"
#include "model/document/toolfolder.h"
#include "model/document/usertool.h"
#include "model/globals.h"
#include "model/undo/cmdcells.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/dialogprovider.h"
#include "platform/notifier.h"
#include "platform/uibridge.h"

namespace {
// The basic drawing tools' ids, which a user tool never takes.
constexpr unsigned kBasicToolsFirst = 34000, kBasicToolsLast = 34010;

// The tool a menu id names: a folder tool, else a document tool.
CRecord* ToolOfId(const CKavrelDoc& doc, unsigned id) {
  const size_t folderTools = g_globalTools.size();
  const size_t index = id - ID_TOOL_USE_FIRST;
  if (index < folderTools) return g_globalTools[index];
  const size_t own = index - folderTools;
  return own < doc.m_tools.size() ? doc.m_tools[own].get() : nullptr;
}

void OnUpdateToolUse(CKavrelDoc&, unsigned id, CCmdUI& ui) {
  ui.SetCheck(g_nCurrentToolId == static_cast<int>(id) ? 1 : 0);
}

void OnToolAutodo(CKavrelDoc& doc) {
  const QString name = g_pCurrentTool ? g_pCurrentTool->m_strName : QString();
  CGPage* page = g_pCurPage;
  if (!page) return;
  const WORD first = page->m_nNextId;
  const CHandouts handouts(*page);
  if (ApplyToolToSelection() == 0) return;
  SubmitCreated(*page, first, handouts, name);
  doc.SetModifiedFlag();
  UiBridge().UpdateAllViews();
}

void OnUpdateToolAutodo(CKavrelDoc&, CCmdUI& ui) {
  const CRecord* tool = g_pCurrentTool;
  const CGPage* page = g_pCurPage;
  if (!tool || !page) {
    ui.Enable(false);
    return;
  }
  const ToolInputKinds inputs = CountToolInputs(*tool);
  const auto values = static_cast<long long>(page->m_selValues.size());
  ui.Enable(g_nToolMode == 1 && static_cast<long long>(page->m_selPoints.size()) >= inputs.points &&
            values == CountSelectedVariables() && values >= inputs.values);
}

void OnToolScript(CKavrelDoc&) {
  if (!g_pCurrentTool) {
    KvMessageBox(QString::fromUtf8(kTextNoToolForScript), QString::fromUtf8(kTextScriptCaption),
                 MB_OK | MB_ICONINFORMATION);
    return;
  }
  ShowToolScript(true);
}

// The tools are edited in place while the dialog is open: whatever the
// answer, the document has changed.
void OnToolOption(CKavrelDoc& doc) {
  CDlgPropertyTool dialog;
  dialog.m_pDoc = &doc;
  dialog.Initialise();
  DialogProvider().DoModal(dialog);
  doc.SetModifiedFlag();
  ShowToolScript(false);  // the current tool may be renamed, or gone
}

void OnUpdateToolOption(CKavrelDoc& doc, CCmdUI& ui) {
  ui.Enable(g_nToolMode == 1 && (g_pCurrentTool || !doc.m_tools.empty()));
}

const CDocCommandRanges ranges({
    {ID_TOOL_USE_FIRST, ID_TOOL_USE_LAST, OnToolUse, OnUpdateToolUse},
    {kBasicToolsFirst, kBasicToolsLast, OnToolUse},
});
const CDocCommandRows rows({
    {ID_TOOL_AUTODO, OnToolAutodo, OnUpdateToolAutodo},
    {ID_TOOL_SCRIPT, OnToolScript},
    {ID_TOOL_OPTION, OnToolOption, OnUpdateToolOption},
});
}  // namespace

void CommitToolInstance(CKavrelDoc& doc, CGPage& page, int cells) {
  const QString name = g_pCurrentTool ? g_pCurrentTool->m_strName : QString();
  page.m_undo.Submit(std::make_unique<CCmdAddCells>(cells, QString::fromUtf8(kCmdNameUseTool) + name));
  doc.SetModifiedFlag();
}

void OnToolUse(CKavrelDoc& doc, unsigned id) {
  if (id >= kBasicToolsFirst && id < kBasicToolsLast) return;
  CGPage* page = g_pCurPage;
  if (g_pCurrentTool && page && EndPendingTool(*page)) doc.SetModifiedFlag();
  CRecord* tool = id >= ID_TOOL_USE_FIRST && id <= ID_TOOL_USE_LAST ? ToolOfId(doc, id) : nullptr;
  if (!tool) return;
  g_pCurrentTool = tool;
  g_nCurrentToolId = static_cast<int>(id);
  ShowToolScript(false);
  g_nToolMode = 6;
  if (page) page->m_nToolPendingId = -1;
  UiBridge().UpdateAllViews();
}
