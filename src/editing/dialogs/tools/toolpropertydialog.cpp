#include "editing/dialogs/tools/toolpropertydialog.h"

#include <iterator>
#include <memory>

#include "editing/dialogs/tools/toolpropertytexts.h"
#include "model/cgcell.h"
#include "model/document/kavreldoc.h"
#include "model/document/usertool.h"
#include "model/globals.h"
#include "platform/notifier.h"

namespace {
// The cell of the record with that record id (its index in the list).
const CGCell* RecordCell(const CRecord& record, WORD id) {
  return id < record.m_cells.size() ? record.m_cells[id].get() : nullptr;
}

// A current document tool takes the menu id of its place in the list (none
// past the last id).
void FollowCurrentTool(const CKavrelDoc& doc) {
  for (size_t j = 0; j < doc.m_tools.size(); ++j) {
    if (doc.m_tools[j].get() != g_pCurrentTool) continue;
    g_nCurrentToolId = static_cast<int>(DocumentToolCommandId(static_cast<int>(j)));
    if (g_nCurrentToolId == 0) g_pCurrentTool = nullptr;
  }
}
}  // namespace

void CDlgPropertyTool::Clear(const char* comment) {
  m_pRecord = nullptr;
  m_nTool = -1;
  m_nInput = -1;
  m_tools.clear();
  m_inputs.clear();
  m_strComment = QString::fromUtf8(comment);
  m_strName.clear();
  m_strInputComment.clear();
  m_bDefaultColors = 1;
}

void CDlgPropertyTool::Initialise() {
  Clear(kTextNoDocumentTools);
  if (!m_pDoc || m_pDoc->m_tools.empty()) return;
  m_strComment.clear();
  for (const auto& tool : m_pDoc->m_tools) m_tools << tool->m_strName;
  SelectTool(0);
}

void CDlgPropertyTool::SelectTool(int row) {
  if (!m_pDoc || row < 0 || row >= static_cast<int>(m_pDoc->m_tools.size())) return;
  m_nTool = row;
  m_pRecord = m_pDoc->m_tools[static_cast<size_t>(row)].get();
  m_inputs.clear();
  int number = 0;
  for (const auto& input : m_pRecord->m_conditions) {
    const CGCell* cell = RecordCell(*m_pRecord, input->m_nId);
    m_inputs << QString::asprintf(kTextInputLine, ++number, cell ? cell->m_strName.toUtf8().constData() : "");
  }
  m_strComment = m_pRecord->m_strComment;
  m_strName = m_pRecord->m_strName;
  m_bDefaultColors = m_pRecord->m_bDefaultColors ? 1 : 0;
  m_nInput = -1;
  m_strInputComment.clear();
  SelectInput(0);
}

void CDlgPropertyTool::SelectInput(int row) {
  if (!m_pRecord || row < 0 || row >= static_cast<int>(m_pRecord->m_conditions.size())) return;
  m_nInput = row;
  m_strInputComment = m_pRecord->m_conditions[static_cast<size_t>(row)]->m_strComment;
}

void CDlgPropertyTool::SetName(const QString& name) {
  if (!m_pRecord) return;
  m_strName = name;
  m_pRecord->m_strName = name;
  m_tools[m_nTool] = name;
  m_pDoc->ListToolsInMenu();
}

void CDlgPropertyTool::SetComment(const QString& comment) {
  if (!m_pRecord) return;
  m_strComment = comment;
  m_pRecord->m_strComment = comment;
  m_pDoc->ListToolsInMenu();
}

void CDlgPropertyTool::SetInputComment(const QString& comment) {
  if (!m_pRecord || m_nInput < 0) return;
  m_strInputComment = comment;
  m_pRecord->m_conditions[static_cast<size_t>(m_nInput)]->m_strComment = comment;
}

void CDlgPropertyTool::SetDefaultColors(bool on) {
  m_bDefaultColors = on ? 1 : 0;
  if (m_pRecord) m_pRecord->m_bDefaultColors = m_bDefaultColors;
}

bool CDlgPropertyTool::CopyCurrentTool() {
  if (!m_pDoc) return false;
  if (!g_pCurrentTool) {
    KvMessageBox(QString::fromUtf8(kTextNoCurrentTool), QString::fromUtf8(kCaptionCopyTool),
                 MB_OK | MB_ICONINFORMATION);
    return false;
  }
  std::unique_ptr<CRecord> copy = CopyRecord(*g_pCurrentTool);
  const int row = m_pRecord ? m_nTool + 1 : 0;
  m_tools.insert(row, copy->m_strName);
  m_pDoc->m_tools.insert(std::next(m_pDoc->m_tools.begin(), row), std::move(copy));
  SelectTool(row);
  m_bCopied = true;
  // The menu lists the tools again; the tool the user chose stays current,
  // under the id of its place in the new list, so that it can be copied again.
  m_pDoc->ListToolsInMenu();
  FollowCurrentTool(*m_pDoc);
  return true;
}

bool CDlgPropertyTool::DeleteTool() {
  if (!m_pDoc || !m_pRecord) return false;
  if (KvMessageBox(QString::fromUtf8(kTextDeleteQuestion), QString::fromUtf8(kTextDeleteTool),
                   MB_OKCANCEL | MB_ICONWARNING) != IDOK)
    return false;
  const int row = m_nTool;
  // The menu forgets the tool before it goes: a current document tool
  // stops being current there.
  auto& tools = m_pDoc->m_tools;
  std::unique_ptr<CRecord> gone = std::move(tools[static_cast<size_t>(row)]);
  tools.erase(std::next(tools.begin(), row));
  m_pDoc->RefreshToolMenu();
  if (g_pCurrentTool == gone.get()) g_pCurrentTool = nullptr, g_nCurrentToolId = 0;
  gone.reset();
  m_tools.removeAt(row);
  if (tools.empty()) {
    Clear(kTextNoToolsLeft);
    return true;
  }
  SelectTool(row < static_cast<int>(tools.size()) ? row : 0);
  return true;
}
