#include <gtest/gtest.h>

#include "model/pagetest.h"
#include "model/runningbuttons.h"
#include "model/undo/cmdcells.h"
#include "model/undo/cmdtexts.h"

namespace KAVREL_FILE_LOCAL {

class CellCommandTest : public PageTest {
 protected:
  // The ids of the WM_CELLS_CHANGED messages that carried an id list.
  std::vector<std::pair<WPARAM, std::vector<WORD>>> ListMessages() {
    std::vector<std::pair<WPARAM, std::vector<WORD>>> out;
    for (const BridgeMessage& m : seams.bridge->messages)
      if (m.message == WM_CELLS_CHANGED && m.lParam != 0)
        out.emplace_back(m.wParam, *reinterpret_cast<const std::vector<WORD>*>(m.lParam));
    return out;
  }
};

TEST_F(CellCommandTest, UndoingAPasteTakesTheNewestCellsOut) {
  CGVertex* a = AddPoint(0, 0, 0);
  CGVertex* b = AddPoint(2, 0, 0);
  // The "paste": a point, a point between a and b, and a running button.
  CGVertex* c = AddPoint(5, 5, 5);
  CTestDependentPoint* m = AddDependent({a->m_nId, b->m_nId});
  CGButton* button = AddButton({a->m_nId});
  page->SetButtonRunning(true, button->m_nId);
  page->RebuildVertexArray();
  page->SelectCell(c->m_nId);
  // Held ids of new cells (the button, c) and of an old one (a).
  page->m_nAutoButton = button->m_nId;
  page->m_marks.MarkCenter = c->m_nId;
  page->m_marks.MarkAxis = a->m_nId;
  page->m_marks.MarkVector = {1, a->m_nId, c->m_nId, 0};
  const QByteArray before = PageBytes();
  ASSERT_EQ(page->m_nNextId, 6);

  page->m_undo.Submit(std::make_unique<CCmdAddCells>(3, QString::fromUtf8(kCmdNamePaste)));
  ASSERT_TRUE(page->m_undo.Undo());
  EXPECT_EQ(page->m_nNextId, 3);
  for (WORD id = 3; id <= 5; ++id) EXPECT_EQ(page->m_cells.Lookup(id), nullptr) << id;
  EXPECT_EQ(a->m_children, std::vector<WORD>{}) << "unlinked from their parents";
  EXPECT_TRUE(b->m_children.empty());
  EXPECT_TRUE(page->m_runningButtons.empty()) << "the running button stopped";
  EXPECT_FALSE(button->m_bRunning);
  EXPECT_TRUE(page->m_selAll.empty());
  EXPECT_EQ(page->m_nNextVertex, 3) << "the vertex array was refilled";
  EXPECT_EQ(page->m_nAutoButton, 0);
  EXPECT_EQ(page->m_marks.MarkCenter, 0);
  EXPECT_EQ(page->m_marks.MarkVector.kind, 0);
  EXPECT_EQ(page->m_marks.MarkAxis, a->m_nId);

  m->m_vPos[0] = 99;  // computed again on redo
  ASSERT_TRUE(page->m_undo.Redo());
  EXPECT_EQ(page->m_nNextId, 6);
  EXPECT_EQ(page->m_cells.Lookup(4), m);
  EXPECT_EQ(a->m_children, (std::vector<WORD>{4, 5}));
  EXPECT_EQ(b->m_children, (std::vector<WORD>{4}));
  EXPECT_EQ(m->m_vPos[0], 2.0f);
  EXPECT_EQ(PageBytes(), before) << "the automatic button is back";
  EXPECT_EQ(page->m_marks.MarkCenter, c->m_nId) << "redo gives back what undo cleared";
  EXPECT_EQ(page->m_marks.MarkVector, (CVectorMark{1, a->m_nId, c->m_nId, 0}));
  EXPECT_EQ(page->m_marks.MarkAxis, a->m_nId);
  EXPECT_EQ(CountChanges(*seams.bridge), (std::vector<long>{3, -3, 3}));
}

TEST_F(CellCommandTest, UndoingOneCreation) {
  CGVertex* a = AddPoint(0, 0, 0);
  CGVertex* b = AddPoint(4, 0, 0);
  CTestDependentPoint* m = AddDependent({b->m_nId, a->m_nId});
  a->m_children.push_back(77);  // m's id not last in a's list
  page->RebuildVertexArray();
  page->m_marks.MarkCenter = page->m_marks.MarkAxis = m->m_nId;
  const QByteArray before = PageBytes();
  page->m_undo.Submit(std::make_unique<CCmdAddCell>(QStringLiteral("m")));
  ASSERT_TRUE(page->m_undo.Undo());
  EXPECT_EQ(page->m_marks.MarkCenter, 0);
  // A mark set anew while the creation is undone is the user's: redo keeps it.
  page->m_marks.MarkAxis = b->m_nId;
  EXPECT_EQ(page->m_cells.Lookup(m->m_nId), nullptr);
  EXPECT_EQ(a->m_children, std::vector<WORD>{77});
  EXPECT_EQ(page->m_nNextVertex, 3);
  ASSERT_TRUE(page->m_undo.Redo());
  EXPECT_EQ(a->m_children, (std::vector<WORD>{m->m_nId, 77})) << "back in its place";
  EXPECT_EQ(m->VertexIndex, 3);
  EXPECT_EQ(page->m_marks.MarkCenter, m->m_nId);
  EXPECT_EQ(page->m_marks.MarkAxis, b->m_nId);
  EXPECT_EQ(PageBytes(), before);
  EXPECT_EQ(CountChanges(*seams.bridge), (std::vector<long>{1, -1, 1}));
}

TEST_F(CellCommandTest, UndoingTheCreationOfARunningButtonStopsIt) {
  CGButton* other = AddButton();
  CGButton* button = AddButton();
  page->SetButtonRunning(true, other->m_nId);
  page->SetButtonRunning(true, button->m_nId);
  page->m_undo.Submit(std::make_unique<CCmdAddCell>(QString()));
  ASSERT_TRUE(page->m_undo.Undo());
  EXPECT_FALSE(button->m_bRunning);
  EXPECT_EQ(page->m_runningButtons, std::vector<WORD>{other->m_nId});
}

TEST_F(CellCommandTest, DeletingAPointWithALineThroughIt) {
  auto [a, b, c, ab, bc] = AddPath();
  CTestDependentPoint* m = AddDependent({a->m_nId, c->m_nId});
  page->RebuildVertexArray();
  const QByteArray before = PageBytes();

  auto command = std::make_unique<CCmdDelCells>(std::vector<WORD>{ab->m_nId, a->m_nId, m->m_nId},
                                                QString::fromUtf8(kCmdNameDelete));
  CCmd& del = *command;
  page->m_undo.Submit(std::move(command));
  ASSERT_TRUE(del.Redo());
  EXPECT_EQ(page->m_cells.size(), 3u);
  EXPECT_EQ(b->m_children, std::vector<WORD>{bc->m_nId});
  EXPECT_EQ(c->m_children, std::vector<WORD>{bc->m_nId});
  EXPECT_EQ(page->m_nNextVertex, 3);

  ASSERT_TRUE(page->m_undo.Undo());
  EXPECT_EQ(page->m_cells.Lookup(a->m_nId), a);
  EXPECT_EQ(page->m_cells.Lookup(ab->m_nId), ab);
  EXPECT_EQ(a->m_children, (std::vector<WORD>{ab->m_nId, m->m_nId})) << "the line is the point's child again";
  EXPECT_EQ(b->m_children, (std::vector<WORD>{ab->m_nId, bc->m_nId}));
  EXPECT_EQ(PageBytes(), before);

  const auto lists = ListMessages();
  ASSERT_EQ(lists.size(), 2u);
  const std::vector<WORD> ids{a->m_nId, ab->m_nId, m->m_nId};
  EXPECT_EQ(lists[0], std::make_pair(WPARAM{0}, ids)) << "before they go, ascending";
  EXPECT_EQ(lists[1], std::make_pair(WPARAM{1}, ids)) << "after they are back";
  EXPECT_TRUE(CountChanges(*seams.bridge).empty());

  ASSERT_TRUE(page->m_undo.Redo());
  page->m_undo.Clear();  // the deleted cells go with the command, for good
  EXPECT_EQ(page->m_cells.size(), 3u);
}

TEST_F(CellCommandTest, CommandsWithoutACurrentPageRefuse) {
  CGVertex* a = AddPoint(0, 0, 0);
  page->m_undo.Submit(std::make_unique<CCmdAddCell>(QString()));
  SetCurrentPage(nullptr);
  EXPECT_FALSE(page->m_undo.Undo());
  SetCurrentPage(page.get());
  EXPECT_TRUE(page->m_undo.Undo());
  EXPECT_EQ(page->m_cells.Lookup(a->m_nId), nullptr);
}

}  // namespace
