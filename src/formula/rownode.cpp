#include "formula/rownode.h"

#include <algorithm>

#include "formula/textnode.h"

CRowNode::CRowNode() : CContainerNode(VOD_ROW, QStringLiteral("l")) {}

CRowNode::CRowNode(CNode* parent, CNode* content) : CRowNode() {
  m_pParent = parent;
  auto* run = dynamic_cast<CTextNode*>(content);
  HoldAlone(run ? run : new CTextNode, run ? nullptr : content);
}

int CRowNode::IndexOf(const CNode* node) const { return std::max(FindChild(node), 0); }

void CRowNode::MergeRow(CRowNode* other) {
  for (CNode* child : other->m_arrChildren) AppendChild(child);
  other->m_arrChildren.clear();
  delete other;
}

void CRowNode::SelectAll() {
  m_pActive = nullptr;
  m_bSelected = 1;
  m_nSelStart = 0;
  m_nSelEnd = ChildCount();
  if (m_arrChildren.empty()) return;
  if (auto* run = dynamic_cast<CTextNode*>(m_arrChildren.front())) run->SelectAll();
  if (auto* run = dynamic_cast<CTextNode*>(m_arrChildren.back())) run->SelectAll();
}

bool CRowNode::SelectedRange(int* start, int* end) const {
  if (!m_bSelected) return false;
  *start = std::clamp(m_nSelStart, 0, ChildCount());
  *end = std::clamp(m_nSelEnd, *start, ChildCount());
  return *start < *end;
}

void CRowNode::AppendVod(QString& out) const {
  AppendChildrenMarkup(out);
  out += QStringLiteral("</l>");
}

QString CRowNode::ToVod(bool selectedOnly) const {
  const QString close = QStringLiteral("</l>");
  if (!selectedOnly) return CContainerNode::ToVod(false);
  if (m_pActive) {
    if (!dynamic_cast<const CTextNode*>(m_pActive)) return m_pActive->ToVod(true);
    const QString part = m_pActive->ToVod(true);
    return part.isEmpty() ? QString() : QStringLiteral("<l") + WriteAttributes() + part + close;
  }
  // The fragment carries the row's full font, as its place of origin may differ.
  if (m_bSelected && m_arrChildren.empty()) return QStringLiteral("<l") + WriteAttributes(FONT_ALL) + close;
  int start, end;
  if (!SelectedRange(&start, &end)) return {};
  QString out = QStringLiteral("<l") + WriteAttributes(FONT_ALL);
  for (int i = start; i < end; ++i) {
    const CNode* child = ChildAt(i);
    out += child->ToVod(IsRangeEnd(i, start, end) && dynamic_cast<const CTextNode*>(child));
  }
  return out + close;
}

QString CRowNode::ToText(bool selectedOnly) const {
  if (!selectedOnly || m_pActive) return CContainerNode::ToText(selectedOnly);
  int start, end;
  if (!SelectedRange(&start, &end)) return {};
  QString out;
  for (int i = start; i < end; ++i) {
    const CNode* child = ChildAt(i);
    out += child->ToText(IsRangeEnd(i, start, end) && dynamic_cast<const CTextNode*>(child)) +
           QLatin1Char(',');
  }
  return out;
}

bool CRowNode::IsWhollySelected() const {
  if (m_arrChildren.empty()) return m_bSelected != 0;
  if (!m_bSelected) {
    auto* run = dynamic_cast<const CTextNode*>(m_arrChildren.front());
    return ChildCount() == 1 && run && run->IsWhollySelected();
  }
  if (m_nSelStart != 0 || m_nSelEnd != ChildCount()) return false;
  auto wholeAtEnd = [](const CNode* child) {
    auto* run = dynamic_cast<const CTextNode*>(child);
    return !run || run->IsWhollySelected();
  };
  return wholeAtEnd(m_arrChildren.front()) && wholeAtEnd(m_arrChildren.back());
}

void CRowNode::SetFont(COLORREF colour, const LOGFONT& font, bool selectedOnly, int part) {
  if (!selectedOnly || IsWhollySelected()) {
    CContainerNode::SetFont(colour, font, false, part);
    return;
  }
  if (auto* run = dynamic_cast<CTextNode*>(m_pActive)) {
    if (!run->HasSelection()) return;
    int shift;
    const int index = IndexOf(run);
    run->SplitSelection(this, index, &shift);
    m_nCaret = index + shift;
    m_pActive = ChildAt(m_nCaret);
    m_pActive->SetFont(colour, font, false, part);
  } else if (m_pActive) {
    m_pActive->SetFont(colour, font, true, part);
  } else {
    SetFontOfRange(colour, font, part);
  }
}

void CRowNode::SetFontOfRange(COLORREF colour, const LOGFONT& font, int part) {
  int start, end;
  if (!SelectedRange(&start, &end)) return;
  std::vector<CNode*> targets(m_arrChildren.begin() + start, m_arrChildren.begin() + end);
  // A run at an end of the range changes only in its selected characters,
  // which become a run of their own; one with nothing selected stays as it is.
  auto narrowToSelection = [this](CNode*& target) {
    auto* run = dynamic_cast<CTextNode*>(target);
    if (!run) return;
    if (!run->IsWhollySelected() && !run->HasSelection()) {
      target = nullptr;
      return;
    }
    int shift;
    const int index = FindChild(run);
    run->SplitSelection(this, index, &shift);
    target = ChildAt(index + shift);
  };
  narrowToSelection(targets.back());
  if (targets.size() > 1) narrowToSelection(targets.front());
  int first = -1, last = -1;
  for (CNode* target : targets) {
    if (!target) continue;
    target->SetFont(colour, font, false, part);
    const int index = FindChild(target);
    if (first < 0) first = index;
    last = index;
  }
  if (first >= 0) {
    m_nSelStart = first;
    m_nSelEnd = last + 1;
  }
}

bool CRowNode::Normalize() {
  bool changed = DissolveNested<CRowNode>();
  return CContainerNode::Normalize() || changed;
}
