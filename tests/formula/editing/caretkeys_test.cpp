// The caret keys and typing, called on the root as the control does.  The
// caret before and after each key is shown by a "|" in the mark-up.
#include <gtest/gtest.h>

#include "editedformula.h"

namespace KAVREL_FILE_LOCAL {

TEST(CaretKeys, KeysMoveEditAndRefuseAsTheirNodesSay) {
  struct Case {
    const char* name;
    const char* vod;
    int key;
    bool used;
    const char* after;  // the caret after the key, when it moved
  } cases[] = {
      {"Left at row index 0", "<#><l><e>|ab</e></l></#>", CARET_LEFT, false, nullptr},
      {"Up in a box's first row", "<#><l><e>a|b</e></l><l><e>c</e></l></#>", CARET_UP, false, nullptr},
      {"Backspace at run index 0", "<#><l><e>|ab</e></l></#>", CARET_BACKSPACE, false, nullptr},
      {"Delete at a run's end", "<#><l><e>ab|</e></l></#>", CARET_DELETE, false, nullptr},
      {"Home in an empty row", "<#><l></l></#>", CARET_HOME, false, "<#><l><e>|</e></l></#>"},
      {"End in an empty row", "<#><l></l></#>", CARET_END, false, "<#><l><e>|</e></l></#>"},
      {"Home in the first run", "<#><l><e>ab|c</e></l></#>", CARET_HOME, true, "<#><l><e>|abc</e></l></#>"},
      {"Home goes to the row's start", "<#><l><e>x</e><e>a|b</e></l></#>", CARET_HOME, true,
       "<#><l><e>|x</e><e>ab</e></l></#>"},
      {"End in a run that is not last", "<#><l><e>a|b</e><e>c</e></l></#>", CARET_END, true,
       "<#><l><e>ab</e><e>c|</e></l></#>"},
      {"End at the row's end", "<#><l><e>ab</e><e>|</e></l></#>", CARET_END, false, "<#><l><e>ab|</e></l></#>"},
      {"Left steps back a character", "<#><l><e>ab|c</e></l></#>", CARET_LEFT, true, "<#><l><e>a|bc</e></l></#>"},
      {"Backspace takes the previous character", "<#><l><e>a|bc</e></l></#>", CARET_BACKSPACE, true,
       "<#><l><e>|bc</e></l></#>"},
      {"Delete takes the next character", "<#><l><e>a|bc</e></l></#>", CARET_DELETE, true, "<#><l><e>a|c</e></l></#>"},
      {"Backspace removes an emptied run", "<#><l><e>x</e><r><#><l></l></#></r><e>b|</e></l></#>", CARET_BACKSPACE,
       true, "<#><l><e>x</e><r><#><l></l></#></r><e>|</e></l></#>"},
      {"Delete at a numerator's end selects the fraction",
       "<#><l><e>a</e><f><#><l><e>n|</e></l></#><#><l></l></#></f></l></#>", CARET_DELETE, true,
       "<#><l><e>a|</e></l></#>"},
      {"Right enters a fraction's numerator",
       "<#><l><e>a|</e><f><#><l><e>n</e></l></#><#><l><e>d</e></l></#></f></l></#>", CARET_RIGHT, true,
       "<#><l><e>a</e><f><#><l><e>|n</e></l></#><#><l><e>d</e></l></#></f></l></#>"},
      {"Left out of a numerator stays before the fraction",
       "<#><l><e>a</e><f><#><l><e>|n</e></l></#><#><l><e>d</e></l></#></f></l></#>", CARET_LEFT, true,
       "<#><l><e>a|</e><f><#><l><e>n</e></l></#><#><l><e>d</e></l></#></f></l></#>"},
      {"Right at a line's end", "<#><l><e>ab|</e></l><l><e>cd</e></l></#>", CARET_RIGHT, true,
       "<#><l><e>ab</e></l><l><e>|cd</e></l></#>"},
      {"Left at a line's start", "<#><l><e>ab</e></l><l><e>|cd</e></l></#>", CARET_LEFT, true,
       "<#><l><e>ab|</e></l><l><e>cd</e></l></#>"},
      {"Down keeps the caret's x", "<#><l><e>ab|cd</e></l><l><e>efgh</e></l></#>", CARET_DOWN, true,
       "<#><l><e>abcd</e></l><l><e>ef|gh</e></l></#>"},
      {"Enter breaks the line", "<#><l><e>ab|cd</e></l></#>", CARET_ENTER, true,
       "<#><l><e>ab</e></l><l><e>|cd</e></l></#>"},
      {"Enter at a row's start", "<#><l><e>|</e><r><#><l></l></#></r></l></#>", CARET_ENTER, true,
       "<#><l></l><l><e>|</e><r><#><l></l></#></r></l></#>"},
      {"Backspace at a line's start joins it", "<#><l><e>ab</e></l><l><e>|cd</e></l></#>", CARET_BACKSPACE, true,
       "<#><l><e>ab|</e><e>cd</e></l></#>"},
      {"Delete at a line's end joins the next", "<#><l><e>ab|</e></l><l><e>cd</e></l></#>", CARET_DELETE, true,
       "<#><l><e>ab|</e><e>cd</e></l></#>"},
      {"Enter in a numerator breaks the numerator",
       "<#><l><f><#><l><e>a|b</e></l></#><#><l><e>d</e></l></#></f></l></#>", CARET_ENTER, true,
       "<#><l><f><#><l><e>a</e></l><l><e>|b</e></l></#><#><l><e>d</e></l></#></f></l></#>"},
      {"A one-box structure passes its box's refusal", "<#><l><r><#><l><e>a|</e></l></#></r></l></#>", CARET_UP, false,
       nullptr},
      {"Down in a matrix goes to the cell below",
       "<#><l><m><#><l><e>a|</e></l></#><#><l><e>b</e></l></#><#><l><e>c</e></l></#></m></l></#>", CARET_DOWN, true,
       "<#><l><m><#><l><e>a</e></l></#><#><l><e>b</e></l></#><#><l><e>c|</e></l></#></m></l></#>"},
      {"Down in a matrix's last grid row",
       "<#><l><m><#><l><e>a</e></l></#><#><l><e>b</e></l></#><#><l><e>c|</e></l></#></m></l></#>", CARET_DOWN, false,
       nullptr},
      {"Down in a matrix towards a missing cell",
       "<#><l><m:type=3><#><l><e>a</e></l></#><#><l><e>b|</e></l></#><#><l><e>c</e></l></#><#><l><e>d</e></l>"
       "</#></m></l></#>",
       CARET_DOWN, false, nullptr},
      {"Right in a matrix's last column leaves the matrix",
       "<#><l><m><#><l><e>a</e></l></#><#><l><e>b|</e></l></#><#><l><e>c</e></l></#></m></l></#>", CARET_RIGHT, true,
       "<#><l><m><#><l><e>a</e></l></#><#><l><e>b</e></l></#><#><l><e>c</e></l></#></m><e>|</e></l></#>"},
      {"Right in a matrix goes to the next cell", "<#><l><m><#><l><e>a|</e></l></#><#><l><e>b</e></l></#></m></l></#>",
       CARET_RIGHT, true, "<#><l><m><#><l><e>a</e></l></#><#><l><e>|b</e></l></#></m></l></#>"},
  };
  for (const Case& c : cases) {
    EditedFormula formula(c.vod);
    EXPECT_EQ(formula.Key(c.key), c.used) << c.name;
    EXPECT_EQ(formula.Caret(), Q(c.after ? c.after : c.vod)) << c.name;
  }
}

TEST(CaretKeys, UpAndDownMoveBetweenTheBoxesOfAStructure) {
  // A sum's second box is its upper part; Up leaves it for the first box.
  EditedFormula formula("<#><l><s><#><l><e>lo</e></l></#><#><l><e>u|p</e></l></#></s></l></#>");
  EXPECT_TRUE(formula.Key(CARET_UP));
  EXPECT_EQ(NodeAt(formula, {0, 0})->m_nCaret, 0);
  EXPECT_TRUE(formula.Key(CARET_DOWN));
  EXPECT_EQ(NodeAt(formula, {0, 0})->m_nCaret, 1);
  EXPECT_FALSE(formula.Key(CARET_DOWN));
  // A script pair in a place takes the point only on its own boxes; the
  // caret that misses them enters the pair at its start.
  EditedFormula scripts("<#><l><d><#><l><e>a|</e></l></#><c><#><l></l></#><#><l></l></#></c></d></l></#>");
  EXPECT_TRUE(scripts.Key(CARET_DOWN));
  EXPECT_EQ(
      scripts.Caret(),
      Q("<#><l><d><#><l><e>a</e></l></#><c><#:size=13><l><e>|</e></l></#><#:size=13><l></l></#></c></d></l></#>"));
}

TEST(CaretKeys, DeleteSelectsAStructureFirstAndRemovesItNext) {
  for (int key : {CARET_DELETE, CARET_BACKSPACE}) {
    EditedFormula formula(key == CARET_DELETE ? "<#><l><e>a|</e><f><#><l></l></#><#><l></l></#></f><e>b</e></l></#>"
                                              : "<#><l><e>a</e><f><#><l></l></#><#><l></l></#></f><e>|b</e></l></#>");
    CNode* fraction = NodeAt(formula, {0, 1});
    EXPECT_TRUE(formula.Key(key)) << key;
    EXPECT_EQ(formula.Root()->QuerySelection(), fraction) << key;
    EXPECT_TRUE(formula.Key(key)) << key;
    EXPECT_EQ(formula.Root()->QuerySelection(), nullptr) << key;
    EXPECT_EQ(formula.Caret(), Q("<#><l><e>a|</e><e>b</e></l></#>")) << key;
  }
}

// A structure selected by Delete; "b", the vector (x 20 to 32) and "c"
// dragged over; the middle of "ab" to the right half of the empty last line.
const char* kStructure = "<#><l><e>a|</e><v><#><l></l></#></v></l></#>";
const char* kRange = "<#><l><e>ab</e><v><#><l></l></#></v><e>cd</e></l></#>";
const char* kLines = "<#><l><e>ab</e></l><l><e>cd</e></l><l></l></#>";

TEST(CaretKeys, KeysCollapseASelection) {
  struct Case { const char* vod; int pressX, pressY, dragX, dragY; int key; const char* after; } cases[] = {
      {kStructure, -1, 0, 0, 0, CARET_HOME, "<#><l><e>|a</e><v><#><l></l></#></v></l></#>"},
      {kStructure, -1, 0, 0, 0, CARET_END, "<#><l><e>a</e><v><#><l></l></#></v><e>|</e></l></#>"},
      {kStructure, -1, 0, 0, 0, CARET_LEFT, "<#><l><e>a|</e><v><#><l></l></#></v></l></#>"},
      {kStructure, -1, 0, 0, 0, CARET_RIGHT, "<#><l><e>a</e><v><#><l></l></#></v><e>|</e></l></#>"},
      {kRange, 10, 15, 45, 15, CARET_LEFT, "<#><l><e>a|b</e><v><#><l></l></#></v><e>cd</e></l></#>"},
      {kRange, 10, 15, 45, 15, CARET_UP, "<#><l><e>a|b</e><v><#><l></l></#></v><e>cd</e></l></#>"},
      {kRange, 10, 15, 45, 15, CARET_RIGHT, "<#><l><e>ab</e><v><#><l></l></#></v><e>c|d</e></l></#>"},
      {kRange, 10, 15, 45, 15, CARET_DOWN, "<#><l><e>ab</e><v><#><l></l></#></v><e>c|d</e></l></#>"},
      // Enter takes the selected characters out first.
      {"<#><l><e>abcd</e></l></#>", 10, 10, 30, 10, CARET_ENTER, "<#><l><e>a</e></l><l><e>|d</e></l></#>"},
      {kLines, 10, 10, 10, 62, CARET_LEFT, "<#><l><e>a|b</e></l><l><e>cd</e></l><l></l></#>"},
      {kLines, 10, 10, 10, 62, CARET_UP, "<#><l><e>a|b</e></l><l><e>cd</e></l><l></l></#>"},
      {kLines, 10, 10, 10, 62, CARET_HOME, "<#><l><e>|ab</e></l><l><e>cd</e></l><l></l></#>"},
      {kLines, 10, 10, 10, 62, CARET_DOWN, "<#><l><e>ab</e></l><l><e>cd</e></l><l><e>|</e></l></#>"},
      {kLines, 10, 10, 10, 62, CARET_RIGHT, "<#><l><e>ab</e></l><l><e>cd</e></l><l><e>|</e></l></#>"},
      {kLines, 10, 10, 10, 62, CARET_DELETE, "<#><l><e>a|</e></l></#>"},
      {kLines, 10, 10, 10, 62, CARET_BACKSPACE, "<#><l><e>a|</e></l></#>"},
      {kLines, 10, 10, 10, 62, CARET_ENTER, "<#><l><e>a</e></l><l><e>|</e></l></#>"},
  };
  for (const Case& c : cases) {
    EditedFormula formula(c.vod);
    if (c.pressX < 0) {
      formula.Key(CARET_DELETE);
    } else {
      formula.Press(c.pressX, c.pressY);
      formula.Drag(c.dragX, c.dragY);
    }
    SelectionGeometry before, after;
    formula.Root()->GetSelectionRegion(before);
    ASSERT_EQ(before.kind, GEOMETRY_SELECTION) << c.vod << " key " << c.key;
    EXPECT_TRUE(formula.Key(c.key)) << c.vod << " key " << c.key;
    formula.Root()->GetSelectionRegion(after);
    EXPECT_EQ(after.kind, GEOMETRY_CARET) << c.vod << " key " << c.key;
    EXPECT_EQ(formula.Root()->QuerySelection(), nullptr) << c.vod << " key " << c.key;
    EXPECT_EQ(formula.Caret(), Q(c.after)) << c.vod << " key " << c.key;
  }
}

TEST(CaretKeys, TypingJoinsTheRunBeforeOrStartsOneInTheNeighboursFont) {
  struct Case { const char* name; const char* vod; const char* after; } cases[] = {
      {"into an empty row", "<#><l></l></#>", "<#><l><e>x</e></l></#>"},
      {"between two runs", "<#><l><e>a</e><e>|</e><e:i=1>b</e></l></#>", "<#><l><e>ax</e><e:i=1>b</e></l></#>"},
      {"before a structure at the row's start", "<#><l><e>|</e><r:i=1,color=ff><#><l></l></#></r></l></#>",
       "<#><l><e:i=1,color=ff>x</e><r:i=1,color=ff><#><l></l></#></r></l></#>"},
      {"into a run", "<#><l><e:u=1>a|b</e></l></#>", "<#><l><e:u=1>axb</e></l></#>"},
  };
  for (const Case& c : cases) {
    EditedFormula formula(c.vod);
    formula.Type(Q("x"));
    EXPECT_EQ(formula.Vod(), Q(c.after)) << c.name;
  }
  EditedFormula empty("<#><l:size=30,color=ff00></l></#>");
  empty.Root()->InsertText(Q("x"));
  const CNode* row = NodeAt(empty, {0});
  const CNode* run = NodeAt(empty, {0, 0});
  ASSERT_NE(run, nullptr);
  EXPECT_EQ(run->m_lf, row->m_lf);
  EXPECT_EQ(run->m_crColor, 0xFF00u);
}

}  // namespace
