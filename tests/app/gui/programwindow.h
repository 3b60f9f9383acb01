// The running program in its shown, active main window (xvfb), for tests
// that use it as a student would: real mouse and key events on the window.
// Message boxes are recorded and file dialogs scripted, so nothing waits
// for a user.
#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <vector>

#include "app/classregistration.h"
#include "app/kavrelapp.h"
#include "app/mainwindow.h"
#include "model/cgpage.h"
#include "ui/commandactions.h"
#include "ui/objectlist/viewtree.h"
#include "ui/ribbon/ribbonbar.h"
#include "support/recorders.h"
#include "support/settle.h"
#include "userchoices.h"
#include "view/kavrelview.h"

class ProgramWindow : public ::testing::Test {
 protected:
  ProgramWindow() {
    RegisterAllClasses();
    EXPECT_TRUE(app.InitInstance({QStringLiteral("kavrel")}));
    window = app.MainWindow();
    view = window->View();
    boxes = SetNotifier(std::make_unique<RecordingNotifier>());
    dialogs = SetFileChooser(std::make_unique<ScriptedFileChooser>());
    window->resize(1100, 800);
    window->show();
    EXPECT_TRUE(SettleUntil([this] { return view->isValid(); })) << "the view's GL context";
    EXPECT_TRUE(ActivateWindow(window));
  }
  ~ProgramWindow() override {
    window->close();
    SetNotifier(std::move(boxes));
    SetFileChooser(std::move(dialogs));
  }
  // The build folder holds the program's pictures, which the view loads.
  static CAppEnvironment Environment(const QTemporaryDir& folder) {
    return {folder.filePath(QStringLiteral("data")), folder.filePath(QStringLiteral("settings.ini")),
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(".."))};
  }
  CGPage& Page() { return *app.Document().CurrentPage(); }
  // A frame now, so the pointer is unprojected through the view as shown.
  void Render() {
    view->grabFramebuffer();
    QApplication::processEvents();
  }
  // Clicks the ribbon button of the command, its enabled state refreshed.
  void Ribbon(unsigned id) {
    window->Actions().Refresh();
    for (QToolButton* button : window->Ribbon()->findChildren<QToolButton*>())
      if (button->property("commandId").toUInt() == id) return button->click();
    ADD_FAILURE() << "no ribbon button for " << id;
  }
  void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(view, button, {}, at);
    QApplication::processEvents();
  }
  // Press, one move with the button held, release.
  void Drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(view, button, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, view->mapToGlobal(to), Qt::NoButton, button, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    QTest::mouseRelease(view, button, {}, to);
    QApplication::processEvents();
  }
  // Ticks exactly `ids` in the object list, in this order.
  void Tick(const std::vector<WORD>& ids) { TickInObjectList(window->Tree(), Page(), ids); }
  // The pixel over (k, m, 0) in the top view: 20 pixels a unit.
  QPoint At(int k, int m) const { return {view->width() / 2 + 20 * k, view->height() / 2 - 20 * m}; }

  SeamRecorders seams;
  QTemporaryDir folder;
  CKavrelApp app{Environment(folder)};
  CMainWindow* window = nullptr;
  CKavrelView* view = nullptr;
  std::unique_ptr<INotifier> boxes;
  std::unique_ptr<IFileChooser> dialogs;
};
