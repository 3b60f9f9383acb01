// Choosing from the view's shortcut menus and reading the view's picture,
// for the end-to-end tests of the running program.
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
#include <functional>
#include <memory>

#include "support/settle.h"

// Right-clicks `view` at `at` and chooses the enabled `item` in the menu
// that comes up, by a click on it as a user would.  A menu without the item
// is closed, and any modal window that comes up instead (a label dialog
// from a click on a label) is rejected: both fail the test, and nothing
// waits for a user.  Whether the item was chosen.
inline bool ChooseFromMenu(QWidget* view, QPoint at, const char* item) {
  auto chosen = std::make_shared<bool>(false);
  auto poll = std::make_shared<std::function<void(int)>>();
  *poll = [chosen, item, weak = std::weak_ptr(poll)](int triesLeft) {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      for (QAction* action : menu->actions())
        if (action->text() == QString::fromUtf8(item) && action->isEnabled()) {
          *chosen = true;
          QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
          return;
        }
      ADD_FAILURE() << "no enabled item " << item;
      menu->close();
      return;
    }
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      ADD_FAILURE() << "a dialog came up instead of the menu: " << dialog->windowTitle().toStdString();
      dialog->reject();
      return;
    }
    if (auto again = weak.lock(); again && triesLeft > 0)
      QTimer::singleShot(20, [again, triesLeft] { (*again)(triesLeft - 1); });
  };
  QTimer::singleShot(20, [poll] { (*poll)(500); });
  QTest::mouseClick(view, Qt::RightButton, {}, at);
  const bool done = SettleUntil([chosen] { return *chosen; }, 10000);
  EXPECT_TRUE(done) << item;
  Settle();
  return done;
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
