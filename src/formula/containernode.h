// The shared base of rows, boxes and matrices: an ordered list of owned
// children.  A bare container ("o") is never read from mark-up.
#pragma once
#include <vector>

#include "formula/node.h"

class CContainerNode : public CNode {
 public:
  CContainerNode();
  ~CContainerNode() override;

  // A bare container takes no room of its own: its children are laid out
  // where they stand.
  void Layout(CFormulaDC& dc) override;
  void Offset(int x, int y) override;
  // With the node's own font and colour, every child in order.
  void Draw(CFormulaDC& dc) override;
  // Forwarded to the active child.
  void DrawSelection(CFormulaDC& dc) override;
  bool AddChild(CNode* node, int position) override;
  QString ToVod(bool selectedOnly) const override;
  void AppendVod(QString& out) const override;
  QString ToText(bool selectedOnly) const override;
  void InheritFont() override;
  void SetFont(COLORREF colour, const LOGFONT& font, bool selectedOnly, int part) override;
  // The child under the point takes the caret or the drag (matrix cells).
  bool SetCaretFromPoint(int x, int y) override;
  int ExtendSelectionTo(int x, int y) override;
  void CaretToStart() override;
  void CaretToEnd() override;
  bool SaveCaretPath(std::vector<int>& path) const override;
  bool RestoreCaretPath(const std::vector<int>& path, std::size_t& position) override;
  bool Normalize() override;

  // Appends and takes ownership; a missing node is ignored.
  virtual void AppendChild(CNode* node);
  // The first child, or this node when it has none.
  virtual CNode* GetFirstChild();

  int ChildCount() const { return static_cast<int>(m_arrChildren.size()); }
  CNode* ChildAt(int index) const { return m_arrChildren[static_cast<size_t>(index)]; }
  // Index of a child, or -1.
  int FindChild(const CNode* node) const;
  // Inserts at index (clamped) and takes ownership.
  void InsertChild(int index, CNode* node);
  // Removes a child from the list without deleting it; the caller owns it.
  CNode* DetachChild(int index);

  std::vector<CNode*> m_arrChildren;

 protected:
  CContainerNode(int kind, const QString& tag) : CNode(kind, tag) {}
  // Makes `child` the only child, holding the caret; `unused` is content
  // the constructor could not take, which is deleted.
  void HoldAlone(CNode* child, CNode* unused);
  // Opening mark and every child's mark-up; no own text, no closing mark.
  void AppendChildrenMarkup(QString& out) const;
  // Replaces every child of the given class by that child's children, at any
  // depth, so no such nesting is left; true when anything was dissolved.
  template <class Nested>
  bool DissolveNested();
  // Wraps every child that is not a `Kept` in a new `Wrapper` holding it;
  // true when any was wrapped.
  template <class Kept, class Wrapper>
  bool WrapOtherChildren();
};

template <class Nested>
bool CContainerNode::DissolveNested() {
  bool changed = false;
  // An explicit stack, so long chains of nested containers cost no recursion.
  std::vector<CNode*> pending(m_arrChildren.rbegin(), m_arrChildren.rend());
  std::vector<CNode*> flat;
  flat.reserve(m_arrChildren.size());
  while (!pending.empty()) {
    CNode* child = pending.back();
    pending.pop_back();
    if (auto* nested = dynamic_cast<Nested*>(child)) {
      pending.insert(pending.end(), nested->m_arrChildren.rbegin(), nested->m_arrChildren.rend());
      nested->m_arrChildren.clear();
      delete nested;
      changed = true;
    } else {
      child->m_pParent = this;
      flat.push_back(child);
    }
  }
  m_arrChildren = std::move(flat);
  if (changed) ResetCaret();
  return changed;
}

// Puts `*place`, a child of `parent`, into a new container that takes its place.
template <class Wrapper>
void WrapChild(CNode* parent, CNode*& place) {
  auto* wrapper = new Wrapper;
  wrapper->AppendChild(place);
  wrapper->m_pParent = parent;
  parent->ReplaceCaretChild(place, wrapper);
  place = wrapper;
}

template <class Kept, class Wrapper>
bool CContainerNode::WrapOtherChildren() {
  bool changed = false;
  for (CNode*& child : m_arrChildren) {
    if (dynamic_cast<Kept*>(child)) continue;
    WrapChild<Wrapper>(this, child);
    changed = true;
  }
  return changed;
}
