// Editing in a row: typing, inserting structures, pasting a row, cutting a
// range and splitting the line at the caret.
#include <algorithm>

#include "formula/editing/caretediting.h"
#include "formula/editing/editingsupport.h"
#include "formula/rownode.h"

namespace {
// Splits the run holding the caret there: the part after the caret follows
// it, an emptied run is removed, and the caret goes to the gap between.
void SplitRunAtCaret(CRowNode& row) {
  const int index = row.ActiveIndex();
  auto* run = static_cast<CTextNode*>(row.m_pActive);
  CNode* tail = run->SplitAtCaret(&row);
  int gap = index + 1;
  if (run->m_strText.isEmpty()) {
    RemoveChild(&row, index);
    gap = index;
  }
  if (tail->m_strText.isEmpty())
    delete tail;
  else
    row.InsertChild(gap, tail);
  row.CaretToGap(gap);
}

// Moves every child of `from` into `row` at `gap`, in order, with the
// row's font pushed into them; `from` is left empty.
int MoveChildrenInto(CRowNode& row, int gap, CContainerNode& from) {
  for (CNode* child : from.m_arrChildren) {
    child->m_pParent = &row;
    PushFontInto(child, row);
  }
  row.m_arrChildren.insert(row.m_arrChildren.begin() + gap, from.m_arrChildren.begin(), from.m_arrChildren.end());
  const int moved = from.ChildCount();
  from.m_arrChildren.clear();
  return gap + moved;
}
}  // namespace

void CRowNode::InsertText(const QString& text) {
  if (m_pActive) {
    m_pActive->InsertText(text);
    return;
  }
  const int n = ChildCount();
  const int gap = std::clamp(m_nCaret, 0, n);
  CTextNode* before = gap > 0 ? AsRun(ChildAt(gap - 1)) : nullptr;
  CTextNode* after = gap < n ? AsRun(ChildAt(gap)) : nullptr;
  if (before) {
    ActivateChild(gap - 1);
    before->CaretToEnd();
  } else if (after) {
    ActivateChild(gap);
    after->CaretToStart();
  } else {
    // A new run goes one level below the row: a row the reader read at the
    // deepest level it takes has no room for one.
    if (!FitsBelow(this, 1)) return;
    auto* run = new CTextNode;
    if (n == 0)
      PushFontInto(run, *this);
    else
      run->CopyFontOf(*ChildAt(gap > 0 ? gap - 1 : gap));
    InsertChild(gap, run);
    ActivateChild(gap);
  }
  m_pActive->InsertText(text);
}

bool CRowNode::InsertStructure(int kind, CNode* content, const int* size) {
  if (!IsInsertKind(kind)) {
    delete content;
    return false;
  }
  int start, end;
  if (!content && OwnsRange(&start, &end)) {
    int deepest = 1;
    for (int i = start; i < end; ++i) deepest = std::max(deepest, SubtreeDepth(ChildAt(i)));
    // The range becomes a row of its own inside the new node's box.
    if (!FitsBelow(this, InsertedLevels(kind, 2 + deepest))) return false;
    content = CutSelection();
  } else if (m_pActive && !IsRun(m_pActive)) {
    return m_pActive->InsertStructure(kind, content, size);
  } else {
    if (!FitsBelow(this, InsertedLevels(kind, ContentBoxLevels(content)))) {
      delete content;
      return false;
    }
    if (auto* run = AsRun(m_pActive)) {
      if (!content) content = run->CutSelection();
      SplitRunAtCaret(*this);
    }
  }
  CNode* node = NewInsertedNode(kind, content, size);
  const int gap = std::clamp(m_nCaret, 0, ChildCount());
  InsertChild(gap, node);
  if (gap > 0) {
    node->CopyFontOf(*ChildAt(gap - 1));
    node->InheritFont();
  } else {
    PushFontInto(node, *this);
  }
  ActivateChild(gap);
  return true;
}

bool CRowNode::InsertRow(CNode* node) {
  if (m_pActive && !IsRun(m_pActive)) return m_pActive->InsertRow(node);
  auto* row = dynamic_cast<CRowNode*>(node);
  if ((!m_pActive && m_bSelected) || !row) return false;
  // Pasted mark-up comes as the reader built it; in the shape reading it
  // back gives, the formula writes what it holds.
  row->Normalize();
  if (!FitsBelow(this, SubtreeDepth(row) - 1)) return false;
  if (m_pActive) SplitRunAtCaret(*this);
  CaretToGap(MoveChildrenInto(*this, std::clamp(m_nCaret, 0, ChildCount()), *row));
  delete row;
  return true;
}

CNode* CRowNode::CutSelection() {
  if (ChildCount() == 0) {
    ResetCaret();
    return nullptr;
  }
  if (m_pActive && !IsRun(m_pActive)) return m_pActive->CutSelection();
  if (m_pActive) {
    const int index = ActiveIndex();
    CNode* cut = m_pActive->CutSelection();
    if (cut && m_pActive->m_strText.isEmpty()) {
      RemoveChild(this, index);
      CaretToGap(index);
    }
    return cut;
  }
  int start, end;
  if (!OwnsRange(&start, &end)) return nullptr;
  // A run at an end gives its selected characters and stays unless emptied;
  // everything else in the range moves whole.
  auto takeEnd = [this](int index, bool* kept) -> CNode* {
    CTextNode* run = AsRun(ChildAt(index));
    if (!run) return DetachChild(index);
    CNode* part = run->CutSelection();
    *kept = !run->m_strText.isEmpty();
    if (!*kept) RemoveChild(this, index);
    return part;
  };
  bool firstKept = false, lastKept = false;
  CNode* lastPart = end - 1 > start ? takeEnd(end - 1, &lastKept) : nullptr;
  std::vector<CNode*> middle(m_arrChildren.begin() + start + 1, m_arrChildren.begin() + std::max(end - 1, start + 1));
  m_arrChildren.erase(m_arrChildren.begin() + start + 1,
                      m_arrChildren.begin() + start + 1 + static_cast<int>(middle.size()));
  CNode* firstPart = takeEnd(start, &firstKept);
  auto* cut = new CRowNode;
  cut->AppendChild(firstPart);
  for (CNode* child : middle) cut->AppendChild(child);
  cut->AppendChild(lastPart);
  m_pAnchorChild = nullptr;
  CaretToGap(firstKept ? start + 1 : start);
  cut->CaretToGap(cut->ChildCount());
  return cut;
}

CNode* CRowNode::SplitAtCaret(CNode* parent) {
  int start, end;
  if (OwnsRange(&start, &end)) delete CutSelection();
  if (m_pActive && !IsRun(m_pActive)) return nullptr;
  auto* split = new CRowNode;
  split->m_pParent = parent;
  if (ChildCount() == 0) return split;
  if (auto* run = AsRun(m_pActive)) {
    delete run->CutSelection();
    SplitRunAtCaret(*this);
  }
  const int gap = std::clamp(m_nCaret, 0, ChildCount());
  for (int i = gap; i < ChildCount(); ++i) split->AppendChild(ChildAt(i));
  m_arrChildren.resize(static_cast<size_t>(gap));
  m_pAnchorChild = nullptr;
  CaretToGap(gap);
  split->CaretToGap(0);
  return split;
}
