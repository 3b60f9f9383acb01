// The view's animation timer (timer 1) as the motion code sees it: started
// with a period, stopped.  The view gives a QTimer whose ticks call
// CViewMotion::OnTimer; tests give a recorder and tick by hand.
#pragma once

class IViewTimer {
 public:
  virtual ~IViewTimer() = default;
  // Ticks every periodMs milliseconds from now on (a running timer restarts).
  virtual void Start(int periodMs) = 0;
  virtual void Stop() = 0;
};
