// Cutting, pasting and splitting lines.
#include <gtest/gtest.h>

#include <memory>

#include "editedformula.h"

namespace KAVREL_FILE_LOCAL {

// Clipboard content as the control reads it: mark-up through the reader.
CNode* Parsed(const char* vod) {
  CBinTree reader;
  return reader.ParseVod(Q(vod));
}

TEST(CutPaste, CuttingAcrossLinesJoinsTheFirstAndLastLine) {
  EditedFormula formula("<#><l><e>r0</e></l><l><e>r1ab</e></l><l><e>r2</e></l><l><e>r3</e></l><l><e>r4ab</e></l></#>");
  formula.Press(20, 36);                          // row 1 after "r1"
  EXPECT_EQ(formula.Drag(20, 114), SELECT_PART);  // row 4 after "r4"
  std::unique_ptr<CNode> cut(formula.Root()->CutSelection());
  ASSERT_NE(cut, nullptr);
  EXPECT_EQ(cut->ToVod(false), Q("<#><l><e>ab</e></l><l><e>r2</e></l><l><e>r3</e></l><l><e>r4</e></l></#>"));
  EXPECT_EQ(formula.Caret(), Q("<#><l><e>r0</e></l><l><e>r1|</e><e>ab</e></l></#>"));
}

TEST(CutPaste, PastingPlacesRowsAndBoxesAtTheCaret) {
  struct Case { const char* name; const char* vod; const char* pasted; const char* after; } cases[] = {
      {"a row mid-run", "<#><l><e>ab|cd</e></l></#>", "<l><e>x</e><r><#><l></l></#></r></l>",
       "<#><l><e>ab</e><e>x</e><r><#><l></l></#></r><e>|cd</e></l></#>"},
      {"a row at a row's start", "<#><l><e>|</e><r><#><l></l></#></r></l></#>", "<l><e>x</e></l>",
       "<#><l><e>x|</e><r><#><l></l></#></r></l></#>"},
      {"a box of one row, as that row", "<#><l><e>ab|cd</e></l></#>", "<#><l><e>x</e></l></#>",
       "<#><l><e>ab</e><e>x|</e><e>cd</e></l></#>"},
      {"a box of two rows mid-run", "<#><l><e>ab|cd</e></l></#>", "<#><l><e>x</e></l><l><e>y</e></l></#>",
       "<#><l><e>ab</e><e>x</e></l><l><e>y|</e><e>cd</e></l></#>"},
      {"a box of three rows at a row's end", "<#><l><e>ab|</e></l></#>",
       "<#><l><e>x</e></l><l><e>y</e></l><l><e>z</e></l></#>",
       "<#><l><e>ab</e><e>x</e></l><l><e>y</e></l><l><e>z|</e></l></#>"},
      {"a box into a numerator", "<#><l><f><#><l><e>|</e></l></#><#><l></l></#></f></l></#>",
       "<#><l><e>x</e></l><l><e>y</e></l></#>",
       "<#><l><f><#><l><e>x</e></l><l><e>y|</e></l></#><#><l></l></#></f></l></#>"},
      {"mark-up not yet normalised", "<#><l><e>a|</e></l></#>", "<#><e>x</e><e>y</e></#>",
       "<#><l><e>a</e><e>x</e></l><l><e>y|</e></l></#>"},
  };
  for (const Case& c : cases) {
    EditedFormula formula(c.vod);
    EXPECT_TRUE(formula.Root()->InsertRow(Parsed(c.pasted))) << c.name;
    formula.Relayout();
    EXPECT_EQ(formula.Caret(), Q(c.after)) << c.name;
  }
}

TEST(CutPaste, PastedLinesTakeTheBoxsFormat) {
  EditedFormula formula("<#:color=ff><l><e>a|</e></l></#>");
  ASSERT_TRUE(formula.Root()->InsertRow(Parsed("<#><l><e>x</e></l><l><e>y</e></l><l><e>z</e></l></#>")));
  for (int line : {0, 1, 2}) EXPECT_EQ(NodeAt(formula, {line, line == 0 ? 1 : 0})->m_crColor, 0xFFu) << line;
}

TEST(CutPaste, PastingOverASelectedRangeIsRefused) {
  EditedFormula formula("<#><l><e>a|</e><f><#><l></l></#><#><l></l></#></f></l></#>");
  formula.Key(CARET_DELETE);
  const QString before = formula.Vod();
  std::unique_ptr<CNode> pasted(Parsed("<l><e>x</e></l>"));
  EXPECT_FALSE(formula.Root()->InsertRow(pasted.get()));
  EXPECT_EQ(formula.Vod(), before);
  EXPECT_EQ(formula.Root()->QuerySelection(), NodeAt(formula, {0, 1}));
}

TEST(CutPaste, ARowDoesNotSplitInsideAStructure) {
  EditedFormula formula("<#><l><e>a</e><f><#><l><e>n|</e></l></#><#><l></l></#></f></l></#>");
  auto* row = static_cast<CRowNode*>(NodeAt(formula, {0}));
  const QString before = formula.Vod();
  EXPECT_EQ(row->SplitAtCaret(formula.Root()), nullptr);
  EXPECT_EQ(formula.Vod(), before);
}

TEST(CutPaste, CutsGiveTheSelectedPartAndLeaveTheRest) {
  struct Case {
    const char* name;
    const char* vod;
    int pressX, dragX;
    const char* cut;
    const char* after;
  } cases[] = {
      {"characters of a run", "<#><l><e>abcd|</e></l></#>", 10, 30, "<e>bc</e>", "<#><l><e>a|d</e></l></#>"},
      {"a whole run", "<#><l><e>ab|</e></l></#>", 0, 20, "<e>ab</e>", "<#><l><e>|</e></l></#>"},
      {"runs around a structure", "<#><l><e>ab</e><r><#><l></l></#></r><e>cd|</e></l></#>", 10, 60,
       "<l><e>b</e><r><#><l></l></#></r><e>c</e></l>", "<#><l><e>a|</e><e>d</e></l></#>"},
  };
  for (const Case& c : cases) {
    EditedFormula formula(c.vod);
    formula.Press(c.pressX, 10);
    formula.Drag(c.dragX, 10);
    std::unique_ptr<CNode> cut(formula.Root()->CutSelection());
    ASSERT_NE(cut, nullptr) << c.name;
    EXPECT_EQ(cut->ToVod(false), Q(c.cut)) << c.name;
    formula.Relayout();
    EXPECT_EQ(formula.Caret(), Q(c.after)) << c.name;
  }
}

}  // namespace
