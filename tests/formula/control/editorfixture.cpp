#include "editorfixture.h"

void EditorTest::Load(const char* vod) {
  // A fresh host: each case of a table starts over.
  editor.m_undo.Clear();
  editor.m_bReadOnly = FALSE;
  editor.m_bMouseDown = 0;
  editor.m_ptOffset = {};
  editor.SetTree(&tree);
  tree.SetVod(Q(vod));
  editor.SaveUndoState();
  editor.UpdateLayout();
}

void EditorTest::Type(const char* text) {
  for (QChar c : Q(text)) editor.OnChar(QString(c));
}

void EditorTest::SelectInRow(int row, int start, int end) {
  CNode* root = tree.m_pRoot;
  SelectRange(root, ChildAs<CRowNode>(root, row), start, end);
  root->m_nCaret = row;
  editor.SetRepaintLevel(1);
}

CNode* EditorTest::Node(std::initializer_list<int> indices) const {
  CNode* node = tree.m_pRoot;
  for (int index : indices) node = node ? Child(node, index) : nullptr;
  return node;
}
