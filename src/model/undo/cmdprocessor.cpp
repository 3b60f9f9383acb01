#include "model/undo/cmdprocessor.h"

#include "model/undo/cmdtexts.h"
#include "platform/editscope.h"

namespace {
// A menu text with the command's name in place of "%s"; a command without a
// name gets the plain text, without the blank before the name.
QString MenuText(const char* named, const char* plain, const QString& name) {
  if (name.isEmpty()) return QString::fromUtf8(plain);
  return QString::fromUtf8(named).replace(QLatin1String("%s"), name);
}
}  // namespace

CCmdProcessor::~CCmdProcessor() { DeleteAll(); }

BOOL CCmdProcessor::Submit(std::unique_ptr<CCmd> command) {
  if (!command) return TRUE;
  const CEditScope edit;
  if (GetCount() >= m_nLimit && !m_commands.empty()) {
    m_commands.pop_front();
    if (m_nCurrent >= 0) --m_nCurrent;  // the oldest as current leaves none done
  }
  if (m_nCurrent < 0) {
    DeleteAll();
  } else {
    m_commands.erase(m_commands.begin() + m_nCurrent + 1, m_commands.end());
  }
  m_commands.push_back(std::move(command));
  m_nCurrent = GetCount() - 1;
  UpdateMenu();
  return TRUE;
}

BOOL CCmdProcessor::Undo() {
  if (m_nCurrent < 0) return FALSE;
  const CEditScope edit;
  CCmd& command = *m_commands[m_nCurrent];
  if (!command.CanUndo() || !command.Undo()) return FALSE;
  --m_nCurrent;
  UpdateMenu();
  return TRUE;
}

BOOL CCmdProcessor::Redo() {
  const int next = m_nCurrent + 1;
  if (next >= GetCount()) return FALSE;
  const CEditScope edit;
  if (!m_commands[next]->Redo()) return FALSE;
  m_nCurrent = next;
  UpdateMenu();
  return TRUE;
}

BOOL CCmdProcessor::CanUndo() { return m_nCurrent >= 0 && m_commands[m_nCurrent]->CanUndo(); }

BOOL CCmdProcessor::CanRedo() { return m_nCurrent + 1 < GetCount(); }

void CCmdProcessor::Clear() {
  DeleteAll();
  UpdateMenu();
}

void CCmdProcessor::SetMenuOwner(IMenuOwner* owner, UINT undoId, UINT redoId) {
  m_pMenuOwner = owner;
  m_nUndoId = undoId;
  m_nRedoId = redoId;
}

void CCmdProcessor::UpdateMenu() {
  if (!m_pMenuOwner) return;
  if (m_nCurrent < 0) {
    SetMenuItem(m_nUndoId, QString::fromUtf8(kTextUndoEmpty), FALSE);
  } else {
    CCmd& current = *m_commands[m_nCurrent];
    if (current.CanUndo()) {
      SetMenuItem(m_nUndoId, MenuText(kTextUndoNamed, kTextUndoEmpty, current.GetName()), TRUE);
    } else {
      SetMenuItem(m_nUndoId, MenuText(kTextCannotUndoNamed, kTextCannotUndo, current.GetName()), FALSE);
    }
  }
  const int next = m_nCurrent + 1;
  if (next >= GetCount()) {
    SetMenuItem(m_nRedoId, QString::fromUtf8(kTextRedoEmpty), FALSE);
  } else {
    SetMenuItem(m_nRedoId, MenuText(kTextRedoNamed, kTextRedoEmpty, m_commands[next]->GetName()), TRUE);
  }
}

void CCmdProcessor::SetMenuItem(UINT id, const QString& text, BOOL enable) {
  if (m_pMenuOwner) m_pMenuOwner->SetMenuItemText(id, text, enable != 0);
}

void CCmdProcessor::DeleteAll() {
  // Oldest first, each with the cells it holds.
  while (!m_commands.empty()) m_commands.pop_front();
  m_nCurrent = -1;
}
