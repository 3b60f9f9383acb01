// What a user chooses in the running program besides the ribbon and the
// view: an item of a shortcut menu or of a button's pop-up menu, clicked as
// a user would, and ticks in the object list.  Each waits, bounded, for
// the menu to come up.
#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>
#include <vector>

#include "model/cgpage.h"
#include "support/settle.h"
#include "ui/objectlist/viewtree.h"

// What became of a menu choice: still waiting for the menu, the item
// clicked, or no such item (or no menu within the bound).
enum class MenuChoice { kWaiting, kChosen, kMissing };

// Once a pop-up menu is up, clicks the item `pick` finds in it, or closes
// the menu when it finds none.
inline void ClickInNextMenu(std::function<QAction*(QMenu&)> pick, std::shared_ptr<MenuChoice> outcome) {
  auto poll = std::make_shared<std::function<void(int)>>();
  *poll = [outcome, pick, weak = std::weak_ptr(poll)](int triesLeft) {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      if (QAction* action = pick(*menu)) {
        *outcome = MenuChoice::kChosen;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        return;
      }
      *outcome = MenuChoice::kMissing;
      menu->close();
    } else if (auto again = weak.lock(); again && triesLeft > 0) {
      QTimer::singleShot(20, [again, triesLeft] { (*again)(triesLeft - 1); });
    } else {
      *outcome = MenuChoice::kMissing;
    }
  };
  QTimer::singleShot(20, [poll] { (*poll)(500); });
}

inline bool ChoiceMade(const std::shared_ptr<MenuChoice>& outcome) {
  SettleUntil([outcome] { return *outcome != MenuChoice::kWaiting; });
  return *outcome == MenuChoice::kChosen;
}

// Right-clicks `view` at `at` and chooses the item of that text.
inline void ChooseFromMenu(QWidget* view, QPoint at, const char* item) {
  auto outcome = std::make_shared<MenuChoice>(MenuChoice::kWaiting);
  ClickInNextMenu(
      [item](QMenu& menu) -> QAction* {
        for (QAction* action : menu.actions())
          if (action->text() == QString::fromUtf8(item)) return action;
        return nullptr;
      },
      outcome);
  QTest::mouseClick(view, Qt::RightButton, {}, at);
  EXPECT_TRUE(ChoiceMade(outcome)) << item;
}

// Clicks a button whose menu pops up at once and chooses its item `index`.
inline void ChooseFromButtonMenu(QToolButton* button, int index) {
  auto outcome = std::make_shared<MenuChoice>(MenuChoice::kWaiting);
  ClickInNextMenu([index](QMenu& menu) { return menu.actions().value(index); }, outcome);
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_TRUE(ChoiceMade(outcome)) << "item " << index;
}

// Unticks every selected cell in the object list, then ticks `ids` in this
// order.
inline void TickInObjectList(CViewTree* tree, const CGPage& page, const std::vector<WORD>& ids) {
  QTreeWidgetItem* pageItem = tree->FindCurrentPageItem();
  ASSERT_NE(pageItem, nullptr);
  for (WORD id : std::vector<WORD>(page.m_selAll)) tree->ClickCheckBox(CViewTree::FindChildItem(pageItem, id));
  ASSERT_TRUE(page.m_selAll.empty());
  for (WORD id : ids) {
    QTreeWidgetItem* item = CViewTree::FindChildItem(pageItem, id);
    ASSERT_NE(item, nullptr) << id;
    tree->ClickCheckBox(item);
  }
  ASSERT_EQ(page.m_selAll, ids);
}
