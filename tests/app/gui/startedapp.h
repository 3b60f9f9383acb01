// The program started as a user starts it, without a document named: the
// application, its main window and a new document, with data and settings
// in a temporary folder.
#pragma once
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QToolButton>

#include "app/classregistration.h"
#include "app/gui/appenvironment.h"
#include "app/kavrelapp.h"
#include "app/mainwindow.h"
#include "model/cgpage.h"
#include "platform/archive.h"
#include "support/recorders.h"
#include "ui/commandactions.h"
#include "ui/ribbon/ribbonbar.h"

class StartedAppTest : public ::testing::Test {
 protected:
  StartedAppTest() {
    RegisterAllClasses();
    EXPECT_TRUE(app.InitInstance({QStringLiteral("kavrel")}));
    window = app.MainWindow();
  }
  CGPage* Page() { return app.Document().CurrentPage(); }
  CViewTree* Tree() const { return window->Tree(); }
  void ClickRibbon(unsigned id) {
    window->Actions().Refresh();
    for (QToolButton* button : window->Ribbon()->findChildren<QToolButton*>())
      if (button->property("commandId").toUInt() == id) return button->click();
    ADD_FAILURE() << "no ribbon button for " << id;
  }
  static QByteArray PageBytes(CGPage& page) {
    CArchive ar;
    page.Serialize(ar);
    return ar.Bytes();
  }

  SeamRecorders seams;
  QTemporaryDir folder;
  CKavrelApp app{TestAppEnvironment(folder)};
  CMainWindow* window = nullptr;
};
