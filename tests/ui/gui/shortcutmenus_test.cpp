// The view's shortcut menus: their items in order, the command each runs,
// and items without a command disabled.
#include <gtest/gtest.h>

#include <QMenu>

#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "ui/shortcutmenus.h"

namespace {

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
    EXPECT_STREQ(menu->items.front(), "属性...") << row.id;
    EXPECT_STREQ(menu->items.back(), row.last) << row.id;
  }
  EXPECT_FALSE(FindShortcutMenu(189));
}

TEST(ShortcutMenus, ItemsRunTheCommandTheyName) {
  struct Row {
    const char* item;
    unsigned command;
  };
  const Row rows[] = {
      {"属性...", ID_EDIT_PROPERTY}, {"显示标签", 33170}, {"中点", 32796},
      {"三维视图", 32776},           {"全屏", 32772},     {"计算...", 32978},
      {"分离点", 0},                 {"显示/隐藏网格", 0},
  };
  for (const Row& row : rows) EXPECT_EQ(ShortcutItemCommand(row.item), row.command) << row.item;
}

TEST(ShortcutMenus, ItemsWithoutAHandlerAreDisabledAndChosenOnesRun) {
  int runs = 0;
  CommandRegistry().Register(ID_EDIT_PROPERTY, [&](unsigned) { ++runs; }, {}, &runs);
  QMenu menu;
  FillShortcutMenu(menu, *FindShortcutMenu(356));
  const QList<QAction*> actions = menu.actions();
  ASSERT_EQ(actions.size(), 14);
  EXPECT_EQ(actions[0]->text(), QStringLiteral("属性..."));
  EXPECT_TRUE(actions[0]->isEnabled());
  EXPECT_FALSE(actions[5]->isEnabled()) << "分离点 has no command";
  actions[0]->trigger();
  EXPECT_EQ(runs, 1);
  CommandRegistry().Withdraw(&runs);
  FillShortcutMenu(menu, *FindShortcutMenu(356));
  EXPECT_FALSE(menu.actions()[14]->isEnabled()) << "属性... without a handler";
}

}  // namespace
