// The caret in a row: placing it by point, the keys, collapsing a
// selection.  A run or structure holding the caret gets each key first; the
// row moves past it, into the neighbour or out of the row when it refuses.
#include <algorithm>

#include "formula/editing/caretediting.h"
#include "formula/editing/editingsupport.h"
#include "formula/rownode.h"

void CRowNode::CaretToGap(int gap) {
  m_nCaret = std::clamp(gap, 0, ChildCount());
  m_pActive = nullptr;
  m_bSelected = 0;
}

void CRowNode::ActivateChild(int index) {
  m_nCaret = index;
  m_pActive = ChildAt(index);
  m_bSelected = 0;
}

int CRowNode::ActiveIndex() const {
  if (m_nCaret >= 0 && m_nCaret < ChildCount() && ChildAt(m_nCaret) == m_pActive) return m_nCaret;
  return std::max(FindChild(m_pActive), 0);
}

bool CRowNode::SetCaretFromPoint(int x, int y) {
  x = std::clamp(x, m_rcPlaced.left, m_rcPlaced.right);
  m_ptDragStart = {x, y};
  m_pAnchorChild = nullptr;
  const int n = ChildCount();
  int i = 0;
  while (i < n && ChildAt(i)->m_rcPlaced.right < x) ++i;
  if (i < n && ChildAt(i)->SetCaretFromPoint(x, y)) {
    ActivateChild(i);
    m_pAnchorChild = m_pActive;
  } else {
    CaretToGap(i < n && x >= CentreX(ChildAt(i)) ? i + 1 : i);
  }
  m_nAnchor = m_nCaret;
  return true;
}

namespace {
// Makes the one child at `index` the row's selection.
void SelectItem(CRowNode& row, int index) {
  row.CaretToGap(index);
  row.m_bSelected = 1;
  row.m_nSelStart = index;
  row.m_nSelEnd = index + 1;
}

// Removes the run at `index` once it is empty, the caret staying in its place.
void DropIfEmptyRun(CRowNode& row, int index) {
  const CTextNode* run = AsRun(row.ChildAt(index));
  if (!run || !run->m_strText.isEmpty()) return;
  RemoveChild(&row, index);
  row.CaretToGap(index);
}

// The range collapses to its start or end; a run there takes the key so that
// the caret lands at its own selection's edge.  A structure is not entered.
bool CollapseRangeWithKey(CRowNode& row, int start, int end, int key, bool toEnd) {
  const int edge = toEnd ? end - 1 : start;
  row.CaretToGap(toEnd ? end : start);
  if (CTextNode* run = AsRun(row.ChildAt(edge))) {
    row.ActivateChild(edge);
    run->MoveCaret(key);
  }
  return true;
}

bool Home(CRowNode& row) {
  if (row.ChildCount() == 0) return false;
  int start, end;
  if (row.OwnsRange(&start, &end)) row.CaretToGap(start);
  CNode* active = row.m_pActive;
  if (active && !IsRun(active) && active->MoveCaret(CARET_HOME)) return true;
  if ((active ? row.ActiveIndex() : row.m_nCaret) != 0) {
    row.CaretToStart();
    return true;
  }
  if (!active) return false;
  if (IsRun(active)) return active->MoveCaret(CARET_HOME);
  row.CaretToGap(0);
  return true;
}

bool End(CRowNode& row) {
  const int n = row.ChildCount();
  if (n == 0) return false;
  int start, end;
  CNode* active = row.m_pActive;
  if (row.OwnsRange(&start, &end) || (!active && row.m_nCaret != n)) {
    row.CaretToGap(n);
    return true;
  }
  if (!active) return false;
  if (!IsRun(active)) {
    if (!active->MoveCaret(CARET_END)) row.CaretToGap(n);
    return true;
  }
  if (row.ActiveIndex() == n - 1) return active->MoveCaret(CARET_END);
  row.CaretToEnd();
  return true;
}

// Delete (forward) and Backspace: a structure next to the caret is selected
// first and removed by the next press; a run loses one character.
bool Erase(CRowNode& row, bool forward) {
  const int key = forward ? CARET_DELETE : CARET_BACKSPACE;
  int start, end;
  if (row.OwnsRange(&start, &end)) {
    delete row.CutSelection();
    return true;
  }
  if (CNode* active = row.m_pActive) {
    const int index = row.ActiveIndex();
    if (active->MoveCaret(key)) {
      DropIfEmptyRun(row, index);
      return true;
    }
    if (!IsRun(active)) {
      SelectItem(row, index);
      return true;
    }
    row.CaretToGap(forward ? index + 1 : index);
  }
  const int next = forward ? row.m_nCaret : row.m_nCaret - 1;
  if (next < 0 || next >= row.ChildCount()) return false;
  CTextNode* run = AsRun(row.ChildAt(next));
  if (!run) {
    SelectItem(row, next);
    return true;
  }
  row.ActivateChild(next);
  if (forward)
    run->CaretToStart();
  else
    run->CaretToEnd();
  run->MoveCaret(key);
  DropIfEmptyRun(row, next);
  return true;
}

// Left and Right: out of the child holding the caret, then into the
// neighbour (a structure is entered, a run steps one character).
bool Step(CRowNode& row, bool forward) {
  const int key = forward ? CARET_RIGHT : CARET_LEFT;
  const int n = row.ChildCount();
  if (n == 0) {
    const bool selected = row.m_bSelected;
    row.m_bSelected = 0;
    return selected;
  }
  int start, end;
  if (CNode* active = row.m_pActive) {
    const int index = row.ActiveIndex();
    if (active->MoveCaret(key)) return true;
    row.CaretToGap(forward ? index + 1 : index);
    if (!IsRun(active)) return true;
  } else if (row.OwnsRange(&start, &end)) {
    return CollapseRangeWithKey(row, start, end, key, forward);
  }
  const int next = forward ? row.m_nCaret : row.m_nCaret - 1;
  if (next < 0 || next >= n) return false;
  row.ActivateChild(next);
  CNode* child = row.m_pActive;
  if (forward)
    child->CaretToStart();
  else
    child->CaretToEnd();
  if (IsRun(child)) child->MoveCaret(key);
  return true;
}
}  // namespace

