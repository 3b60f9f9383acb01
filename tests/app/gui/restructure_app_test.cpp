// The restructuring edits in the running program (xvfb), as a teacher uses
// them: a midpoint of a drawn segment is frozen from its shortcut menu and
// stays when an end is dragged, until Ctrl+Z gives the midpoint back; the
// segment is reversed from its menu and still listed and drawn; after a
// point is deleted, renumbering closes the gap in the document, the object
// list and the file, and the reopened picture is the same.
#include <gtest/gtest.h>

#include <QTreeWidgetItem>
#include <vector>

#include "cells/constrained/dependentpoints.h"
#include "cells/primitives/cgline.h"
#include "editing/restructure/restructuretexts.h"
#include "math/mathglobals.h"
#include "platform/commandids.h"
#include "programwindow.h"
#include "support/settle.h"
#include "userchoices.h"
#include "ui/objectlist/objectview.h"
#include "ui/objectlist/viewtree.h"

namespace KAVREL_FILE_LOCAL {

class RestructureApp : public ProgramWindow {
 protected:
  RecordingNotifier& Boxes() { return static_cast<RecordingNotifier&>(Notifier()); }
  CGCell* Cell(WORD id) { return Page().m_cells.Lookup(id); }
  std::vector<float> Place(WORD id) {
    const float* at = dynamic_cast<CGVertex&>(*Cell(id)).m_vPos;
    return {at[0], at[1], at[2]};
  }
  std::vector<WORD> Ids() {
    std::vector<WORD> ids;
    for (auto [id, cell] : Page().m_cells) ids.push_back(id);
    return ids;
  }
  // The ids of the cell items under the current page in the object list.
  std::vector<WORD> ListedIds() {
    std::vector<WORD> ids;
    CViewTree* tree = window->ObjectView()->Tree();
    if (QTreeWidgetItem* page = tree->FindCurrentPageItem())
      for (int i = 0; i < page->childCount(); ++i) ids.push_back(CViewTree::ItemId(page->child(i)));
    return ids;
  }
  void Undo() {
    ASSERT_TRUE(ActivateWindow(window));
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
    Settle();
  }
};

TEST_F(RestructureApp, FreezeAMidpointReverseItsSegmentRenumberSaveAndReopen) {
  ASSERT_TRUE(view->isValid());
  ViewQuaternion = kQuatIdentity;
  g_bSnapToGrid = 1;
  Render();
  // A lone point to delete later, then the segment from (-4, 0) to (4, 0).
  Ribbon(ID_CREATE_POINT);
  Click(At(-8, 6));
  const WORD lone = static_cast<WORD>(Page().m_nNextId - 1);
  Ribbon(ID_CREATE_LINE);
  Click(At(-4, 0));
  Click(At(4, 0));
  auto* segment = dynamic_cast<CGLine*>(Cell(static_cast<WORD>(Page().m_nNextId - 1)));
  ASSERT_TRUE(segment);
  const WORD ab = segment->m_nId, a = segment->m_parents.at(0), b = segment->m_parents.at(1);
  EXPECT_EQ(Place(a), (std::vector<float>{-4, 0, 0}));

  Ribbon(ID_EDIT_SELECT);
  Render();
  Click(At(-2, 0));
  ASSERT_EQ(Page().m_selLines, std::vector<WORD>{ab});
  Ribbon(ID_CREATE_POINT_MIDDLE);
  const WORD m = static_cast<WORD>(Page().m_nNextId - 1);
  ASSERT_TRUE(dynamic_cast<CGVerMid*>(Cell(m)));
  EXPECT_EQ(Place(m), (std::vector<float>{0, 0, 0}));
  Ribbon(ID_EDIT_SELECT);
  Render();

  // Frozen, the midpoint stays where it is when an end moves.
  ASSERT_TRUE(ChooseFromMenu(view, At(0, 0), "分离点"));
  ASSERT_EQ(Cell(m)->GetRuntimeClass(), RUNTIME_CLASS(CGVertex));
  Render();
  Drag(At(-4, 0), At(-4, -4));
  EXPECT_EQ(Place(a), (std::vector<float>{-4, -4, 0}));
  EXPECT_EQ(Place(m), (std::vector<float>{0, 0, 0}));

  // Undone, it is the midpoint again and follows the next drag.
  Undo();
  ASSERT_TRUE(dynamic_cast<CGVerMid*>(Cell(m)));
  Render();
  Drag(At(-4, -4), At(-4, 2));
  EXPECT_EQ(Place(a), (std::vector<float>{-4, 2, 0}));
  EXPECT_EQ(Place(m), (std::vector<float>{0, 1, 0}));

  // Redone, the copy it froze comes back where the split left it, and the
  // midpoint, where it has followed to, waits for the next undo.
  QAction* redo = window->Actions().Action(ID_EDIT_REDO);
  ASSERT_TRUE(SettleUntil([redo] { return redo->isEnabled(); }, 10000));
  ASSERT_TRUE(ActivateWindow(window));
  QTest::keyClick(window, Qt::Key_R, Qt::ControlModifier);
  Settle();
  EXPECT_EQ(Cell(m)->GetRuntimeClass(), RUNTIME_CLASS(CGVertex));
  EXPECT_EQ(Place(m), (std::vector<float>{0, 0, 0}));
  Undo();
  ASSERT_TRUE(dynamic_cast<CGVerMid*>(Cell(m)));
  EXPECT_EQ(Place(m), (std::vector<float>{0, 1, 0}));

  // Reversed from its menu at (2, 0.5): still listed under its new name and
  // drawn where it was.
  Render();
  const QPoint onSegment = At(2, 0) - QPoint(0, 10);
  const int drawn = ColoursAround(view, onSegment, 3);
  ASSERT_TRUE(ChooseFromMenu(view, onSegment, "线反向"));
  EXPECT_EQ(segment->m_parents, (std::vector<WORD>{b, a}));
  EXPECT_EQ(Place(m), (std::vector<float>{0, 1, 0}));
  QTreeWidgetItem* item = CViewTree::FindChildItem(window->ObjectView()->Tree()->FindCurrentPageItem(), ab);
  ASSERT_TRUE(item);
  EXPECT_TRUE(item->text(0).contains(segment->m_strName)) << item->text(0).toStdString();
  Click(At(-10, -8));  // on empty space: nothing selected
  Render();
  EXPECT_GT(ColoursAround(view, onSegment, 3), 1);
  EXPECT_GE(ColoursAround(view, onSegment, 3), drawn - 1);

  // The lone point deleted leaves a gap; renumbering closes it everywhere.
  Click(At(-8, 6));
  ASSERT_EQ(Page().m_selPoints, std::vector<WORD>{lone});
  Ribbon(ID_EDIT_DELETE);
  ASSERT_FALSE(Cell(lone));
  Ribbon(ID_FILE_REORGANIZE);
  ASSERT_FALSE(Boxes().Texts().empty());
  EXPECT_EQ(Boxes().Texts().back(), QString::fromUtf8(kTextReorganized));
  const std::vector<WORD> ids = Ids();
  for (size_t k = 0; k < ids.size(); ++k) EXPECT_EQ(ids[k], k + 1);
  EXPECT_EQ(ListedIds(), ids);
  EXPECT_FALSE(Page().m_undo.CanUndo());
  Render();
  const QImage picture = view->grabFramebuffer();

  const QString path = folder.filePath(QStringLiteral("renumbered.kv"));
  static_cast<ScriptedFileChooser&>(FileChooser()).answers = {path};
  window->Actions().Action(ID_FILE_SAVE_AS)->trigger();
  ASSERT_FALSE(app.Document().IsModified());
  ASSERT_NE(app.OpenDocumentFile(path), nullptr);
  Settle();
  EXPECT_EQ(Ids(), ids);
  EXPECT_EQ(ListedIds(), ids);
  Render();
  EXPECT_TRUE(view->grabFramebuffer() == picture) << "the reopened picture";
}

// Pages 1, 2, 3 with the second deleted: renumbered on the last page, the
// object list shows pages 1 and 2 and the current page's cells under their
// new ids.
TEST_F(RestructureApp, RenumberingOnALaterPageRelistsThePagesAndCells) {
  ASSERT_TRUE(view->isValid());
  ViewQuaternion = kQuatIdentity;
  g_bSnapToGrid = 1;
  Ribbon(ID_CREATE_PAGE);
  Ribbon(ID_CREATE_PAGE);
  ASSERT_EQ(app.Document().m_pages.size(), 3u);
  Ribbon(ID_VIEW_PAGEUP);
  ASSERT_EQ(Page().m_nId, 2);
  Ribbon(ID_SELECT_PAGE);
  Ribbon(ID_EDIT_DELETE);  // the question is answered OK
  ASSERT_EQ(app.Document().m_pages.size(), 2u);
  while (Page().m_nId != 3) {
    const WORD before = Page().m_nId;
    Ribbon(ID_VIEW_PAGEDOWN);
    ASSERT_NE(Page().m_nId, before) << "no later page";
  }
  Render();
  Ribbon(ID_CREATE_POINT);
  for (int k : {-6, -2, 2, 6}) Click(At(k, 0));
  ASSERT_EQ(Ids(), (std::vector<WORD>{1, 2, 3, 4}));
  Ribbon(ID_EDIT_SELECT);
  Click(At(-2, 0));
  Ribbon(ID_EDIT_DELETE);
  Ribbon(ID_FILE_REORGANIZE);
  EXPECT_EQ(Page().m_nId, 2);
  EXPECT_EQ(Ids(), (std::vector<WORD>{1, 2, 3}));
  EXPECT_EQ(ListedIds(), Ids());
  QTreeWidgetItem* root = window->ObjectView()->Tree()->RootItem();
  ASSERT_TRUE(root);
  std::vector<WORD> pages;
  for (int i = 0; i < root->childCount(); ++i) pages.push_back(CViewTree::ItemId(root->child(i)));
  EXPECT_EQ(pages, (std::vector<WORD>{1, 2}));
}

}  // namespace
