// The object list follows the document through the private messages and
// selects in it by clicks: the tree of the real document, driven through
// the frame's UI bridge as the pages and undo commands drive it.
#include <QAction>

#include "frametestsupport.h"
#include "model/undo/cmdcells.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "ui/commandactions.h"
#include "ui/objectlist/objectview.h"
#include "ui/objectlist/treedocument.h"

namespace KAVREL_FILE_LOCAL {

class ViewTreeTest : public FrameTest {
 protected:
  // Points A, B, C, the segment AB and a cell on top of all three.
  void AddFigure() {
    a = AddPoint(QStringLiteral("A"));
    b = AddPoint(QStringLiteral("B"), 1);
    c = AddPoint(QStringLiteral("C"), 0, 1);
    ab = AddLine(a->m_nId, b->m_nId);
    bc = AddLine(b->m_nId, c->m_nId);
  }
  QTreeWidgetItem* CellItem(WORD id) const { return CViewTree::FindChildItem(PageItem(), id); }
  std::vector<QString> PageTexts() const {
    std::vector<QString> texts;
    QTreeWidgetItem* root = Tree()->RootItem();
    for (int i = 0; root && i < root->childCount(); ++i) texts.push_back(root->child(i)->text(0));
    return texts;
  }
  LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) {
    return UiBridge().Send(UiTarget::Frame, message, wParam, lParam);
  }

  CGVertex *a = nullptr, *b = nullptr, *c = nullptr;
  CGLine *ab = nullptr, *bc = nullptr;
};

TEST_F(ViewTreeTest, TheTreeShowsTheDocumentItsPagesAndCells) {
  AddFigure();
  frame->DocumentShown();
  QTreeWidgetItem* root = Tree()->RootItem();
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->text(0), QStringLiteral("测试文档"));
  EXPECT_TRUE(root->font(0).bold());
  EXPECT_TRUE(Checked(root));
  EXPECT_EQ(PageItem()->text(0), QStringLiteral("【 1】") + Page()->m_strName);
  EXPECT_EQ(CellIds(), (std::vector<WORD>{1, 2, 3, 4, 5}));
  EXPECT_EQ(CellTexts()[0], QStringLiteral("  1. A----") + a->GetDescription());
  QTreeWidgetItem* line = CellItem(ab->m_nId);
  ASSERT_EQ(line->childCount(), 2);
  EXPECT_EQ(line->child(0)->text(0), QStringLiteral("(1) A----") + a->GetDescription());
  EXPECT_EQ(line->child(1)->text(0), QStringLiteral("(2) B----") + b->GetDescription());
}

TEST_F(ViewTreeTest, UndoAndRedoOfThreeCellsRemoveAndRestoreTheHighestIds) {
  AddFigure();
  frame->DocumentShown();
  // A construction of three cells on top of the figure.
  AddPoint(QStringLiteral("D"));
  AddLine(b->m_nId, c->m_nId);
  AddLine(a->m_nId, c->m_nId);
  Page()->m_undo.Submit(std::make_unique<CCmdAddCells>(3, QStringLiteral("三个")));
  EXPECT_EQ(CellIds(), (std::vector<WORD>{1, 2, 3, 4, 5, 6, 7, 8}));
  ASSERT_TRUE(Page()->m_undo.Undo());
  EXPECT_EQ(CellIds(), (std::vector<WORD>{1, 2, 3, 4, 5}));
  ASSERT_TRUE(Page()->m_undo.Redo());
  EXPECT_EQ(CellIds(), (std::vector<WORD>{1, 2, 3, 4, 5, 6, 7, 8}));
  QTreeWidgetItem* last = CellItem(8);
  ASSERT_EQ(last->childCount(), 2);
  EXPECT_EQ(CViewTree::ItemId(last->child(0)), a->m_nId);
  EXPECT_EQ(CViewTree::ItemId(last->child(1)), c->m_nId);
}

