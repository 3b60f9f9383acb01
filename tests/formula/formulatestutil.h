// Small helpers shared by the formula tests.
#pragma once
#include <QString>
#include <string>

#include "formula/bintree.h"
#include "formula/boxnode.h"
#include "formula/rownode.h"
#include "formula/structurenodes.h"
#include "formula/textnode.h"

// The mark-up a tree writes after reading `vod`.
inline QString Rewritten(const QString& vod) {
  CBinTree tree;
  tree.SetVod(vod);
  return tree.GetText(0);
}

// Deepest level of a subtree (the node itself is level 1).
int TreeDepth(const CNode* node);

// Child `index` of a container, cast to the expected class (null if it is not one).
template <class T>
T* ChildAs(const CNode* node, int index) {
  auto* container = dynamic_cast<const CContainerNode*>(node);
  if (!container || index < 0 || index >= container->ChildCount()) return nullptr;
  return dynamic_cast<T*>(container->ChildAt(index));
}

// Selects characters [start, end) of a run.
inline void SelectCharacters(CNode* run, int start, int end) {
  run->m_bSelected = 1;
  run->m_nSelStart = start;
  run->m_nSelEnd = end;
}

// Gives the row a selection of whole children [start, end), owned by the
// row itself (no active child), with the box's caret in that row.
inline void SelectRange(CNode* box, CRowNode* row, int start, int end) {
  box->m_pActive = row;
  row->m_pActive = nullptr;
  SelectCharacters(row, start, end);
}

inline QString Q(const char* s) { return QString::fromUtf8(s); }
inline std::string Str(const QString& s) { return s.toStdString(); }

// Lets gtest print QStrings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
