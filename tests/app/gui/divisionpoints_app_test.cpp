// N-division points from the ribbon on two points ticked in the object
// list, N answered in the real dialog, saved and read back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "cells/constructed/scalings.h"
#include "cells/primitives/cgverfree.h"
#include "platform/commandids.h"
#include "startedapp.h"
#include "ui/objectlist/viewtree.h"

namespace KAVREL_FILE_LOCAL {

using DivisionPointsAppTest = StartedAppTest;

void AnswerN(const QString& n, QString* caption) {
  QTimer::singleShot(10, [=] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return AnswerN(n, caption);
    *caption = dialog->windowTitle();
    dialog->findChild<QLineEdit*>(QStringLiteral("field0"))->setText(n);
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
}

TEST_F(DivisionPointsAppTest, ThirdsOfTwoTickedPointsAreSavedAndReadBack) {
  CGPage* page = Page();
  for (float x : {0.0f, 6.0f}) {
    auto* point = new CGVerFreeXyz(page->m_nNextId++, page->m_nNextVertex++, page->GetNewName(1), x, 3 * x, -x);
    page->m_cells.SetAt(point->m_nId, point);
  }
  window->DocumentShown();
  QTreeWidgetItem* pageItem = Tree()->FindCurrentPageItem();
  for (WORD id : {1, 2}) Tree()->ClickCheckBox(CViewTree::FindChildItem(pageItem, id));
  QString caption;
  AnswerN(QStringLiteral("3"), &caption);
  ClickRibbon(ID_CREATE_POINT_DIVN);
  EXPECT_EQ(caption, QString::fromUtf8("N等分点"));
  EXPECT_EQ(pageItem->childCount(), 4);
  const QString path = folder.filePath(QStringLiteral("thirds.kv"));
  ASSERT_TRUE(app.Document().OnSaveDocument(path));
  ASSERT_NE(app.OpenDocumentFile(path), nullptr);
  ASSERT_NE(Page(), page);
  for (WORD id : {3, 4}) {
    const auto* point = dynamic_cast<CGVerScale*>(Page()->m_cells.Lookup(id));
    ASSERT_NE(point, nullptr) << id;
    EXPECT_EQ(point->m_parents, (std::vector<WORD>{2, 1})) << id;
    const float t = (id - 2) / 3.0f;
    EXPECT_NEAR(point->m_vPos[0], 6 * t, 1e-5) << id;
    EXPECT_NEAR(point->m_vPos[1], 18 * t, 1e-5) << id;
    EXPECT_NEAR(point->m_vPos[2], -6 * t, 1e-5) << id;
  }
}

}  // namespace
