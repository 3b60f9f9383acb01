#include "formula/containernode.h"

#include <algorithm>

#include "formula/vodmarkup.h"

CContainerNode::CContainerNode() : CNode(VOD_CONTAINER, QStringLiteral("o")) {}

CContainerNode::~CContainerNode() {
  for (CNode* child : m_arrChildren) delete child;
  m_arrChildren.clear();
}

bool CContainerNode::AddChild(CNode* node, int position) {
  if (!node) return false;
  if (position < 0 || position >= ChildCount()) {
    AppendChild(node);
    return true;
  }
  CNode*& slot = m_arrChildren[static_cast<size_t>(position)];
  if (slot) return false;
  slot = node;
  node->m_pParent = this;
  return true;
}

void CContainerNode::AppendChild(CNode* node) {
  if (!node) return;
  node->m_pParent = this;
  m_arrChildren.push_back(node);
}

CNode* CContainerNode::GetFirstChild() { return m_arrChildren.empty() ? this : m_arrChildren.front(); }

int CContainerNode::FindChild(const CNode* node) const {
  auto it = std::find(m_arrChildren.begin(), m_arrChildren.end(), node);
  return it == m_arrChildren.end() ? -1 : static_cast<int>(it - m_arrChildren.begin());
}

void CContainerNode::InsertChild(int index, CNode* node) {
  index = std::clamp(index, 0, ChildCount());
  node->m_pParent = this;
  m_arrChildren.insert(m_arrChildren.begin() + index, node);
}

CNode* CContainerNode::DetachChild(int index) {
  CNode* child = ChildAt(index);
  m_arrChildren.erase(m_arrChildren.begin() + index);
  if (m_pActive == child) m_pActive = nullptr;
  if (m_pAnchorChild == child) m_pAnchorChild = nullptr;
  return child;
}

void CContainerNode::HoldAlone(CNode* child, CNode* unused) {
  delete unused;
  AppendChild(child);
  m_pActive = child;
  m_nCaret = 0;
}

void CContainerNode::AppendChildrenMarkup(QString& out) const {
  out += QLatin1Char('<');
  out += m_strTag;
  out += WriteAttributes();
  for (const CNode* child : m_arrChildren) child->AppendVod(out);
}

QString CContainerNode::ToVod(bool selectedOnly) const {
  if (selectedOnly) return m_pActive ? m_pActive->ToVod(true) : QString();
  QString out;
  AppendVod(out);
  return out;
}

void CContainerNode::AppendVod(QString& out) const {
  AppendChildrenMarkup(out);
  out += TailTextMarkup(m_strText);
  out += QStringLiteral("</");
  out += m_strTag;
  out += QLatin1Char('>');
}

QString CContainerNode::ToText(bool selectedOnly) const {
  if (selectedOnly) return m_pActive ? m_pActive->ToText(true) : QString();
  QString out;
  for (const CNode* child : m_arrChildren) out += child->ToText(false) + QLatin1Char(',');
  return out;
}

void CContainerNode::InheritFont() {
  for (CNode* child : m_arrChildren) {
    child->TakeUnsetFontParts(m_lf, m_crColor);
    child->InheritFont();
  }
}

void CContainerNode::SetFont(COLORREF colour, const LOGFONT& font, bool selectedOnly, int part) {
  if (!selectedOnly || IsWhollySelected()) {
    CNode::SetFont(colour, font, false, part);
    for (CNode* child : m_arrChildren) child->SetFont(colour, font, false, part);
  } else if (m_pActive) {
    m_pActive->SetFont(colour, font, true, part);
  }
}

void CContainerNode::CaretToStart() {
  m_bSelected = 0;
  m_nCaret = 0;
  m_pActive = m_arrChildren.empty() ? nullptr : m_arrChildren.front();
  if (m_pActive) m_pActive->CaretToStart();
}

void CContainerNode::CaretToEnd() {
  m_bSelected = 0;
  m_nCaret = std::max(ChildCount() - 1, 0);
  m_pActive = m_arrChildren.empty() ? nullptr : m_arrChildren.back();
  if (m_pActive) m_pActive->CaretToEnd();
}

bool CContainerNode::Normalize() {
  bool changed = false;
  for (CNode* child : m_arrChildren) changed = child->Normalize() || changed;
  return changed;
}
