// Fonts and colours in the tree: inheritance, the scaled boxes of
// structures, and changing a font part of a node or of a selection.
#include <gtest/gtest.h>

#include "formulatestutil.h"

namespace KAVREL_FILE_LOCAL {

CNode* FirstItem(const CBinTree& tree) { return ChildAs<CNode>(ChildAs<CRowNode>(tree.m_pRoot, 0), 0); }

TEST(NodeFont, StructureBoxesTakeTheScaledHeightInSinglePrecision) {
  struct Case { const char* tag; int height; int first, second; } cases[] = {
      {"^", 35, 35, 22},  // scripts 0.65
      {"c", 35, 22, 22},
      {"i", 35, 20, 20},  // limits 0.58
      {"i", 50, 29, 29},  // 50 * 0.58f rounds to 29.0f; in double it would truncate to 28
      {"a", 35, 26, 26},  // arrow texts 0.75
      {"f", 35, 35, 35}, {"n", -40, -40, -23},
  };
  for (const Case& c : cases) {
    CBinTree tree;
    tree.m_lfDefault.lfHeight = c.height;
    const QString tag = Q(c.tag);
    tree.SetVod(Q("<#><l><") + tag + Q("><#><l><e>a</e></l></#><#><l><e>b</e></l></#></") + tag +
                Q("></l></#>"));
    auto* structure = dynamic_cast<CStandardNode*>(FirstItem(tree));
    ASSERT_NE(structure, nullptr) << c.tag;
    EXPECT_EQ(structure->m_pFirst->m_lf.lfHeight, c.first) << c.tag << c.height;
    EXPECT_EQ(structure->m_pSecond->m_lf.lfHeight, c.second) << c.tag << c.height;
    // A box whose height differs from its structure's marks it as its own.
    EXPECT_EQ(bool(structure->m_pSecond->m_dwFontMask & FONT_HEIGHT), c.second != c.height) << c.tag;
    const auto* run = ChildAs<CTextNode>(ChildAs<CRowNode>(structure->m_pSecond, 0), 0);
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(run->m_lf.lfHeight, c.second) << c.tag;
  }
}

TEST(NodeFont, InheritedPartsFlowDownAndOwnPartsStay) {
  CBinTree tree;
  tree.m_crDefault = 0x0000FF;
  tree.SetVod(Q("<#><l:i=1><e>a</e><e:b=0,color=ff00>b</e></l></#>"));
  auto* row = ChildAs<CRowNode>(tree.m_pRoot, 0);
  auto* a = ChildAs<CTextNode>(row, 0);
  auto* b = ChildAs<CTextNode>(row, 1);
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->m_lf.lfItalic, 1);
  EXPECT_EQ(a->m_lf.lfWeight, 700);
  EXPECT_EQ(a->m_crColor, 0xFFu);
  EXPECT_EQ(b->m_lf.lfItalic, 1);
  EXPECT_EQ(b->m_lf.lfWeight, 400);
  EXPECT_EQ(b->m_crColor, 0xFF00u);
}

TEST(NodeFont, SetFontOfTheWholeFormulaLeavesTheRootItself) {
  CBinTree tree;
  tree.SetVod(Q("<#><l><e>x</e></l></#>"));
  LOGFONT font = tree.m_lfDefault;
  font.lfHeight = 50;
  font.lfFaceName = Q("An unusually long face name that goes on");
  tree.m_pRoot->SetFont(0xFF, font, false, PART_ALL);
  EXPECT_EQ(tree.m_pRoot->m_lf.lfHeight, 35);
  EXPECT_EQ(tree.GetText(0), Q("<#><l:name=An unusually long face name tha,size=50,color=ff><e>x</e></l></#>"));
}

TEST(NodeFont, SettingAPartBackToTheParentsValueClearsItsMark) {
  CBinTree tree;
  tree.SetVod(Q("<#><l><e:size=50,i=1>x</e></l></#>"));
  CNode* run = ChildAs<CTextNode>(ChildAs<CRowNode>(tree.m_pRoot, 0), 0);
  ASSERT_NE(run, nullptr);
  LOGFONT font = run->m_lf;
  font.lfHeight = 35;
  run->SetFont(0, font, false, PART_HEIGHT);
  EXPECT_EQ(tree.GetText(0), Q("<#><l><e:i=1>x</e></l></#>"));
  run->SetFont(0x00FF00, font, false, PART_COLOR);
  EXPECT_EQ(tree.GetText(0), Q("<#><l><e:i=1,color=ff00>x</e></l></#>"));
  run->SetFont(0, font, false, PART_COLOR);  // the row's colour
  EXPECT_EQ(tree.GetText(0), Q("<#><l><e:i=1>x</e></l></#>"));
}

