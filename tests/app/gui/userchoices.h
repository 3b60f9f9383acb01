// What a user chooses in the running program besides the ribbon and the
// view: an item of a shortcut menu or of a button's pop-up menu, clicked as
// a user would, and ticks in the object list; and the colours the view
// shows around a point.  A menu choice waits, bounded, for the menu to
// come up.
#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QMenu>
#include <QOpenGLWidget>
#include <QSet>
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
    } else if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      // A modal window came up instead (a label dialog from a click on a
      // label): nothing may wait for a user.
      ADD_FAILURE() << "a dialog came up instead of the menu: " << dialog->windowTitle().toStdString();
      *outcome = MenuChoice::kMissing;
      dialog->reject();
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

// Right-clicks `view` at `at` and chooses the enabled item of that text.
// Whether it was chosen.
inline bool ChooseFromMenu(QWidget* view, QPoint at, const char* item) {
  auto outcome = std::make_shared<MenuChoice>(MenuChoice::kWaiting);
  ClickInNextMenu(
      [item](QMenu& menu) -> QAction* {
        for (QAction* action : menu.actions())
          if (action->text() == QString::fromUtf8(item) && action->isEnabled()) return action;
        return nullptr;
      },
      outcome);
  QTest::mouseClick(view, Qt::RightButton, {}, at);
  const bool chosen = ChoiceMade(outcome);
  EXPECT_TRUE(chosen) << "no enabled item " << item;
  Settle();
  return chosen;
}

// How many colours the view shows in the square of `radius` pixels around
// `at`.
inline int ColoursAround(QOpenGLWidget* view, QPoint at, int radius) {
  const QImage picture = view->grabFramebuffer();
  const double ratio = view->devicePixelRatioF();
  QSet<QRgb> colours;
  for (int dy = -radius; dy <= radius; ++dy)
    for (int dx = -radius; dx <= radius; ++dx)
      colours.insert(picture.pixel(static_cast<int>((at.x() + dx) * ratio), static_cast<int>((at.y() + dy) * ratio)));
  return static_cast<int>(colours.size());
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
