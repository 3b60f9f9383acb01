// Formatting: the current format, the selection, the whole formula.
#include "editorfixture.h"
#include "formula/control/formulaformat.h"
#include "formula/control/formulatables.h"

namespace KAVREL_FILE_LOCAL {

class EditorFormat : public EditorTest {};

TEST_F(EditorFormat, WithoutASelectionOnlyTheCurrentFormatChanges) {
  Load("<#><l><e>ab</e></l></#>");
  ASSERT_EQ(editor.m_lfCurrent.lfWeight, FW_BOLD);
  const int invalidations = host.invalidations;
  for (int weight : {FW_NORMAL, FW_BOLD, FW_NORMAL}) {
    editor.RunCommand(ID_FORMULA_BOLD);
    EXPECT_EQ(editor.m_lfCurrent.lfWeight, weight);
    EXPECT_EQ(editor.QueryCommand(ID_FORMULA_BOLD).m_nCheck, weight == FW_BOLD ? 1 : 0);
  }
  editor.RunCommand(ID_FORMULA_ITALIC);
  editor.RunCommand(ID_FORMULA_FIRST_COLOUR);
  editor.SetFontSize(250);
  EXPECT_EQ(editor.QueryCommand(ID_FORMULA_ITALIC).m_nCheck, 1);
  EXPECT_EQ(editor.m_crCurrent, 0xFFu);
  EXPECT_EQ(Vod(), Q("<#><l><e>ab</e></l></#>"));
  EXPECT_EQ(Records(), 1);
  EXPECT_EQ(host.invalidations, invalidations);
}

TEST_F(EditorFormat, TheCurrentFormatIsTheOneAtTheCaret) {
  Load("<#><l><e>ab</e><e:b=0,i=1,color=ff>cd</e></l></#>");
  EXPECT_EQ(editor.m_lfCurrent.lfWeight, FW_NORMAL);
  EXPECT_EQ(editor.QueryCommand(ID_FORMULA_BOLD).m_nCheck, 0);
  EXPECT_EQ(editor.QueryCommand(ID_FORMULA_ITALIC).m_nCheck, 1);
  EXPECT_EQ(editor.m_crCurrent, 0xFFu);
  Key(vk::Home);
  EXPECT_EQ(editor.QueryCommand(ID_FORMULA_BOLD).m_nCheck, 1) << "at the start of the bold run";
  EXPECT_EQ(editor.m_crCurrent, 0u);
}

TEST_F(EditorFormat, AWhollySelectedRootTakesTheFormatAgainstTheTreeDefault) {
  Load("<#><l><e>ab</e><f><#><l><e>c</e></l></#><#><l></l></#></f></l></#>");
  Key('A', true);
  editor.RunCommand(ID_FORMULA_BOLD);
  CNode* root = tree.m_pRoot;
  EXPECT_EQ(root->m_lf.lfWeight, FW_NORMAL);
  EXPECT_EQ(root->m_dwFontMask, DWORD(FONT_WEIGHT));
  EXPECT_EQ(Vod(), Q("<#:b=0><l><e>ab</e><f><#><l><e>c</e></l></#><#><l></l></#></f></l></#>"));
  EXPECT_EQ(Records(), 2);
  editor.RunCommand(ID_FORMULA_BOLD);  // back to the tree's default: no mark
  EXPECT_EQ(root->m_dwFontMask, 0u);
  host.dpi = 120;
  editor.SetFontSize(250);  // 13 points
  EXPECT_EQ(root->m_lf.lfHeight, 22);
  editor.RunCommand(ID_FORMULA_FIRST_COLOUR + 2);
  EXPECT_TRUE(root->m_bColorSet);
  EXPECT_EQ(Node({0, 0})->m_crColor, 0xFF0000u);
  EXPECT_EQ(Records(), 5);
}

TEST_F(EditorFormat, APartOfARunChangesAlone) {
  Load("<#><l><e>abc</e></l></#>");
  SelectCharacters(Node({0, 0}), 1, 2);
  editor.SetRepaintLevel(1);
  editor.SetFaceName(Q("Symbol"), SYMBOL_CHARSET);
  EXPECT_EQ(Vod(), Q("<#><l><e>a</e><e:name=Symbol,cset=2>b</e><e>c</e></l></#>"));
  EXPECT_EQ(editor.m_lfCurrent.lfFaceName, Q("Symbol")) << "the format at the selection";
}

TEST_F(EditorFormat, TheFontDialogStartsFromTheCurrentFormatAndKeepsItsColour) {
  Load("<#><l><e>ab</e></l></#>");
  Key('A', true);
  editor.RunCommand(ID_FORMULA_FIRST_COLOUR + 6);  // maroon
  CDlgFormulaFont answer;
  answer.m_lf = FormulaStartFont(-30);
  answer.m_lf.lfFaceName = Q("Arial");
  answer.m_lf.lfItalic = 1;
  answer.m_crColor = 0x80;
  dialogs->Ok(answer);
  editor.RunCommand(ID_FORMULA_FONT);
  const CDlgFormulaFont offered = dialogs->Offered<CDlgFormulaFont>().front();
  EXPECT_EQ(offered.m_crColor, 0x80u);
  EXPECT_EQ(offered.m_lf.lfWeight, FW_BOLD);
  EXPECT_EQ(Vod(), Q("<#:name=Arial,size=-30,i=1,color=80><l><e>ab</e></l></#>"));
}

TEST(FormulaFormat, ColourCommandsFaceCharacterSetsAndSizes) {
  const int colours[16][3] = {{255, 0, 0},   {0, 255, 0},     {0, 0, 255},     {0, 255, 255},
                              {255, 0, 255}, {255, 255, 0},   {128, 0, 0},     {0, 128, 0},
                              {0, 0, 128},   {0, 128, 128},   {128, 0, 128},   {128, 128, 0},
                              {0, 0, 0},     {128, 128, 128}, {192, 192, 192}, {255, 255, 255}};
  for (unsigned i = 0; i < 16; ++i)
    EXPECT_EQ(CommandColour(2000 + i), COLORREF(colours[i][0] | colours[i][1] << 8 | colours[i][2] << 16)) << 2000 + i;
  EXPECT_FALSE(CommandColour(1999) || CommandColour(2016));

  const std::pair<const char*, int> faces[] = {{"Symbol", 2},           {"symbol", 2}, {"宋体", 134}, {"楷体", 134},
                                               {"Times New Roman", 0}, {"Arial", 0},  {"", 0}};
  for (const auto& [face, charSet] : faces) EXPECT_EQ(CharSetOfFace(Q(face)), charSet) << face;

  struct Size {
    int twips, dpi, height;
  } sizes[] = {{250, 96, 17}, {250, 72, 13}, {240, 96, 16}, {529, 96, 35}, {9, 96, 0}, {32760, 96, 2184}};
  for (const Size& s : sizes) EXPECT_EQ(FontHeightOfTwips(s.twips, s.dpi), s.height) << s.twips << " at " << s.dpi;
  EXPECT_EQ(MulDiv(3, 1, 2), 2);
  EXPECT_EQ(MulDiv(-3, 1, 2), -2);
  EXPECT_EQ(MulDiv(3, -1, -2), 2);
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
  EXPECT_EQ(MulDiv(1 << 30, 8, 2), 2147483647);
}

}  // namespace
