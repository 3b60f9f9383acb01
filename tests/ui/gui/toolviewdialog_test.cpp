// The script view of the current tool: made once, filled from the tool,
// refilled when asked, and deaf to sizes too small to lay out.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTreeWidget>

#include "cells/constrained/dependentpoints.h"
#include "editing/dialogs/tools/toolscriptview.h"
#include "editing/toolrecording.h"
#include "model/document/usertool.h"
#include "support/commandpage.h"
#include "ui/dialogs/tools/toolviewdialog.h"

namespace KAVREL_FILE_LOCAL {

CDlgToolView* ShownView() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* view = dynamic_cast<CDlgToolView*>(widget)) return view;
  return nullptr;
}

TEST(ToolViewDialog, ShowsTheCurrentToolsScript) {
  CommandPage p;
  const WORD a = p.Point(), b = p.Point(1, 2, 0), ab = p.Line(a, b);
  const WORD m = p.Enter(new CGVerMid(p.Page().m_nNextId++, p.Page().m_nNextVertex++, QStringLiteral("M"), ab));
  p.Select({a, b, ab, m});
  std::unique_ptr<CRecord> tool = CreateToolFromSelection();
  ASSERT_NE(tool, nullptr);
  tool->m_strName = QStringLiteral("T");
  tool->m_strComment = QStringLiteral("中点");
  g_pCurrentTool = tool.get();
  ShowToolScript(false);
  EXPECT_EQ(ShownView(), nullptr) << "a refill makes no view";
  ShowToolScript(true);
  CDlgToolView* view = ShownView();
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->windowTitle(), QStringLiteral("T脚本"));
  EXPECT_EQ(view->findChild<QPlainTextEdit*>(QStringLiteral("toolComment"))->toPlainText(), QStringLiteral("中点"));
  auto* inputs = view->findChild<QListWidget*>(QStringLiteral("toolInputs"));
  ASSERT_EQ(inputs->count(), 2);
  EXPECT_EQ(inputs->item(0)->text(), QStringLiteral("1. A__点A"));
  auto* steps = view->findChild<QTreeWidget*>(QStringLiteral("toolSteps"));
  QTreeWidgetItem* root = steps->topLevelItem(0);
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->text(0), QStringLiteral("T"));
  EXPECT_TRUE(root->isExpanded());
  ASSERT_EQ(root->childCount(), 4);
  EXPECT_EQ(root->child(0)->text(0), QStringLiteral("  0. A----全自由点"));
  EXPECT_EQ(root->child(2)->childCount(), 2);
  // Sizes go to the view itself, not through the window system, which may
  // answer a resize late and out of order.
  view->hide();
  view->setAttribute(Qt::WA_DontShowOnScreen);
  view->show();
  view->resize(400, 500);
  QApplication::processEvents();
  const QRect tree = steps->geometry();
  EXPECT_EQ(tree, QRect(12, 170, 376, 315));
  view->resize(100, 150);
  QApplication::processEvents();
  EXPECT_EQ(steps->geometry(), tree) << "too small: the controls stay";
  tool->m_strName = QStringLiteral("U");
  ShowToolScript(false);
  EXPECT_EQ(ShownView(), view) << "made once";
  EXPECT_EQ(view->windowTitle(), QStringLiteral("U脚本"));
  g_pCurrentTool = nullptr;
  delete view;
}

}  // namespace