TEST_F(ViewTreeTest, CellsAreOrderedByNumberNotByText) {
  Page()->m_nNextId = 998;
  AddPoint(QStringLiteral("X"));
  AddPoint(QStringLiteral("Y"));
  AddPoint(QStringLiteral("Z"));
  // Entered out of order through id lists.
  const std::vector<WORD> last{1000}, middle{999, 998};
  EXPECT_EQ(Send(WM_CELLS_CHANGED, 1, reinterpret_cast<LPARAM>(&last)), 1);
  EXPECT_EQ(Send(WM_CELLS_CHANGED, 1, reinterpret_cast<LPARAM>(&middle)), 1);
  EXPECT_EQ(CellIds(), (std::vector<WORD>{998, 999, 1000}));
  // Removing by list; an id without an item answers 0.
  const std::vector<WORD> gone{999, 4};
  EXPECT_EQ(Send(WM_CELLS_CHANGED, 0, reinterpret_cast<LPARAM>(&gone)), 0);
  EXPECT_EQ(CellIds(), (std::vector<WORD>{998, 1000}));
  // The newest cells: an id the page never made answers 0, the others are
  // listed all the same; a zero change removes nothing.
  AddPoint(QStringLiteral("W"));
  Page()->m_nNextId = 1003;
  EXPECT_EQ(Send(WM_CELLS_CHANGED, 2, 0), 0);
  EXPECT_EQ(Send(WM_CELLS_CHANGED, 0, 0), 1);
  EXPECT_EQ(CellIds(), (std::vector<WORD>{998, 1000, 1001}));
}

// Many cells removed at once (a delete of a long chain) go in one move; the
// items that stay keep their order, whether they were open, and the caret.
TEST_F(ViewTreeTest, ManyCellsRemovedAtOnceLeaveTheRestAsTheyWere) {
  for (int i = 0; i < 100; ++i) AddPoint(QStringLiteral("P"), static_cast<float>(i));
  AddFigure();  // ids 101 to 105
  frame->DocumentShown();
  CellItem(ab->m_nId)->setExpanded(true);
  Tree()->setCurrentItem(CellItem(ab->m_nId)->child(1));
  std::vector<WORD> gone;
  for (WORD id = 1; id <= 100; id += 2) gone.push_back(id);
  gone.push_back(3);    // named twice
  gone.push_back(600);  // no item
  EXPECT_EQ(Send(WM_CELLS_CHANGED, 0, reinterpret_cast<LPARAM>(&gone)), 0);
  std::vector<WORD> left;
  for (WORD id = 2; id <= 100; id += 2) left.push_back(id);
  for (WORD id = 101; id <= 105; ++id) left.push_back(id);
  EXPECT_EQ(CellIds(), left);
  EXPECT_TRUE(CellItem(ab->m_nId)->isExpanded());
  EXPECT_FALSE(CellItem(bc->m_nId)->isExpanded());
  EXPECT_EQ(Tree()->currentItem(), CellItem(ab->m_nId)->child(1));
  gone.pop_back();
  for (WORD& id : gone) ++id;  // the even ones: all there
  EXPECT_EQ(Send(WM_CELLS_CHANGED, 0, reinterpret_cast<LPARAM>(&gone)), 1);
  EXPECT_EQ(CellIds(), (std::vector<WORD>{101, 102, 103, 104, 105}));
}

TEST_F(ViewTreeTest, SelectionMessagesSetTheBoxes) {
  AddFigure();
  frame->DocumentShown();
  const LPARAM pageDatum = 40000 + Page()->m_nId;
  Send(WM_SELECTION_CHANGED, 1, b->m_nId);
  EXPECT_TRUE(Checked(CellItem(b->m_nId)));
  Send(WM_SELECTION_CHANGED, 0, b->m_nId);
  EXPECT_FALSE(Checked(CellItem(b->m_nId)));
  Send(WM_SELECTION_CHANGED, 3, pageDatum);
  EXPECT_TRUE(Checked(PageItem()));
  EXPECT_TRUE(Checked(CellItem(ab->m_nId)->child(1)));
  Send(WM_SELECTION_CHANGED, 2, pageDatum);
  EXPECT_FALSE(Checked(PageItem()));
  EXPECT_FALSE(Checked(CellItem(c->m_nId)));
  // Another page's datum changes nothing.
  Send(WM_SELECTION_CHANGED, 3, pageDatum + 1);
  EXPECT_FALSE(Checked(PageItem()));
  // Codes 5 to 8 and 11 take the boxes from the cells, not the sub-items.
  a->m_bSelected = true;
  c->m_bSelected = true;
  Send(WM_SELECTION_CHANGED, 7, 1);
  EXPECT_TRUE(Checked(CellItem(a->m_nId)));
  EXPECT_FALSE(Checked(CellItem(b->m_nId)));
  EXPECT_TRUE(Checked(CellItem(c->m_nId)));
  EXPECT_FALSE(Checked(CellItem(ab->m_nId)->child(0)));
  // Nothing for a value whose low word is 0 or for codes from 12 on.
  b->m_bSelected = true;
  EXPECT_EQ(Send(WM_SELECTION_CHANGED, 5, 0x10000), 0);
  EXPECT_EQ(Send(WM_SELECTION_CHANGED, 12, 1), 0);
  EXPECT_FALSE(Checked(CellItem(b->m_nId)));
  // Code 4 makes the page item the caret.
  Send(WM_SELECTION_CHANGED, 4, pageDatum);
  EXPECT_EQ(Tree()->currentItem(), PageItem());
}

