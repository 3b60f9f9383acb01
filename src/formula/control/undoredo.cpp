#include "formula/control/undoredo.h"

void CUndoRedo::Push(record state) {
  // Dropping the redo tail before trimming keeps the current record: trimming
  // first would delete it when it is the oldest and take the whole history.
  m_records.erase(m_records.begin() + (m_nCurrent + 1), m_records.end());
  while (Count() >= kMaxRecords) m_records.pop_front();
  m_records.push_back(std::move(state));
  m_nCurrent = Count() - 1;
}

const CUndoRedo::record* CUndoRedo::Undo() {
  if (!CanUndo()) return nullptr;
  return &m_records[static_cast<size_t>(--m_nCurrent)];
}

const CUndoRedo::record* CUndoRedo::Redo() {
  if (!CanRedo()) return nullptr;
  return &m_records[static_cast<size_t>(++m_nCurrent)];
}

void CUndoRedo::Clear() {
  m_records.clear();
  m_nCurrent = -1;
}
