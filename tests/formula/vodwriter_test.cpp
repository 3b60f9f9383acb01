// Writing mark-up and linear text: attributes, runs the reader could not
// take as they are, structures, brackets, matrices and selections.
#include <gtest/gtest.h>

#include "formulatestutil.h"

namespace KAVREL_FILE_LOCAL {

TEST(VodWriter, Attributes) {
  struct Case {
    DWORD bits; bool colourSet; COLORREF colour; int type; const char* written;
    const char* face = "Arial";
    int weight = FW_BOLD;
  } cases[] = {
      {0, false, 0, 0, ">"},
      {FONT_FACE | FONT_HEIGHT, true, 0xFF, 0, ":name=Arial,size=40,color=ff>"},
      {FONT_ALL, false, 0, 0, ":name=Arial,cset=134,size=40,b=1,i=1,u=0>"},
      {FONT_WEIGHT, false, 0, 3, ":b=1,type=3>"}, {0, true, 0x00FF00, 0, ":color=ff00>"},
      {0, true, 0, 0, ":color=0>"},
      {0, true, 0xFFFFFFFF, -2, ":color=ffffffff,type=-2>"},
      {0, false, 0, 7, ":type=7>"}, {FONT_UNDERLINE, false, 0, 0, ":u=0>"},
      // The weight is written as bold or not.
      {FONT_WEIGHT, false, 0, 0, ":b=0>", "Arial", 699}, {FONT_WEIGHT, false, 0, 0, ":b=1>", "Arial", 900},
      {FONT_WEIGHT, false, 0, 0, ":b=0>", "Arial", 100},
      // A face name loses what would end its attribute or the list.
      {FONT_FACE | FONT_HEIGHT, false, 0, 0, ":name=Abc,size=40>", "A,b>c"},
  };
  for (const Case& c : cases) {
    CTextNode run;
    run.m_lf.lfFaceName = Q(c.face);
    run.m_lf.lfCharSet = 134;
    run.m_lf.lfHeight = 40;
    run.m_lf.lfItalic = 1;
    run.m_lf.lfWeight = c.weight;
    run.m_dwFontMask = c.bits;
    run.m_bColorSet = c.colourSet;
    run.m_crColor = c.colour;
    run.m_nType = c.type;
    EXPECT_EQ(run.WriteAttributes(), Q(c.written)) << c.written << " " << c.weight;
  }
}

// Runs the reader could not take as they are: split so that no run holds
// "</", and a leading "<" of a run with attributes moved to a plain run.
TEST(VodWriter, RunsAreWrittenSoTheyReadBack) {
  struct Case { const char* text; bool attributed; const char* written; } cases[] = {
      {"a</b", false, "<e>a<</e><e>/b</e>"}, {"</e>", false, "<e><</e><e>/e></e>"},
      {"x</y</z", true, "<e:size=40>x<</e><e:size=40>/y<</e><e:size=40>/z</e>"},
      {"<x", true, "<e><</e><e:size=40>x</e>"}, {"<<", true, "<e><<</e>"},
      {"</", true, "<e><</e><e:size=40>/</e>"}, {"<x", false, "<e><x</e>"},
      {"a<b>c", true, "<e:size=40>a<b>c</e>"}, {"", true, "<e:size=40></e>"}, {"", false, "<e></e>"},
  };
  for (const Case& c : cases) {
    auto* run = new CTextNode(Q(c.text));
    if (c.attributed) {
      run->m_dwFontMask = FONT_HEIGHT;
      run->m_lf.lfHeight = 40;
    }
    CBinTree tree;
    tree.m_pRoot = new CBoxNode(nullptr, run);
    const QString runs = run->ToVod(false);
    EXPECT_EQ(runs, Q(c.written)) << c.text;
    // Read back, the runs hold the same characters and write the same again.
    CBinTree reread;
    reread.SetVod(tree.GetText(0));
    EXPECT_EQ(reread.GetText(2).remove(QLatin1Char(',')), Q(c.text)) << c.text;
    EXPECT_EQ(reread.GetText(0), tree.GetText(0)) << c.text;
  }
}

TEST(VodWriter, StructuresWriteTheirBoxesThenTheirSign) {
  CBinTree tree;
  tree.SetVod(Q("<#><l><s><#><l><e>i=1</e></l></#><#><l><e>n</e></l></#></s></l></#>"));
  EXPECT_EQ(tree.GetText(0),
            Q("<#><l><s><#:size=20><l><e>i=1</e></l></#><#:size=20><l><e>n</e></l></#>\uF0E5</s></l></#>"));
  auto* sum = ChildAs<CSumNode>(ChildAs<CRowNode>(tree.m_pRoot, 0), 0);
  ASSERT_NE(sum, nullptr);
  EXPECT_EQ(sum->m_strText, Q("\uF0E5"));
}

TEST(VodWriter, AMissingFirstBoxIsWrittenAsAnEmptyRun) {
  CDivisionNode fraction;
  EXPECT_EQ(fraction.ToVod(false), Q("<f><e></e></f>"));
  fraction.AddChild(new CBoxNode(nullptr, nullptr), 1);
  EXPECT_EQ(fraction.ToVod(false), Q("<f><e></e><#><l></l></#></f>"));
}

TEST(VodWriter, ASignTextIsWrittenSoItReadsBack) {
  struct Case { CStandardNode* node; const char* sign; const char* written; const char* reads; } cases[] = {
      {new CStandardNode, "", "<d><#><l></l></#></d>", ""},
      {new CStandardNode, "<a</b", "<d><#><l></l></#>a<b</d>", "a<b"},
      {new CLimNode, "<", "<t><#><l></l></#><></t>", ""},  // an empty sign stays empty
      {new CSumNode, "", "<s><#><l></l></#><></s>", ""},
      {new CSumNode, "\uF0D5", "<s><#><l></l></#>\uF0D5</s>", "\uF0D5"},
      {new CBraceNode, "[]", "<b><#><l></l></#>[]</b>", "[]"},
      {new CBraceNode, "<>", "<b><#><l></l></#><&%></b>", "<>"},
      {new CBraceNode, "< ", "<b><#><l></l></#><& ></b>", "< "},
      {new CBraceNode, "/<", "<b><#><l></l></#><&></b>", "<"},  // "/" would make it a closing mark
      {new CBraceNode, "<:", "<b><#><l></l></#><&></b>", "<"},  // ":" would end its tag
  };
  for (const Case& c : cases) {
    CBinTree tree;
    c.node->m_strText = Q(c.sign);
    c.node->AddChild(new CBoxNode(nullptr, nullptr), 0);
    tree.m_pRoot = c.node;
    EXPECT_EQ(tree.GetText(0), Q(c.written)) << c.written;
    CBinTree reread;
    reread.SetVod(Q(c.written));
    auto* structure = ChildAs<CStandardNode>(ChildAs<CRowNode>(reread.m_pRoot, 0), 0);
    ASSERT_NE(structure, nullptr) << c.written;
    EXPECT_EQ(structure->m_strText, Q(c.reads)) << c.written;
  }
}

TEST(VodWriter, MatrixFromTheSizingConstructor) {
  CMatrixNode matrix(nullptr, 2, 2, nullptr);
  EXPECT_EQ(matrix.ChildCount(), 4);
  EXPECT_EQ(matrix.ToVod(false), Q("<m:type=2>") + Q("<#><l></l></#>").repeated(4) + Q("</m>"));
  EXPECT_EQ(matrix.m_pActive, matrix.ChildAt(0));

  CMatrixNode withContent(nullptr, 1, 3, new CTextNode(Q("a")));
  EXPECT_EQ(withContent.ToVod(false),
            Q("<m:type=3><#><l><e>a</e></l></#><#><l></l></#><#><l></l></#></m>"));
  CMatrixNode clamped(nullptr, 0, 1000, new CSumNode(nullptr));  // other content is dropped
  EXPECT_EQ(clamped.ChildCount(), CMatrixNode::kMaxSide);
  EXPECT_EQ(clamped.ToVod(false).left(25), Q("<m:type=10><#><l></l></#>"));
  EXPECT_EQ(withContent.m_nCaret, 0) << "the caret in the first cell";
  CSqrtNode root(nullptr, new CTextNode(Q("x")));  // the content goes under the sign
  EXPECT_EQ(root.ToVod(false), Q("<r><#><l><e>x</e></l></#></r>"));
}

TEST(VodWriter, LinearTextOfStructures) {
  struct Case { const char* vod; const char* text; } cases[] = {
      {"<#><l><n><#><l><e>2</e></l></#><#><l><e>3</e></l></#></n></l></#>", " 3,\u221A2, ,"},
      {"<#><l><r><#><l><e>2</e></l></#></r></l></#>", "\u221A2, ,"},
      {"<#><l><s><#><l><e>i</e></l></#><#><l><e>n</e></l></#></s></l></#>", "\u2211i, n, ,"},
      {"<#><l><s><#><l><e>i</e></l></#><#><l><e>n</e></l></#>\uF0D5</s></l></#>", "\u220Fi, n, ,"},
      {"<#><l><i><#><l><e>a</e></l></#><#><l><e>b</e></l></#></i></l></#>", "\u222Ba, b, ,"},
      {"<#><l><f><#><l><e>1</e></l></#><#><l><e>2</e></l></#></f></l></#>", "1,/2,,"},
      {"<#><l><b><#><l><e>x</e></l></#>\uF05B\uF07D</b></l></#>", "[x,},"},
      {"<#><l><b><#><l><e>x</e></l></#>\uF07C </b></l></#>", "|x, ,"},
      {"<#><l><^><#><l><e>x</e></l></#><#><l><e>2</e></l></#></^></l></#>", "x,2,,"},
      {"<#><l><t><#><l><e>x</e></l></#><#><l><e>0</e></l></#></t></l></#>", "lim x, 0, ,"},
      {"<#><l><e>a</e><e>b</e></l><l><e>c</e></l></#>", "a,b,c,"},
  };
  for (const Case& c : cases) {
    CBinTree tree;
    tree.SetVod(Q(c.vod));
    EXPECT_EQ(tree.GetText(2), Q(c.text)) << c.vod;
  }
}

TEST(VodWriter, ALimitWhoseUpperTextIsOneBlankAppendsItAlone) {
  CLimNode lim;
  lim.AddChild(new CBoxNode(nullptr, new CTextNode(Q("x"))), 0);
  auto* above = new CBoxNode;
  above->AppendChild(new CTextNode(Q(" ")));  // a box's text is its rows' texts
  lim.AddChild(above, 1);
  EXPECT_EQ(lim.ToText(false), Q("lim x, "));
}

// Selections: the fragment carries the full font of where it came from.
class VodSelection : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.SetVod(Q("<#><l><e>abc</e><f><#><l><e>1</e></l></#><#><l><e>2</e></l></#></f><e:color=ff>xyz</e></l>"
                  "<l><e>second</e></l></#>"));
    box = dynamic_cast<CBoxNode*>(tree.m_pRoot);
    row = ChildAs<CRowNode>(box, 0);
  }
  CBinTree tree;
  CBoxNode* box = nullptr;
  CRowNode* row = nullptr;
};