TEST_F(ViewTreeTest, ParentBoxesMirrorTheSelectionAfterARefillToo) {
  AddFigure();
  a->m_bSelected = true;
  Page()->RebuildSelectionLists();
  Send(WM_REBUILD_PAGE_TREE, 0, 0);
  EXPECT_TRUE(Checked(CellItem(a->m_nId)));
  EXPECT_TRUE(Checked(CellItem(ab->m_nId)->child(0)));
  EXPECT_FALSE(Checked(CellItem(ab->m_nId)->child(1)));
  // As after an incremental addition.
  AddLine(a->m_nId, c->m_nId);
  Send(WM_CELLS_CHANGED, 1, 0);
  EXPECT_TRUE(Checked(CellItem(6)->child(0)));
}

TEST_F(ViewTreeTest, TextMessagesRewriteItems) {
  AddFigure();
  frame->DocumentShown();
  const QString lineBefore = CellItem(ab->m_nId)->text(0);
  a->m_strName = QStringLiteral("P");
  Send(WM_ITEM_TEXTS, 1, a->m_nId);  // the cell's own item only
  EXPECT_EQ(CellItem(a->m_nId)->text(0), QStringLiteral("  1. P----") + a->GetDescription());
  EXPECT_EQ(CellItem(ab->m_nId)->text(0), lineBefore);
  Send(WM_ITEM_TEXTS, 0, Page()->m_nId);  // every item of the page
  EXPECT_EQ(CellItem(ab->m_nId)->child(0)->text(0), QStringLiteral("(1) P----") + a->GetDescription());
  EXPECT_EQ(CellItem(ab->m_nId)->text(0), CellItemText(*ab));
  Page()->m_strName = QStringLiteral("新名");
  Send(WM_ITEM_TEXTS, 2, 7);
  EXPECT_EQ(PageItem()->text(0), QStringLiteral("【 7】新名"));
  AddPages(11);
  Send(WM_ITEM_TEXTS, 3, 1);
  const auto texts = PageTexts();
  ASSERT_EQ(texts.size(), 12u);
  EXPECT_EQ(texts[0], QStringLiteral("【 1】第一页"));
  EXPECT_EQ(texts[9], QStringLiteral("【10】第十页"));
  EXPECT_EQ(texts[11], QStringLiteral("【12】第12页"));
}

TEST_F(ViewTreeTest, RenamingACellRewritesEveryItemOfThePage) {
  AddFigure();
  frame->DocumentShown();
  EXPECT_EQ(Tree()->NameForEditing(CellItem(a->m_nId)), QStringLiteral("A"));
  Tree()->EndRename(CellItem(a->m_nId), QStringLiteral("Q"));
  EXPECT_EQ(a->m_strName, QStringLiteral("Q"));
  EXPECT_EQ(CellItem(a->m_nId)->text(0), CellItemText(*a));
  EXPECT_EQ(CellItem(ab->m_nId)->text(0), CellItemText(*ab));  // its description names A
  EXPECT_EQ(CellItem(ab->m_nId)->child(0)->text(0), ParentItemText(*a));
  EXPECT_TRUE(doc.IsModified());
  // A page keeps its position.
  AddPages(1);
  Tree()->EndRename(Tree()->RootItem()->child(1), QStringLiteral("附录"));
  EXPECT_EQ(doc.m_pages[1]->m_strName, QStringLiteral("附录"));
  EXPECT_EQ(PageTexts()[1], QStringLiteral("【 2】附录"));
  // The current page's new name reaches the status bar.
  EXPECT_EQ(Tree()->NameForEditing(PageItem()), Page()->m_strName);
  Tree()->EndRename(PageItem(), QStringLiteral("首页"));
  EXPECT_EQ(frame->StatusText(2), QStringLiteral("当前页：首页"));
  EXPECT_EQ(PageTexts()[0], QStringLiteral("【 1】首页"));
}


