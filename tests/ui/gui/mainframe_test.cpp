// The main window on a display: its parts, the status bar, the palette, the
// frame commands, full screen, looks and sliders.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>

#include "frametestsupport.h"
#include "model/selection.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "ui/colorbutton.h"
#include "ui/colorpalette.h"
#include "ui/commandactions.h"
#include "ui/kavrelstatusbar.h"
#include "ui/objectlist/objectview.h"
#include "ui/ribbon/ribbonbar.h"
#include "ui/statusbartools.h"
#include "ui/uitexts.h"

namespace {

using MainFrameTest = FrameTest;

TEST_F(MainFrameTest, StatusBarShowsWelcomePageAndTheToolsInOrder) {
  EXPECT_EQ(frame->StatusText(0), QString::fromUtf8(kTextWelcome));
  EXPECT_EQ(QString::fromUtf8(kTextWelcome), QStringLiteral("欢迎使用《Kavrel》！"));
  frame->SetStatusText(2, QStringLiteral("当前页：第一页"));
  EXPECT_EQ(frame->StatusText(2), QStringLiteral("当前页：第一页"));
  const auto& buttons = frame->StatusBarEx()->ToolButtons();
  const auto tools = StatusBarTools();
  ASSERT_EQ(buttons.size(), 27u);
  for (size_t i = 0; i < buttons.size(); ++i) {
    EXPECT_EQ(frame->StatusBarEx()->ToolAction(i)->data().toUInt(), tools[i].id) << i;
    EXPECT_TRUE(buttons[i]->toolTip().startsWith(QString::fromUtf8(tools[i].text))) << i;
  }
}

TEST_F(MainFrameTest, StatusTextsOfTheDocumentReachTheirElements) {
  SetStatusBarText(QStringLiteral("就绪"), 0);
  SetStatusBarText(QStringLiteral("当前页：第二页"), 2);
  EXPECT_EQ(frame->StatusText(0), QStringLiteral("就绪"));
  EXPECT_EQ(frame->StatusText(2), QStringLiteral("当前页：第二页"));
}

TEST_F(MainFrameTest, RibbonHasTheEightCategoriesAndTheToolPanel) {
  CRibbonBar* ribbon = frame->Ribbon();
  ASSERT_EQ(ribbon->CategoryCount(), 8);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(ribbon->CategoryName(i), QString::fromUtf8(kRibbonCategories[i]));
  // The first category's second panel holds the custom-tool button.
  CRibbonPanel* tools = ribbon->Panel(ribbon->CategoryCount() - 8, 1);
  ASSERT_NE(tools, nullptr);
  EXPECT_EQ(tools->Title(), QString::fromUtf8(kTextToolGroup));
  ASSERT_NE(frame->CustomToolButton(), nullptr);
  EXPECT_TRUE(tools->isAncestorOf(frame->CustomToolButton()));
  EXPECT_EQ(frame->CustomToolButton()->property("commandId").toUInt(), ID_CUSTOM_TOOL);
  // No Tools folder: no menu, not even the heading.
  EXPECT_EQ(frame->CustomToolButton()->menu(), nullptr);
}

TEST_F(MainFrameTest, OneActionPerCommandWhereverItIsShown) {
  QAction* action = frame->Actions().Action(ID_EDIT_SELECT);
  EXPECT_EQ(frame->StatusBarEx()->ToolAction(0), action);
  EXPECT_TRUE(frame->FullScreenBar()->actions().contains(action));
  QToolButton* ribbonButton = frame->Ribbon()->FindButton(ID_EDIT_SELECT);
  QToolButton* statusButton = frame->StatusBarEx()->ToolButtons()[0];
  ASSERT_NE(ribbonButton, nullptr);
  // No handler yet: shown disabled everywhere.
  EXPECT_FALSE(ribbonButton->isEnabled());
  EXPECT_FALSE(statusButton->isEnabled());
  int runs = 0;
  bool fits = true;
  CommandRegistry().Register(ID_EDIT_SELECT, [&](unsigned) { ++runs; }, [&](CCmdUI& ui) { ui.SetCheck(fits); });
  frame->Actions().Refresh();
  EXPECT_TRUE(ribbonButton->isEnabled());
  EXPECT_TRUE(statusButton->isEnabled());
  EXPECT_TRUE(statusButton->isChecked());
  ribbonButton->click();
  statusButton->click();
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(ribbonButton->text(), QStringLiteral("箭头\n工具"));
}

TEST_F(MainFrameTest, PaletteHasTheAutomaticEntryThenFortyNamedColours) {
  const QList<QToolButton*> entries = frame->ColorButton()->PaletteButtons();
  ASSERT_EQ(entries.size(), 41);
  EXPECT_EQ(entries[0]->text(), QStringLiteral("默认颜色"));
  EXPECT_EQ(entries[0]->toolTip(), QStringLiteral("使用默认颜色"));
  const auto colors = PaletteColors();
  for (int i = 0; i < 40; ++i) EXPECT_EQ(entries[i + 1]->toolTip(), QString::fromUtf8(colors[i].name)) << i;
  EXPECT_EQ(entries[36]->toolTip(), QStringLiteral("浅绿 "));
}

TEST_F(MainFrameTest, PickingAColourRecoloursTheSelectionThroughTheView) {
  CGVertex* a = AddPoint(QStringLiteral("A"));
  Page()->SelectCell(a->m_nId);
  frame->ColorButton()->PaletteButtons()[17]->click();  // 红色
  ProcessEvents();
  EXPECT_EQ(frame->CurrentColor(), 0x0000FFu);
  EXPECT_EQ(a->m_rgbaColor, (RGBA{255, 0, 0, 255}));
  EXPECT_TRUE(Page()->m_selAll.empty());  // recolouring ends the selection
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(MainFrameTest, SelectionMessagesShowTheFirstSelectedCellsColourFirst) {
  CGVertex* a = AddPoint(QStringLiteral("A"));
  a->m_rgbaColor = RGBA{10, 20, 30, 255};
  Page()->SelectCell(a->m_nId);
  UiBridge().Send(UiTarget::Frame, WM_SELECTION_CHANGED, 1, a->m_nId);
  EXPECT_EQ(frame->CurrentColor(), 10u + 20u * 256u + 30u * 65536u);
  EXPECT_EQ(frame->ColorButton()->Color(), frame->CurrentColor());
  // An empty selection leaves the button as it is.
  Page()->ClearSelection();
  EXPECT_EQ(frame->CurrentColor(), 10u + 20u * 256u + 30u * 65536u);
}

TEST_F(MainFrameTest, EscapeOutsideFullScreenExplainsTheKeys) {
  EXPECT_TRUE(CommandRegistry().Run(kCmdEscape));
  ASSERT_EQ(seams.notifier->shown.size(), 1u);
  EXPECT_EQ(seams.notifier->shown[0].text,
            QStringLiteral("ESC键 用于退出全屏或关闭影音\n可用 F4键 切换全屏状态\n\n欲结束绘图工具，请右击鼠标！"));
}

TEST_F(MainFrameTest, FullScreenHidesRibbonAndPanelsAndEscapeBringsThemBack) {
  frame->show();
  ProcessEvents();
  ASSERT_TRUE(CommandRegistry().Run(ID_VIEW_FULLSCREEN));
  ProcessEvents();
  EXPECT_TRUE(frame->IsFullScreen());
  EXPECT_EQ(CommandRegistry().Query(ID_VIEW_FULLSCREEN).m_nCheck, 1);
  EXPECT_FALSE(frame->Ribbon()->isVisible());
  EXPECT_FALSE(frame->StatusBarEx()->isVisible());
  EXPECT_FALSE(frame->ObjectView()->isVisible());
  EXPECT_TRUE(frame->FullScreenBar()->isVisible());
  EXPECT_EQ(frame->FullScreenBar()->windowTitle(), QStringLiteral("全屏工具栏"));
  EXPECT_EQ(frame->FullScreenBar()->actions().size(), 16);

  ASSERT_TRUE(CommandRegistry().Run(kCmdEscape));
  ProcessEvents();
  EXPECT_TRUE(seams.notifier->shown.empty());
  EXPECT_FALSE(frame->IsFullScreen());
  EXPECT_TRUE(frame->Ribbon()->isVisible());
  EXPECT_TRUE(frame->StatusBarEx()->isVisible());
  EXPECT_TRUE(frame->ObjectView()->isVisible());
  EXPECT_FALSE(frame->FullScreenBar()->isVisible());
}

TEST_F(MainFrameTest, PanelsHideAndShowAndThePaneToggles) {
  frame->show();
  ProcessEvents();
  CommandRegistry().Run(kCmdHidePanels);
  EXPECT_FALSE(frame->StatusBarEx()->isVisible());
  EXPECT_FALSE(frame->ObjectView()->isVisible());
  EXPECT_EQ(CommandRegistry().Query(ID_VIEW_PANEL).m_nCheck, 0);
  CommandRegistry().Run(kCmdShowPanels);
  EXPECT_TRUE(frame->StatusBarEx()->isVisible());
  EXPECT_TRUE(frame->ObjectView()->isVisible());
  CommandRegistry().Run(ID_VIEW_PANEL);
  EXPECT_FALSE(frame->ObjectView()->isVisible());
  CommandRegistry().Run(ID_VIEW_PANEL);
  EXPECT_TRUE(frame->ObjectView()->isVisible());
  EXPECT_EQ(CommandRegistry().Query(ID_VIEW_PANEL).m_nCheck, 1);
  // The mini interface folds the ribbon and hides the pane, and back.
  CommandRegistry().Run(ID_VIEW_MINI);
  EXPECT_TRUE(frame->Ribbon()->IsMinimized());
  EXPECT_FALSE(frame->ObjectView()->isVisible());
  CommandRegistry().Run(ID_VIEW_MINI);
  EXPECT_FALSE(frame->Ribbon()->IsMinimized());
  EXPECT_TRUE(frame->ObjectView()->isVisible());
}

TEST_F(MainFrameTest, SlidersMoveTheViewAndFollowIt) {
  frame->TranslationSlider(2)->setValue(600);
  EXPECT_FLOAT_EQ(g_fViewTranslate[2], 10.0f);
  frame->TranslationSlider(2)->setValue(0);
  EXPECT_FLOAT_EQ(g_fViewTranslate[2], -50.0f);
  frame->TranslationSlider(0)->setValue(-400);
  EXPECT_FLOAT_EQ(g_fViewTranslate[0], -40.0f);
  g_fViewTranslate[0] = 1.27f;
  g_fViewTranslate[1] = -0.05f;
  g_fViewTranslate[2] = -49.99f;
  frame->UpdateTranslationSliders();
  EXPECT_EQ(frame->TranslationSlider(0)->value(), 12);
  EXPECT_EQ(frame->TranslationSlider(1)->value(), 0);
  EXPECT_EQ(frame->TranslationSlider(2)->value(), 0);
  EXPECT_FLOAT_EQ(g_fViewTranslate[0], 1.27f);  // updating the sliders moves nothing
}

TEST_F(MainFrameTest, LooksAreStoredAndMarked) {
  EXPECT_EQ(frame->ApplicationLook(), 331);
  ASSERT_TRUE(CommandRegistry().Run(333));
  EXPECT_EQ(settings->value(QStringLiteral("ApplicationLook")).toInt(), 333);
  EXPECT_EQ(CommandRegistry().Query(333).m_nCheck, 1);
  EXPECT_EQ(CommandRegistry().Query(331).m_nCheck, 0);
  EXPECT_EQ(frame->Actions().Action(331)->text(), QStringLiteral("蓝色(&B)"));
  // A new frame starts with the stored look.
  frame.reset();
  CMainFrame again({}, settings.get());
  EXPECT_EQ(again.ApplicationLook(), 333);
}

// The resource page is the settings value "ResourceUrl": none, no link and
// no command.
TEST_F(MainFrameTest, TheLinkAndTheResourceCommandOpenTheConfiguredPage) {
  const QString address = QStringLiteral("https://kavrel.example/resources");
  for (const QString& setting : {QString(), QStringLiteral(" "), address}) {
    frame.reset();
    settings->setValue(QStringLiteral("ResourceUrl"), setting);
    frame = std::make_unique<CMainFrame>(CFrameHooks{}, settings.get());
    seams.shell->opened.clear();
    const bool some = setting == address;
    EXPECT_EQ(!frame->StatusBarEx()->Link()->isHidden(), some) << qPrintable(setting);
    for (unsigned id : {unsigned(kCmdStatusLink), unsigned(ID_HELP_PESOURCE)}) EXPECT_EQ(CommandRegistry().Run(id), some);
    EXPECT_EQ(seams.shell->opened, (some ? std::vector<QString>{address, address} : std::vector<QString>{}));
  }
}

TEST_F(MainFrameTest, UndoHistoryRetitlesUndoAndRedo) {
  frame->SetMenuItemText(57643, QStringLiteral("撤消添加线"), true);
  EXPECT_EQ(frame->Actions().Action(57643)->text(), QStringLiteral("撤消添加线"));
  frame->SetMenuItemText(57643, QString(), false);
  EXPECT_EQ(frame->Actions().Action(57643)->text(), QStringLiteral("撤消"));
}

}  // namespace
