// The caret path across a rebuild of the tree from its own mark-up, damaged
// paths, and a long random editing session that must keep the tree readable.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "editedformula.h"

namespace KAVREL_FILE_LOCAL {

// Rebuilds a tree from `formula`'s mark-up, as undo does, and restores the
// caret there.
struct Rebuilt {
  explicit Rebuilt(const EditedFormula& formula) {
    tree.m_lfDefault = formula.m_tree.m_lfDefault;
    tree.SetVod(formula.Vod());
    std::size_t position = 0;
    restored = tree.m_pRoot->RestoreCaretPath(formula.Path(), position);
    tree.m_pRoot->SaveCaretPath(path);
  }
  CBinTree tree;
  bool restored = false;
  std::vector<int> path;
};

QString LinearText(const QString& vod) {
  CBinTree tree;
  tree.SetVod(vod);
  return tree.GetText(2);
}

TEST(CaretPath, SurvivesARebuildFromTheMarkup) {
  struct Case {
    const char* name;
    const char* vod;
    const char* typed;                 // typed first, when given
    int pressX, pressY, dragX, dragY;  // then a drag, when pressX >= 0
  } cases[] = {
      {"caret in a run", "<#><l><e>a|b</e></l></#>", nullptr, -1, 0, 0, 0},
      {"caret in a row gap", "<#><l><e>a</e><e>|</e><r><#><l></l></#></r></l></#>", nullptr, -1, 0, 0, 0},
      {"caret at a row's start", "<#><l><e>|</e><r><#><l></l></#></r></l></#>", nullptr, -1, 0, 0, 0},
      {"caret in a structure's box", "<#><l><f><#><l><e>n</e></l></#><#><l><e>d|</e></l></#></f></l></#>", nullptr, -1,
       0, 0, 0},
      {"caret in a matrix cell", "<#><l><m><#><l><e>a</e></l></#><#><l><e>b|</e></l></#></m></l></#>", nullptr, -1, 0,
       0, 0},
      {"a run selection", "<#><l><e>abcd</e></l></#>", nullptr, 10, 10, 30, 10},
      {"a row selection", "<#><l><e>ab</e><r><#><l></l></#></r><e>cd</e></l></#>", nullptr, 10, 10, 60, 10},
      {"a line selection", "<#><l><e>ab</e></l><l><e>cd</e></l><l><e>ef</e></l></#>", nullptr, 10, 10, 10, 62},
      {"lines ending in one whole run", "<#><l><e>ab</e></l><l><e>cd</e><r><#><l></l></#></r></l></#>", nullptr, 10, 10,
       25, 36},
      // Runs the writer spreads over several elements read back as several runs.
      {"a plain run starting with <", "<#><l><e><a|b</e></l></#>", nullptr, -1, 0, 0, 0},
      {"a run with attributes starting with <", "<#><l><e>x</e><e:i=1>|ab</e></l></#>", "<", -1, 0, 0, 0},
      {"a run holding </", "<#><l><e:i=1>a|c</e></l></#>", "</", -1, 0, 0, 0},
      {"a selection over two written runs", "<#><l><e:i=1>|abc</e></l></#>", "<<", 5, 10, 35, 10},
      {"a selection in the first written run", "<#><l><e:i=1>|abc</e></l></#>", "<<", 0, 10, 14, 10},
  };
  for (const Case& c : cases) {
    EditedFormula formula(c.vod);
    if (c.typed) formula.Type(Q(c.typed));
    if (c.pressX >= 0) {
      formula.Press(c.pressX, c.pressY);
      formula.Drag(c.dragX, c.dragY);
      EXPECT_FALSE(formula.SelectedVod().isEmpty()) << c.name;
    }
    Rebuilt rebuilt(formula);
    EXPECT_TRUE(rebuilt.restored) << c.name;
    EXPECT_EQ(rebuilt.path, formula.Path()) << c.name;
    // The same characters are selected (a selection over two written runs is
    // a range of two runs once read back, so its mark-up differs in form).
    EXPECT_EQ(LinearText(rebuilt.tree.GetText(1)), LinearText(formula.SelectedVod())) << c.name;
    // Typing there types in the same place (of the same characters: where
    // the caret stands between two written runs it may go into either).
    delete rebuilt.tree.m_pRoot->CutSelection();
    rebuilt.tree.m_pRoot->InsertText(Q("|"));
    EXPECT_EQ(LinearText(rebuilt.tree.GetText(0)).remove(u','), LinearText(formula.Caret()).remove(u',')) << c.name;
  }
}

TEST(CaretPath, ADamagedPathLeavesTheCaretAtTheEnd) {
  const char* vod = "<#><l><e>ab</e></l><l><e>cd</e><f><#><l></l></#><#><l></l></#></f></l></#>";
  EditedFormula atEnd(vod);
  atEnd.Root()->CaretToEnd();
  const std::vector<int> endPath = atEnd.Path();
  const std::vector<int> damaged[] = {
      {},
      {1, 5, 3, 0},  // no such row
      {1, -1, 3, 0},
      {7, 0},  // unknown marker
      {1, 0},  // runs out
      {1, 0, 1, 0},
      {1, 0, 1, 0, 3},           // a marker without its value
      {1, 0, 1, 0, 3, 99},       // past the run's end
      {1, 0, 3, 2},              // past the row's end
      {1, 0, 2, 1, 2, 0},        // a span running backwards
      {1, 0, 1, 0, 2, 0, 0, 1},  // a span whose end has no marker
      {2, 0, 2, 9},
      {1, 1, 1, 1, 1, 2, 1, 0, 3, 0},  // a structure has two places
      {1, 1, 1, 1, 4, 0},
  };
  for (const std::vector<int>& path : damaged) {
    EditedFormula formula("<#><l><e>a|b</e></l><l><e>cd</e><f><#><l></l></#><#><l></l></#></f></l></#>");
    std::size_t position = 0;
    EXPECT_FALSE(formula.Root()->RestoreCaretPath(path, position)) << testing::PrintToString(path);
    EXPECT_EQ(formula.Path(), endPath) << testing::PrintToString(path);
    EXPECT_EQ(formula.Vod(), Q(vod));
  }
}

// One step of a session: what a user can do with keys, mouse and clipboard.
void RandomStep(EditedFormula& formula, std::mt19937& random, QString& clipboard) {
  auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  CNode* root = formula.Root();
  const RECT bounds = root->m_rcPlaced;
  auto anyX = [&] { return bounds.left - 5 + pick(bounds.Width() + 10); };
  auto anyY = [&] { return bounds.top - 5 + pick(bounds.Height() + 10); };
  SelectionGeometry state;
  root->GetSelectionRegion(state);
  switch (pick(9)) {
    case 0:
    case 1: root->MoveCaret(1 + pick(9)); break;
    case 2: formula.Type(QString(QChar(u"ab+<>"[pick(5)]))); return;
    case 3: {
      const int size[2] = {1 + pick(3), 1 + pick(3)};
      root->InsertStructure(1 + pick(20), nullptr, size);
      break;
    }
    case 4:
      if (state.kind == GEOMETRY_SELECTION) clipboard = formula.SelectedVod();
      if (pick(2)) delete root->CutSelection();
      formula.m_tree.ApplyDefaultFont();
      break;
    case 5:
      if (CNode* pasted = clipboard.isEmpty() ? nullptr : formula.m_tree.ParseVod(clipboard)) {
        if (state.kind == GEOMETRY_SELECTION) delete root->CutSelection();
        formula.m_tree.ApplyDefaultFont();
        if (!root->InsertRow(pasted)) delete pasted;
        root->InheritFont();
      }
      break;
    case 6:
      formula.Press(anyX(), anyY());
      for (int moves = pick(3); moves >= 0; --moves) formula.Drag(anyX(), anyY());
      break;
    case 7: root->CollapseSelection(pick(2)); break;
    default: static_cast<CBoxNode*>(root)->SelectAll(); break;
  }
  formula.Relayout();
}

TEST(CaretPath, RandomSessionsKeepTheFormulaReadableAndTheCaretRestorable) {
  for (unsigned seed = 1; seed <= 200; ++seed) {
    std::mt19937 random(seed);
    EditedFormula formula("<#><l><e>x|</e></l></#>");
    QString clipboard;
    for (int step = 0; step < 100; ++step) {
      RandomStep(formula, random, clipboard);
      const QString vod = formula.Vod();
      ASSERT_TRUE(ReadsBack(vod)) << "seed " << seed << " step " << step << ": " << Str(vod);
      Rebuilt rebuilt(formula);
      ASSERT_TRUE(rebuilt.restored) << "seed " << seed << " step " << step << ": " << Str(vod)
                                    << testing::PrintToString(formula.Path());
      ASSERT_EQ(rebuilt.path, formula.Path()) << "seed " << seed << " step " << step << ": " << Str(vod);
    }
  }
}

}  // namespace
