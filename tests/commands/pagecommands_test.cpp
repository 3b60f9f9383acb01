// The new-page command: where the page goes, its name, and that the object
// list hears of it only once it is listed.
#include "platform/commandids.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

TEST(PageCommands, ANewPageFollowsTheCurrentOneAndBecomesCurrent) {
  struct Row {
    const char* name;
    int pages;  // ids 1 .. pages
    int current;  // its index; -1: a page outside the list
    WORD lastPageId;
    int at;  // -1: no page made
    const char* pageName;
  } const rows[] = {
      {"after the only page", 1, 0, 1, 1, "第二页"}, {"between two pages", 3, 0, 3, 1, "第四页"},
      {"eleventh by digits", 1, 0, 10, 1, "第11页"}, {"current page not listed", 2, -1, 2, 2, "第三页"},
      {"every page id taken", 1, 0, 0xFFFF, -1, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CommandPage p;
    for (int i = 1; i < row.pages; ++i) p.doc.m_pages.push_back(std::make_unique<CGPage>());
    CGPage outside;
    CGPage* previous = row.current < 0 ? &outside : p.doc.m_pages[row.current].get();
    SetCurrentPage(previous);
    p.doc.m_nLastPageId = row.lastPageId;
    bool listedWhenTold = false;
    p.seams.bridge->observer = [&](const BridgeMessage& m) {
      if (m.message == WM_PAGE_ITEM) listedWhenTold = p.doc.FindPageById(row.lastPageId + 1) != nullptr;
    };
    ASSERT_TRUE(p.Run(ID_CREATE_PAGE));
    if (row.at < 0) {
      EXPECT_EQ(p.doc.m_pages.size(), 1u);
      EXPECT_EQ(g_pCurPage, previous);
      EXPECT_TRUE(p.Messages(WM_PAGE_ITEM).empty());
      continue;
    }
    ASSERT_EQ(p.doc.m_pages.size(), static_cast<size_t>(row.pages + 1));
    CGPage* made = p.doc.m_pages[row.at].get();
    EXPECT_EQ(made->m_nId, row.lastPageId + 1);
    EXPECT_EQ(made->m_strName, QString::fromUtf8(row.pageName));
    EXPECT_EQ(g_pCurPage, made);
    const std::vector<BridgeMessage> told = p.Messages(WM_PAGE_ITEM);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].wParam == 1 && told[0].lParam == reinterpret_cast<LPARAM>(made));
    EXPECT_TRUE(listedWhenTold);
    EXPECT_EQ(previous->m_undo.GetCount() + made->m_undo.GetCount(), 0) << "no undo step";
  }
}

}  // namespace
