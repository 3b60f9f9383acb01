// The formula editor's own undo history: up to 50 snapshots of the whole
// formula (its mark-up and caret path), separate from the page's undo.
// The record at the current position is the state on screen; undo and redo
// move the position and hand back the record to restore.
#pragma once
#include <QString>
#include <deque>
#include <vector>

class CUndoRedo {
 public:
  struct record {
    QString vod;             // the whole formula's mark-up
    std::vector<int> path;   // the caret, as the root saves it
  };

  static constexpr int kMaxRecords = 50;

  // Makes `state` the current record: the redo records after the current
  // position go first, then the oldest record when the history is full, so
  // an edit made with the oldest record current keeps it.
  void Push(record state);
  bool CanUndo() const { return m_nCurrent > 0; }
  bool CanRedo() const { return m_nCurrent >= 0 && m_nCurrent + 1 < Count(); }
  // The record to restore, or null when the move is not possible.
  const record* Undo();
  const record* Redo();
  const record* Current() const { return m_nCurrent >= 0 ? &m_records[static_cast<size_t>(m_nCurrent)] : nullptr; }

  int Count() const { return static_cast<int>(m_records.size()); }
  // Index of the current record, -1 when there is none.
  int Position() const { return m_nCurrent; }
  void Clear();

 private:
  std::deque<record> m_records;  // oldest first
  int m_nCurrent = -1;
};
