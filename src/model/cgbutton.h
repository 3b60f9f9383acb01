// Action buttons as the page drives them: the running flag and one timer
// tick (Step), and the series button, which starts and stops the buttons it
// is made of.  Drawing, picking, captions and the other kinds come with the
// buttons themselves.
#pragma once
#include "model/cgcell.h"

class CGButton : public CGCell {
  DECLARE_SERIAL(CGButton)

 public:
  // One timer tick of the action; true when the action has finished.  A
  // plain button has nothing to do and finishes at once.
  virtual bool Step() { return true; }
  // Documents before version 320 kept a view-rotation button's turn as two
  // orientations of three angles each; the button that holds them rewrites
  // its fields as a start quaternion, an axis and an angle.  Other buttons
  // kept nothing of the kind.
  virtual void ConvertOldOrientation() {}

  bool m_bRunning = false;  // in the page's running list (not stored)
};

// The series button: its parents are the buttons it runs, all at once
// (parallel, sub-kind 0) or one after another (serial, sub-kind non-zero),
// optionally repeated by a loop over one of the expression registers.
class CGButnPresentat : public CGButton {
  DECLARE_SERIAL(CGButnPresentat)

 public:
  // Loop kinds, kept in m_nParamA.
  enum : std::int32_t { kNoLoop = 0, kFixedCount = 1, kForLoop = 2, kWhileLoop = 3, kUntilLoop = 4 };

  bool IsSerial() const { return m_nSubKind != 0; }
  // The child that runs now in serial mode (m_dwParam3).  A stored index can
  // be anything; one outside the parent list names no child.
  WORD CurrentChild() const;

  // Asked before every start.  For and while loops test their register on
  // the first start and are marked active; restarts of an active loop pass.
  bool CanStart();
  // Waits for the running children and the pause after each, starts the next
  // child (serial) through the start queue, and at the end of the series
  // ends or queues itself for the loop's next pass.
  bool Step() override;

  // The pause after each child in serial mode, in seconds: m_nParamC holds
  // the float's bits.
  float PauseSeconds() const;

  int m_nPauseTicks = 0;
  int m_nPass = 1;
  int m_nPassCount = 2;
  int m_nRegister = 1;  // 1 to 6
  double m_dLoopStart = 1.0;
  double m_dLoopEnd = 3.0;
  double m_dLoopStep = 1.0;

 private:
  bool ChildRunning(size_t index) const;
  bool EndOfSeries();
  void Restart();
};
