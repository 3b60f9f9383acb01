// Measurements through the program's real start-up: three points ticked in
// the object list and the ribbon's two-point distance triggered give the
// three sides of the triangle, which are saved and read back.
#include <gtest/gtest.h>

#include <QAction>

#include "cells/dynamic/measures/geometricmeasures.h"
#include "cells/primitives/cgverfree.h"
#include "platform/commandids.h"
#include "startedapp.h"
#include "ui/objectlist/viewtree.h"

namespace KAVREL_FILE_LOCAL {

using MeasureCommandsTest = StartedAppTest;

TEST_F(MeasureCommandsTest, TheSidesOfATickedTriangleAreMeasuredSavedAndReadBack) {
  CGPage* page = Page();
  const float corners[3][2] = {{0, 0}, {3, 0}, {0, 4}};
  for (const float* at : corners) {
    auto* point = new CGVerFreeXyz(page->m_nNextId++, page->m_nNextVertex++, page->GetNewName(1), at[0], at[1], 0);
    page->m_cells.SetAt(point->m_nId, point);
  }
  window->DocumentShown();
  QTreeWidgetItem* pageItem = Tree()->FindCurrentPageItem();
  for (WORD id : {1, 2, 3}) Tree()->ClickCheckBox(CViewTree::FindChildItem(pageItem, id));
  window->Actions().Refresh();
  window->Actions().Action(ID_MEASURE_D_PP)->trigger();

  // Each side: its parents, its caption's name and value text.
  const struct { std::vector<WORD> parents; const char* name; const char* value; } sides[] = {
      {{1, 2}, "|AB|", "3"}, {{2, 3}, "|BC|", "5"}, {{3, 1}, "|CA|", "4"}};
  for (WORD id = 4; id <= 6; ++id) {
    auto* side = dynamic_cast<CGTmVarDistancePP*>(page->m_cells.Lookup(id));
    ASSERT_NE(side, nullptr) << id;
    EXPECT_EQ(side->m_parents, sides[id - 4].parents) << id;
    EXPECT_TRUE(side->m_strName == sides[id - 4].name && side->CurrentValueText() == sides[id - 4].value) << id;
    EXPECT_NE(CViewTree::FindChildItem(pageItem, id), nullptr) << id << " listed";
  }
  const QString path = folder.filePath(QStringLiteral("triangle.kv"));
  ASSERT_TRUE(app.Document().OnSaveDocument(path));
  ASSERT_NE(app.OpenDocumentFile(path), nullptr);
  ASSERT_NE(Page(), page);
  for (WORD id = 4; id <= 6; ++id) {
    const auto* side = dynamic_cast<CGTmVarDistancePP*>(Page()->m_cells.Lookup(id));
    ASSERT_NE(side, nullptr) << id;
    EXPECT_EQ(side->m_parents, sides[id - 4].parents) << id;
    EXPECT_EQ(QString::number(side->m_fValue), sides[id - 4].value) << id;
  }
}

}  // namespace
