// The animation button drives its one parent on every timer tick.  Mode 0
// (sub-kind) steps the parent's value word (a point's path parameter, a
// parameter's value, a net's or cut's animation parameter) from start to
// end by the speed: forward, backward or there and back, once or looping
// with a pause at each end.  Modes 1 and 2 walk a point in a face or in a
// plane at random, one step of length speed a tick, for end + 1 steps.
// The button only changes the parent; the page places it and recomputes.
#pragma once
#include <QString>

#include "model/cgbutton.h"

class CGButnAnimation : public CGButton {
  DECLARE_SERIAL(CGButnAnimation)

 public:
  enum : std::int32_t { kForward = 0, kBackward = 1, kBothWays = 2 };
  enum : BYTE { kStepping = 0, kWalkInFace = 1, kWalkInPlane = 2 };

  CGButnAnimation() = default;
  // Drives `driven` (already in the current page's map, which it joins as
  // a child) from `start` to `end`, at the page's next button position.
  CGButnAnimation(WORD id, const QString& caption, WORD driven, float start, float end, std::int32_t direction,
                  BOOL repeat, float speed, float pause);

  // The button record, then start, end, direction, repeat (one byte) and
  // phase.  Loading fails unless there is one parent and start, end and
  // speed are numbers.
  void Serialize(CArchive& ar) override;
  bool Step() override;
  QString GetDescription() override;

  // The pause at each end in seconds (the third option word holds it).
  float PauseSeconds() const;
  void SetPauseSeconds(float seconds);

  float m_fStart = 0;  // walks: the steps taken in this run
  float m_fEnd = 1.0f; // walks: the steps of a run
  std::int32_t m_nDirection = kBothWays;
  BOOL m_bRepeat = 1;
  // Stepping: 0 going up, 1 going down, 2 jump to the beginning next;
  // walks: the previous walk direction.
  std::int32_t m_nPhase = 0;
  int m_nPauseCount = 0;  // ticks waited at an end (not stored)

 private:
  bool StepValue(CGCell& driven);
  bool Walk(CGCell& driven);
  // Counts a tick at an end; true once the pause is over (the count starts
  // again).
  bool PauseOver();
};