bool CRowNode::MoveCaret(int key) {
  int start, end;
  switch (key) {
    case CARET_HOME: return Home(*this);
    case CARET_END: return End(*this);
    case CARET_DELETE: return Erase(*this, true);
    case CARET_BACKSPACE: return Erase(*this, false);
    case CARET_LEFT: return Step(*this, false);
    case CARET_RIGHT: return Step(*this, true);
    case CARET_UP:
    case CARET_DOWN:
      if (OwnsRange(&start, &end)) return CollapseRangeWithKey(*this, start, end, key, key == CARET_DOWN);
      // An empty row selected as part of a line selection: that selection goes.
      if (ChildCount() == 0 && m_bSelected) return CollapseSelection(key == CARET_DOWN);
      return m_pActive && m_pActive->MoveCaret(key);
    default: return m_pActive && m_pActive->MoveCaret(key);
  }
}

bool CRowNode::CollapseSelection(bool toEnd) {
  if (ChildCount() == 0) {
    const bool selected = m_bSelected;
    CaretToGap(0);
    return selected;
  }
  if (m_pActive) return m_pActive->CollapseSelection(toEnd);
  if (!m_bSelected) return false;
  int start, end;
  const bool range = SelectedRange(&start, &end);
  CaretToGap(!range ? m_nCaret : toEnd ? end : start);
  return true;
}

CNode* CRowNode::QuerySelection() {
  if (m_pActive) return IsRun(m_pActive) ? nullptr : m_pActive->QuerySelection();
  int start, end;
  if (OwnsRange(&start, &end) && end == start + 1 && !IsRun(ChildAt(start))) return ChildAt(start);
  return nullptr;
}
