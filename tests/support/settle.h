// Lets posted events, timers and repaints run, and waits on a state with a
// bounded poll.  Display tests never wait on the window manager or on a
// fixed time: the test server has none, other programs' windows on it may
// take the activation at any moment, and a busy machine makes every step
// slow.
#pragma once
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

inline void Settle() {
  for (int i = 0; i < 4; ++i) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Runs the event loop until `done()` holds, at most `timeoutMs`; whether it
// holds.  Between checks the loop waits for events (10 ms at most), so the
// poll does not spin.
template <class Done>
bool SettleUntil(Done done, int timeoutMs = 20000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > timeoutMs) return false;
    QEventLoop loop;
    QTimer::singleShot(10, &loop, &QEventLoop::quit);
    loop.exec();
  }
  return true;
}

// Makes `window` the active window, asking the server and telling Qt at
// once, and gives `focus` (when not null) the keys; asked again until both
// hold.  Call it again right before a step that needs them: another
// program may have taken them since.
inline bool ActivateWindow(QWidget* window, QWidget* focus = nullptr) {
  return SettleUntil([window, focus] {
    if (!window->isActiveWindow()) {
      window->activateWindow();
      QApplication::setActiveWindow(window);
    }
    if (focus && !focus->hasFocus()) focus->setFocus();
    return window->isActiveWindow() && (!focus || focus->hasFocus());
  });
}
