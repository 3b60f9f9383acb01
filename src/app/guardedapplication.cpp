#include "app/guardedapplication.h"

#include "platform/failureguard.h"

bool CGuardedApplication::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  RunGuarded([&] { handled = QApplication::notify(receiver, event); });
  return handled;
}
