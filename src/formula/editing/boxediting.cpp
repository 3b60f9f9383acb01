// Editing in boxes of lines: the caret between rows, line breaks and joins,
// pasting and cutting across lines; and the caret between matrix cells.
#include <algorithm>
#include <cstdlib>

#include "formula/boxnode.h"
#include "formula/editing/caretediting.h"
#include "formula/editing/editingsupport.h"
#include "formula/rownode.h"

void CBoxNode::ActivateRow(int index) {
  m_nCaret = index;
  m_pActive = ChildAt(index);
  m_bSelected = 0;
}

int RowAtY(const CContainerNode& box, int y) {
  // A point in the gap below a line still belongs to that line.
  const int gap = std::abs(LayoutHeight(box.m_lf) / 3);
  for (int i = 0; i < box.ChildCount(); ++i)
    if (box.ChildAt(i)->m_rcPlaced.bottom + gap > y) return i;
  return box.ChildCount() - 1;
}

namespace {

// Appends the children of row `from` to `to` (the line below joining the
// one above), in `to`'s font; `from` is deleted.
void JoinRows(CNode* to, CNode* from) {
  auto* target = dynamic_cast<CRowNode*>(to);
  auto* source = dynamic_cast<CRowNode*>(from);
  if (!target || !source) {
    delete from;
    return;
  }
  for (CNode* child : source->m_arrChildren) PushFontInto(child, *target);
  target->MergeRow(source);
}

CRowNode* AsRowOf(CNode* part) {
  if (auto* row = dynamic_cast<CRowNode*>(part)) return row;
  auto* row = new CRowNode;
  row->AppendChild(part);
  return row;
}

// The caret at the gap before or after everything in a row.
void RowCaretTo(CNode* row, bool toEnd) {
  if (auto* r = dynamic_cast<CRowNode*>(row)) r->CaretToGap(toEnd ? r->ChildCount() : 0);
}
}  // namespace

bool CBoxNode::SetCaretFromPoint(int x, int y) {
  m_ptDragStart = {x, y};
  m_bSelected = 0;
  if (m_arrChildren.empty()) return false;
  y = std::clamp(y, m_rcPlaced.top, m_rcPlaced.bottom);
  const int row = RowAtY(*this, y);
  ActivateRow(row);
  m_nAnchor = row;
  m_pAnchorChild = m_pActive;
  return m_pActive->SetCaretFromPoint(x, std::min(y, m_pActive->m_rcPlaced.bottom));
}

namespace {
// Enter: the caret's line is split and the rest becomes a new line below it
// in the same font.  Inside a structure the structure's own box breaks.
bool BreakLine(CBoxNode& box) {
  const int index = box.m_nCaret;
  CNode* row = box.m_pActive;
  CNode* tail = row->SplitAtCaret(&box);
  if (!tail) return row->MoveCaret(CARET_ENTER);
  box.InsertChild(index + 1, tail);
  tail->CopyFontOf(*row);
  tail->InheritFont();
  box.ActivateRow(index + 1);
  return true;
}

// What the box does with a key its active row could not use.
bool MoveBetweenRows(CBoxNode& box, int key) {
  const int index = box.m_nCaret;
  const int n = box.ChildCount();
  const bool hasPrevious = index > 0, hasNext = index + 1 < n;
  switch (key) {
    case CARET_DELETE:
      if (!hasNext) return false;
      JoinRows(box.m_pActive, box.DetachChild(index + 1));
      return true;
    case CARET_BACKSPACE: {
      if (!hasPrevious) return false;
      CNode* removed = box.DetachChild(index);
      box.ActivateRow(index - 1);
      RowCaretTo(box.m_pActive, true);
      JoinRows(box.m_pActive, removed);
      return true;
    }
    case CARET_LEFT:
    case CARET_RIGHT:
    case CARET_UP:
    case CARET_DOWN: {
      const bool back = key == CARET_LEFT || key == CARET_UP;
      if (back ? !hasPrevious : !hasNext) return false;
      box.ActivateRow(back ? index - 1 : index + 1);
      if (key == CARET_LEFT || key == CARET_RIGHT) {
        RowCaretTo(box.m_pActive, back);
      } else {
        // Just inside the new line's near edge, at the caret's kept x.
        const RECT& r = box.m_pActive->m_rcPlaced;
        box.m_pActive->SetCaretFromPoint(box.m_nSelLeft, back ? r.bottom - 4 : r.top + 4);
      }
      return true;
    }
    case CARET_ENTER: return BreakLine(box);
    default: return false;
  }
}
}  // namespace

