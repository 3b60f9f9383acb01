// Caret editing shared by every node: forwarding along the caret path, and
// the plain container's caret by point and dragging (used by matrices).
#include "formula/editing/caretediting.h"
#include "formula/editing/editingsupport.h"

CNode* CNode::QuerySelection() { return m_pActive ? m_pActive->QuerySelection() : nullptr; }

void CNode::GetSelectionRegion(SelectionGeometry& geometry) {
  if (m_pActive) m_pActive->GetSelectionRegion(geometry);
}

bool CNode::CollapseSelection(bool toEnd) { return m_pActive ? m_pActive->CollapseSelection(toEnd) : true; }

void CNode::InsertText(const QString& text) {
  if (m_pActive) m_pActive->InsertText(text);
}

bool CNode::InsertStructure(int kind, CNode* content, const int* size) {
  if (m_pActive) return m_pActive->InsertStructure(kind, content, size);
  delete content;
  return false;
}

bool CNode::InsertRow(CNode* node) { return m_pActive && m_pActive->InsertRow(node); }

bool CNode::MoveCaret(int key) { return m_pActive && m_pActive->MoveCaret(key); }

CNode* CNode::CutSelection() { return m_pActive ? m_pActive->CutSelection() : nullptr; }

CNode* CNode::SplitAtCaret(CNode*) { return nullptr; }

namespace {
int ChildAtPoint(const CContainerNode& container, int x, int y) {
  for (int i = 0; i < container.ChildCount(); ++i)
    if (RectContains(container.ChildAt(i)->m_rcPlaced, x, y)) return i;
  return -1;
}
}  // namespace

bool CContainerNode::SetCaretFromPoint(int x, int y) {
  m_ptDragStart = {x, y};
  const int hit = ChildAtPoint(*this, x, y);
  if (hit < 0) {
    m_pAnchorChild = nullptr;
    return false;
  }
  m_nCaret = m_nAnchor = hit;
  m_pAnchorChild = m_pActive = ChildAt(hit);
  return m_pActive->SetCaretFromPoint(x, y);
}

int CContainerNode::ExtendSelectionTo(int x, int y) {
  m_bSelected = 0;
  const int hit = ChildAtPoint(*this, x, y);
  if (!m_pAnchorChild) return SELECT_NONE;
  if (hit < 0 || ChildAt(hit) != m_pAnchorChild) {
    m_pAnchorChild->m_bSelected = 0;
    return SELECT_NONE;
  }
  return m_pAnchorChild->ExtendSelectionTo(x, y);
}