TEST_F(VodSelection, NothingSelectedWritesNothing) {
  box->m_pActive = nullptr;
  box->m_bSelected = 0;
  EXPECT_EQ(tree.GetText(1), QString());
  EXPECT_EQ(tree.GetText(3), QString());
}

TEST_F(VodSelection, CharactersInsideOneRun) {
  box->m_pActive = row;
  auto* run = ChildAs<CTextNode>(row, 0);
  row->m_pActive = run;
  SelectCharacters(run, 1, 3);
  EXPECT_EQ(tree.GetText(1), Q("<l><e:name=Times New Roman,cset=0,size=35,b=1,i=0,u=0>bc</e></l>"));
  EXPECT_EQ(tree.GetText(3), Q("bc"));
}

TEST_F(VodSelection, ARangeOfARow) {
  SelectRange(box, row, 0, 3);
  SelectCharacters(ChildAs<CTextNode>(row, 0), 2, 3);
  SelectCharacters(ChildAs<CTextNode>(row, 2), 0, 1);
  const QString full = Q("name=Times New Roman,cset=0,size=35,b=1,i=0,u=0");
  EXPECT_EQ(tree.GetText(1), Q("<l:") + full + Q("><e:") + full + Q(">c</e>") +
                                 Q("<f><#><l><e>1</e></l></#><#><l><e>2</e></l></#></f>") + Q("<e:") + full +
                                 Q(",color=ff>x</e></l>"));
  EXPECT_EQ(tree.GetText(3), Q("c,1,/2,,x,"));
  // A run inside the range is written whole, selected or not.
  CBinTree runs;
  runs.SetVod(Q("<#><l><e>aa</e><e:color=ff>bb</e><e>cc</e></l></#>"));
  auto* runsRow = ChildAs<CRowNode>(runs.m_pRoot, 0);
  SelectRange(runs.m_pRoot, runsRow, 0, 3);
  SelectCharacters(ChildAs<CTextNode>(runsRow, 0), 1, 2);
  SelectCharacters(ChildAs<CTextNode>(runsRow, 2), 0, 1);
  EXPECT_EQ(runs.GetText(3), Q("a,bb,c,"));
}

TEST_F(VodSelection, EverythingAcrossLines) {
  box->SelectAll();
  EXPECT_TRUE(box->IsWhollySelected());
  const QString text = tree.GetText(1);
  EXPECT_TRUE(text.startsWith(Q("<#:name=Times New Roman,cset=0,size=35,b=1,i=0,u=0><l:"))) << Str(text);
  EXPECT_TRUE(text.endsWith(Q(">second</e></l></#>"))) << Str(text);
  CBinTree pasted;
  pasted.SetVod(text);
  EXPECT_EQ(pasted.GetText(2), tree.GetText(2));
}

}  // namespace
