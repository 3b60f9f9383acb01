#include "formula/boxnode.h"

#include <algorithm>

#include "formula/rownode.h"
#include "formula/textnode.h"

CBoxNode::CBoxNode() : CContainerNode(VOD_BOX, QStringLiteral("#")) {}

CBoxNode::CBoxNode(CNode* parent, CNode* content) : CBoxNode() {
  m_pParent = parent;
  CNode* row = dynamic_cast<CRowNode*>(content);
  if (!row && dynamic_cast<CTextNode*>(content)) row = new CRowNode(this, content);
  HoldAlone(row ? row : new CRowNode, row ? nullptr : content);
}

bool CBoxNode::SelectedLines(int* first, int* last) const {
  if (!m_bSelected || m_arrChildren.empty()) return false;
  *first = std::clamp(m_nSelStart, 0, ChildCount() - 1);
  *last = std::clamp(m_nSelEnd, *first, ChildCount() - 1);
  return true;
}

void CBoxNode::AppendVod(QString& out) const {
  AppendChildrenMarkup(out);
  out += QStringLiteral("</#>");
}

QString CBoxNode::ToVod(bool selectedOnly) const {
  const QString close = QStringLiteral("</#>");
  if (!selectedOnly) return CContainerNode::ToVod(false);
  if (m_pActive) return m_pActive->ToVod(true);
  int first, last;
  if (!SelectedLines(&first, &last)) return {};
  QString out = QStringLiteral("<#") + WriteAttributes(FONT_ALL) + ChildAt(first)->ToVod(true);
  for (int i = first + 1; i < last; ++i) ChildAt(i)->AppendVod(out);
  if (last > first) out += ChildAt(last)->ToVod(true);
  return out + close;
}

QString CBoxNode::ToText(bool selectedOnly) const {
  QString out;
  if (!selectedOnly) {
    for (const CNode* row : m_arrChildren) out += row->ToText(false);
    return out;
  }
  if (m_pActive) return m_pActive->ToText(true);
  int first, last;
  if (!SelectedLines(&first, &last)) return {};
  out = ChildAt(first)->ToText(true);
  for (int i = first + 1; i < last; ++i) out += ChildAt(i)->ToText(false);
  if (last > first) out += ChildAt(last)->ToText(true);
  return out;
}

void CBoxNode::SetFont(COLORREF colour, const LOGFONT& font, bool selectedOnly, int part) {
  if (!selectedOnly || IsWhollySelected()) {
    CContainerNode::SetFont(colour, font, false, part);
    return;
  }
  if (m_pActive) {
    m_pActive->SetFont(colour, font, true, part);
    return;
  }
  int first, last;
  if (!SelectedLines(&first, &last)) return;
  ChildAt(first)->SetFont(colour, font, true, part);
  for (int i = first + 1; i < last; ++i) ChildAt(i)->SetFont(colour, font, false, part);
  if (last > first) ChildAt(last)->SetFont(colour, font, true, part);
}

bool CBoxNode::IsWhollySelected() const {
  if (!m_bSelected) return ChildCount() == 1 && m_pActive && m_pActive->IsWhollySelected();
  if (m_arrChildren.empty() || m_nSelStart != 0 || m_nSelEnd != ChildCount() - 1) return false;
  return m_arrChildren.front()->IsWhollySelected() && m_arrChildren.back()->IsWhollySelected();
}

void CBoxNode::SelectAll() {
  if (m_arrChildren.empty()) return;
  if (ChildCount() == 1) {
    m_bSelected = 0;
    m_nCaret = 0;
    m_pActive = m_arrChildren.front();
    if (auto* row = dynamic_cast<CRowNode*>(m_pActive)) row->SelectAll();
    return;
  }
  m_pActive = nullptr;
  m_bSelected = 1;
  m_nSelStart = 0;
  m_nSelEnd = ChildCount() - 1;
  if (auto* row = dynamic_cast<CRowNode*>(m_arrChildren.front())) row->SelectAll();
  if (auto* row = dynamic_cast<CRowNode*>(m_arrChildren.back())) row->SelectAll();
}

bool CBoxNode::Normalize() {
  bool changed = DissolveNested<CBoxNode>();
  changed = WrapOtherChildren<CRowNode, CRowNode>() || changed;
  return CContainerNode::Normalize() || changed;
}

CMatrixNode::CMatrixNode() : CContainerNode(VOD_MATRIX, QStringLiteral("m")) {}

CMatrixNode::CMatrixNode(CNode* parent, int rows, int columns, CNode* content) : CMatrixNode() {
  m_pParent = parent;
  rows = std::clamp(rows, 1, kMaxSide);
  columns = std::clamp(columns, 1, kMaxSide);
  m_nType = columns;
  CNode* first = dynamic_cast<CBoxNode*>(content);
  if (!first) first = new CBoxNode(this, content);
  AppendChild(first);
  for (int i = 1; i < rows * columns; ++i) AppendChild(new CBoxNode(this, nullptr));
  m_pActive = first;
  m_nCaret = 0;
}

bool CMatrixNode::Normalize() {
  bool changed = WrapOtherChildren<CBoxNode, CBoxNode>();
  return CContainerNode::Normalize() || changed;
}