bool CBoxNode::MoveCaret(int key) {
  bool used = false;
  int first, last;
  if (!m_pActive && SelectedLines(&first, &last)) {
    if (key == CARET_DELETE || key == CARET_BACKSPACE || key == CARET_ENTER) {
      delete CutSelection();
      if (key != CARET_ENTER) return true;
      return m_pActive && BreakLine(*this);
    }
    ActivateRow(key == CARET_HOME || key == CARET_LEFT || key == CARET_UP ? first : last);
    used = key >= CARET_LEFT && key <= CARET_DOWN;
  }
  if (!m_pActive) return false;
  if (m_nCaret < 0 || m_nCaret >= ChildCount() || ChildAt(m_nCaret) != m_pActive) m_nCaret = FindChild(m_pActive);
  if (key != CARET_ENTER && (m_pActive->MoveCaret(key) || used)) return true;
  return MoveBetweenRows(*this, key);
}

bool CBoxNode::CollapseSelection(bool toEnd) {
  bool collapsed = false;
  int first, last;
  if (!m_pActive && SelectedLines(&first, &last)) {
    ActivateRow(toEnd ? last : first);
    collapsed = true;
  }
  m_bSelected = 0;
  if (m_pActive && m_pActive->CollapseSelection(toEnd)) collapsed = true;
  return collapsed;
}

bool CBoxNode::InsertStructure(int kind, CNode* content, const int* size) {
  if (!IsInsertKind(kind)) {
    delete content;
    return false;
  }
  int first, last;
  if (!m_pActive && SelectedLines(&first, &last)) {
    // The lines go; what is inserted lands in the first of them.
    if (!FitsBelow(ChildAt(first), InsertedLevels(kind, ContentBoxLevels(content)))) {
      delete content;
      return false;
    }
    delete CutSelection();
  }
  return CNode::InsertStructure(kind, content, size);
}

bool CBoxNode::InsertRow(CNode* node) {
  if (!m_pActive) return false;
  auto* pasted = dynamic_cast<CBoxNode*>(node);
  if (!pasted) return m_pActive->InsertRow(node);
  // Pasted mark-up comes as the reader built it: rows only after this.
  pasted->Normalize();
  if (pasted->ChildCount() == 1) {
    CNode* only = pasted->DetachChild(0);
    if (!m_pActive->InsertRow(only)) {
      pasted->AppendChild(only);
      return false;
    }
    delete pasted;
    return true;
  }
  if (pasted->ChildCount() == 0 || !FitsBelow(this, SubtreeDepth(pasted) - 1)) return false;
  CNode* tail = m_pActive->SplitAtCaret(this);
  if (!tail) return m_pActive->InsertRow(node);
  std::vector<CNode*> rows = std::move(pasted->m_arrChildren);
  pasted->m_arrChildren.clear();
  delete pasted;
  const int index = m_nCaret;
  JoinRows(m_pActive, rows.front());
  for (size_t i = 1; i < rows.size(); ++i) {
    InsertChild(index + static_cast<int>(i), rows[i]);
    PushFontInto(rows[i], *this);
  }
  ActivateRow(index + static_cast<int>(rows.size()) - 1);
  RowCaretTo(m_pActive, true);
  JoinRows(m_pActive, tail);
  return true;
}

CNode* CBoxNode::CutSelection() {
  if (m_pActive) return m_pActive->CutSelection();
  int first, last;
  if (!SelectedLines(&first, &last)) return nullptr;
  auto* cut = new CBoxNode;
  CNode* firstRow = ChildAt(first);
  cut->AppendChild(AsRowOf(firstRow->CutSelection()));
  RowCaretTo(firstRow, true);
  CNode* lastPart = nullptr;
  if (last > first) {
    lastPart = ChildAt(last)->CutSelection();
    JoinRows(firstRow, DetachChild(last));
  }
  for (int i = first + 1; i < last; ++i) cut->AppendChild(ChildAt(i));
  m_arrChildren.erase(m_arrChildren.begin() + first + 1, m_arrChildren.begin() + std::max(last, first + 1));
  if (last > first) cut->AppendChild(AsRowOf(lastPart));
  m_pAnchorChild = nullptr;
  ActivateRow(first);
  cut->ActivateRow(cut->ChildCount() - 1);
  RowCaretTo(cut->m_pActive, true);
  return cut;
}

bool CMatrixNode::MoveCaret(int key) {
  if (!m_pActive) return false;
  if (m_pActive->MoveCaret(key)) return true;
  const int index = std::max(FindChild(m_pActive), 0);
  const int columns = Columns(), column = index % columns;
  int target = -1;
  switch (key) {
    case CARET_LEFT: target = column > 0 ? index - 1 : -1; break;
    case CARET_RIGHT: target = column + 1 < columns ? index + 1 : -1; break;
    case CARET_UP: target = index - columns; break;
    case CARET_DOWN: target = index + columns; break;
    default: return false;
  }
  if (target < 0 || target >= ChildCount()) return false;
  CNode* old = m_pActive;
  m_pActive = ChildAt(target);
  m_nCaret = target;
  const RECT& r = m_pActive->m_rcPlaced;
  if (key == CARET_LEFT)
    m_pActive->CaretToEnd();
  else if (key == CARET_RIGHT)
    m_pActive->CaretToStart();
  else
    m_pActive->SetCaretFromPoint(old->m_nSelLeft, key == CARET_UP ? r.bottom - 4 : r.top + 4);
  return true;
}
