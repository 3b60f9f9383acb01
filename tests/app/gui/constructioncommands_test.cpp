// Construction commands through the program's real start-up, from the
// ribbon: segments on points ticked in the object list, saved and read
// back; the line tool's picture; a new page in the object list; a
// calculation typed into the calculator; the face across a ticked segment
// through a ticked point, saved and read back.
#include <gtest/gtest.h>

#include <QAction>
#include <cmath>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include "app/classregistration.h"
#include "app/kavrelapp.h"
#include "app/mainwindow.h"
#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "platform/commandids.h"
#include "startedapp.h"
#include "ui/commandactions.h"
#include "ui/commandicons.h"
#include "ui/formula/calculatordialog.h"
#include "ui/objectlist/viewtree.h"
#include "view/toolstate.h"

namespace KAVREL_FILE_LOCAL {

using ConstructionCommandsTest = StartedAppTest;

TEST_F(ConstructionCommandsTest, SegmentsOnTickedPointsAreSavedAndReadBack) {
  CGPage* page = Page();
  for (float x : {0.0f, 4.0f, 8.0f}) {
    auto* point = new CGVerFreeXyz(page->m_nNextId++, page->m_nNextVertex++, page->GetNewName(1), x, x * x, 0);
    page->m_cells.SetAt(point->m_nId, point);
  }
  window->DocumentShown();
  QTreeWidgetItem* pageItem = Tree()->FindCurrentPageItem();
  for (WORD id : {1, 2, 3}) Tree()->ClickCheckBox(CViewTree::FindChildItem(pageItem, id));
  ASSERT_EQ(page->m_selPoints, (std::vector<WORD>{1, 2, 3}));

  ClickRibbon(ID_CREATE_LINE_SEGMENT);
  EXPECT_EQ(pageItem->childCount(), 6) << "three items added to the object list";
  EXPECT_EQ(window->Actions().Action(ID_CREATE_LINE)->icon().cacheKey(), CommandIcon(ID_CREATE_LINE_SEGMENT).cacheKey());
  const QByteArray bytes = PageBytes(*page);
  const QString path = folder.filePath(QStringLiteral("segments.kv"));
  ASSERT_TRUE(app.Document().OnSaveDocument(path));
  ASSERT_NE(app.OpenDocumentFile(path), nullptr);
  ASSERT_NE(Page(), page);
  const std::vector<std::vector<WORD>> ends{{1, 2}, {2, 3}, {3, 1}};
  for (WORD id = 4; id <= 6; ++id) {
    const auto* line = dynamic_cast<CGLine*>(Page()->m_cells.Lookup(id));
    ASSERT_NE(line, nullptr) << id;
    EXPECT_EQ(line->m_parents, ends[id - 4]) << id;
    EXPECT_EQ(line->m_nSubKind, kLineSegment) << id;
  }
  EXPECT_EQ(PageBytes(*Page()), bytes);
}

TEST_F(ConstructionCommandsTest, TheRayCommandSetsTheLineToolAndANewPageIsListed) {
  g_viewTool.step = 2;
  ClickRibbon(ID_CREATE_LINE_HALF);
  EXPECT_EQ(g_nToolMode, 3);
  EXPECT_EQ(g_viewTool.step, 0);
  EXPECT_EQ(window->Actions().Action(ID_CREATE_LINE)->icon().cacheKey(), CommandIcon(ID_CREATE_LINE_HALF).cacheKey());
  EXPECT_TRUE(ImageListIcon(1).isNull() && ImageListIcon(6).isNull()) << "not pictures of the line tool";
  EXPECT_FALSE(app.Document().IsModified());

  ClickRibbon(ID_CREATE_PAGE);
  QTreeWidgetItem* root = Tree()->RootItem();
  ASSERT_EQ(root->childCount(), 2);
  EXPECT_EQ(root->child(1)->text(0), QStringLiteral("【 2】第二页"));
  EXPECT_EQ(Tree()->currentItem(), root->child(1));
  EXPECT_EQ(root->child(1)->icon(0).pixmap(16).toImage(), root->child(0)->icon(0).pixmap(16).toImage());
  EXPECT_EQ(window->StatusText(2), QStringLiteral("当前页：第二页"));
}

// Once the calculator is up: its title, then each character pressed into
// the expression, the message it then shows, and OK clicked.
void TypeAndAccept(const QString& text, QStringList* seen) {
  QTimer::singleShot(10, [=] {
    auto* dialog = dynamic_cast<CCalculatorDialog*>(QApplication::activeModalWidget());
    if (!dialog) return TypeAndAccept(text, seen);
    QLineEdit* edit = dialog->findChild<QLineEdit*>(QStringLiteral("expression"));
    edit->selectAll();
    for (const QChar c : text) {
      for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent key(type, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &key);
      }
    }
    *seen << dialog->windowTitle() << dialog->findChild<QLineEdit*>(QStringLiteral("message"))->text();
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
      if (button->text() == QString::fromUtf8("确定")) button->click();
  });
}

