// Nesting depth, measured the way the reader counts it, so that no edit
// builds a tree deeper than the reader takes back.
#include <algorithm>
#include <utility>
#include <vector>

#include "formula/bintree.h"
#include "formula/editing/editingsupport.h"
#include "formula/rownode.h"
#include "formula/structurenodes.h"

namespace {
template <class Visit>
void ForEachChild(CNode* node, Visit visit) {
  if (auto* container = dynamic_cast<CContainerNode*>(node)) {
    for (CNode* child : container->m_arrChildren) visit(child);
  } else if (auto* structure = dynamic_cast<CStandardNode*>(node)) {
    if (structure->m_pFirst) visit(structure->m_pFirst);
    if (structure->m_pSecond) visit(structure->m_pSecond);
  }
}
}  // namespace

void RemoveChild(CContainerNode* container, int index) { delete container->DetachChild(index); }

void PushFontInto(CNode* node, const CNode& from) {
  node->TakeUnsetFontParts(from.m_lf, from.m_crColor);
  node->InheritFont();
}

int NodeLevel(const CNode* node) {
  int level = 0;
  for (; node; node = node->m_pParent) ++level;
  return level;
}

int SubtreeDepth(const CNode* top) {
  int deepest = 0;
  // An explicit stack: pasted content may be as deep as the reader allows.
  std::vector<std::pair<CNode*, int>> pending{{const_cast<CNode*>(top), 1}};
  while (!pending.empty()) {
    const auto [node, level] = pending.back();
    const int below = level + 1;  // a lambda may not capture a structured binding (clang)
    pending.pop_back();
    const auto* row = dynamic_cast<const CRowNode*>(node);
    deepest = std::max(deepest, row && row->ChildCount() == 0 ? level + 1 : level);
    ForEachChild(node, [&pending, below](CNode* child) { pending.emplace_back(child, below); });
  }
  return deepest;
}

bool FitsBelow(const CNode* node, int levels) { return NodeLevel(node) + levels <= CBinTree::kMaxDepth; }

void ClearCaretState(CNode* root) {
  std::vector<CNode*> pending{root};
  while (!pending.empty()) {
    CNode* node = pending.back();
    pending.pop_back();
    node->ResetCaret();
    ForEachChild(node, [&](CNode* child) { pending.push_back(child); });
  }
}
