// The mark-up reader: what it accepts, where it stops, how it takes
// attributes, and that no text can make it nest deeper than the cap.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "formulatestutil.h"

namespace KAVREL_FILE_LOCAL {

TEST(VodReader, RejectsTextsWithoutTheEnvelope) {
  const char* rejected[] = {
      "",
      "<#></#",          // no final ">"
      "<#>",             // too short
      "<e>x</e",         // seven characters, but no closing mark at the end
      "x<#><l></l></#>", // does not start with "<"
      "<#><l></l></#> ", // does not end with ">"
      "<#><l></l>#>",    // no "</" before the last tag
      "<#><l></l></##>", // the closing tag is not one character
  };
  for (const char* text : rejected) {
    CBinTree tree;
    CNode* root = tree.ParseVod(Q(text));
    EXPECT_EQ(root, nullptr) << text;
    delete root;
  }
}

// Input and the mark-up the tree writes after reading it.
struct ReadCase { const char* input; const char* written; };

TEST(VodReader, EdgeCasesOfTheGrammar) {
  const ReadCase cases[] = {
      {"<#><l></l></#>", "<#><l></l></#>"}, {"<e>abc</e>", "<#><l><e>abc</e></l></#>"},
      // a run holding ">" and a plain run starting with "<" read back
      {"<#><l><e>></e></l></#>", "<#><l><e>></e></l></#>"},
      {"<#><l><e><</e></l></#>", "<#><l><e><</e></l></#>"},
      {"<#><l><e><a</b</e></l></#>", "<#><l><e><a<</e><e>/b</e></l></#>"},
      // a second top-level element is dropped
      {"<#><l></l></#><#><l><e>x</e></l></#>", "<#><l></l></#>"},
      // a fraction refuses a third box and the read stops there
      {"<#><l><f><#><l><e>1</e></l></#><#><l><e>2</e></l></#><#><l><e>3</e></l></#></f><e>after</e></l></#>",
       "<#><l><f><#><l><e>1</e></l></#><#><l><e>2</e></l></#></f></l></#>"},
      // a row closed before its run: the run keeps its text, the read stops
      {"<l><e>x</l></e>", "<#><l><e>x</e></l></#>"},
      // a closing header ends the read
      {"<#><l><e>x</e></!><e>y</e></l></#>", "<#><l><e>x</e></l></#>"},
      // text before a child element is read as part of the text
      {"<#><l><e>a<f></f></e></l></#>", "<#><l><e>a<f></e></l></#>"},
      // the bare container's tag is unknown: its marks become the row's own text
      {"<#><l><o></o></l></#>", "<#><l></l></#>"},
      // a bracket pair written as a mark of its own comes back as the pair
      {"<#><l><b><#><l><e>x</e></l></#><&%></b></l></#>",
       "<#><l><b><#><l><e>x</e></l></#><&%></b></l></#>"},
      // an unknown mark with attributes: the rest of the mark is text
      {"<#><l><e>x</e><zz:a=b></l></#>", "<#><l><e>x</e></l></#>"},
      // an unknown mark right at the start ends the read before anything is built
      {"<zz><#><l></l></#>", "<#><l></l></#>"},
      // an attribute value runs to "," or ">", whatever lies between
      {"<#><l><e:size=40</e></l></#>", "<#><l><e:size=40></e></l></#>"},
      // the end of the text inside an attribute stops the read
      {"<#><l><e>x</e><e:size</e>", "<#><l><e>x</e><e></e></l></#>"},
      // a ":" in a closing mark stops the read
      {"<#><l><e>x</e></l:b=1></#>", "<#><l><e>x</e></l></#>"},
      // in a run with attributes a leading "<" starts a mark: the unknown mark
      // "x</e" becomes the text and the row's closing mark no longer matches
      {"<#><l><e:size=40><x</e></l></#>", "<#><l><e:size=40>x<</e><e:size=40>/e</e></l></#>"},
      // nested boxes and rows dissolve at every depth; a box inside a row stays
      {"<#><#><#><l><l><l><e>x</e></l></l></l></#></#></#>", "<#><l><e>x</e></l></#>"},
      {"<#><l><#><l><e>x</e></l></#></l></#>", "<#><l><#><l><e>x</e></l></#></l></#>"},
  };
  for (const ReadCase& c : cases) EXPECT_EQ(Rewritten(Q(c.input)), Q(c.written)) << c.input;
}

TEST(VodReader, AttributeTolerances) {
  struct Case {
    const char* attributes;
    DWORD bits;
    bool colourSet;
    void (*check)(const CNode&);
  } cases[] = {
      {"b=0", FONT_WEIGHT, false, [](const CNode& n) { EXPECT_EQ(n.m_lf.lfWeight, 400); }},
      {"b=2", FONT_WEIGHT, false, [](const CNode& n) { EXPECT_EQ(n.m_lf.lfWeight, 700); }},
      {"b=", FONT_WEIGHT, false, [](const CNode& n) { EXPECT_EQ(n.m_lf.lfWeight, 700); }},
      {"i=", FONT_ITALIC, false, [](const CNode& n) { EXPECT_EQ(n.m_lf.lfItalic, 1); }},
      {"i=0", FONT_ITALIC, false, [](const CNode& n) { EXPECT_EQ(n.m_lf.lfItalic, 0); }},
      {"u=yes", FONT_UNDERLINE, false, [](const CNode& n) { EXPECT_EQ(n.m_lf.lfUnderline, 1); }},
      {"color=zz", 0, true, [](const CNode& n) { EXPECT_EQ(n.m_crColor, 0u); }},
      {"color=ff", 0, true, [](const CNode& n) { EXPECT_EQ(n.m_crColor, 0xFFu); }},
      {"color=A0b0C0", 0, true, [](const CNode& n) { EXPECT_EQ(n.m_crColor, 0xA0B0C0u); }},
      {"color=123456789", 0, true, [](const CNode& n) { EXPECT_EQ(n.m_crColor, 0xFFFFFFFFu); }},
      {"size=-27", FONT_HEIGHT, false, [](const CNode& n) { EXPECT_EQ(n.m_lf.lfHeight, -27); }},
      {"size=12pt", FONT_HEIGHT, false, [](const CNode& n) { EXPECT_EQ(n.m_lf.lfHeight, 12); }},
      {"size=99999999999", FONT_HEIGHT, false,
       [](const CNode& n) { EXPECT_EQ(n.m_lf.lfHeight, 2147483647); }},
      {"cset=134", FONT_CHARSET, false, [](const CNode& n) { EXPECT_EQ(n.m_lf.lfCharSet, 134); }},
      {"cset=abc", FONT_CHARSET, false, [](const CNode& n) { EXPECT_EQ(n.m_lf.lfCharSet, 0); }},
      {"name=0123456789012345678901234567890123456789", FONT_FACE, false,
       [](const CNode& n) { EXPECT_EQ(n.m_lf.lfFaceName, Q("0123456789012345678901234567890")); }},
      {"name=a=b", FONT_FACE, false, [](const CNode& n) { EXPECT_EQ(n.m_lf.lfFaceName, Q("a=b")); }},
      {"foo=bar,Size=3", 0, false, [](const CNode& n) { EXPECT_EQ(n.m_lf.lfHeight, 35); }},
      {"type=5", 0, false, [](const CNode& n) { EXPECT_EQ(n.m_nType, 5); }},
  };
  for (const auto& c : cases) {
    CBinTree tree;
    CNode* root = tree.ParseVod(Q("<e:") + Q(c.attributes) + Q(">x</e>"));
    ASSERT_NE(root, nullptr) << c.attributes;
    EXPECT_EQ(root->m_dwFontMask, c.bits) << c.attributes;
    EXPECT_EQ(bool(root->m_bColorSet), c.colourSet) << c.attributes;
    EXPECT_EQ(root->m_strText, Q("x")) << c.attributes;
    c.check(*root);
    delete root;
  }
}

TEST(VodReader, AnAttributeStartsTheNodeFromTheTreeDefaults) {
  CBinTree tree;
  tree.m_lfDefault.lfFaceName = Q("Arial");
  tree.m_lfDefault.lfWeight = 400;
  tree.m_crDefault = 0xABCDEF;
  CNode* root = tree.ParseVod(Q("<e:size=40>x</e>"));
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->m_lf.lfFaceName, Q("Arial"));
  EXPECT_EQ(root->m_lf.lfWeight, 400);
  EXPECT_EQ(root->m_lf.lfHeight, 40);
  EXPECT_EQ(root->m_crColor, 0xABCDEFu);
  EXPECT_FALSE(root->m_bColorSet);
  delete root;
}

