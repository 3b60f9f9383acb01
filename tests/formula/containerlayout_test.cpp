// Layout of rows, boxes, matrices and text runs on fixed fake metrics
// (characters half the font height wide, cells the font height tall).
#include <gtest/gtest.h>

#include "fakedc.h"
#include "formulatestutil.h"

namespace KAVREL_FILE_LOCAL {

CRowNode* Row(const CBinTree& tree, int index = 0) { return ChildAs<CRowNode>(tree.m_pRoot, index); }

TEST(ContainerLayout, EmptyRowIsAPlaceholderSixTenthsOfTheHeightWide) {
  struct Case { int height; RECT layout, inner; int baseline; } cases[] = {
      {35, {0, 0, 21, 35}, {1, 2, 20, 33}, 17}, {-35, {0, 0, 21, 35}, {1, 2, 20, 33}, 17},
      {10, {0, 0, 6, 10}, {1, 2, 5, 8}, 5},
  };
  for (const Case& c : cases) {
    CBinTree tree;
    CFakeMetricsDC dc;
    LayOutOnFake(tree, kEmptyVod, dc, c.height);
    const CRowNode* row = Row(tree);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->m_rcLayout, c.layout) << c.height;
    EXPECT_EQ(row->m_rcInner, c.inner) << c.height;
    EXPECT_EQ(row->m_nBaseline, c.baseline) << c.height;
    EXPECT_EQ(tree.GetBaseline(), c.baseline) << c.height;
    EXPECT_EQ(tree.m_pRoot->m_rcPlaced, c.layout) << c.height;
  }
}

TEST(ContainerLayout, BoxStacksRowsWithAThirdOfTheHeightBetween) {
  CBinTree tree;
  CFakeMetricsDC dc;
  LayOutOnFake(tree, Q("<#><l><e>a</e></l><l><e>bb</e></l><l><e>c</e></l></#>"), dc);
  const CNode* box = tree.m_pRoot;
  EXPECT_EQ(box->m_rcLayout, (RECT{0, 0, 34, 127}));  // 35 + 11 + 35 + 11 + 35
  EXPECT_EQ(box->m_nBaseline, 63);
  EXPECT_EQ(tree.GetBaseline(), 63);  // several lines: the box's own baseline
  const int tops[] = {0, 46, 92};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Row(tree, i)->m_rcLayout.top, tops[i]) << i;
    EXPECT_EQ(Row(tree, i)->m_rcPlaced.top, tops[i]) << i;
    EXPECT_EQ(Row(tree, i)->m_rcLayout.left, 0) << i;
  }
}

TEST(ContainerLayout, RowAlignsChildrenOnTheLargestBaseline) {
  CBinTree tree;
  CFakeMetricsDC dc;
  LayOutOnFake(tree, Q("<#><l><e>ab</e><e:size=20>c</e><e:size=50>d</e></l></#>"), dc);
  const CRowNode* row = Row(tree);
  // Runs are 34 x 35 (baseline 17), 10 x 20 (10) and 25 x 50 (25).
  EXPECT_EQ(row->m_nBaseline, 25);
  EXPECT_EQ(row->m_rcInner, (RECT{0, 25, 0, 25}));
  EXPECT_EQ(row->ChildAt(0)->m_rcLayout, (RECT{0, 8, 34, 43}));
  EXPECT_EQ(row->ChildAt(1)->m_rcLayout, (RECT{34, 15, 44, 35}));
  EXPECT_EQ(row->ChildAt(2)->m_rcLayout, (RECT{44, 0, 69, 50}));
  EXPECT_EQ(row->m_rcLayout, (RECT{0, 0, 69, 50}));
  // Offset places every run at its parent's placed corner plus its own offset.
  EXPECT_EQ(row->ChildAt(1)->m_rcPlaced, (RECT{34, 15, 44, 35}));
  EXPECT_EQ(row->ChildAt(1)->m_rcPlacedInner, (RECT{34, 15, 44, 35}));
}

TEST(ContainerLayout, TextRunMeasuresEachCharacterAndAnEmptyRunAsQuestionMark) {
  CBinTree tree;
  CFakeMetricsDC dc;
  LayOutOnFake(tree, Q("<#><l><e>abc</e><e></e></l></#>"), dc);
  auto* run = ChildAs<CTextNode>(Row(tree), 0);
  auto* empty = ChildAs<CTextNode>(Row(tree), 1);
  ASSERT_TRUE(run && empty);
  EXPECT_EQ(run->m_arrWidths, (std::vector<int>{17, 17, 17}));
  EXPECT_EQ(run->m_rcInner, (RECT{0, 0, 51, 35}));
  EXPECT_EQ(run->m_nBaseline, 17);
  EXPECT_EQ(empty->m_arrWidths, std::vector<int>{17});
  EXPECT_EQ(empty->m_rcLayout.Width(), 17);

  CFakeMetricsDC drawing;
  drawing.SelectFont(tree.m_lfDefault);
  tree.m_pRoot->Draw(drawing);
  ASSERT_EQ(drawing.texts.size(), 2u);
  EXPECT_EQ(drawing.texts[1].text, Q("?"));
  EXPECT_EQ(drawing.texts[1].x, 51);
}

