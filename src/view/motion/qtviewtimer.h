// Timer 1 of the real view: a QTimer on the user-interface thread.  Qt
// delivers at most one pending tick of a timer, so ticks that fell due
// while a long one ran are dropped, never caught up.
#pragma once
#include <QTimer>
#include <functional>
#include <utility>

#include "view/motion/viewtimer.h"

class CQtViewTimer final : public IViewTimer {
 public:
  explicit CQtViewTimer(std::function<void()> tick) {
    QObject::connect(&m_timer, &QTimer::timeout, std::move(tick));
  }
  void Start(int periodMs) override { m_timer.start(periodMs); }
  void Stop() override { m_timer.stop(); }
  bool IsActive() const { return m_timer.isActive(); }
  int Interval() const { return m_timer.interval(); }

 private:
  QTimer m_timer;
};
