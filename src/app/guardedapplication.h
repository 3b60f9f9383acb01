// The program's Qt application: an exception that escapes an event handler
// (a dialog's button, a menu outside the command registry) is told to the
// user instead of ending the program.
#pragma once
#include <QApplication>

class CGuardedApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override;
};
