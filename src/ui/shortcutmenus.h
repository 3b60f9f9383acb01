// The shortcut menus the right button of the view opens: points (356),
// lines (357), faces (358) and everything else (188).
#pragma once
#include <QPoint>
#include <vector>

class QMenu;
class QWidget;

struct ShortcutMenu {
  int id;
  const char* title;                // UTF-8
  std::vector<const char*> items;  // UTF-8, in menu order
};

// Null for an id that is no shortcut menu.
const ShortcutMenu* FindShortcutMenu(int id);
// The command an item runs; 0 when no command carries its label.
unsigned ShortcutItemCommand(const char* item);
// One action per item, enabled as the command's update rule says (an item
// without a command: disabled); choosing one runs its command.
void FillShortcutMenu(QMenu& menu, const ShortcutMenu& items);
// Shows the menu at a screen position and runs what is chosen.
void ShowShortcutMenu(int id, const QPoint& global, QWidget* owner);
