// The view's shortcut menus: their items in order, each bound to its command
// by id (or waiting for the open issue that binds it), enabled exactly when
// its command's rule is for the menu's selection, and running what the
// ribbon runs.
#include "ui/shortcutmenus.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgverfree.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "cells/primitives/cgverfreeinline.h"
#include "editing/dialogs/buttons/actionbuttondialogs.h"
#include "frametestsupport.h"
#include "math/mathglobals.h"
#include "model/document/commandtable.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "render/glresources.h"
#include "support/scripteddialogs.h"

namespace KAVREL_FILE_LOCAL {

TEST(ShortcutMenus, ItemsInOrder) {
  struct Row {
    int id;
    const char* title;
    size_t count;
    const char* last;
  };
  const Row rows[] = {
      {356, "点的快捷菜单", 14, "坐标 y"},
      {357, "线的快捷菜单", 15, "向量坐标"},
      {358, "面的快捷菜单", 12, "多边形面积"},
      {188, "弹出", 14, "全屏"},
  };
  for (const Row& row : rows) {
    const ShortcutMenu* menu = FindShortcutMenu(row.id);
    ASSERT_TRUE(menu) << row.id;
    EXPECT_STREQ(menu->title, row.title) << row.id;
    ASSERT_EQ(menu->items.size(), row.count) << row.id;
    EXPECT_STREQ(menu->items.front().text, "属性...") << row.id;
    EXPECT_EQ(menu->items.front().command, ID_EDIT_PROPERTY) << row.id;
    EXPECT_STREQ(menu->items.back().text, row.last) << row.id;
  }
  EXPECT_FALSE(FindShortcutMenu(189));
  EXPECT_EQ(ShortcutItemCommand(357, "长度"), ID_MEASURE_D_PP) << "bound by menu and item, not by label";
  EXPECT_EQ(ShortcutItemCommand(356, "长度"), 0u) << "not an item of the point menu";
  EXPECT_EQ(ShortcutItemCommand(189, "属性..."), 0u);
}

TEST(ShortcutMenus, ItemsWithoutAHandlerAreDisabledAndChosenOnesRun) {
  int runs = 0;
  CommandRegistry().Register(
      ID_EDIT_PROPERTY, [&](unsigned) { ++runs; }, {}, &runs);
  QMenu menu;
  FillShortcutMenu(menu, *FindShortcutMenu(356));
  const QList<QAction*> actions = menu.actions();
  ASSERT_EQ(actions.size(), 14);
  EXPECT_EQ(actions[0]->text(), QString::fromUtf8("属性..."));
  EXPECT_TRUE(actions[0]->isEnabled());
  EXPECT_FALSE(actions[5]->isEnabled()) << "an item without a command";
  actions[0]->trigger();
  EXPECT_EQ(runs, 1);
  CommandRegistry().Withdraw(&runs);
  FillShortcutMenu(menu, *FindShortcutMenu(356));
  EXPECT_FALSE(menu.actions()[14]->isEnabled()) << "a command without a handler";
}

class ShortcutMenuCommands : public FrameTest {
 protected:
  template <class T>
  WORD Enter(T* cell) {
    Page()->m_cells.SetAt(cell->m_nId, cell);
    return cell->m_nId;
  }
  WORD Point(float x, float y, float z) {
    CGPage& page = *Page();
    return Enter(new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), x, y, z));
  }
  // The item's action in a menu filled for the selection as it is now.
  QAction* Item(QMenu& menu, int id, const char* text) {
    menu.clear();
    FillShortcutMenu(menu, *FindShortcutMenu(id));
    for (QAction* action : menu.actions())
      if (action->text() == QString::fromUtf8(text)) return action;
    return nullptr;
  }
  // The cells from `first` on, "Class(parent ids)", and the undo step.
  std::string Made(WORD first) {
    std::string text;
    for (WORD id = first; id < Page()->m_nNextId; ++id) {
      const CGCell* cell = Page()->m_cells.Lookup(id);
      if (!cell) continue;
      text += std::string(cell->GetRuntimeClass()->m_lpszClassName) + "(";
      for (WORD parent : cell->m_parents) text += std::to_string(parent) + ",";
      text += ") ";
    }
    auto* step = Page()->m_undo.CurrentCommand();
    return text + (step ? step->GetName().toStdString() : std::string("no step"));
  }
  static std::string ViewState() {
    const Quaternion& q = ViewQuaternion;
    return "tool " + std::to_string(g_nToolMode) + " axes " + std::to_string(g_nAxesMode) + " turn " +
           std::to_string(q.w) + "," + std::to_string(q.x) + "," + std::to_string(q.y) + "," + std::to_string(q.z);
  }
};

