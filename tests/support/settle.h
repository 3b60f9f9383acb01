// Lets posted events, timers and repaints run.
#pragma once
#include <QApplication>

inline void Settle() {
  for (int i = 0; i < 4; ++i) QApplication::processEvents(QEventLoop::AllEvents, 20);
}