TEST(NodeFont, SetFontOfAStructureScalesTheHeightForItsBoxes) {
  CBinTree tree;
  tree.SetVod(Q("<#><l><^><#><l><e>x</e></l></#><#><l><e>2</e></l></#></^></l></#>"));
  CNode* sup = FirstItem(tree);
  LOGFONT font = sup->m_lf;
  font.lfHeight = 40;
  sup->SetFont(0, font, false, PART_HEIGHT);
  auto* structure = dynamic_cast<CStandardNode*>(sup);
  EXPECT_EQ(structure->m_lf.lfHeight, 40);
  EXPECT_EQ(structure->m_pFirst->m_lf.lfHeight, 40);
  EXPECT_EQ(structure->m_pSecond->m_lf.lfHeight, 26);
  EXPECT_EQ(tree.GetText(0),
            Q("<#><l><^:size=40><#><l><e>x</e></l></#><#:size=26><l><e>2</e></l></#></^></l></#>"));
}

TEST(NodeFont, SplittingASelectionLeavesItAsARunOfItsOwn) {
  struct Case { int start, end; int result, shift; std::vector<const char*> runs; } cases[] = {
      {1, 4, 2, 1, {"a", "bcd", "ef"}}, {0, 2, 1, 0, {"ab", "cdef"}}, {4, 6, 1, 1, {"abcd", "ef"}},
      {0, 6, 0, 0, {"abcdef"}},  // wholly selected: nothing to split
  };
  for (const Case& c : cases) {
    CRowNode row;
    auto* run = new CTextNode(Q("abcdef"));
    run->m_dwFontMask = FONT_ITALIC;
    run->m_lf.lfItalic = 1;
    row.AppendChild(run);
    SelectCharacters(run, c.start, c.end);
    int shift = -1;
    EXPECT_EQ(run->SplitSelection(&row, 0, &shift), c.result) << c.start;
    EXPECT_EQ(shift, c.shift) << c.start;
    ASSERT_EQ(row.ChildCount(), int(c.runs.size())) << c.start;
    for (int i = 0; i < row.ChildCount(); ++i) {
      EXPECT_EQ(row.ChildAt(i)->m_strText, Q(c.runs[size_t(i)])) << c.start << " run " << i;
      EXPECT_EQ(row.ChildAt(i)->m_dwFontMask, DWORD(FONT_ITALIC)) << c.start << " run " << i;
      EXPECT_EQ(row.ChildAt(i)->m_pParent, &row) << c.start << " run " << i;
    }
    // The run itself stays the selected part, except where that is its tail.
    EXPECT_EQ(row.ChildAt(c.shift) == run, c.start == 0 || c.end < 6) << c.start;
    EXPECT_TRUE(row.ChildAt(c.shift)->IsWhollySelected()) << c.start;
  }
}

TEST(NodeFont, SetFontOfSelectedCharactersChangesOnlyThem) {
  CBinTree tree;
  tree.SetVod(Q("<#><l><e>abcdef</e></l></#>"));
  auto* row = ChildAs<CRowNode>(tree.m_pRoot, 0);
  auto* run = ChildAs<CTextNode>(row, 0);
  SelectCharacters(run, 2, 4);
  tree.m_pRoot->SetFont(0xFF, tree.m_lfDefault, true, PART_COLOR);
  EXPECT_EQ(tree.GetText(0), Q("<#><l><e>ab</e><e:color=ff>cd</e><e>ef</e></l></#>"));
  EXPECT_EQ(row->m_pActive, row->ChildAt(1));
  EXPECT_EQ(row->m_nCaret, 1);
}

TEST(NodeFont, SetFontOfARangeSplitsTheRunsAtBothEnds) {
  CBinTree tree;
  tree.SetVod(Q("<#><l><e>abc</e><f><#><l><e>1</e></l></#><#><l><e>2</e></l></#></f><e>xyz</e></l></#>"));
  auto* row = ChildAs<CRowNode>(tree.m_pRoot, 0);
  SelectRange(tree.m_pRoot, row, 0, 3);
  SelectCharacters(ChildAs<CTextNode>(row, 0), 1, 3);
  SelectCharacters(ChildAs<CTextNode>(row, 2), 0, 2);
  LOGFONT font = tree.m_lfDefault;
  font.lfItalic = 1;
  tree.m_pRoot->SetFont(0, font, true, PART_ITALIC);
  EXPECT_EQ(tree.GetText(0),
            Q("<#><l><e>a</e><e:i=1>bc</e><f:i=1><#><l><e>1</e></l></#><#><l><e>2</e></l></#></f>"
              "<e:i=1>xy</e><e>z</e></l></#>"));
  EXPECT_EQ(row->m_nSelStart, 1);
  EXPECT_EQ(row->m_nSelEnd, 4);
}

TEST(NodeFont, WholeSelectionChangesTheRowItself) {
  CBinTree tree;
  tree.SetVod(Q("<#><l><e>ab</e></l><l><e>cd</e></l></#>"));
  auto* box = dynamic_cast<CBoxNode*>(tree.m_pRoot);
  box->SelectAll();
  LOGFONT font = tree.m_lfDefault;
  font.lfUnderline = 1;
  box->SetFont(0, font, true, PART_UNDERLINE);
  // The root has no parent: its rows carry the change.
  EXPECT_EQ(tree.GetText(0), Q("<#><l:u=1><e>ab</e></l><l:u=1><e>cd</e></l></#>"));
}

}  // namespace
