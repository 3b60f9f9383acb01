// The view's motion on a command page: the mouse tools' page with a timer
// that only records, so a test starts and stops timer 1 through the
// commands and ticks it by hand.
#pragma once
#include <cmath>
#include <utility>

#include "../tools/toolfixture.h"
#include "math/mathglobals.h"
#include "math/viewrotation.h"
#include "model/cgbutton.h"
#include "view/motion/motioncommands.h"
#include "view/motion/viewmotion.h"
#include "view/motion/viewtimer.h"

// A button that never finishes, counting its steps.
class EndlessButton : public CGButton {
 public:
  bool Step() override { return ++steps, false; }
  int steps = 0;
};

class MotionPage : public ToolPage {
 public:
  MotionPage() {
    RegisterMotionCommands(motion, &motion);
    surface.stopSpin = [this] { motion.StopTimer(); };
  }
  ~MotionPage() { CommandRegistry().Withdraw(&motion); }
  EndlessButton* Button(WORD id = 0) {
    auto* button = new EndlessButton;
    button->m_nId = id ? id : Page().m_nNextId++;
    Enter(button);
    return button;
  }
  // The timer job and whether timer 1 runs (its flag must agree).
  std::pair<int, bool> State() const {
    return {Page().m_nTimerJob, timer.running && motion.TimerRuns() == timer.running};
  }
  int Check(unsigned id) const { return CommandRegistry().Query(id).m_nCheck; }

  RecordingTimer timer;
  CViewMotion motion{tools, timer};
};

// The quaternion SetViewRotation(a, b) gives.
inline Quaternion RotationOf(double a, double b) {
  const Quaternion kept = ViewQuaternion;
  SetViewRotation(a, b);
  return std::exchange(ViewQuaternion, kept);
}

inline ::testing::AssertionResult SameQuaternion(const Quaternion& q, const Quaternion& e) {
  if (std::fabs(q.w - e.w) + std::fabs(q.x - e.x) + std::fabs(q.y - e.y) + std::fabs(q.z - e.z) < 1e-12)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << q.w << ", " << q.x << ", " << q.y << ", " << q.z;
}