TEST(VodReader, TheHeaderSetsTheTreeDefaultsBeforeTheBox) {
  CBinTree tree;
  tree.SetVod(Q("<!:size=40,color=ff,type=3,name=Arial><#><l><e>x</e></l></#>"));
  EXPECT_EQ(tree.m_lfDefault.lfHeight, 40);
  EXPECT_EQ(tree.m_crDefault, 0xFFu);
  EXPECT_EQ(tree.m_lfDefault.lfFaceName, Q("Arial"));
  const auto* run = ChildAs<CTextNode>(ChildAs<CRowNode>(tree.m_pRoot, 0), 0);
  ASSERT_NE(run, nullptr);
  EXPECT_EQ(run->m_lf.lfHeight, 40);
  EXPECT_EQ(run->m_crColor, 0xFFu);
  EXPECT_EQ(tree.m_pRoot->m_nType, 0);
  // The defaults are not the formula's own: nothing is written for them.
  EXPECT_EQ(tree.GetText(0), Q("<#><l><e>x</e></l></#>"));
}

TEST(VodReader, StructuresHoldRunsAndRowsUntilNormalised) {
  CBinTree tree;
  CNode* root = tree.ParseVod(Q("<v><e>%s%s</e></v>"));
  auto* vector = dynamic_cast<CVectorNode*>(root);
  ASSERT_NE(vector, nullptr);
  EXPECT_NE(dynamic_cast<CTextNode*>(vector->m_pFirst), nullptr);
  tree.m_pRoot = root;
  EXPECT_TRUE(tree.Normalize());
  EXPECT_EQ(tree.GetText(0), Q("<#><l><v><#><l><e>%s%s</e></l></#></v></l></#>"));
  CBinTree bare;
  bare.m_pRoot = bare.ParseVod(Q("<#><e>y</e></#>"));
  EXPECT_TRUE(bare.Normalize()) << "a run straight in a box goes into a row";
}