TEST_F(ViewTreeTest, CheckingThePageBoxSelectsAllItsCells) {
  AddFigure();
  frame->DocumentShown();
  Tree()->ClickCheckBox(PageItem());
  EXPECT_EQ(Page()->m_selAll.size(), 5u);
  EXPECT_TRUE(Checked(PageItem()));
  for (int i = 0; i < PageItem()->childCount(); ++i) EXPECT_TRUE(Checked(PageItem()->child(i))) << i;
  // Clearing it clears the selection and every box.
  Tree()->ClickCheckBox(PageItem());
  EXPECT_TRUE(Page()->m_selAll.empty());
  EXPECT_FALSE(Checked(PageItem()));
  EXPECT_FALSE(Checked(CellItem(a->m_nId)));
}

// A cell of another page is not renamed in place; a click on it switches
// to its page and selects it alone.
TEST_F(ViewTreeTest, ACellOfAnotherPageIsSelectedByAClickNotRenamed) {
  AddFigure();
  AddPages(1);
  CGPage* first = Page();
  doc.GotoPageById(doc.m_pages[1]->m_nId, false);
  QTreeWidgetItem* firstPage = Tree()->RootItem()->child(0);
  QTreeWidgetItem* cellB = CViewTree::FindChildItem(firstPage, b->m_nId);
  EXPECT_FALSE(Tree()->CanRenameInPlace(cellB));
  EXPECT_TRUE(Tree()->CanRenameInPlace(firstPage));
  EXPECT_TRUE(Tree()->CanRenameInPlace(PageItem()));
  EXPECT_FALSE(Tree()->CanRenameInPlace(Tree()->RootItem()));
  Tree()->ClickLabel(cellB);
  EXPECT_EQ(Page(), first);
  EXPECT_EQ(first->m_selAll, (std::vector<WORD>{b->m_nId}));
  EXPECT_TRUE(Checked(cellB));
}

TEST_F(ViewTreeTest, PageInsertionAndDeletionRenumberTheFollowingPages) {
  AddPages(2);  // pages 1 (current), P2, P3
  CGPage inserted;
  inserted.m_nId = 9;
  inserted.m_strName = QStringLiteral("新页");
  EXPECT_EQ(Send(WM_PAGE_ITEM, 1, reinterpret_cast<LPARAM>(&inserted)), 1);
  EXPECT_EQ(PageTexts(), (std::vector<QString>{QStringLiteral("【 1】第一页"), QStringLiteral("【 2】新页"),
                                               QStringLiteral("【 3】P2"), QStringLiteral("【 4】P3")}));
  EXPECT_EQ(CViewTree::ItemId(Tree()->currentItem()), 9);
  // The current page (the second of three) is about to go.
  frame->DocumentShown();
  doc.GotoPageById(doc.m_pages[1]->m_nId, false);
  EXPECT_EQ(Send(WM_PAGE_ITEM, 2, 0), 1);
  EXPECT_EQ(PageTexts(), (std::vector<QString>{QStringLiteral("【 1】第一页"), QStringLiteral("【 2】P3")}));
}

TEST_F(ViewTreeTest, PagesMoveByCommandAndMoveUpIsOffOnTheFirstPage) {
  AddPages(2);
  frame->Actions().Refresh();
  EXPECT_FALSE(CommandRegistry().Query(kCmdMovePageUp).m_bEnabled);
  EXPECT_TRUE(CommandRegistry().Query(kCmdMovePageDown).m_bEnabled);
  EXPECT_FALSE(CommandRegistry().Run(kCmdMovePageUp));
  ASSERT_TRUE(CommandRegistry().Run(kCmdMovePageDown));
  EXPECT_EQ(doc.m_pages[1].get(), Page());
  EXPECT_EQ(PageTexts(), (std::vector<QString>{QStringLiteral("【 1】P2"), QStringLiteral("【 2】第一页"),
                                               QStringLiteral("【 3】P3")}));
  EXPECT_EQ(Tree()->currentItem(), PageItem());
  ASSERT_TRUE(CommandRegistry().Run(kCmdMovePageDown));
  EXPECT_FALSE(CommandRegistry().Query(kCmdMovePageDown).m_bEnabled);
  EXPECT_TRUE(CommandRegistry().Query(kCmdMovePageUp).m_bEnabled);
}

