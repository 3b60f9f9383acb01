// Inserting structures at the caret and around a selection, and the depth
// up to which edits may nest.
#include <gtest/gtest.h>

#include "editedformula.h"

namespace KAVREL_FILE_LOCAL {

// Selects the whole of the run "ab" at the start of the first row by dragging.
void DragOverAb(EditedFormula& formula) {
  formula.Press(0, 10);
  formula.Drag(20, 10);
}

TEST(StructureInsert, EveryKindMakesItsNodeAndPutsTheCaretInIt) {
  struct Case {
    int kind;
    const char* tag;
    int type;
    const char* text;    // sign text of the node, or of the node in its first place
    int place;           // the place that holds the node of its own (-1: none)
    const char* inside;  // its tag
    int caretPlace;      // the place holding the caret, without and with content
    int caretWithContent;
  } cases[] = {
      {INSERT_FRACTION, "f", 0, "", -1, "", 0, 1},
      {INSERT_SQRT, "r", 0, "", -1, "", 0, 0},
      {INSERT_NTHROOT, "n", 0, "", -1, "", 0, 1},
      {INSERT_SUPERSCRIPT, "^", 0, "", -1, "", 0, 1},
      {INSERT_SUBSCRIPT, "_", 0, "", -1, "", 0, 1},
      {INSERT_SCRIPTS, "d", 0, "", 1, "c", 0, 1},
      {INSERT_VECTOR_ARROW, "v", 0, "", -1, "", 0, 0},
      {INSERT_VECTOR_BAR, "v", 1, "", -1, "", 0, 0},
      {INSERT_VECTOR_ARC, "v", 2, "", -1, "", 0, 0},
      {INSERT_SUM, "d", 0, "\uF0E5", 0, "s", 1, 0},
      {INSERT_PRODUCT, "d", 0, "\uF0D5", 0, "s", 1, 0},
      {INSERT_INTEGRAL, "d", 0, "\uF0F2", 0, "i", 1, 0},
      {INSERT_ROUND_BRACKETS, "b", 0, "\uF028\uF029", -1, "", 0, 0},
      {INSERT_SQUARE_BRACKETS, "b", 0, "\uF05B\uF05D", -1, "", 0, 0},
      {INSERT_CURLY_BRACKETS, "b", 0, "\uF07B\uF07D", -1, "", 0, 0},
      {INSERT_BARS, "b", 0, "\uF07C\uF07C", -1, "", 0, 0},
      {INSERT_LEFT_BRACE, "b", 0, "\uF07B ", -1, "", 0, 0},
      {INSERT_RIGHT_BRACE, "b", 0, " \uF07D", -1, "", 0, 0},
  };
  for (const Case& c : cases) {
    for (bool withContent : {false, true}) {
      EditedFormula formula("<#><l><e>x</e><e>a|b</e></l></#>");
      if (withContent) {
        formula.Press(10, 10);
        formula.Drag(30, 10);
      }
      ASSERT_TRUE(formula.Root()->InsertStructure(c.kind, nullptr, nullptr)) << c.kind;
      CNode* node = NodeAt(formula, {0, withContent ? 1 : 2});
      ASSERT_NE(node, nullptr) << c.kind;
      EXPECT_EQ(node->m_strTag, Q(c.tag)) << c.kind;
      EXPECT_EQ(node->m_nType, c.type) << c.kind;
      CNode* own = c.place >= 0 ? Child(node, c.place) : node;
      ASSERT_NE(own, nullptr) << c.kind;
      if (c.place >= 0) {
        EXPECT_EQ(own->m_strTag, Q(c.inside)) << c.kind;
      }
      EXPECT_EQ(own->m_strText, Q(c.text)) << c.kind;
      EXPECT_EQ(node->m_nCaret, withContent ? c.caretWithContent : c.caretPlace) << c.kind << withContent;
      // The selected characters went into the node's content box.
      if (withContent) {
        EXPECT_TRUE(node->ToText(false).contains(Q("ab"))) << c.kind;
      }
      const QString vod = formula.Caret();
      EXPECT_TRUE(ReadsBack(vod)) << c.kind << Str(vod);
      EXPECT_EQ(vod.count(u'|'), 1) << c.kind;
    }
  }
}

TEST(StructureInsert, AFractionHoldsTheSelectionWithTheCaretBelow) {
  EditedFormula selected("<#><l><e>ab|</e></l></#>");
  DragOverAb(selected);
  ASSERT_TRUE(selected.Root()->InsertStructure(INSERT_FRACTION, nullptr, nullptr));
  EXPECT_EQ(selected.Caret(), Q("<#><l><f><#><l><e>ab</e></l></#><#><l><e>|</e></l></#></f></l></#>"));
  EditedFormula plain("<#><l><e>ab|</e></l></#>");
  ASSERT_TRUE(plain.Root()->InsertStructure(INSERT_FRACTION, nullptr, nullptr));
  EXPECT_EQ(plain.Caret(), Q("<#><l><e>ab</e><f><#><l><e>|</e></l></#><#><l></l></#></f></l></#>"));
}

TEST(StructureInsert, ATextBoxAndAMatrixTakeTheirContent) {
  EditedFormula coloured("<#><l><e:color=ff>a|</e></l></#>");
  ASSERT_TRUE(coloured.Root()->InsertStructure(INSERT_SQRT, nullptr, nullptr));
  EXPECT_EQ(coloured.Vod(), Q("<#><l><e:color=ff>a</e><r:color=ff><#><l></l></#></r></l></#>"));
  EditedFormula run("<#><l><e:color=ff>ab|</e></l></#>");
  DragOverAb(run);
  ASSERT_TRUE(run.Root()->InsertStructure(INSERT_RUN, nullptr, nullptr));
  EXPECT_EQ(run.Vod(), Q("<#><l><e:color=ff>ab</e></l></#>"));
  const int size[2] = {3, 2};
  EditedFormula matrix("<#><l><e>ab|</e></l></#>");
  DragOverAb(matrix);
  ASSERT_TRUE(matrix.Root()->InsertStructure(INSERT_MATRIX, nullptr, size));
  const QString empty = Q("<#><l></l></#>");
  EXPECT_EQ(matrix.Vod(), Q("<#><l><m:type=2><#><l><e>ab</e></l></#>") + empty.repeated(5) + Q("</m></l></#>"));
}

TEST(StructureInsert, UnknownKindsAndOtherPastesChangeNothing) {
  const char* vod = "<#><l><e>a|b</e></l></#>";
  for (int kind : {0, 21, -1}) {
    EditedFormula formula(vod);
    EXPECT_FALSE(formula.Root()->InsertStructure(kind, nullptr, nullptr)) << kind;
    EXPECT_EQ(formula.Caret(), Q(vod)) << kind;
  }
  EditedFormula formula(vod);
  CTextNode run(Q("x"));
  EXPECT_FALSE(formula.Root()->InsertRow(&run));
  EXPECT_EQ(formula.Caret(), Q(vod));
}

// A run that tells when it is deleted.
struct TrackedRun : CTextNode {
  explicit TrackedRun(bool* deleted) : CTextNode(QStringLiteral("c")), m_deleted(deleted) {}
  ~TrackedRun() override { *m_deleted = true; }
  bool* m_deleted;
};

TEST(StructureInsert, NestingStopsWhereTheReaderStops) {
  for (int kind : {INSERT_FRACTION, INSERT_SQRT, INSERT_SCRIPTS, INSERT_SUM, INSERT_MATRIX}) {
    EditedFormula formula("<#><l></l></#>");
    int inserted = 0;
    while (formula.Root()->InsertStructure(kind, nullptr, nullptr)) ++inserted;
    EXPECT_GT(inserted, CBinTree::kMaxDepth / 6) << kind;
    // The last one went in with room for typing into its empty rows.
    formula.Type(Q("x"));
    const QString vod = formula.Vod();
    EXPECT_TRUE(ReadsBack(vod)) << kind;
    EXPECT_LE(TreeDepth(formula.Root()), CBinTree::kMaxDepth) << kind;
    EXPECT_GE(TreeDepth(formula.Root()), CBinTree::kMaxDepth - 5) << kind;
    bool deleted = false;
    EXPECT_FALSE(formula.Root()->InsertStructure(kind, new TrackedRun(&deleted), nullptr)) << kind;
    EXPECT_TRUE(deleted) << kind;
    EXPECT_EQ(formula.Vod(), vod) << kind;
  }
}

TEST(StructureInsert, APasteThatWouldNestTooDeepIsRefused) {
  EditedFormula formula("<#><l></l></#>");
  while (formula.Root()->InsertStructure(INSERT_SQRT, nullptr, nullptr)) {
  }
  const QString vod = formula.Vod();
  CBinTree clipboard;
  auto* deep = clipboard.ParseVod(Q("<l><r><#><l><r><#><l><e>x</e></l></#></r></l></#></r></l>"));
  ASSERT_NE(deep, nullptr);
  EXPECT_FALSE(formula.Root()->InsertRow(deep));
  delete deep;
  EXPECT_EQ(formula.Vod(), vod);
}

}  // namespace