// Where an item's command is missing today: the open issue that binds the
// item, or that builds the command the item is bound to.  An item leaves the
// first list when its issue binds it.
struct Waiting {
  int menu;
  const char* item;
  int issue;
};
// A vector, so that the list may be empty.
const std::vector<Waiting> kUnboundItems = {};
struct Unbuilt {
  unsigned command;
  int issue;
};
// A vector, so that the list may be empty.
const std::vector<Unbuilt> kUnbuiltCommands = {};

TEST_F(ShortcutMenuCommands, EveryItemRunsACommandOrWaitsForANamedIssue) {
  int items = 0;
  for (const ShortcutMenu& menu : AllShortcutMenus()) {
    for (const ShortcutItem& item : menu.items) {
      ++items;
      const Waiting* waiting = nullptr;
      for (const Waiting& row : kUnboundItems)
        if (row.menu == menu.id && std::strcmp(row.item, item.text) == 0) waiting = &row;
      if (!item.command) {
        EXPECT_TRUE(waiting) << menu.id << " " << item.text << ": no command and waits for no issue";
        continue;
      }
      EXPECT_FALSE(waiting) << menu.id << " " << item.text << ": bound, so off the waiting list";
      if (CommandRegistry().HasHandler(item.command)) continue;
      bool unbuilt = false;
      for (const Unbuilt& row : kUnbuiltCommands) unbuilt = unbuilt || row.command == item.command;
      EXPECT_TRUE(unbuilt) << menu.id << " " << item.text << ": " << item.command
                           << " has no handler and no issue builds it";
    }
  }
  EXPECT_EQ(items, 14 + 15 + 12 + 14);
}

TEST_F(ShortcutMenuCommands, ItemsAreEnabledAsTheirRulesAndRunWhatTheRibbonRuns) {
  const WORD a = Point(0, 0, 0), b = Point(4, 0, 0), c = Point(0, 3, 0);
  const WORD ab = Enter(new CGLine(Page()->m_nNextId++, a, b, 0));
  const WORD abc = Enter(new CGFace(Page()->m_nNextId++, {a, b, c}, 0x00336699));
  CGPage& page = *Page();
  const WORD onLine = Enter(new CGVerFreeInLine(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), ab, 0.5f));
  const auto parents = [](std::initializer_list<WORD> list) {
    std::string text;
    for (WORD id : list) text += std::to_string(id) + ",";
    return text;
  };
  struct Row {
    int menu;
    const char* item;
    unsigned command;
    std::vector<WORD> selected;
    std::string made;  // class(parents), or the view's state; empty: disabled
  };
  const Row rows[] = {
      {356, "点的值 t", ID_MEASURE_PT, {onLine}, "CGTmVarPara(" + parents({onLine}) + ")"},
      {356, "点的值 t", ID_MEASURE_PT, {a}, ""},
      {356, "坐标(x,y,z)", ID_MEASURE_PXYZ, {b}, "CGTmVectorPoint(" + parents({b}) + ")"},
      {356, "坐标 x", ID_MEASURE_COORD_X, {b}, "CGTmVarCoordX(" + parents({b}) + ")"},
      {356, "坐标 y", ID_MEASURE_COORD_Y, {c}, "CGTmVarCoordY(" + parents({c}) + ")"},
      {357, "长度", ID_MEASURE_D_PP, {ab}, "CGTmVarDistancePP(" + parents({a, b}) + ")"},
      {358, "平面法向量", ID_MEASURE_VECFN, {abc}, "CGTmVectorNface(" + parents({a, b, c}) + ")"},
      {357, "线上点", ID_CREATE_POINT_ONOBJECT, {ab}, "CGVerFreeInLine(" + parents({ab}) + ")"},
      {358, "面内点", ID_CREATE_POINT_ONOBJECT, {abc}, "CGVerFreeInFace(" + parents({abc}) + ")"},
      {358, "边界上的点", ID_CREATE_POINT_PATH, {abc}, "CGVerFreeInBorder(" + parents({a, b, c}) + ")"},
      // The general menu keeps the selection as it was.
      {188, "框选对象", ID_EDIT_SELBOX, {b}, "tool 7 axes 0 turn 0.78"},
      {188, "显示/隐藏坐标系", ID_VIEW_GRID, {}, "tool 1 axes 1 turn 0.78"},
      {188, "显示/隐藏网格", ID_VIEW_GRID3, {ab}, "tool 1 axes 4 turn 0.78"},
      {188, "二维视图", ID_VIEW_PORT_TT, {}, "tool 1 axes 0 turn 1.000000,0.000000,0.000000,0.000000"},
  };
  QMenu menu;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.item);
    EXPECT_EQ(ShortcutItemCommand(row.menu, row.item), row.command);
    page.ClearSelection();
    for (WORD id : row.selected) page.SelectCell(id);
    const WORD next = page.m_nNextId;
    const int steps = page.m_undo.GetCount();
    const Quaternion turned = ViewQuaternion;
    const auto restoreView = [&turned] {
      g_nToolMode = 1;
      g_nAxesMode = 0;
      ViewQuaternion = turned;
    };
    restoreView();
    const std::string viewBefore = ViewState();
    QAction* action = Item(menu, row.menu, row.item);
    ASSERT_TRUE(action);
    EXPECT_EQ(action->isEnabled(), !row.made.empty());
    EXPECT_EQ(CommandRegistry().Query(row.command).m_bEnabled, !row.made.empty());
    action->trigger();  // as a stale menu would, when disabled
    ProcessEvents();
    if (row.made.empty()) {
      EXPECT_EQ(page.m_nNextId, next);
      EXPECT_EQ(page.m_undo.GetCount(), steps);
      EXPECT_EQ(ViewState(), viewBefore);
      continue;
    }
    const bool cells = page.m_nNextId != next;
    const std::string byMenu = cells ? Made(next) : ViewState();
    EXPECT_EQ(byMenu.rfind(row.made, 0), 0u) << byMenu;
    if (cells) {
      EXPECT_EQ(page.m_undo.GetCount(), steps + 1);
      ASSERT_TRUE(page.m_undo.Undo());
      page.m_nNextId = next;
    } else {
      restoreView();
    }
    page.ClearSelection();
    for (WORD id : row.selected) page.SelectCell(id);
    ASSERT_TRUE(CommandRegistry().Run(row.command));
    ProcessEvents();
    EXPECT_EQ(cells ? Made(next) : ViewState(), byMenu) << "the ribbon's result";
  }
}