TEST(VodReader, AMatrixOfThreeColumnsKeepsSevenCells) {
  CBinTree tree;
  QString vod = Q("<#><l><m:type=3>");
  for (int i = 0; i < 7; ++i) vod += Q("<#><l><e>") + QString::number(i) + Q("</e></l></#>");
  tree.SetVod(vod + Q("</m></l></#>"));
  auto* matrix = ChildAs<CMatrixNode>(ChildAs<CRowNode>(tree.m_pRoot, 0), 0);
  ASSERT_NE(matrix, nullptr);
  EXPECT_EQ(matrix->ChildCount(), 7);
  EXPECT_EQ(matrix->Columns(), 3);
  EXPECT_EQ(matrix->ToText(false), Q("0,,1,,2,,3,,4,,5,,6,,"));
}

// Fractions nested `levels` deep, with x in the innermost numerator.
QString NestedFractions(int levels) {
  QString vod;
  for (int i = 0; i < levels; ++i) vod += Q("<#><l><f>");
  vod += Q("<#><l><e>x</e></l></#>");
  for (int i = 0; i < levels; ++i) vod += Q("</f></l></#>");
  return vod;
}

TEST(VodReader, NestingUpToTheCapIsKeptAndDeeperContentEndsTheRead) {
  // Each fraction level adds a box, a row and the fraction itself.
  const int fit = (CBinTree::kMaxDepth - 3) / 3;
  EXPECT_EQ(Rewritten(NestedFractions(fit)), NestedFractions(fit));
  CBinTree tree;
  tree.SetVod(NestedFractions(fit + 1));
  ASSERT_NE(tree.m_pRoot, nullptr);
  EXPECT_LE(TreeDepth(tree.m_pRoot), CBinTree::kMaxDepth);
  EXPECT_FALSE(tree.GetText(0).contains(Q("x")));
}

TEST(VodReader, HostileNestingStaysWithinTheCapAndReadsQuickly) {
  const int deep = 200000;
  const QString texts[] = {
      Q("<#>").repeated(deep) + Q("</#>").repeated(deep),
      Q("<l>").repeated(deep) + Q("</l>").repeated(deep),
      Q("<#><l>").repeated(deep) + Q("</l></#>").repeated(deep),
      Q("<f>").repeated(deep) + Q("</f>").repeated(deep),
      Q("<m><e>").repeated(deep) + Q("</e>"),
      Q("<#><l><e:") + Q("a=b,").repeated(deep) + Q("x</e></l></#>"),
      Q("<#><l>") + Q("<zz>").repeated(deep) + Q("</l></#>"),
      Q("<#><l><e>") + Q("<").repeated(deep) + Q("</e></l></#>"),
  };
  for (const QString& text : texts) {
    QElapsedTimer timer;
    timer.start();
    CBinTree tree;
    tree.SetVod(text);
    EXPECT_LE(TreeDepth(tree.m_pRoot), CBinTree::kMaxDepth) << Str(text.left(12));
    const QString written = tree.GetText(0);
    CBinTree again;
    again.SetVod(written);
    EXPECT_EQ(again.GetText(0), written) << Str(text.left(12));
    EXPECT_LT(timer.elapsed(), 5000) << Str(text.left(12));
  }
}

}  // namespace