TEST_F(ViewTreeTest, PagesBeyondNinetyNineKeepTheirOrderWhenMoved) {
  AddPages(119);
  doc.GotoPageById(doc.m_pages[99]->m_nId, false);  // the 100th page
  const WORD moved = Page()->m_nId;
  ASSERT_TRUE(Tree()->RenumberPageItems(+1));
  EXPECT_EQ(doc.m_pages[100]->m_nId, moved);
  const auto texts = PageTexts();
  EXPECT_EQ(texts[99], QStringLiteral("【100】P101"));
  EXPECT_EQ(texts[100], QStringLiteral("【101】") + Page()->m_strName);
  EXPECT_EQ(texts[119], QStringLiteral("【120】P120"));
  // Dropping it on the 10th page's item moves it there.
  ASSERT_TRUE(Tree()->DropPageOn(Tree()->RootItem()->child(9)));
  EXPECT_EQ(doc.m_pages[9]->m_nId, moved);
  EXPECT_EQ(PageTexts()[9], QStringLiteral("【10】") + Page()->m_strName);
  EXPECT_EQ(PageTexts()[10], QStringLiteral("【11】P10"));
  // Not on itself, not past the ends.
  EXPECT_FALSE(Tree()->DropPageOn(PageItem()));
  ASSERT_TRUE(Tree()->RenumberPageItems(-9));
  EXPECT_FALSE(Tree()->RenumberPageItems(-1));
}

TEST_F(ViewTreeTest, PageKeysStepThroughThePages) {
  AddPages(2);
  EXPECT_FALSE(CommandRegistry().Query(ID_VIEW_PAGEUP).m_bEnabled);
  ASSERT_TRUE(CommandRegistry().Run(ID_VIEW_PAGEDOWN));
  EXPECT_EQ(Page(), doc.m_pages[1].get());
  EXPECT_EQ(frame->StatusText(2), QStringLiteral("当前页：P2"));
  ASSERT_TRUE(CommandRegistry().Run(ID_VIEW_PAGEDOWN));
  EXPECT_FALSE(CommandRegistry().Run(ID_VIEW_PAGEDOWN));
  ASSERT_TRUE(CommandRegistry().Run(ID_VIEW_PAGEUP));
  EXPECT_EQ(Page(), doc.m_pages[1].get());
  // Selecting the page marks it and focuses its item.
  ASSERT_TRUE(CommandRegistry().Run(ID_SELECT_PAGE));
  EXPECT_EQ(Page()->m_bSelected, 1);
  EXPECT_EQ(Tree()->currentItem(), PageItem());
}

TEST_F(ViewTreeTest, TheToolBarsCutCopyAndDeleteAreTheDocumentsAndNeedASelection) {
  AddFigure();
  frame->DocumentShown();
  for (unsigned id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_DELETE})
    EXPECT_FALSE(CommandRegistry().Query(id).m_bEnabled) << id;
  Page()->m_bSelected = 1;
  for (unsigned id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_DELETE})
    EXPECT_TRUE(CommandRegistry().Query(id).m_bEnabled) << id;
  Page()->m_bSelected = 0;
  Page()->SelectCell(c->m_nId);
  // Cut: C and the segment BC leave the page and the list; the copy is the
  // record of C alone, so the first paste here lands one step away.
  ASSERT_TRUE(CommandRegistry().Run(ID_EDIT_CUT));
  EXPECT_EQ(Page()->m_nPasteCount, 1);
  EXPECT_EQ(CellIds(), (std::vector<WORD>{1, 2, 4}));
  ASSERT_TRUE(CommandRegistry().Run(ID_EDIT_PASTE));
  EXPECT_EQ(CellIds(), (std::vector<WORD>{1, 2, 4, 6}));
}

}  // namespace