TEST(ContainerLayout, MatrixCentresCellsInColumnsAndAlignsRowsOnTheirBaselines) {
  struct Case { const char* name; const char* vod; std::vector<RECT> cells; RECT layout; int baseline; } cases[] = {
      // Column widths 51 and 17, column gap |35 / 2| = 17; rows 35 high, gap 11.
      {"two columns", "<m:type=2><#><l><e>abc</e></l></#><#><l><e>d</e></l></#><#><l><e>e</e></l></#>"
       "<#><l><e>f</e></l></#><#><l><e>g</e></l></#></m>",
       {{0, 0, 51, 35}, {68, 0, 85, 35}, {17, 46, 34, 81}, {68, 46, 85, 81}, {17, 92, 34, 127}}, {0, 0, 85, 127}, 63},
      {"a row of unequal cells", "<m><#><l><e>a</e></l></#><#><l><e:size=50>b</e></l></#></m>",
       {{0, 8, 17, 43}, {34, 0, 59, 50}}, {0, 0, 59, 50}, 25},
      // A type beyond the cells sizes no empty columns: one row of the cells.
      {"a type beyond its cells", "<m:type=2000000000><#><l><e>a</e></l></#><#><l><e>b</e></l></#></m>", {},
       {0, 0, 51, 35}, 17},
  };
  for (const Case& c : cases) {
    CBinTree tree;
    CFakeMetricsDC dc;
    LayOutOnFake(tree, Q("<#><l>") + Q(c.vod) + Q("</l></#>"), dc);
    auto* matrix = ChildAs<CMatrixNode>(Row(tree), 0);
    ASSERT_NE(matrix, nullptr) << c.name;
    for (size_t i = 0; i < c.cells.size(); ++i)
      EXPECT_EQ(matrix->ChildAt(int(i))->m_rcLayout, c.cells[i]) << c.name << " cell " << i;
    EXPECT_EQ(matrix->m_rcLayout, c.layout) << c.name;
    EXPECT_EQ(matrix->m_nBaseline, c.baseline) << c.name;
  }
}

TEST(ContainerLayout, EmptyRowsDrawTheirPlaceholderAndOwnColoursFrameTheirChildren) {
  CBinTree tree;
  CFakeMetricsDC dc;
  LayOutOnFake(tree, Q("<#><l:color=ff><e>a</e><e:size=64>b</e><e:name=Arial>c</e></l><l></l></#>"), dc);
  CFakeMetricsDC drawing;
  drawing.SelectFont(tree.m_lfDefault);
  drawing.SelectPen({0x123456, 7});
  tree.m_pRoot->Draw(drawing);
  ASSERT_EQ(drawing.focusRects.size(), 1u);
  EXPECT_EQ(drawing.focusRects[0], Row(tree, 1)->m_rcPlaced);
  ASSERT_EQ(drawing.texts.size(), 3u);
  EXPECT_EQ(drawing.texts[0].colour, 0xFFu);
  EXPECT_EQ(drawing.texts[0].font.lfHeight, 35);
  EXPECT_EQ(drawing.texts[1].font.lfHeight, 64);
  EXPECT_EQ(drawing.texts[2].font.lfFaceName, Q("Arial")) << "a face of its own is a font of its own";
  // Everything selected for the nodes is put back afterwards.
  EXPECT_EQ(drawing.Pen(), (FormulaPen{0x123456, 7}));
  EXPECT_EQ(drawing.Font(), tree.m_lfDefault);
}

TEST(ContainerLayout, RowSelectionDrawsOnlySelectedCharactersOfItsEndRuns) {
  CBinTree tree;
  CFakeMetricsDC dc;
  LayOutOnFake(tree, Q("<#><l><e>abc</e><e:color=ff00>mid</e><e>de</e></l></#>"), dc);
  CRowNode* row = Row(tree);
  SelectRange(tree.m_pRoot, row, 0, 3);
  SelectCharacters(row->ChildAt(0), 1, 3);
  SelectCharacters(row->ChildAt(2), 0, 1);
  CFakeMetricsDC drawing;
  drawing.SelectFont(FormulaStartFont(12));
  tree.m_pRoot->DrawSelection(drawing);
  ASSERT_EQ(drawing.texts.size(), 3u);
  EXPECT_EQ(drawing.texts[0].text, Q("bc"));
  EXPECT_EQ(drawing.texts[0].x, 17);
  EXPECT_EQ(drawing.texts[1].text, Q("mid"));
  EXPECT_EQ(drawing.texts[2].text, Q("d"));
  EXPECT_EQ(drawing.texts[2].x, 102);
  // The selection carries its full font, whatever the context held.
  for (const auto& text : drawing.texts) EXPECT_EQ(text.font.lfHeight, 35);
}

}  // namespace