TEST_F(ConstructionCommandsTest, ACalculationTypedIntoTheCalculatorIsOneUndoableCell) {
  CGPage* page = Page();
  const WORD id = page->m_nNextId;
  QStringList seen;
  TypeAndAccept(QStringLiteral("1+2*3"), &seen);
  ClickRibbon(ID_MEASURE_FUN);
  EXPECT_EQ(seen, QStringList({QString::fromUtf8("新建计算"), QStringLiteral("1+2*3=7.0000")}));
  const auto* calc = dynamic_cast<CGTmVarCalculator*>(page->m_cells.Lookup(id));
  ASSERT_NE(calc, nullptr);
  EXPECT_TRUE(calc->m_strFormula == QStringLiteral("1+2*3") && calc->m_fValue == 7.0f && calc->m_parents.empty());
  EXPECT_NE(CViewTree::FindChildItem(Tree()->FindCurrentPageItem(), id), nullptr);
  ASSERT_TRUE(page->m_undo.Undo());
  EXPECT_TRUE(page->m_cells.Lookup(id) == nullptr && page->m_nNextId == id);
}

TEST_F(ConstructionCommandsTest, TheFaceAcrossASegmentThroughAPointIsSavedAndReadBack) {
  CGPage* page = Page();
  for (const auto& at : std::vector<std::vector<float>>{{0, 0, 0}, {0, 0, 6}, {3, 0, 2}}) {
    auto* point = new CGVerFreeXyz(page->m_nNextId++, page->m_nNextVertex++, page->GetNewName(1), at[0], at[1], at[2]);
    page->m_cells.SetAt(point->m_nId, point);
  }
  page->m_cells.SetAt(page->m_nNextId, new CGLine(page->m_nNextId, 1, 2, kLineSegment));
  ++page->m_nNextId;
  window->DocumentShown();
  QTreeWidgetItem* pageItem = Tree()->FindCurrentPageItem();
  for (WORD id : {4, 3}) Tree()->ClickCheckBox(CViewTree::FindChildItem(pageItem, id));
  window->Actions().Refresh();
  QAction* action = window->Actions().Action(ID_CREATE_FACE_PERLINE);
  ASSERT_TRUE(action->isEnabled());
  action->trigger();
  EXPECT_EQ(pageItem->childCount(), 4 + 9) << "nine items added to the object list";

  const QString path = folder.filePath(QStringLiteral("perpendicularface.kv"));
  ASSERT_TRUE(app.Document().OnSaveDocument(path));
  const QByteArray bytes = PageBytes(*page);
  ASSERT_NE(app.OpenDocumentFile(path), nullptr);
  ASSERT_NE(Page(), page);
  EXPECT_EQ(PageBytes(*Page()), bytes);
  const auto* o = dynamic_cast<CGVertex*>(Page()->m_cells.Lookup(5));
  ASSERT_NE(o, nullptr);
  EXPECT_TRUE(o->m_strName == QStringLiteral("O") && o->m_bHidden);
  const CGCell* face = Page()->m_cells.Lookup(13);
  ASSERT_NE(face, nullptr);
  ASSERT_EQ(face->m_parents.size(), 4u);
  for (WORD corner : face->m_parents) {
    const float* at = dynamic_cast<CGVertex*>(Page()->m_cells.Lookup(corner))->m_vPos;
    EXPECT_NEAR(std::hypot(at[0] - o->m_vPos[0], at[1] - o->m_vPos[1], at[2] - o->m_vPos[2]), 3, 1e-4) << corner;
  }
}

}  // namespace
