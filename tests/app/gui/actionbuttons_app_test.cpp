// An animation button in the running program (xvfb), as a new user makes
// it: the point on a circle ticked in the object list, "动画按钮" from the
// ribbon, its real dialog accepted; the button runs the point round the
// circle, and the saved document holds it with its range and step.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QPushButton>

#include "cells/dynamic/buttons/animationbutton.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "programwindow.h"
#include "support/modaldialogs.h"
#include "ui/objectlist/viewtree.h"

namespace KAVREL_FILE_LOCAL {

class ActionButtonsApp : public ProgramWindow {};

TEST_F(ActionButtonsApp, APointRunsRoundItsCircleAndIsSavedWithItsRange) {
  ASSERT_TRUE(view->isValid());
  CGPage& page = Page();
  const WORD circle = page.m_nNextId++;
  page.m_cells.SetAt(circle, new CGArc(circle, 0, 0, 0, 4, 0, 0, 0, 4, 0, 0, kArcFullTurn, kArcCircle));
  auto* point = new CGVerFreeInCircle(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), circle, 0.5f);
  page.m_cells.SetAt(point->m_nId, point);
  page.RebuildVertexArray();
  window->DocumentShown();
  window->Tree()->ClickCheckBox(CViewTree::FindChildItem(window->Tree()->FindCurrentPageItem(), point->m_nId));
  ASSERT_EQ(page.m_selPoints, std::vector<WORD>{point->m_nId});
  WhenShown([](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("操作类按钮　路径动画属性"));
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  Ribbon(ID_EDIT_BTN_ANIMATION);
  const WORD buttonId = WORD(page.m_nNextId - 1);
  auto* button = dynamic_cast<CGButnAnimation*>(page.m_cells.Lookup(buttonId));
  ASSERT_TRUE(button);
  EXPECT_EQ(button->m_strName, QString::fromUtf8("动画"));
  EXPECT_EQ(page.m_undo.CurrentCommand()->GetName(), QString::fromUtf8("添加动画按钮"));
  page.ClearSelection();
  Render();
  const float before = point->m_fValue;
  ASSERT_TRUE(CommandRegistry().Run(ID_CELL_COMMAND_BASE + buttonId));
  EXPECT_TRUE(SettleUntil([&] { return point->m_fValue > before + 0.1f; }, 10000)) << "the angle grows";
  CommandRegistry().Run(ID_CELL_COMMAND_BASE + buttonId);

  const QString path = folder.filePath(QStringLiteral("animation.kv"));
  ASSERT_TRUE(app.Document().OnSaveDocument(path));
  CKavrelDoc reopened;
  ASSERT_TRUE(reopened.OnOpenDocument(path, false));
  auto* stored = dynamic_cast<CGButnAnimation*>(reopened.m_pages[0]->m_cells.Lookup(buttonId));
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->m_parents, std::vector<WORD>{point->m_nId});
  EXPECT_EQ(stored->m_fStart, 0.0f);
  EXPECT_EQ(stored->m_fEnd, 6.2831855f);
  EXPECT_EQ(stored->m_fSpeed, 0.08726646f);
}

}  // namespace
