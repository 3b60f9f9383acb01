// The 属性 buttons of the running main window reach the document's property
// command: two points ticked in the object list get their distance, no
// selection gets the page dialog.
#include <QAction>
#include <QDialog>
#include <QToolBar>
#include <QToolButton>

#include "frametestsupport.h"
#include "platform/commandids.h"
#include "support/modaldialogs.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/kavrelstatusbar.h"
#include "ui/objectlist/objectview.h"
#include "ui/statusbartools.h"

namespace KAVREL_FILE_LOCAL {

using PropertyButtonTest = FrameTest;

QAbstractButton* PaneButton(CMainFrame& frame) {
  QToolBar* bar = frame.ObjectView()->ToolBar();
  for (QAction* action : bar->actions())
    if (action->data().toUInt() == ID_EDIT_PROPERTY) return qobject_cast<QAbstractButton*>(bar->widgetForAction(action));
  return nullptr;
}

QAbstractButton* StatusBarButton(CMainFrame& frame) {
  const auto tools = StatusBarTools();
  for (size_t i = 0; i < tools.size(); ++i)
    if (tools[i].id == ID_EDIT_PROPERTY) return frame.StatusBarEx()->ToolButtons()[i];
  return nullptr;
}

TEST_F(PropertyButtonTest, TwoTickedPointsGetTheirDistanceAndNothingThePageDialog) {
  const WORD a = AddPoint(QStringLiteral("A"))->m_nId;
  const WORD b = AddPoint(QStringLiteral("B"), 3, 4)->m_nId;
  frame->DocumentShown();
  frame->show();
  frame->activateWindow();
  Tree()->ClickCheckBox(CViewTree::FindChildItem(PageItem(), a));
  Tree()->ClickCheckBox(CViewTree::FindChildItem(PageItem(), b));
  ASSERT_EQ(Page()->m_selPoints, (std::vector<WORD>{a, b}));
  QAbstractButton* buttons[] = {PaneButton(*frame), StatusBarButton(*frame)};
  for (QAbstractButton* button : buttons) {
    ASSERT_NE(button, nullptr);
    seams.notifier->shown.clear();
    button->click();
    ProcessEvents();
    ASSERT_EQ(seams.notifier->shown.size(), 1u);
    EXPECT_EQ(seams.notifier->shown[0].text, QString::fromUtf8("点 A 与点 B 距离为 5 \n"));
    EXPECT_EQ(seams.notifier->shown[0].caption, QString::fromUtf8("两点间距离"));
  }

  Page()->ClearSelection();
  const auto previous = SetDialogProvider(MakeWidgetDialogProvider(frame.get()));
  QString caption;
  WhenShown([&caption](QDialog& dialog) {
    caption = dialog.windowTitle();
    dialog.reject();
  });
  buttons[0]->click();
  EXPECT_EQ(caption, QString::fromUtf8("页属性"));
  EXPECT_TRUE(doc.IsModified()) << "cancelled, still modified";
}

}  // namespace
