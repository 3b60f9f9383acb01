// The caret in a structure: it lives in one of the two boxes; Up and Down
// move between them where the box itself cannot move any further.
#include "formula/boxnode.h"
#include "formula/editing/caretediting.h"
#include "formula/editing/editingsupport.h"
#include "formula/structurenodes.h"

bool CStandardNode::SetCaretFromPoint(int x, int y) {
  m_ptDragStart = {x, y};
  int index = 0;
  for (CNode* box : {m_pFirst, m_pSecond}) {
    if (box && RectContains(box->m_rcPlaced, x, y)) {
      m_pActive = m_pAnchorChild = box;
      m_nCaret = m_nAnchor = index;
      return box->SetCaretFromPoint(x, y);
    }
    ++index;
  }
  m_pAnchorChild = nullptr;
  return false;
}

int CStandardNode::ExtendSelectionTo(int x, int y) {
  m_bSelected = 0;
  int hit = -1;
  if (m_pFirst && RectContains(m_pFirst->m_rcPlaced, x, y)) hit = 0;
  if (m_pSecond && RectContains(m_pSecond->m_rcPlaced, x, y)) hit = 1;
  if (!m_pAnchorChild) return SELECT_NONE;
  if (hit == m_nAnchor) return m_pAnchorChild->ExtendSelectionTo(x, y);
  m_pAnchorChild->m_bSelected = 0;
  return SELECT_NONE;
}

bool CStandardNode::MoveCaret(int key) {
  if (!m_pActive) return false;
  if (m_pActive->MoveCaret(key)) return true;
  // Into the other box at the caret's x, just inside its near edge.  A
  // script pair or sign standing in a place takes the point only on one of
  // its own boxes; where it misses them the caret enters at its near end.
  const int x = m_pActive->m_nSelLeft;
  if (key == CARET_UP && m_nCaret == 1 && m_pFirst) {
    m_pActive = m_pFirst;
    m_nCaret = 0;
    if (!m_pFirst->SetCaretFromPoint(x, m_pFirst->m_rcPlaced.bottom - 4)) m_pFirst->CaretToEnd();
    return true;
  }
  if (key == CARET_DOWN && m_nCaret == 0 && m_pSecond) {
    m_pActive = m_pSecond;
    m_nCaret = 1;
    if (!m_pSecond->SetCaretFromPoint(x, m_pSecond->m_rcPlaced.top - 4)) m_pSecond->CaretToStart();
    return true;
  }
  return false;
}
