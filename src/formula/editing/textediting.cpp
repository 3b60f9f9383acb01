// Caret editing of text runs: the caret between characters, character
// selections by dragging, typing, deleting and splitting.
#include <algorithm>

#include "formula/editing/caretediting.h"
#include "formula/editing/editingsupport.h"

int CTextNode::HitIndex(int x) const {
  int left = m_rcPlaced.left;
  for (int i = 0; i < Length(); ++i) {
    if (left + WidthAt(i) / 2 > x) return i;
    left += WidthAt(i);
  }
  return Length();
}

QPoint CTextNode::GetCaretPoint() {
  int x = m_rcPlaced.left;
  const int caret = std::clamp(m_nCaret, 0, Length());
  for (int i = 0; i < caret; ++i) x += WidthAt(i);
  m_ptCaret = {x, m_rcPlaced.top};
  return m_ptCaret;
}

bool CTextNode::SetCaretFromPoint(int x, int y) {
  m_ptDragStart = {x, y};
  m_nCaret = m_nAnchor = HitIndex(x);
  m_bSelected = 0;
  GetCaretPoint();
  return true;
}

int CTextNode::SelectBetween(int start, int end) {
  m_nSelStart = start;
  m_nSelEnd = end;
  m_bSelected = start != end;
  if (!m_bSelected) return SELECT_CARET;
  return start == 0 && end == Length() ? SELECT_WHOLE : SELECT_PART;
}

int CTextNode::ExtendSelectionTo(int x, int) {
  m_nCaret = HitIndex(x);
  const int anchor = std::clamp(m_nAnchor, 0, Length());
  return SelectBetween(std::min(anchor, m_nCaret), std::max(anchor, m_nCaret));
}

int CTextNode::SelectFromStartToIndex(int to) {
  m_nSelStart = 0;
  m_nSelEnd = to;
  m_nCaret = 0;
  // An empty run counts as wholly selected: the placeholder is covered.
  m_bSelected = to != 0 || m_strText.isEmpty();
  if (!m_bSelected) return SELECT_CARET;
  return to == Length() ? SELECT_WHOLE : SELECT_PART;
}

int CTextNode::SelectToEndFromIndex(int from) {
  m_nSelStart = from;
  m_nSelEnd = m_nCaret = Length();
  m_bSelected = from != Length() || m_strText.isEmpty();
  if (!m_bSelected) return SELECT_CARET;
  return from > 0 ? SELECT_PART : SELECT_WHOLE;
}

int CTextNode::SelectFromStartTo(int x) { return SelectFromStartToIndex(HitIndex(x)); }

int CTextNode::ExtendSelectionToStart() { return SelectFromStartToIndex(std::clamp(m_nAnchor, 0, Length())); }

int CTextNode::SelectToEndFrom(int x) { return SelectToEndFromIndex(HitIndex(x)); }

int CTextNode::ExtendSelectionToEnd() { return SelectToEndFromIndex(std::clamp(m_nAnchor, 0, Length())); }

bool CTextNode::CollapseSelection(bool toEnd) {
  if (!m_bSelected) return false;
  m_bSelected = 0;
  m_nCaret = std::clamp(toEnd ? m_nSelEnd : m_nSelStart, 0, Length());
  return true;
}

void CTextNode::GetSelectionRegion(SelectionGeometry& geometry) {
  if (m_bSelected) {
    geometry.kind = GEOMETRY_SELECTION;
    UpdateSelectionSpan();
    const RECT& line = m_pParent ? m_pParent->m_rcPlaced : m_rcPlaced;
    geometry.region += QRect(m_nSelLeft, line.top, m_nSelRight - m_nSelLeft, line.Height());
  } else {
    geometry.kind = GEOMETRY_CARET;
  }
  geometry.colour = m_crColor;
  geometry.font = m_lf;
}

void CTextNode::InsertText(const QString& text) {
  const int caret = std::clamp(m_nCaret, 0, Length());
  m_strText.insert(caret, text);
  m_nCaret = caret + static_cast<int>(text.size());
}

CNode* CTextNode::CutSelection() {
  if (!HasSelection()) return nullptr;
  const int start = std::clamp(m_nSelStart, 0, Length());
  const int end = std::clamp(m_nSelEnd, start, Length());
  // The cut characters keep the look they had: a selection wrapped into a
  // structure or moved elsewhere stays in its colour and font.
  CTextNode* cut = SiblingWithText(m_strText.mid(start, end - start), nullptr);
  m_strText.remove(start, end - start);
  m_nCaret = start;
  m_bSelected = 0;
  return cut;
}

CNode* CTextNode::SplitAtCaret(CNode* parent) {
  const int caret = std::clamp(m_nCaret, 0, Length());
  CTextNode* tail = SiblingWithText(m_strText.mid(caret), parent);
  m_strText.truncate(caret);
  m_nCaret = caret;
  return tail;
}

bool CTextNode::MoveCaret(int key) {
  const int length = Length();
  const int caret = std::clamp(m_nCaret, 0, length);
  if (m_bSelected) {
    switch (key) {
      case CARET_HOME: m_nCaret = 0; break;
      case CARET_END: m_nCaret = length; break;
      case CARET_DELETE:
      case CARET_BACKSPACE: delete CutSelection(); break;
      case CARET_LEFT:
      case CARET_UP: m_nCaret = std::clamp(m_nSelStart, 0, length); break;
      case CARET_RIGHT:
      case CARET_DOWN: m_nCaret = std::clamp(m_nSelEnd, 0, length); break;
      default: return false;
    }
    m_bSelected = 0;
    return true;
  }
  switch (key) {
    case CARET_HOME:
    case CARET_LEFT:
    case CARET_BACKSPACE:
      if (caret == 0) return false;
      m_nCaret = key == CARET_HOME ? 0 : caret - 1;
      if (key == CARET_BACKSPACE) m_strText.remove(m_nCaret, 1);
      return true;
    case CARET_END:
    case CARET_RIGHT:
    case CARET_DELETE:
      if (caret == length) return false;
      m_nCaret = key == CARET_END ? length : key == CARET_RIGHT ? caret + 1 : caret;
      if (key == CARET_DELETE) m_strText.remove(caret, 1);
      return true;
    default: return false;
  }
}
