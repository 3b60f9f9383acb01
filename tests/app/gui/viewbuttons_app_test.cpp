// View buttons, the automatic button and a show/hide button's targets, as a
// user reaches them from the ribbon in the running program: the targets
// grown with 增删对象, the button made automatic, a rotation button made
// between two marked views, and the document reopened running its
// automatic button.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/classregistration.h"
#include "app/gui/appenvironment.h"
#include "app/kavrelapp.h"
#include "app/mainwindow.h"
#include "cells/dynamic/buttons/showhidebutton.h"
#include "cells/primitives/cgverfree.h"
#include "cells/dynamic/buttons/viewbuttons.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "platform/commandids.h"
#include "support/modaldialogs.h"
#include "support/recorders.h"
#include "support/settle.h"
#include "ui/commandactions.h"
#include "view/kavrelview.h"

namespace KAVREL_FILE_LOCAL {
bool Trigger(CKavrelApp& app, unsigned id) {
  app.MainWindow()->Actions().Refresh();
  QAction* action = app.MainWindow()->Actions().Action(id);
  if (!action || !action->isEnabled()) return false;
  action->trigger();
  return true;
}

void Select(const std::vector<WORD>& ids) {
  g_pCurPage->ClearSelection();
  for (WORD id : ids) g_pCurPage->SelectCell(id);
}

TEST(ViewButtonsDocument, TargetsGrownAutomaticButtonRunOnReopeningAndRotationKept) {
  SeamRecorders seams;
  RegisterAllClasses();
  QTemporaryDir folder;
  CKavrelApp app(TestAppEnvironment(folder));
  ASSERT_TRUE(app.InitInstance({QStringLiteral("kavrel")}));
  CKavrelView* view = app.MainWindow()->View();
  ASSERT_TRUE(SettleUntil([view] { return view->isValid(); }));

  // Two points and a show/hide button over the first.  The ribbon's
  // show/hide command comes with the action buttons; here the button is
  // made as that command makes it, from the selection.
  CGPage& page = *g_pCurPage;
  auto enter = [&page](CGCell* cell) {
    page.m_cells.SetAt(cell->m_nId, cell);
    return cell->m_nId;
  };
  const WORD a = enter(new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), -3, 0, 0));
  const WORD b = enter(new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), 3, 0, 0));
  Select({a});
  const WORD h = enter(new CGButnSHide(page.m_nNextId++));
  page.m_cells.Lookup(h)->m_nSubKind = CGButnSHide::kHide;

  Select({b, h});
  ASSERT_TRUE(Trigger(app, ID_EDIT_BTN_ADDOBJ));
  EXPECT_EQ(page.m_cells.Lookup(h)->m_parents, (std::vector<WORD>{a, b}));
  EXPECT_TRUE(page.m_selAll.empty());
  Select({h});
  ASSERT_TRUE(Trigger(app, ID_AUTOBTN));
  EXPECT_EQ(page.m_nAutoButton, h);

  // The view turned to the front between the two marks, the dialog accepted.
  ASSERT_TRUE(Trigger(app, ID_EDIT_BTN_START));
  ASSERT_TRUE(Trigger(app, ID_VIEW_PORT_F));
  ASSERT_TRUE(Trigger(app, ID_EDIT_BTN_END));
  WhenShown([](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("视旋转按钮"));
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  ASSERT_TRUE(Trigger(app, ID_EDIT_BTN_ROTATE));
  const auto* made = dynamic_cast<CGButnRotate*>(page.m_cells.Lookup(static_cast<WORD>(page.m_nNextId - 1)));
  ASSERT_NE(made, nullptr);
  const std::vector<float> turn{made->StartW(), made->m_fStart[0], made->m_fStart[1], made->m_fStart[2],
                                made->AngleDegrees(), made->m_fAxis[0], made->m_fAxis[1], made->m_fAxis[2]};
  EXPECT_NE(made->AngleDegrees(), 360.0f) << "the front view differs from the start";
  const WORD rotateId = made->m_nId;

  const QString path = folder.filePath(QStringLiteral("buttons.kv"));
  ASSERT_TRUE(app.Document().OnSaveDocument(path));
  ASSERT_NE(app.OpenDocumentFile(path), nullptr);
  CGPage* again = g_pCurPage;
  EXPECT_EQ(again->m_nAutoButton, h);
  EXPECT_TRUE(SettleUntil([again, a, b] {
    return again->m_cells.Lookup(a)->m_bHidden && again->m_cells.Lookup(b)->m_bHidden;
  })) << "the automatic button hides both points";
  const auto* reread = dynamic_cast<CGButnRotate*>(again->m_cells.Lookup(rotateId));
  ASSERT_NE(reread, nullptr);
  EXPECT_EQ((std::vector<float>{reread->StartW(), reread->m_fStart[0], reread->m_fStart[1], reread->m_fStart[2],
                                reread->AngleDegrees(), reread->m_fAxis[0], reread->m_fAxis[1], reread->m_fAxis[2]}),
            turn);
  app.MainWindow()->close();
}
}  // namespace
