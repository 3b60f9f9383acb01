// Layout and signs of the structures on fixed fake metrics: characters half
// the font height wide, cells the font height tall.  At height 35 a run of
// n characters is 17n x 35 (baseline 17); scripts inherit 22 (11 wide),
// limits 20 (10 wide), arrow texts 26 (13 wide); signs in the glyph font at
// 1.25 x 35 are 21 x 43.
#include <gtest/gtest.h>

#include "fakedc.h"
#include "formula/formulaglobals.h"
#include "formulatestutil.h"

namespace KAVREL_FILE_LOCAL {

QString Box(const char* text) { return Q("<#><l><e>") + Q(text) + Q("</e></l></#>"); }

CStandardNode* FirstStructure(const CBinTree& tree) {
  return ChildAs<CStandardNode>(ChildAs<CRowNode>(tree.m_pRoot, 0), 0);
}

// Lays `vod` out on fake metrics and draws it; the record of the drawing->
std::unique_ptr<CFakeMetricsDC> Drawn(CBinTree& tree, const QString& vod) {
  CFakeMetricsDC dc;
  LayOutOnFake(tree, vod, dc);
  auto drawing = std::make_unique<CFakeMetricsDC>();
  tree.m_pRoot->Draw(*drawing);
  return drawing;
}

struct Expected {
  const char* name;
  QString vod;
  RECT layout;
  int baseline;
  RECT first, second;  // box layout rectangles (relative to the structure)
  RECT inner;
};

TEST(StructureLayout, EveryKindPlacesItsBoxesAndSignByItsRules) {
  const RECT none{};
  const Expected cases[] = {
      // W = max(w1, w2) + 7, H = h1 + h2 + 8, baseline h1 + 3, bar band below the numerator.
      {"fraction", Q("<f>") + Box("abc") + Box("d") + Q("</f>"), {0, 0, 58, 78}, 38, {2, 0, 53, 35},
       {19, 42, 36, 77}, {0, 36, 56, 41}},
      // R = 37, g = 19, m = 16, k = 14: the index is taller than k, so the sign moves down.
      {"nth root", Q("<n>") + Box("8") + Box("3") + Q("</n>"), {0, 0, 40, 45}, 27, {21, 10, 38, 45},
       {6, 2, 16, 22}, {0, 8, 36, 45}},
      // exponent 22 high: h1 = 35 > 1.5 * 22, so d = 22 / 4.
      {"superscript", Q("<^>") + Box("x") + Box("2") + Q("</^>"), {0, 0, 28, 40}, 22, {0, 5, 17, 40},
       {17, 0, 28, 22}, none},
      // an exponent as tall as the base: d = h2 - h1 / 2.
      {"tall superscript", Q("<^>") + Box("x") + Q("<#:size=35><l><e>2</e></l></#></^>"), {0, 0, 34, 53}, 35,
       {0, 18, 17, 53}, {17, 0, 34, 35}, none},
      // h1 = 35 <= 2 * 22: d = h1 / 2.
      {"subscript", Q("<_>") + Box("x") + Box("i") + Q("</_>"), {0, 0, 28, 39}, 17, {0, 0, 17, 35},
       {17, 17, 28, 39}, none},
      // sign 21 x 43; T = 25; d = 5; 43 > 2 * 20 puts the lower limit at d + th - h1.
      {"integral", Q("<i>") + Box("0") + Box("1") + Q("</i>"), {0, 0, 37, 48}, 26, {25, 28, 35, 48},
       {25, 0, 35, 20}, {0, 5, 21, 48}},
      // M = 30 (the lower limit is wider than the sign); y = 20 - 6, y' = 14 + 40.
      {"sum", Q("<s>") + Box("i=1") + Box("n") + Q("</s>"), {0, 0, 30, 74}, 35, {0, 54, 30, 74},
       {10, 0, 20, 20}, {4, 14, 25, 57}},
      // "lim" in the node's own font: 51 x 35; y = 20 - 5, y' = 15 + 33.
      {"limit", Q("<t>") + Box("x") + Box(" ") + Q("</t>"), {0, 0, 51, 68}, 32, {20, 48, 30, 68},
       {20, 0, 30, 20}, {0, 15, 51, 50}},
      // g = trunc(0.3 * 35 + 0.06 * 35 + 2) = 14 on each side.
      {"brackets", Q("<b>") + Box("x") + Q("</b>"), {0, 0, 45, 39}, 19, {14, 2, 31, 37}, none, {0, 0, 14, 39}},
      // A blank side with content 81 high: the band starts 15 down, g = 4 * 17 / 5.
      {"open brace", Q("<b><#><l><e>x</e></l><l><e>y</e></l></#> \xef\x81\xbd</b>"), {0, 0, 30, 85}, 42,
       {0, 2, 17, 83}, none, {0, 15, 13, 70}},
      // a = |35 / 3| = 11 over content 34 wide.
      {"vector arrow", Q("<v>") + Box("AB") + Q("</v>"), {0, 0, 34, 46}, 28, {0, 11, 34, 46}, none, {1, 0, 32, 11}},
      // a = trunc(0.2 * 34) = 6.
      {"vector arc", Q("<v:type=2>") + Box("AB") + Q("</v>"), {0, 0, 34, 41}, 23, {0, 6, 34, 41}, none,
       {0, 0, 34, 6}},
      // A = (2 * 35 + 3) / 5 = 14, M = 35 + 13.
      {"arrows", Q("<a>") + Box("x") + Box("y") + Q("</a>"), {0, 0, 48, 69}, 34, {17, 0, 30, 26},
       {17, 42, 30, 68}, {0, 27, 48, 41}},
      // The plain arrangement with a text between its boxes.
      {"two boxes and text", Q("<d>") + Box("a") + Box("b") + Q("=</d>"), {0, 0, 54, 35}, 17, {0, 0, 17, 35},
       {36, 0, 53, 35}, {18, 0, 35, 35}},
  };
  for (const Expected& c : cases) {
    CBinTree tree;
    CFakeMetricsDC dc;
    LayOutOnFake(tree, Q("<#><l>") + c.vod + Q("</l></#>"), dc);
    const CStandardNode* node = FirstStructure(tree);
    ASSERT_NE(node, nullptr) << c.name;
    EXPECT_EQ(node->m_rcLayout, c.layout) << c.name;
    EXPECT_EQ(node->m_nBaseline, c.baseline) << c.name;
    if (node->m_pFirst) {
      EXPECT_EQ(node->m_pFirst->m_rcLayout, c.first) << c.name;
    }
    if (node->m_pSecond) {
      EXPECT_EQ(node->m_pSecond->m_rcLayout, c.second) << c.name;
    }
    EXPECT_EQ(node->m_rcInner, c.inner) << c.name;
  }
}

TEST(StructureLayout, MissingBoxesTakeTheirKindsDefaultSizes) {
  struct Case { const char* name; CStandardNode* node; RECT layout; int baseline; } cases[] = {
      {"square root", new CSqrtNode, {0, 0, 51, 41}, 22},
      {"superscript", new CSupNode, {0, 0, 48, 42}, 23},
      {"subscript", new CSubNode, {0, 0, 48, 38}, 18},
      {"brackets", new CBraceNode, {0, 0, 40, 41}, 20},
      {"vector", new CVectorNode, {0, 0, 32, 44}, 25},
  };
  for (const Case& c : cases) {
    CFakeMetricsDC dc;
    c.node->m_lf.lfHeight = 21;
    c.node->Layout(dc);
    EXPECT_EQ(c.node->m_rcLayout, c.layout) << c.name;
    EXPECT_EQ(c.node->m_nBaseline, c.baseline) << c.name;
    delete c.node;
  }
}

TEST(StructureLayout, ScriptPairAlignsToTheBaseBeforeIt) {
  CBinTree tree;
  CFakeMetricsDC dc;
  LayOutOnFake(tree, Q("<#><l><d>") + Box("x") + Q("<c>") + Box("i") + Box("2") + Q("</c></d></l></#>"), dc);
  const CStandardNode* pair = FirstStructure(tree);
  ASSERT_NE(pair, nullptr);
  auto* scripts = dynamic_cast<CSupbNode*>(pair->m_pSecond);
  ASSERT_NE(scripts, nullptr);
  // hr = 35, br = 17, both scripts 22 high: d = 5, y = d + hr / 2.
  EXPECT_EQ(scripts->m_pSecond->m_rcLayout, (RECT{0, 0, 11, 22}));
  EXPECT_EQ(scripts->m_pFirst->m_rcLayout, (RECT{0, 22, 11, 44}));
  EXPECT_EQ(scripts->m_nBaseline, 22);
  EXPECT_EQ(scripts->m_rcLayout, (RECT{19, 0, 30, 44}));
  EXPECT_EQ(pair->m_rcLayout, (RECT{0, 0, 31, 44}));
  EXPECT_EQ(pair->m_pFirst->m_rcLayout, (RECT{0, 5, 17, 40}));

  // Without a base in front the reference is 14 high with baseline 7: a
  // lower script 7 high (14 <= 2 * 7) still hangs at d + 14 / 2.
  CBinTree alone;
  LayOutOnFake(alone, Q("<#><l><c><#:size=7><l><e>i</e></l></#>") + Box("2") + Q("</c></l></#>"), dc);
  const CStandardNode* lonely = FirstStructure(alone);
  ASSERT_NE(lonely, nullptr);
  EXPECT_EQ(lonely->m_nBaseline, 22);  // 7 + (22 - 7)
  EXPECT_EQ(lonely->m_pFirst->m_rcLayout.top, 22);
}

TEST(StructureDrawing, FractionBarRunsTwoBelowTheBandTop) {
  CBinTree tree;
  const auto drawing = Drawn(tree, Q("<#><l><e>a</e><f>") + Box("abc") + Box("d") + Q("</f></l></#>"));
  ASSERT_EQ(drawing->lines.size(), 1u);
  // The fraction starts after the run "a" (17 wide); the bar is at h1 + 3.
  EXPECT_EQ(drawing->lines[0].points, (std::vector<QPoint>{{17, 38}, {73, 38}}));
}

TEST(StructureDrawing, RootSignIsSizedFromItsBand) {
  CBinTree tree;
  const auto drawing = Drawn(tree, Q("<#><l><n>") + Box("8") + Box("3") + Q("</n></l></#>"));
  // T = 37, g = 19: the glyph font is 44 high and 23 wide, centred in the band.
  const auto sign = std::find_if(drawing->texts.begin(), drawing->texts.end(),
                                 [](const auto& t) { return t.text == QStringLiteral("\uF0D6"); });
  ASSERT_NE(sign, drawing->texts.end());
  EXPECT_EQ(sign->font.lfHeight, 44);
  EXPECT_EQ(sign->font.lfWidth, 23);
  EXPECT_EQ(sign->font.lfFaceName, Q("Symbol"));
  EXPECT_EQ(sign->font.lfCharSet, SYMBOL_CHARSET);
  EXPECT_EQ(sign->x, 0);
  EXPECT_EQ(sign->y, 5);  // 8 + (37 - 44) / 2
  ASSERT_EQ(drawing->lines.size(), 1u);
  EXPECT_EQ(drawing->lines[0].points, (std::vector<QPoint>{{40, 8}, {19, 8}}));
}

TEST(StructureDrawing, SumAndIntegralSignsUseTheGlyphFontAtOneAndAQuarterHeights) {
  for (const char* tag : {"s", "i"}) {
    CBinTree tree;
    const QString open = Q("<") + Q(tag) + Q(">"), close = Q("</") + Q(tag) + Q(">");
    const auto drawing = Drawn(tree, Q("<#><l>") + open + Box("a") + Box("b") + close + Q("</l></#>"));
    const CStandardNode* node = FirstStructure(tree);
    ASSERT_FALSE(drawing->texts.empty()) << tag;
    const auto& sign = drawing->texts.front();
    EXPECT_EQ(sign.text, node->m_strText) << tag;
    EXPECT_EQ(sign.font.lfHeight, 43) << tag;
    EXPECT_EQ(sign.font.lfWidth, 0) << tag;
    EXPECT_EQ(sign.font.lfFaceName, g_lfGlyphFont.lfFaceName) << tag;
    EXPECT_EQ(QPoint(sign.x, sign.y), QPoint(node->m_rcPlacedInner.left, node->m_rcPlacedInner.top)) << tag;
  }
}

TEST(StructureDrawing, BracketsDrawEachClosedSideAtTheBandBottom) {
  struct Case { const char* pair; std::vector<int> xs; } cases[] = {
      {"\xef\x80\xa8\xef\x80\xa9", {0, 31}},  // both sides
      {" \xef\x81\xbd", {17}},                // right only: the band moves by W - g = 17
      {"\xef\x81\xbb ", {0}},                 // left only
      {"", {}},                               // a pair too short leaves both sides open
  };
  for (const Case& c : cases) {
    CBinTree tree;
    CFakeMetricsDC dc;
    LayOutOnFake(tree, Q("<#><l><b>") + Box("x") + Q("</b></l></#>"), dc);
    FirstStructure(tree)->m_strText = Q(c.pair);
    tree.Layout(dc);
    CFakeMetricsDC drawing;
    tree.m_pRoot->Draw(drawing);
    std::vector<int> xs;
    for (const auto& text : drawing.texts) {
      if (text.font.lfFaceName != Q("Symbol")) continue;
      xs.push_back(text.x);
      EXPECT_EQ(text.font.lfHeight, 52) << c.pair;  // trunc(1.34 * 39)
      EXPECT_EQ(text.y, 39 - 52) << c.pair;
    }
    EXPECT_EQ(xs, c.xs) << c.pair;
  }
}

TEST(StructureDrawing, VectorVariantsDrawArrowBarOrArc) {
  {
    CBinTree tree;
    const auto drawing = Drawn(tree, Q("<#><l><v:color=ff>") + Box("AB") + Q("</v></l></#>"));
    // S = 11, yM = 5, q = 4 in the band (1, 0, 32, 11).
    ASSERT_EQ(drawing->lines.size(), 1u);
    EXPECT_EQ(drawing->lines[0].points, (std::vector<QPoint>{{1, 5}, {25, 5}}));
    ASSERT_EQ(drawing->polygons.size(), 1u);
    EXPECT_EQ(drawing->polygons[0].points, (std::vector<QPoint>{{32, 5}, {21, 1}, {25, 5}, {21, 9}, {32, 5}}));
    EXPECT_EQ(drawing->polygons[0].colour, 0xFFu);
  }
  {
    CBinTree tree;
    const auto drawing = Drawn(tree, Q("<#><l><v:type=1>") + Box("AB") + Q("</v></l></#>"));
    ASSERT_EQ(drawing->lines.size(), 1u);
    EXPECT_EQ(drawing->lines[0].points, (std::vector<QPoint>{{1, 5}, {32, 5}}));
  }
  CBinTree tree;
  const auto drawing = Drawn(tree, Q("<#><l><v:type=2>") + Box("AB") + Q("</v></l></#>"));
  const QString arc = QStringLiteral("\u2312");
  ASSERT_FALSE(drawing->texts.empty());
  const auto& sign = drawing->texts.front();
  EXPECT_EQ(sign.text, arc);
  EXPECT_EQ(sign.font.lfFaceName, kSongtiFace);
  EXPECT_EQ(sign.font.lfCharSet, GB2312_CHARSET);
  EXPECT_EQ(sign.font.lfHeight, 12);  // 2S
  EXPECT_EQ(sign.font.lfWidth, 20);   // trunc(0.6 * 34)
  // The arc becomes the node's text, so the mark-up carries it from now on.
  EXPECT_TRUE(tree.GetText(0).contains(arc + Q("</v>")));
  EXPECT_EQ(g_lfGlyphFont.lfFaceName, Q("Symbol"));
}

TEST(StructureDrawing, ArrowVariantsFollowTheirTable) {
  // Band (0, 27, 48, 41): S = 14, yM = 34, q = 5, s = 9, e = 3, xC = 24.
  struct Case { int variant; size_t lines, polygons; std::vector<QPoint> firstLine; } cases[] = {
      {0, 1, 1, {{0, 34}, {39, 34}}}, {1, 1, 1, {{48, 34}, {9, 34}}}, {2, 1, 2, {{9, 34}, {39, 34}}},
      {3, 3, 0, {{0, 31}, {45, 31}}}, {4, 3, 0, {{3, 31}, {48, 31}}}, {5, 4, 0, {{3, 31}, {45, 31}}},
      {6, 2, 0, {{0, 31}, {48, 31}}}, {7, 2, 2, {{0, 31}, {39, 31}}}, {8, 2, 0, {{0, 31}, {48, 31}, {39, 22}}},
      {9, 3, 0, {{0, 31}, {48, 31}, {39, 22}}}, {11, 4, 0, {{0, 31}, {48, 31}, {39, 22}}},
      {12, 4, 0, {{0, 31}, {45, 31}}}, {13, 4, 0, {{3, 31}, {48, 31}}}, {14, 0, 0, {}}, {-1, 0, 0, {}},
  };
  for (const Case& c : cases) {
    CBinTree tree;
    const auto drawing = Drawn(tree, Q("<#><l><a:type=%1>").arg(c.variant) + Box("x") + Box("y") + Q("</a></l></#>"));
    EXPECT_EQ(FirstStructure(tree)->m_rcLayout, (RECT{0, 0, 48, 69})) << c.variant;
    EXPECT_EQ(drawing->lines.size(), c.lines) << c.variant;
    EXPECT_EQ(drawing->polygons.size(), c.polygons) << c.variant;
    if (!c.firstLine.empty() && !drawing->lines.empty()) {
      EXPECT_EQ(drawing->lines[0].points, c.firstLine) << c.variant;
    }
  }
}

TEST(StructureLayout, HostileHeightsStayWithinTheLayoutBound) {
  for (const char* size : {"2147483647", "-2147483648", "0"}) {
    CBinTree tree;
    CFakeMetricsDC dc;
    LayOutOnFake(tree, Q("<#:size=") + Q(size) + Q("><l><b><#><l><r></r></l><l></l></#></b><a:type=3>") + Box("x") +
                           Box("y") + Q("</a></l></#>"),
                 dc);
    const RECT r = tree.m_pRoot->m_rcLayout;
    EXPECT_GE(r.Width(), 0) << size;
    EXPECT_LE(r.Height(), 8 * kMaxFontHeight) << size;
    tree.m_pRoot->Draw(dc);
  }
  // Scaled for the boxes in single precision, INT_MAX becomes 2^31, beyond
  // every int: it is held at the limit instead of wrapping to a negative size.
  for (const char* size : {"2147483647", "-2147483648"}) {
    CBinTree tree;
    CFakeMetricsDC dc;
    LayOutOnFake(tree, Q("<#:size=") + Q(size) + Q("><l><f>") + Box("x") + Box("y") + Q("</f></l></#>"), dc);
    const CStandardNode* node = FirstStructure(tree);
    ASSERT_NE(node, nullptr) << size;
    for (const CNode* box : {node->m_pFirst, node->m_pSecond})
      if (box) { EXPECT_EQ(box->m_lf.lfHeight > 0, size[0] != '-') << size << ": " << box->m_lf.lfHeight; }
  }
}

}  // namespace
