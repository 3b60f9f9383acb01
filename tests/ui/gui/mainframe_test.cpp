// The main window on a display: its parts, the status bar, the palette, the
// frame commands, full screen, looks and sliders, the view beside other
// windows.
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QToolBar>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <QWindow>
#include <GL/gl.h>
#include <cmath>
#include <functional>
#include <utility>

#include "frametestsupport.h"
#include "cells/dynamic/buttons/commandbutton.h"
#include "cells/primitives/cgverfree.h"
#include "model/selection.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "support/settle.h"
#include "ui/colorbutton.h"
#include "ui/colorpalette.h"
#include "ui/commandactions.h"
#include "ui/help/fasthelp.h"
#include "ui/kavrelstatusbar.h"
#include "ui/objectlist/objectview.h"
#include "ui/ribbon/ribbonbar.h"
#include "ui/ribbon/ribbonpanel.h"
#include "ui/statusbartools.h"
#include "ui/uitexts.h"
#include "view/kavrelview.h"

namespace KAVREL_FILE_LOCAL {

using MainFrameTest = FrameTest;

TEST_F(MainFrameTest, StatusBarShowsWelcomePageAndTheToolsInOrder) {
  EXPECT_EQ(frame->StatusText(0), QString::fromUtf8(kTextWelcome));
  EXPECT_EQ(QString::fromUtf8(kTextWelcome), QStringLiteral("欢迎使用《Kavrel》！"));
  QLabel* info = nullptr;
  for (QLabel* label : frame->StatusBarEx()->findChildren<QLabel*>())
    if (label->accessibleName() == QStringLiteral("信息")) info = label;
  ASSERT_NE(info, nullptr) << "the pane listed as 信息";
  EXPECT_EQ(info->text(), QString::fromUtf8(kTextWelcome));
  // The document's texts reach their elements.
  SetStatusBarText(QStringLiteral("就绪"), 0);
  SetStatusBarText(QStringLiteral("当前页：第二页"), 2);
  EXPECT_EQ(info->text(), QStringLiteral("就绪"));
  EXPECT_EQ(frame->StatusText(2), QStringLiteral("当前页：第二页"));
  // The tip of the command under the pointer (上一页 just clicked) takes the
  // information pane only: the current page stays in sight.
  frame->show();
  ProcessEvents();
  frame->StatusBarEx()->showMessage(QStringLiteral("切换到上一页"));
  QLabel* page = nullptr;
  for (QLabel* label : frame->StatusBarEx()->findChildren<QLabel*>())
    if (label->accessibleName() == QStringLiteral("当前页")) page = label;
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(page->isVisible());
  EXPECT_FALSE(info->isVisible()) << "the tip is shown in its place";
  frame->StatusBarEx()->clearMessage();
  const auto& buttons = frame->StatusBarEx()->ToolButtons();
  const auto tools = StatusBarTools();
  ASSERT_EQ(buttons.size(), 27u);
  for (size_t i = 0; i < buttons.size(); ++i) {
    EXPECT_EQ(frame->StatusBarEx()->ToolAction(i)->data().toUInt(), tools[i].id) << i;
    EXPECT_TRUE(buttons[i]->toolTip().startsWith(QString::fromUtf8(tools[i].text))) << i;
  }
}

// Hovering moves the display's one pointer (QTest::mouseMove with no button
// held warps it): the test takes turns with the others that do.  Other
// programs' windows still come and go on the display, over this one and
// with the activation: Qt shows tips in the active window only, so the
// window here shows them whether active or not, and is raised above the
// others before each try.
TEST_F(MainFrameTest, StatusBarToolsShowTheirTipsOnHoverWithTheSystemPointer) {
  frame->resize(1400, 900);
  frame->setAttribute(Qt::WA_AlwaysShowToolTips);
  frame->show();
  ASSERT_TRUE(SettleUntil([this] { return frame->windowHandle() && frame->windowHandle()->isExposed(); }));
  const auto& buttons = frame->StatusBarEx()->ToolButtons();
  const auto tools = StatusBarTools();
  ASSERT_EQ(buttons.size(), tools.size());
  for (size_t i = 0; i < buttons.size(); ++i) {
    const QString text = QString::fromUtf8(tools[i].text);
    const auto shown = [&text] { return QToolTip::isVisible() && QToolTip::text().startsWith(text); };
    // A try that shows nothing (another window came over the button, or
    // its activation hid the tip) raises the window again and moves the
    // pointer off the button and back (a move to where the pointer is
    // already counts for nothing).
    bool hovered = false;
    for (int attempt = 0; attempt < 10 && !hovered; ++attempt) {
      frame->raise();
      QTest::mouseMove(frame.get(), QPoint(2, 2));
      QTest::mouseMove(buttons[i], buttons[i]->rect().center());
      hovered = SettleUntil(shown, 3000);
    }
    EXPECT_TRUE(hovered) << i << " shows " << QToolTip::text().toStdString();
  }
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

TEST_F(MainFrameTest, TheRibbonIsStyledWithItsCornerButtonsAtTheRight) {
  frame->resize(1400, 900);
  frame->show();
  ProcessEvents();
  CRibbonBar* ribbon = frame->Ribbon();
  const QImage app = ribbon->ApplicationButton()->grab().toImage();
  const QRgb blue = app.pixel(4, app.height() / 2);
  EXPECT_GT(qBlue(blue), qRed(blue) + 60) << "the application button's own colour";
  // The body runs from the base colour at the top to the window colour below.
  auto* body = ribbon->findChild<QWidget*>(QStringLiteral("ribbonBody"));
  ASSERT_NE(body, nullptr);
  const QImage shot = body->grab().toImage();
  const int right = shot.width() - 3, bottom = shot.height() - 3;
  EXPECT_EQ(QColor(shot.pixel(right, 1)).name(), QColor(shot.pixel(3, 1)).name()) << "the same across";
  EXPECT_GT(qGray(shot.pixel(right, 1)), qGray(shot.pixel(right, bottom)));
  auto* tabs = ribbon->findChild<QTabBar*>();
  EXPECT_LT(ribbon->ApplicationButton()->geometry().right(), tabs->x()) << "the application button before the tabs";
  const CRibbonPanel* panel = ribbon->Panel(0, 1);
  EXPECT_EQ(panel->findChild<QLabel*>(QStringLiteral("ribbonPanelTitle"))->geometry().bottom(),
            panel->contentsRect().bottom()) << "a panel's title on its lower edge";
  const QRect selected = tabs->tabRect(tabs->currentIndex());
  EXPECT_EQ(QColor(tabs->grab().toImage().pixel(selected.topLeft() + QPoint(3, 3))), tabs->palette().base().color())
      << "the open category's tab in the base colour";
  for (unsigned id : {unsigned(ID_VIEW_MINI), unsigned(kCmdQuickHelp)}) {
    QToolButton* corner = nullptr;
    for (QToolButton* button : ribbon->findChildren<QToolButton*>())
      if (button->defaultAction() == frame->Actions().Action(id)) corner = button;
    ASSERT_NE(corner, nullptr) << id;
    EXPECT_GT(corner->x(), ribbon->width() - 100) << id;
  }
}

TEST_F(MainFrameTest, OneActionPerCommandWhereverItIsShown) {
  QAction* action = frame->Actions().Action(ID_EDIT_SELECT);
  EXPECT_EQ(frame->StatusBarEx()->ToolAction(0), action);
  EXPECT_TRUE(frame->FullScreenBar()->actions().contains(action));
  QToolButton* ribbonButton = frame->Ribbon()->FindButton(ID_EDIT_SELECT);
  QToolButton* statusButton = frame->StatusBarEx()->ToolButtons()[0];
  ASSERT_NE(ribbonButton, nullptr);
  // No handler (the view's set aside): shown disabled everywhere.
  CommandRegistry().Withdraw(frame->View());
  frame->Actions().Refresh();
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
  entries[0]->parentWidget()->layout()->activate();
  EXPECT_LT(entries[0]->y(), entries[1]->y()) << "the automatic entry on top";
  EXPECT_EQ(entries[0]->x(), entries[1]->x()) << "across the eight columns";
  EXPECT_EQ(entries[0]->geometry().right(), entries[8]->geometry().right());
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

TEST_F(MainFrameTest, FullScreenHidesRibbonAndPanelsAndEscapeBringsThemBack) {
  frame->show();
  ProcessEvents();
  // Outside full screen Escape explains the keys.
  EXPECT_TRUE(CommandRegistry().Run(kCmdEscape));
  ASSERT_EQ(seams.notifier->shown.size(), 1u);
  EXPECT_EQ(seams.notifier->shown[0].text,
            QStringLiteral("ESC键 用于退出全屏或关闭影音\n可用 F4键 切换全屏状态\n\n欲结束绘图工具，请右击鼠标！"));
  seams.notifier->shown.clear();
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

// A command button whose only command toggles the full-screen toolbar,
// run twice in full screen: the toolbar goes, then comes back.
TEST_F(MainFrameTest, CommandButtonTogglesTheFullScreenToolbar) {
  frame->show();
  ProcessEvents();
  ASSERT_TRUE(CommandRegistry().Run(ID_VIEW_FULLSCREEN));
  ProcessEvents();
  ASSERT_TRUE(frame->FullScreenBar()->isVisible());
  EXPECT_TRUE(CommandRegistry().Query(kCmdToggleFullScreenBar).m_bEnabled);
  CGButnCommand button(1, QStringLiteral("bar"), {kCmdToggleFullScreenBar}, 12);
  for (const bool shown : {false, true}) {
    g_nCommandTicks = 0;
    EXPECT_TRUE(button.Step());  // posts the command to the frame
    EXPECT_TRUE(SettleUntil([&] { return frame->FullScreenBar()->isVisible() == shown; }));
  }
  CommandRegistry().Run(kCmdEscape);
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
  QWidget* box = frame->TranslationSlider(0)->parentWidget();
  box->layout()->activate();
  const QList<QLabel*> labels = box->findChildren<QLabel*>();
  ASSERT_EQ(labels.size(), 3);
  const int ranges[3] = {400, 300, 600};
  for (int axis = 0; axis < 3; ++axis) {  // each name just left of its slider
    QSlider* slider = frame->TranslationSlider(axis);
    EXPECT_NEAR(slider->x(), labels[axis]->geometry().right(), 8) << axis;
    EXPECT_EQ(std::make_tuple(slider->minimum(), slider->maximum(), slider->width()),
              std::make_tuple(-ranges[axis], ranges[axis], 64)) << axis;
  }
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

// The view's framebuffer as the window shows it, read without drawing a
// frame (grabFramebuffer() would draw the current page anew); upside down.
QImage ShownFrame(CKavrelView& view) {
  const double ratio = view.devicePixelRatioF();
  QImage frame(static_cast<int>(std::lround(view.width() * ratio)), static_cast<int>(std::lround(view.height() * ratio)),
               QImage::Format_RGBA8888);
  view.makeCurrent();
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadPixels(0, 0, frame.width(), frame.height(), GL_RGBA, GL_UNSIGNED_BYTE, frame.bits());
  view.doneCurrent();
  return frame;
}

bool ShowsBlue(const QImage& frame) {
  for (int y = 0; y < frame.height(); ++y)
    for (int x = 0; x < frame.width(); ++x)
      if ((frame.pixel(x, y) & 0xFFFFFFu) == 0x0000FFu) return true;
  return false;
}

// The first page shows a big blue point; the second, printed last, is empty.
// Beside the open preview, and beside quick help opened after printing, the
// view shows the current page, not the last one printed.
TEST_F(MainFrameTest, TheViewShowsItsPageBesideThePreviewOrQuickHelp) {
  CGVertex* point = AddPoint(QStringLiteral("A"));
  point->m_bLabelHidden = 1;
  point->m_rgbaColor = RGBA{0, 0, 255, 255};
  point->m_fSize = 10;
  AddPages(1);
  ASSERT_EQ(Page(), doc.m_pages[0].get());
  CKavrelView& view = *frame->View();
  frame->show();
  ASSERT_TRUE(SettleUntil([&] { return view.isValid() && ShowsBlue(ShownFrame(view)); }));
  Settle();  // the repaints the showing asked for are done
  int painted = 0;
  bool drawnBeside = false;
  frame->SetPrintDialogs(
      [&](QPrinter& printer, int) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
        return true;
      },
      [&](QPrinter& printer, const std::function<void(QPrinter*)>& paint) {
        QPrintPreviewDialog preview(&printer, frame.get());
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, [&](QPrinter* target) {
          paint(target);
          ++painted;
        });
        preview.show();
        drawnBeside = SettleUntil([&] { return painted > 0 && ShowsBlue(ShownFrame(view)); });
      });
  const std::pair<const char*, std::function<void()>> rows[] = {
      {"print preview", [&] { CommandRegistry().Run(ID_FILE_PRINT_PREVIEW); }},
      {"quick help after printing",
       [&] {
         CommandRegistry().Run(ID_FILE_PRINT);
         CommandRegistry().Run(kCmdQuickHelp);
         drawnBeside = SettleUntil([&] {
           const QWindow* help = frame->FastHelp() ? frame->FastHelp()->windowHandle() : nullptr;
           return help && help->isExposed() && ShowsBlue(ShownFrame(view));
         });
       }},
  };
  for (const auto& [name, open] : rows) {
    painted = 0;
    drawnBeside = false;
    open();
    EXPECT_TRUE(drawnBeside) << name;
    EXPECT_EQ(Page(), doc.m_pages[0].get()) << name;
  }
  ASSERT_TRUE(frame->FastHelp());
  frame->FastHelp()->reject();
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

// The accelerator table works whichever child of the window has the focus;
// the parameter keys only while the view has it.
TEST_F(MainFrameTest, KeysReachTheirCommands) {
  using K = QKeySequence;
  const struct { unsigned id; QKeySequence key; bool viewOnly; } keys[] = {
      {ID_VIEW_FULLSCREEN, K(Qt::Key_F4), false},     {kCmdEscape, K(Qt::Key_Escape), false},
      {ID_VIEW_PORT, K(Qt::Key_F3), false},           {ID_EDIT_PRINTSCR, K(Qt::Key_F7), false},
      {ID_EDIT_COPYBIT, K(Qt::CTRL | Qt::Key_B), false}, {ID_EDIT_UNDO, K(Qt::CTRL | Qt::Key_Z), false},
      {ID_EDIT_REDO, K(Qt::CTRL | Qt::Key_R), false}, {ID_VIEW_TSFM_RESET, K(Qt::Key_Home), false},
      {ID_ANIMA_PLAYSTOP, K(Qt::Key_Space), false},   {ID_VIEW_PAGEUP, K(Qt::Key_PageUp), false},
      {ID_VIEW_PAGEDOWN, K(Qt::Key_PageDown), false}, {34074, K(Qt::ALT | Qt::Key_Up), false},
      {34075, K(Qt::ALT | Qt::Key_Down), false},      {33148, K(Qt::Key_Left), false},
      {33149, K(Qt::Key_Right), false},               {33150, K(Qt::Key_Up), false},
      {33151, K(Qt::Key_Down), false},                {33154, K(Qt::CTRL | Qt::Key_Left), false},
      {33156, K(Qt::CTRL | Qt::Key_Right), false},    {33155, K(Qt::CTRL | Qt::Key_Up), false},
      {33152, K(Qt::CTRL | Qt::Key_Down), false},     {33281, K(Qt::SHIFT | Qt::Key_Down), false},
      {33282, K(Qt::SHIFT | Qt::Key_Up), false},      {33283, K(Qt::SHIFT | Qt::Key_Left), false},
      {33285, K(Qt::SHIFT | Qt::Key_Right), false},   {ID_PARAM_INCREASE, K(Qt::Key_Plus), true},
      {ID_PARAM_INCREASE, K(Qt::Key_Equal), true},    {ID_PARAM_DECREASE, K(Qt::Key_Minus), true},
  };
  for (const auto& k : keys) {
    QAction* action = frame->Actions().Action(k.id);
    const std::string what = std::to_string(k.id) + " " + k.key.toString().toStdString();
    EXPECT_TRUE(action->shortcuts().contains(k.key)) << what;
    QWidget* owner = k.viewOnly ? static_cast<QWidget*>(frame->View()) : frame.get();
    EXPECT_TRUE(owner->actions().contains(action)) << what;
    EXPECT_EQ(action->shortcutContext(), k.viewOnly ? Qt::WidgetWithChildrenShortcut : Qt::WindowShortcut) << what;
  }
}

// Paging a lesson with the keys: PageDown gives the object list the focus,
// and PageUp from there (or from any other child) still turns the page; a
// name being typed in the list keeps its Space and arrows.
TEST_F(MainFrameTest, PageKeysTurnPagesWhicheverChildHasTheFocus) {
  AddPages(1);
  frame->show();
  CGPage* first = doc.m_pages[0].get();
  CGPage* second = doc.m_pages[1].get();
  QWidget* slider = frame->findChild<QSlider*>();
  ASSERT_NE(slider, nullptr);
  const struct { const char* name; QWidget* focus; } rows[] = {
      {"view", frame->View()}, {"object list", Tree()}, {"ribbon slider", slider}};
  const auto enabled = [this](unsigned id) {
    return SettleUntil([this, id] { return frame->Actions().Action(id)->isEnabled(); });
  };
  // The window's own focus widget is read, not the application's: another
  // program may take the display's activation whenever events run, and the
  // window is made active again right before each key.
  for (const auto& row : rows) {
    ASSERT_TRUE(enabled(ID_VIEW_PAGEDOWN)) << row.name;
    ASSERT_TRUE(ActivateWindow(frame.get(), row.focus)) << row.name;
    QTest::keyClick(row.focus, Qt::Key_PageDown);
    EXPECT_EQ(g_pCurPage, second) << row.name;
    QWidget* focus = frame->focusWidget();
    ASSERT_EQ(focus, Tree()) << row.name;
    ASSERT_TRUE(enabled(ID_VIEW_PAGEUP)) << row.name;
    ASSERT_TRUE(ActivateWindow(frame.get(), focus)) << row.name;
    QTest::keyClick(focus, Qt::Key_PageUp);
    EXPECT_EQ(g_pCurPage, first) << row.name;
  }
  ASSERT_TRUE(ActivateWindow(frame.get(), Tree()));
  Tree()->editItem(PageItem());
  auto* edit = qobject_cast<QLineEdit*>(frame->focusWidget());
  ASSERT_NE(edit, nullptr);
  edit->setText(QStringLiteral("ab"));
  for (Qt::Key key : {Qt::Key_Left, Qt::Key_Space, Qt::Key_Home}) QTest::keyClick(edit, key);
  EXPECT_EQ(edit->text(), QStringLiteral("a b"));
  EXPECT_EQ(edit->cursorPosition(), 0);
  QTest::keyClick(edit, Qt::Key_Return);  // committed from the event loop
  EXPECT_TRUE(SettleUntil([first] { return first->m_strName == QStringLiteral("a b"); }));
  EXPECT_EQ(g_pCurPage, first);
}

// A field being typed in keeps the keys of a text field: a name typed in
// the object list stays open and uncommitted while no point moves and no
// page turns, and a spin box on the ribbon steps with its arrows.  No event
// runs while a row types: losing the activation would end the edit.
TEST_F(MainFrameTest, AFieldBeingTypedInKeepsTheKeysOfATextField) {
  CGPage* first = Page();
  auto* point = new CGVerFree(first->m_nNextId++, first->m_nNextVertex++, QStringLiteral("A"), 1, 2, 3);
  first->m_cells.SetAt(point->m_nId, point);
  first->SelectCell(point->m_nId);
  g_nToolMode = 1;  // the select tool: the arrows move a lone selected point
  AddPages(1);
  frame->show();
  const QString name = first->m_strName;
  const float pan = g_fViewTranslate[1];
  const auto untouched = [&] {
    return g_pCurPage == first && point->m_vPos[1] == 2.0f && g_fViewTranslate[1] == pan;
  };
  QAction* pageDown = frame->Actions().Action(ID_VIEW_PAGEDOWN);
  ASSERT_TRUE(SettleUntil([pageDown] { return pageDown->isEnabled(); })) << "a page to turn to";
  ASSERT_TRUE(ActivateWindow(frame.get(), Tree()));
  Tree()->editItem(PageItem());
  QPointer<QLineEdit> edit = qobject_cast<QLineEdit*>(frame->focusWidget());
  ASSERT_NE(edit, nullptr);
  edit->setText(QStringLiteral("ab"));
  edit->setCursorPosition(1);
  const struct { Qt::Key key; Qt::KeyboardModifiers modifiers; const char* text; int cursor; } typed[] = {
      {Qt::Key_Up, {}, "ab", 1},       {Qt::Key_Down, {}, "ab", 1},  {Qt::Key_PageDown, {}, "ab", 1},
      {Qt::Key_PageUp, {}, "ab", 1},   {Qt::Key_Down, Qt::ShiftModifier, "ab", 1},
      {Qt::Key_End, {}, "ab", 2},      {Qt::Key_Home, {}, "ab", 0},  {Qt::Key_Right, {}, "ab", 1},
      {Qt::Key_Space, {}, "a b", 2},
  };
  for (const auto& row : typed) {
    const std::string what = QKeySequence(row.modifiers | row.key).toString().toStdString();
    QTest::keyClick(edit, row.key, row.modifiers);
    ASSERT_TRUE(edit) << what << " ends the edit";
    EXPECT_EQ(edit->text(), QString::fromUtf8(row.text)) << what;
    EXPECT_EQ(edit->cursorPosition(), row.cursor) << what;
    EXPECT_EQ(frame->focusWidget(), edit.data()) << what;
    EXPECT_TRUE(untouched()) << what;
    EXPECT_EQ(first->m_strName, name) << what << " commits the name";
  }
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_TRUE(SettleUntil([first] { return first->m_strName == QStringLiteral("a b"); }));

  auto* box = new QSpinBox(frame->Ribbon());
  box->setRange(0, 100);
  box->setValue(50);
  box->show();
  const struct { Qt::Key key; int value; } stepped[] = {
      {Qt::Key_Up, 51}, {Qt::Key_PageUp, 61}, {Qt::Key_Down, 60}, {Qt::Key_PageDown, 50}};
  for (const auto& row : stepped) {
    ASSERT_TRUE(ActivateWindow(frame.get(), box)) << row.key;
    QTest::keyClick(box, row.key);
    EXPECT_EQ(box->value(), row.value) << row.key;
    EXPECT_TRUE(untouched()) << row.key;
  }
  // From the list the arrows are the view's again.
  ASSERT_TRUE(ActivateWindow(frame.get(), Tree()));
  QTest::keyClick(Tree(), Qt::Key_Up);
  EXPECT_FLOAT_EQ(point->m_vPos[1], 2.01f);
}

// Destroyed while shown, as a fixture tears it down, with a name still being
// typed in the object list: hiding the window ends the edit after the frame's
// own parts are gone, and the name goes nowhere (nothing freed is read).
TEST_F(MainFrameTest, DestroyedWhileANameIsTypedInTheListItRenamesNothing) {
  CGPage* page = Page();
  const QString name = page->m_strName;
  frame->show();
  ASSERT_TRUE(ActivateWindow(frame.get(), Tree()));
  Tree()->editItem(PageItem());
  QPointer<QLineEdit> edit = qobject_cast<QLineEdit*>(frame->focusWidget());
  ASSERT_NE(edit, nullptr);
  edit->setText(QStringLiteral("新名"));
  ASSERT_TRUE(ActivateWindow(frame.get(), edit));
  frame.reset();
  EXPECT_EQ(page->m_strName, name);
}

// On the first and the last page the page keys have nothing to do, and the
// list with the focus does not take them either: its highlight stays.
TEST_F(MainFrameTest, PageKeysAtTheEndsMoveNothingInTheList) {
  AddPoint(QStringLiteral("A"));
  AddPages(1);
  frame->show();
  const struct { unsigned id; Qt::Key key; CGPage* page; } ends[] = {
      {ID_VIEW_PAGEUP, Qt::Key_PageUp, doc.m_pages[0].get()},
      {ID_VIEW_PAGEDOWN, Qt::Key_PageDown, doc.m_pages[1].get()}};
  for (const auto& row : ends) {
    if (g_pCurPage != row.page) {
      ASSERT_TRUE(CommandRegistry().Run(ID_VIEW_PAGEDOWN)) << row.key;
    }
    QAction* action = frame->Actions().Action(row.id);
    ASSERT_TRUE(SettleUntil([action] { return !action->isEnabled(); })) << row.key;
    // The first page's point, between the root and the last page: the
    // list's own page keys would move off it.
    QTreeWidgetItem* firstPage = Tree()->FindPageItem(doc.m_pages[0]->m_nId);
    ASSERT_TRUE(firstPage && firstPage->childCount() == 1) << row.key;
    firstPage->setExpanded(true);
    QTreeWidgetItem* middle = firstPage->child(0);
    ASSERT_TRUE(ActivateWindow(frame.get(), Tree())) << row.key;
    Tree()->setCurrentItem(middle);
    QTest::keyClick(Tree(), row.key);
    EXPECT_EQ(Tree()->currentItem(), middle) << row.key;
    EXPECT_EQ(g_pCurPage, row.page) << row.key;
  }
}

TEST_F(MainFrameTest, TheApplicationMenuOpensTheSixNewestFiles) {
  QStringList files;
  for (int i = 1; i <= 7; ++i) files << QStringLiteral("/d/f%1.kv").arg(i);
  std::vector<int> opened;
  CFrameHooks hooks;
  hooks.recentFiles = [&files] { return files; };
  hooks.openRecent = [&opened](int index) { opened.push_back(index); };
  frame.reset();
  CMainFrame withFiles(hooks, settings.get());
  auto shown = [&withFiles] {
    QList<QAction*> entries;
    for (QAction* action : withFiles.Ribbon()->ApplicationMenu()->actions())
      if (action->isVisible() && action->text().startsWith(u'&')) entries << action;
    return entries;
  };
  ASSERT_EQ(shown().size(), 6);
  EXPECT_EQ(shown()[0]->text(), QStringLiteral("&1 /d/f1.kv"));
  EXPECT_EQ(shown()[5]->text(), QStringLiteral("&6 /d/f6.kv"));
  shown()[2]->trigger();
  EXPECT_EQ(opened, std::vector<int>{2});
  files = QStringList{QStringLiteral("/d/only.kv")};
  withFiles.RefreshRecentFiles();
  EXPECT_EQ(shown().size(), 1);
}

TEST_F(MainFrameTest, UndoHistoryRetitlesUndoAndRedo) {
  frame->SetMenuItemText(57643, QStringLiteral("撤消添加线"), true);
  EXPECT_EQ(frame->Actions().Action(57643)->text(), QStringLiteral("撤消添加线"));
  frame->SetMenuItemText(57643, QString(), false);
  EXPECT_EQ(frame->Actions().Action(57643)->text(), QStringLiteral("撤消"));
}

// A panel without room folds into one button whose menu holds its commands.
TEST(RibbonPanelFolding, TheFoldedButtonOffersEveryCommand) {
  CRibbonPanel panel(QStringLiteral("编辑"), nullptr);
  QAction large(QStringLiteral("属性")), first(QStringLiteral("a")), second(QStringLiteral("b"));
  panel.AddLarge(&large);
  panel.AddSmall(&first);
  panel.AddSmall(&second);
  ASSERT_TRUE(panel.CanFold());
  panel.SetFolded(true);
  QToolButton* fold = nullptr;
  for (QToolButton* button : panel.findChildren<QToolButton*>())
    if (button->menu()) fold = button;
  ASSERT_NE(fold, nullptr);
  EXPECT_FALSE(fold->isHidden());
  EXPECT_EQ(fold->menu()->actions(), (QList<QAction*>{&large, &first, &second}));
}

}  // namespace
