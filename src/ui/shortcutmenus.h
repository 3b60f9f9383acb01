// The shortcut menus the right button of the view opens: points (356),
// lines (357), faces (358) and everything else (188).
#pragma once
#include <QPoint>
#include <span>
#include <vector>

class QMenu;
class QWidget;

struct ShortcutItem {
  const char* text;  // UTF-8
  unsigned command;  // the command it runs; 0 while it has none
};

struct ShortcutMenu {
  int id;
  const char* title;                // UTF-8
  std::vector<ShortcutItem> items;  // in menu order
};

// Null for an id that is no shortcut menu.
const ShortcutMenu* FindShortcutMenu(int id);
std::span<const ShortcutMenu> AllShortcutMenus();
// The command an item of a menu runs; 0 when it has none.
unsigned ShortcutItemCommand(int menu, const char* item);
// One action per item, enabled as the command's update rule says for the
// selection as it is (an item without a command: disabled); choosing one
// runs its command, which asks the rule again first.
void FillShortcutMenu(QMenu& menu, const ShortcutMenu& items);
// Shows the menu at a screen position and runs what is chosen.
void ShowShortcutMenu(int id, const QPoint& global, QWidget* owner);
