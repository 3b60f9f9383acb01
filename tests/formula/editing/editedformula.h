// A formula being edited on fixed fake metrics (font height 20: characters
// 10 wide, rows 20 high, 6 between lines), with the caret placed by a
// marker: one "|" in a run puts the caret there, a run holding only "|"
// marks the gap it stands in.
#pragma once
#include <vector>

#include "../fakedc.h"
#include "../formulatestutil.h"
#include "formula/editing/caretediting.h"

class EditedFormula {
 public:
  explicit EditedFormula(const char* vod);

  CNode* Root() const { return m_tree.m_pRoot; }
  // Lays the formula out again, as the control does after every edit.
  void Relayout();
  bool Key(int key);
  // Typing as the control does it: the selection goes, then the text comes.
  void Type(const QString& text);
  QString Vod() const { return m_tree.GetText(0); }
  QString SelectedVod() const { return m_tree.GetText(1); }
  // The mark-up with "|" typed at the caret (changes the formula).
  QString Caret();
  std::vector<int> Path() const;
  void Press(int x, int y) { Root()->SetCaretFromPoint(x, y); }
  int Drag(int x, int y) { return Root()->ExtendSelectionTo(x, y); }

  CBinTree m_tree;
  CFakeMetricsDC m_dc;
};

// Child of a container or a structure's place (0 first, 1 second).
CNode* Child(CNode* node, int index);
// Follows child indices from the root.
CNode* NodeAt(const EditedFormula& formula, std::initializer_list<int> indices);
// Whether the mark-up reads back to itself.
bool ReadsBack(const QString& vod);
