// Helpers shared by the caret editing of the node families: reading the
// tree's shape, nesting depth, and making the nodes InsertStructure adds.
#pragma once
#include <QRect>

#include "formula/containernode.h"
#include "formula/rect.h"
#include "formula/textnode.h"

inline CTextNode* AsRun(CNode* node) { return dynamic_cast<CTextNode*>(node); }
inline bool IsRun(const CNode* node) { return dynamic_cast<const CTextNode*>(node) != nullptr; }

// The horizontal centre of a placed node.
inline int CentreX(const CNode* node) { return (node->m_rcPlaced.left + node->m_rcPlaced.right) / 2; }
// Right and bottom edges are outside, as everywhere in formula layout.
inline bool RectContains(const RECT& r, int x, int y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}
inline QRect ToQRect(const RECT& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// The row of a box under y: the first whose bottom edge plus the line gap
// (a third of the box's font height) lies below y, else the last.
int RowAtY(const CContainerNode& box, int y);
// Removes child `index` of a container and deletes it.
void RemoveChild(CContainerNode* container, int index);
// Gives `node` the parts of `from`'s font it does not set and pushes them
// into its subtree, as reading the mark-up back would.
void PushFontInto(CNode* node, const CNode& from);

// 1 for a node without parent, one more per level below it.
int NodeLevel(const CNode* node);
// Levels of a subtree (1 for a leaf), an empty row counting as if it held a
// run, so that typing into it stays within reach of the reader.
int SubtreeDepth(const CNode* node);
// Whether content reaching `levels` below a node at `level` still reads back.
bool FitsBelow(const CNode* node, int levels);
// Clears caret and selection state in a whole subtree.
void ClearCaretState(CNode* root);

// The node InsertStructure adds for an insertion kind, made around `content`
// (which it takes; content it cannot use is deleted).  Null for other kinds.
CNode* NewInsertedNode(int kind, CNode* content, const int* size);
// Levels the node of `kind` reaches when its content box reaches
// `contentBoxLevels` (a box holding an empty row: 3).
int InsertedLevels(int kind, int contentBoxLevels);
// The levels of the box InsertStructure would make of `content`.
int ContentBoxLevels(const CNode* content);
