#include "formula/textnode.h"

#include <algorithm>

#include "formula/formuladc.h"
#include "formula/nodeframe.h"
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

CTextNode* CTextNode::SiblingWithText(const QString& text, CNode* parent) const {
  auto* run = new CTextNode(text);
  run->CopyFontOf(*this);
  run->m_pParent = parent;
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

namespace {
const QString kPlaceholder = QStringLiteral("?");
}

void CTextNode::MeasureText(CFormulaDC& dc) {
  m_arrWidths.clear();
  QSize extent;
  if (m_strText.isEmpty()) {
    extent = dc.TextExtent(kPlaceholder);
    m_arrWidths.push_back(extent.width());
  } else {
    extent = dc.TextExtent(m_strText);
    m_arrWidths.reserve(static_cast<size_t>(m_strText.size()));
    for (QChar c : m_strText) m_arrWidths.push_back(dc.TextExtent(QString(c)).width());
  }
  m_rcInner = m_rcLayout = {0, 0, extent.width(), extent.height()};
  m_nBaseline = extent.height() / 2;
}

void CTextNode::Layout(CFormulaDC& dc) {
  CNodeFrame frame(dc, *this);
  MeasureText(dc);
}

void CTextNode::DrawText(CFormulaDC& dc) {
  dc.TextOut(m_rcPlacedInner.left, m_rcPlacedInner.top, m_strText.isEmpty() ? kPlaceholder : m_strText);
}

void CTextNode::Draw(CFormulaDC& dc) {
  CNodeFrame frame(dc, *this);
  DrawText(dc);
}

void CTextNode::UpdateSelectionSpan() {
  if (m_strText.isEmpty()) {
    m_nSelLeft = m_rcPlaced.left;
    m_nSelRight = m_rcPlaced.right;
    return;
  }
  const int length = static_cast<int>(m_strText.size());
  const int start = std::clamp(m_nSelStart, 0, length), end = std::clamp(m_nSelEnd, start, length);
  int x = m_rcPlaced.left;
  for (int i = 0; i < start; ++i) x += WidthAt(i);
  m_nSelLeft = x;
  for (int i = start; i < end; ++i) x += WidthAt(i);
  m_nSelRight = x;
}

int CTextNode::WidthAt(int i) const {
  // Widths from an older measurement may not cover the text any more.
  return i >= 0 && i < static_cast<int>(m_arrWidths.size()) ? m_arrWidths[size_t(i)] : 0;
}

void CTextNode::DrawSelection(CFormulaDC& dc) {
  CNodeFrame frame(dc, *this, FONT_ALL);
  if (m_strText.isEmpty()) {
    dc.TextOut(m_rcPlaced.left, m_rcPlaced.top, kPlaceholder);
    return;
  }
  if (!HasSelection()) return;
  UpdateSelectionSpan();
  dc.TextOut(m_nSelLeft, m_rcPlaced.top, SelectedText());
}
