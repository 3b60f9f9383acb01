// Texts and pictures of the object list's items.
#include <gtest/gtest.h>

#include "model/pagetest.h"
#include "ui/objectlist/treeimages.h"
#include "ui/objectlist/viewtree.h"

namespace KAVREL_FILE_LOCAL {

class TreeTextsTest : public PageTest {};

TEST_F(TreeTextsTest, PageItemsShowTheirPositionInTwoColumns) {
  EXPECT_EQ(PageItemText(1, QStringLiteral("第一页 ")), QStringLiteral("【 1】第一页 "));
  EXPECT_EQ(PageItemText(12, QStringLiteral("p")), QStringLiteral("【12】p"));
  EXPECT_EQ(PageItemText(100, QStringLiteral("p")), QStringLiteral("【100】p"));
}

TEST_F(TreeTextsTest, CellAndParentItemsShowIdNameAndDescription) {
  for (int i = 0; i < 4; ++i) AddPoint(0, 0, 0);
  CGVertex* fifth = AddPoint(1, 2, 3);
  ASSERT_EQ(fifth->m_nId, 5);
  fifth->m_strName = QStringLiteral("A");
  CGCell* third = page->m_cells.Lookup(3);
  third->m_strName = QStringLiteral("B");
  EXPECT_EQ(CellItemText(*fifth), QStringLiteral("  5. A----") + fifth->GetDescription());
  EXPECT_EQ(ParentItemText(*third), QStringLiteral("(3) B----") + third->GetDescription());
  page->m_nNextId = 1000;
  CGVertex* big = AddPoint(0, 0, 0);
  big->m_strName = QStringLiteral("Z");
  EXPECT_TRUE(CellItemText(*big).startsWith(QStringLiteral("1000. Z----")));
}

TEST_F(TreeTextsTest, DefaultPageNamesUseChineseNumeralsUpToTen) {
  const char* const expected[] = {"第一页", "第二页", "第三页", "第四页", "第五页",
                                  "第六页", "第七页", "第八页", "第九页", "第十页"};
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(DefaultPageName(i), QString::fromUtf8(expected[i - 1])) << i;
  EXPECT_EQ(DefaultPageName(11), QStringLiteral("第11页"));
  EXPECT_EQ(DefaultPageName(120), QStringLiteral("第120页"));
}

TEST_F(TreeTextsTest, PicturesFollowTheCellClassFirstMatchFirst) {
  struct Case { std::vector<const char*> chain; int image; };
  const std::vector<Case> cases = {
      {{"CGVerFreeXyz", "CGVerFree"}, 2}, {{"CGVerMid"}, 1}, {{"CGLine"}, 3}, {{"CGFace"}, 4},
      {{"CGArcCircle3P", "CGArc"}, 5}, {{"CGCurve"}, 6}, {{"CGLocus"}, 7}, {{"CGTrack"}, 7},
      {{"CGTmSingleline"}, 8},
      {{"CGTmVarAfterP", "CGTmVariable"}, 8},  // before the values
      {{"CGTmVarDistancePP", "CGTmVariable"}, 9}, {{"CGTmVector"}, 9}, {{"CGButnMove", "CGButton"}, 10},
      {{"CGCylinderCPC", "CGCylinder"}, 11}, {{"CGCone"}, 12}, {{"CGFrustum"}, 13}, {{"CGSphere"}, 14},
      {{"CGIterate"}, 15}, {{"CGSurface"}, 16}, {{"CGPolyhedron"}, 17},
  };
  for (const Case& c : cases) {
    const CGCell* cell = c.chain.front() == std::string_view("CGVerMid")
                             ? static_cast<CGCell*>(AddKind<CGVertex>(c.chain))
                             : AddKind(c.chain);
    EXPECT_EQ(TreeImageIndex(*cell), c.image) << c.chain.front();
  }
  EXPECT_EQ(TreeImageIndex(*AddPoint(0, 0, 0)), 1);
  const QImage sharp = TreeImage(1).pixmap(QSize(16, 16), 2.0).toImage();
  EXPECT_GT(qAlpha(sharp.pixel(sharp.width() / 2, sharp.height() / 2)), 200) << "the point in the middle on hi-dpi too";
}

}  // namespace
