// Translating a triangle face by a marked vector as a user does it in the
// running program: its points ticked in the object list, the face made
// from the ribbon, two more points marked as the vector, the face ticked
// and translated twice through the real dialog, saved and read back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>

#include "cells/constructed/translations.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgverfree.h"
#include "platform/commandids.h"
#include "startedapp.h"
#include "ui/objectlist/viewtree.h"

namespace KAVREL_FILE_LOCAL {

using TransformAppTest = StartedAppTest;

void AcceptWhenShown(QString* caption) {
  QTimer::singleShot(10, [=] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return AcceptWhenShown(caption);
    *caption = dialog->windowTitle();
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
}

TEST_F(TransformAppTest, AFaceTranslatedTwiceByAMarkedVectorIsSavedAndReadBack) {
  CGPage* page = Page();
  const float places[5][3] = {{0, 0, 0}, {4, 0, 0}, {0, 3, 0}, {0, 0, 0}, {1, 1, 2}};
  for (const auto& at : places) {
    auto* point = new CGVerFreeXyz(page->m_nNextId++, page->m_nNextVertex++, page->GetNewName(1), at[0], at[1], at[2]);
    page->m_cells.SetAt(point->m_nId, point);
  }
  window->DocumentShown();
  QTreeWidgetItem* pageItem = Tree()->FindCurrentPageItem();
  const auto tick = [&](std::initializer_list<WORD> ids) {
    for (WORD id : ids) Tree()->ClickCheckBox(CViewTree::FindChildItem(pageItem, id));
  };
  tick({1, 2, 3});
  ClickRibbon(ID_CREATE_FACE);
  const WORD face = 6;
  ASSERT_TRUE(dynamic_cast<CGFace*>(page->m_cells.Lookup(face)));
  Page()->ClearSelection();
  tick({4, 5});
  ClickRibbon(ID_TRANS_MARKVECTOR);
  EXPECT_EQ(page->m_marks.MarkVector.kind, 1);
  Page()->ClearSelection();
  tick({face});
  QString caption;
  AcceptWhenShown(&caption);
  ClickRibbon(ID_TRANS_TRANSLATE);
  EXPECT_EQ(caption, QString::fromUtf8("平移"));
  EXPECT_EQ(page->m_selAll, (std::vector<WORD>{7, 8, 9, 10}));
  for (WORD id : {7, 8, 9, 10})
    EXPECT_EQ(CViewTree::FindChildItem(pageItem, id)->checkState(0), Qt::Checked) << id;
  AcceptWhenShown(&caption);
  ClickRibbon(ID_TRANS_TRANSLATE);
  EXPECT_EQ(page->m_selAll, (std::vector<WORD>{11, 12, 13, 14}));
  EXPECT_EQ(page->m_cells.Lookup(11)->m_strName, "A''");

  const QString path = folder.filePath(QStringLiteral("translated.kv"));
  ASSERT_TRUE(app.Document().OnSaveDocument(path));
  ASSERT_NE(app.OpenDocumentFile(path), nullptr);
  ASSERT_NE(Page(), page);
  const WORD sources[] = {1, 2, 3, 7, 8, 9};
  const WORD images[] = {7, 8, 9, 11, 12, 13};
  for (int k = 0; k < 6; ++k) {
    const auto* point = dynamic_cast<CGVerTranslate*>(Page()->m_cells.Lookup(images[k]));
    ASSERT_NE(point, nullptr) << images[k];
    EXPECT_EQ(point->m_parents, (std::vector<WORD>{sources[k], 4, 5})) << images[k];
    const float steps = k < 3 ? 1 : 2;
    const float* from = places[k % 3];
    EXPECT_EQ(std::vector<float>(point->m_vPos, point->m_vPos + 3),
              (std::vector<float>{from[0] + steps, from[1] + steps, from[2] + 2 * steps}))
        << images[k];
  }
}

}  // namespace
