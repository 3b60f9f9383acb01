// Action buttons: flat bevelled push buttons in the screen layer over the
// scene that run an action, one timer tick at a time (Step), while they
// are in the page's running list.  The base draws, picks, measures and
// drags the button and stores its speed; each kind adds its action.  The
// series button, which starts and stops the buttons it is made of, lives
// here too because the page's start and stop follow its children.
#pragma once
#include "model/cgcell.h"

class CGButton : public CGCell {
  DECLARE_SERIAL(CGButton)

 public:
  // Stopped, speed 0.01, a blue tab (first colour) and black caption
  // (second colour, alphas kept), the caption shown, 60 x 25 pixels.
  CGButton();

  // The common record, then the speed.  A loaded button is stopped.
  void Serialize(CArchive& ar) override;
  // The bevelled button in the screen layer, raised or pressed (running),
  // its tab in the highlight colour while selected; the caption is measured
  // and converted again only after it changed.  Nothing while hidden or
  // while the page shows its three views.
  void Draw() override;
  // (5, id) on the 10-pixel handle left of the face, (10, id) on the face;
  // only in pick modes 3 and up (the select tool's click and box picks).
  void DrawForPick(int mode) override;
  QString GetDescription() override;

  // One timer tick of the action; true when the action has finished.  A
  // plain button has nothing to do and finishes at once.
  virtual bool Step() { return true; }
  // Documents before version 320 kept a view-rotation button's turn as two
  // orientations of three angles each; the button that holds them rewrites
  // its fields as a start quaternion, an axis and an angle.  Other buttons
  // kept nothing of the kind.
  virtual void ConvertOldOrientation() {}

  // Width and height from the caption's extent in the window font: 60 x 25
  // at least, else the extent plus 30 x 9.
  void MeasureCaption();
  // Follows the mouse movement of a drag (g_nMouseDeltaX, g_nMouseDeltaY,
  // y downwards); the new place becomes the page's last button position.
  void DragBy();

  // A pause of `seconds` in timer ticks: trunc(frames per second x seconds
  // + 1) in single precision; 0 for a pause that is no usable number.
  static int PauseTicks(float seconds);

  bool m_bRunning = false;  // in the page's running list (not stored)
  float m_fSpeed = 0.01f;
  int m_nWidth = 60;   // pixels (not stored)
  int m_nHeight = 25;

 protected:
  // A new kind's screen place: the page's next default button position.
  void PlaceAtNextPosition();

 private:
  unsigned m_nListGeneration = 0;  // GL generation of the caption's glyph lists
};

// The series button: its parents are the buttons it runs, all at once
// (parallel, sub-kind 0) or one after another (serial, sub-kind non-zero),
// optionally repeated by a loop over one of the expression registers.
class CGButnPresentat : public CGButton {
  DECLARE_SERIAL(CGButnPresentat)

 public:
  // Loop kinds, kept in m_nParamA.
  enum : std::int32_t { kNoLoop = 0, kFixedCount = 1, kForLoop = 2, kWhileLoop = 3, kUntilLoop = 4 };

  // Parallel, captioned "并行", no loop.
  CGButnPresentat();
  // Runs the buttons of the current page's button selection, in selection
  // order (each joins its children), at the page's next button position.
  CGButnPresentat(WORD id, const QString& caption, BOOL serial, float pause);

  // The button record, then, with a loop only, pass count, register, loop
  // start, end and step.  A loaded for or while loop is not active.
  void Serialize(CArchive& ar) override;
  QString GetDescription() override;

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
