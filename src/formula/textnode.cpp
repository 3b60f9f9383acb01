#include "formula/textnode.h"

#include <algorithm>

#include "formula/rownode.h"
#include "formula/vodmarkup.h"

CTextNode::CTextNode() : CNode(VOD_TEXT, QStringLiteral("e")) {}

CTextNode::CTextNode(const QString& text) : CTextNode() {
  m_strText = text;
  m_nCaret = static_cast<int>(text.size());
}

bool CTextNode::HasSelection() const {
  const int length = static_cast<int>(m_strText.size());
  return m_bSelected && std::clamp(m_nSelStart, 0, length) < std::clamp(m_nSelEnd, 0, length);
}

QString CTextNode::SelectedText() const {
  if (!HasSelection()) return {};
  const int length = static_cast<int>(m_strText.size());
  const int start = std::clamp(m_nSelStart, 0, length);
  return m_strText.mid(start, std::clamp(m_nSelEnd, start, length) - start);
}

QString CTextNode::ToVod(bool selectedOnly) const {
  if (!selectedOnly) return TextRunMarkup(WriteAttributes(), m_strText);
  if (!HasSelection()) return {};
  // A fragment must carry its full font, whatever the run inherits.
  return TextRunMarkup(WriteAttributes(FONT_ALL), SelectedText());
}

QString CTextNode::ToText(bool selectedOnly) const { return selectedOnly ? SelectedText() : m_strText; }

void CTextNode::CaretToStart() {
  m_nCaret = 0;
  m_bSelected = 0;
}

void CTextNode::CaretToEnd() {
  m_nCaret = static_cast<int>(m_strText.size());
  m_bSelected = 0;
}

bool CTextNode::IsWhollySelected() const {
  return m_nSelStart == 0 && m_nSelEnd == static_cast<int>(m_strText.size());
}

void CTextNode::SelectWhole() {
  m_nSelStart = 0;
  m_nSelEnd = static_cast<int>(m_strText.size());
  m_bSelected = 1;
}

int CTextNode::SelectAll() {
  SelectWhole();
  return m_nSelEnd;
}

CTextNode* CTextNode::SiblingWithText(const QString& text, CRowNode* row) const {
  auto* run = new CTextNode(text);
  run->CopyFontOf(*this);
  run->m_pParent = row;
  return run;
}

int CTextNode::SplitSelection(CRowNode* row, int index, int* shift) {
  *shift = 0;
  if (IsWhollySelected() || m_strText.isEmpty() || !HasSelection()) return 0;
  const int length = static_cast<int>(m_strText.size());
  const int start = std::clamp(m_nSelStart, 0, length);
  const int end = std::clamp(m_nSelEnd, start, length);
  const QString text = m_strText;
  if (start == 0) {
    row->InsertChild(index + 1, SiblingWithText(text.mid(end), row));
    m_strText = text.left(end);
    SelectWhole();
    return 1;
  }
  if (end == length) {
    CTextNode* selected = SiblingWithText(text.mid(start), row);
    selected->SelectWhole();
    row->InsertChild(index + 1, selected);
    m_strText = text.left(start);
    CaretToEnd();
    *shift = 1;
    return 1;
  }
  row->InsertChild(index + 1, SiblingWithText(text.mid(end), row));
  row->InsertChild(index, SiblingWithText(text.left(start), row));
  m_strText = text.mid(start, end - start);
  SelectWhole();
  *shift = 1;
  return 2;
}
