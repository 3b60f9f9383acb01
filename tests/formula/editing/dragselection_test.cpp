// Selecting by dragging, in runs, rows and across lines, and the caret and
// selection geometry reported for drawing.
#include <gtest/gtest.h>

#include "editedformula.h"

namespace KAVREL_FILE_LOCAL {

// "a", then a fraction of "n" over "d" at x 10 to 27 (its centre at 18; the
// numerator at x 12 to 22 and y 0 to 20, the bar at y 21 to 26), then "b".
const char* kFraction = "<#><l><e>a</e><f><#><l><e>n</e></l></#><#><l><e>d</e></l></#></f><e>b</e></l></#>";
const char* kThreeLines = "<#><l><e>ab</e></l><l><e>cd</e></l><l><e>ef</e></l></#>";

TEST(DragSelection, RunsSelectCharactersByTheirMiddles) {
  EditedFormula formula("<#><l><e>abcd</e></l></#>");
  auto* run = static_cast<CTextNode*>(NodeAt(formula, {0, 0}));
  run->SetCaretFromPoint(15, 10);  // on b's middle: the caret after b
  EXPECT_EQ(run->m_nCaret, 2);
  run->SetCaretFromPoint(4, 10);
  EXPECT_EQ(run->m_nCaret, 0);
  EXPECT_EQ(run->ExtendSelectionTo(40, 10), SELECT_WHOLE);
  EXPECT_EQ(run->ExtendSelectionTo(16, 10), SELECT_PART);
  EXPECT_EQ(run->m_nSelEnd, 2);
  EXPECT_EQ(run->ExtendSelectionTo(0, 10), SELECT_CARET);  // back onto the anchor
  EXPECT_FALSE(run->m_bSelected);
  // From the run's start or to its end, as a drag from another item reaches it.
  EXPECT_EQ(run->SelectFromStartTo(16), SELECT_PART);
  EXPECT_EQ(run->m_nCaret, 0);
  EXPECT_EQ(run->SelectToEndFrom(16), SELECT_PART);
  EXPECT_EQ(run->m_nCaret, 4);
}

TEST(DragSelection, ADragAcrossAStructuresCentreSelectsItAlone) {
  struct Case { int dragX, dragY; int result; bool selected; const char* caret; } cases[] = {
      {25, 23, SELECT_PART, true, ""},
      {15, 23, SELECT_CARET, false,
       "<#><l><e>a|</e><f><#><l><e>n</e></l></#><#><l><e>d</e></l></#></f><e>b</e></l></#>"},
      {25, 23, SELECT_CARET, false,  // pressed on the centre itself: nothing crossed
       "<#><l><e>a</e><f><#><l><e>n</e></l></#><#><l><e>d</e></l></#></f><e>|b</e></l></#>"},
      {20, 10, SELECT_PART, false, "<#><l><e>a</e><f><#><l><e>|</e></l></#><#><l><e>d</e></l></#></f><e>b</e></l></#>"},
  };
  for (const Case& c : cases) {
    EditedFormula formula(kFraction);
    formula.Press(c.result == SELECT_CARET && c.dragX == 25 ? 18 : 13, 10);
    EXPECT_EQ(formula.Drag(c.dragX, c.dragY), c.result) << c.dragX;
    CNode* fraction = NodeAt(formula, {0, 1});
    EXPECT_EQ(formula.Root()->QuerySelection() == fraction, c.selected) << c.dragX;
    if (!c.selected) {
      EXPECT_EQ(formula.Caret(), Q(c.caret)) << c.dragX;
    }
  }
}

TEST(DragSelection, RowsSelectWholeItemsBetweenPartRuns) {
  // Linear text of a row: each item's text and ","; of a fraction: "n,/d,".
  struct Case { int press, drag; const char* text; } cases[] = {
      {4, 35, "a,n,/d,,b,"},                 // from a run over the fraction into the last run
      {35, 4, "a,n,/d,,b,"}, {4, 15, "a,"},  // the fraction's centre not reached
      {30, 12, "n,/d,,"},                    // nothing of "b" left of its first middle
      {5, 35, "n,/d,,b,"},                   // pressed on a's middle: after it
  };
  for (const Case& c : cases) {
    EditedFormula formula(kFraction);
    formula.Press(c.press, 30);
    formula.Drag(c.drag, 30);
    // Only a structure selected alone is the selected structure.
    const bool fractionAlone = Q(c.text) == Q("n,/d,,");
    EXPECT_EQ(formula.Root()->QuerySelection(), fractionAlone ? NodeAt(formula, {0, 1}) : nullptr)
        << c.press << "->" << c.drag;
    const QString text = formula.m_tree.GetText(3);
    EXPECT_EQ(text, Q(c.text)) << c.press << "->" << c.drag;
    // What is copied reads back as the selected part.
    CBinTree copy;
    copy.SetVod(formula.SelectedVod());
    EXPECT_EQ(copy.GetText(2), text) << c.press << "->" << c.drag;
  }
  // Back on the run it started in, only that run's characters.
  EditedFormula back(kFraction);
  back.Press(4, 30);
  back.Drag(35, 30);
  back.Drag(8, 30);
  EXPECT_EQ(back.m_tree.GetText(3), Q("a"));
  EditedFormula collapsed(kFraction);
  collapsed.Press(4, 30);
  collapsed.Drag(35, 30);
  EXPECT_TRUE(collapsed.Root()->CollapseSelection(true));
  EXPECT_EQ(collapsed.Caret(), Q("<#><l><e>a</e><f><#><l><e>n</e></l></#><#><l><e>d</e></l></#></f><e>b|</e></l></#>"));
  // Pressed on the bar, where the fraction takes no caret: the drag starts
  // in the gap beside it.
  struct Gap {
    int press, drag;
    const char* text;
  } gaps[] = {{15, 25, "n,/d,,"}, {25, 4, "a,n,/d,,"}, {25, 20, ""}};
  for (const Gap& g : gaps) {
    EditedFormula formula(kFraction);
    formula.Press(g.press, 23);
    formula.Drag(g.drag, 23);
    EXPECT_EQ(formula.m_tree.GetText(3), Q(g.text)) << g.press << "->" << g.drag;
  }
}

TEST(DragSelection, ADragAcrossLinesSelectsTheLinesBetween) {
  struct Case { int pressX, pressY, dragX, dragY; int result; const char* text; } cases[] = {
      {10, 10, 10, 62, SELECT_PART, "bcd,e"}, {10, 62, 10, 10, SELECT_PART, "bcd,e"},
      {0, 10, 20, 62, SELECT_PART, "abcd,ef"},
      {20, 10, 0, 36, SELECT_CARET, ""},  // from a line's end to the next line's start
  };
  for (const Case& c : cases) {
    EditedFormula formula(kThreeLines);
    formula.Press(c.pressX, c.pressY);
    EXPECT_EQ(formula.Drag(c.dragX, c.dragY), c.result) << c.dragY;
    EXPECT_EQ(formula.m_tree.GetText(3), Q(c.text)) << c.dragY;
  }
  // Back on the line it started in, the selection is that line's again.
  EditedFormula back(kThreeLines);
  back.Press(10, 10);
  back.Drag(10, 62);
  EXPECT_EQ(back.Drag(20, 10), SELECT_PART);
  EXPECT_EQ(back.m_tree.GetText(3), Q("b"));
  EditedFormula formula(kThreeLines);
  formula.Press(10, 10);
  formula.Drag(10, 62);
  EXPECT_EQ(formula.Root()->m_nSelStart, 0);
  EXPECT_EQ(formula.Root()->m_nSelEnd, 2);
  EXPECT_TRUE(formula.Root()->CollapseSelection(true));
  EXPECT_EQ(formula.Caret(), Q("<#><l><e>ab</e></l><l><e>cd</e></l><l><e>e|f</e></l></#>"));
}

TEST(DragSelection, TheCaretLineStandsAtTheNextItemInTheFormatBeforeIt) {
  EditedFormula formula("<#><l><e:color=ff,i=1>a</e><e>|</e><f><#><l><e>n</e></l></#><#><l></l></#></f></l></#>");
  SelectionGeometry geometry;
  formula.Root()->GetSelectionRegion(geometry);
  EXPECT_EQ(geometry.kind, GEOMETRY_CARET);
  EXPECT_EQ(geometry.caretTop, QPoint(10, 0));
  EXPECT_EQ(geometry.caretBottom, QPoint(10, 48));
  EXPECT_EQ(geometry.lineStart, QPoint(0, 48));
  EXPECT_EQ(geometry.lineEnd, QPoint(29, 48));
  EXPECT_EQ(geometry.colour, 0xFFu);
  EXPECT_EQ(geometry.font.lfItalic, 1);
  EXPECT_TRUE(geometry.region.isEmpty());
}

TEST(DragSelection, TheSelectedAreaCoversEachSpan) {
  EditedFormula formula(kThreeLines);
  formula.Press(10, 10);
  formula.Drag(10, 62);
  SelectionGeometry geometry;
  formula.Root()->GetSelectionRegion(geometry);
  EXPECT_EQ(geometry.kind, GEOMETRY_SELECTION);
  // "b", the line gap below it, "cd", the gap below that, "e".
  for (QPoint inside : {QPoint(15, 10), QPoint(15, 23), QPoint(5, 30), QPoint(5, 49), QPoint(5, 60)})
    EXPECT_TRUE(geometry.region.contains(inside)) << inside.x() << "," << inside.y();
  for (QPoint outside : {QPoint(5, 10), QPoint(5, 23), QPoint(15, 49), QPoint(15, 60)})
    EXPECT_FALSE(geometry.region.contains(outside)) << outside.x() << "," << outside.y();

  EditedFormula structure("<#><l><e>a|</e><f><#><l><e>n</e></l></#><#><l></l></#></f></l></#>");
  structure.Key(CARET_DELETE);
  SelectionGeometry selected;
  structure.Root()->GetSelectionRegion(selected);
  EXPECT_EQ(selected.kind, GEOMETRY_SELECTION);
  // The fraction (19 wide) and two pixels beyond it.
  EXPECT_EQ(selected.region.boundingRect(), QRect(10, 0, 21, 48));
}

}  // namespace