// The point menu's animation item: enabled for a point on a circle, where
// it opens the animation button's dialog; disabled for a free point.
TEST_F(ShortcutMenuCommands, AnimationItemOpensTheAnimationDialog) {
  CGPage& page = *Page();
  const WORD circle = Enter(new CGArc(page.m_nNextId++, 0, 0, 0, 5, 0, 0, 0, 5, 0, 0, kArcFullTurn, kArcCircle));
  const WORD onCircle =
      Enter(new CGVerFreeInCircle(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), circle, 1.0f));
  const WORD free = Point(1, 2, 3);
  ScriptedDialogs* dialogs = InstallScriptedDialogs();
  dialogs->Cancel<CDlgBtnAnimation>();
  QMenu menu;
  page.ClearSelection();
  page.SelectCell(free);
  QAction* action = Item(menu, 356, "动画...");
  ASSERT_TRUE(action);
  EXPECT_FALSE(action->isEnabled());
  page.ClearSelection();
  page.SelectCell(onCircle);
  action = Item(menu, 356, "动画...");
  EXPECT_TRUE(action->isEnabled());
  action->trigger();
  ProcessEvents();
  ASSERT_EQ(dialogs->Offered<CDlgBtnAnimation>().size(), 1u);
  EXPECT_EQ(dialogs->Offered<CDlgBtnAnimation>()[0].m_fTo, 6.2831855f);
}

// The general menu's text item runs the merged text tool: one point
// selected, the label dialog's command.
TEST_F(ShortcutMenuCommands, TextAndLabelItemRunsTheTextTool) {
  static int labelEdits = 0;
  const CDocCommandStandIn standIn(ID_EDIT_LABELMOD, [](CKavrelDoc&) { ++labelEdits; });
  const WORD a = Point(1, 2, 3);
  Page()->ClearSelection();
  Page()->SelectCell(a);
  QMenu menu;
  QAction* action = Item(menu, 188, "编辑文本与标签...");
  ASSERT_TRUE(action);
  EXPECT_TRUE(action->isEnabled());
  action->trigger();
  ProcessEvents();
  EXPECT_EQ(labelEdits, 1);
}

}  // namespace
