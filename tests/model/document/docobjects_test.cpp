// What the object list asks of the document: names by item, renaming (the
// dependants' labels follow) and moving the current page.
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

TEST(DocumentObjects, RenamingAPointRelabelsItsSegmentAndAPageShowsAtOnce) {
  CommandPage p;
  const WORD a = p.Point(), b = p.Point(1, 0, 0), ab = p.Line(a, b);
  p.Find(ab)->UpdateLabel();
  ASSERT_EQ(p.doc.GetObjectName(TreeItemKind::Cell, ab), QStringLiteral("AB"));
  ASSERT_TRUE(p.doc.RenameObject(TreeItemKind::Cell, a, QStringLiteral("P")));
  EXPECT_EQ(p.doc.GetObjectName(TreeItemKind::Cell, a), QStringLiteral("P"));
  EXPECT_TRUE(p.Find(a)->m_bNameFixed);
  EXPECT_EQ(p.doc.GetObjectName(TreeItemKind::Cell, ab), QStringLiteral("PB"));
  EXPECT_TRUE(p.doc.IsModified());

  ASSERT_TRUE(p.doc.RenameObject(TreeItemKind::Page, p.Page().m_nId, QStringLiteral("封面")));
  EXPECT_EQ(p.doc.GetObjectName(TreeItemKind::Page, p.Page().m_nId), QStringLiteral("封面"));
  EXPECT_EQ(p.seams.bridge->statusTexts.back(), std::make_pair(2, QStringLiteral("当前页：封面")));

  EXPECT_FALSE(p.doc.RenameObject(TreeItemKind::Cell, 99, QStringLiteral("X")));
  EXPECT_FALSE(p.doc.RenameObject(TreeItemKind::Page, 7, QStringLiteral("X")));
  EXPECT_EQ(p.doc.GetObjectName(TreeItemKind::Page, 7), QString());
  EXPECT_EQ(p.doc.GetObjectName(TreeItemKind::None, a), QString());
}

TEST(DocumentObjects, MovingThePageStopsAtTheEndsAndNotAtAll) {
  struct Row {
    const char* name;
    int current, n;
    bool moved;
    std::vector<WORD> order;
  } const rows[] = {
      {"one later", 0, 1, true, {2, 1, 3}},
      {"two later", 0, 2, true, {2, 3, 1}},
      {"one earlier", 2, -1, true, {1, 3, 2}},
      {"past the end", 2, 1, false, {1, 2, 3}},
      {"past the front", 1, -2, false, {1, 2, 3}},
      {"nowhere", 1, 0, false, {1, 2, 3}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CommandPage p;
    p.doc.OnCreatePage();
    p.doc.OnCreatePage();
    p.doc.SwitchToPage(p.doc.m_pages[row.current].get());
    p.doc.SetModifiedFlag(false);
    EXPECT_EQ(p.doc.MovePage(row.n), row.moved);
    std::vector<WORD> order;
    for (const auto& page : p.doc.m_pages) order.push_back(page->m_nId);
    EXPECT_EQ(order, row.order);
    EXPECT_EQ(p.doc.IsModified(), row.moved);
  }
}

}  // namespace
