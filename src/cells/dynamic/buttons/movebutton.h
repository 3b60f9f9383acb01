// The move button walks one draggable point (parent 0, the mover) towards
// another (parent 1, the target), a step a tick, until it is there or as
// near as the mover's constraint lets it come.  The mode (sub-kind) says
// which constraint: 0 straight through space, 8 straight in the horizontal
// plane, 1 along a line and 2 round a circle by climbing the parameter,
// 3 along a curve and 4 along a locus by the nearest sample and a fine
// search, 5 within a face and 6 within a plane towards the target's
// projection, 7 the shorter way round a closed border of points.  The
// button changes the mover's parameter, weights or position; the page
// places it and recomputes its dependants after the tick.
#pragma once
#include <QString>

#include "model/cgbutton.h"

class CGVertex;

class CGButnMove : public CGButton {
  DECLARE_SERIAL(CGButnMove)

 public:
  enum : BYTE {
    kStraight = 0, kAlongLine = 1, kRoundCircle = 2, kAlongCurve = 3, kAlongLocus = 4,
    kInFace = 5, kInPlane = 6, kRoundBorder = 7, kStraightFlat = 8
  };
  // A fine search never evaluates its path more often than this in a tick.
  static constexpr int kMaxFineEvaluations = 10000;

  CGButnMove() = default;
  // Moves `mover` towards `target` (both already in the current page's map,
  // which it joins as a child of each) at the page's next button position.
  CGButnMove(WORD id, const QString& caption, WORD mover, WORD target, float speed, BYTE mode);

  // The button record; the mode travels in the common record.  Loading
  // fails unless there are two parents and the speed is a number.
  void Serialize(CArchive& ar) override;
  // One step; true when the mover arrived, cannot come nearer, or cannot be
  // moved at all (undefined, a speed that is no positive number, a mover of
  // another kind than the mode's, a mode no button is made with).
  bool Step() override;
  // Unless the user named it: mover's name, "→", target's name.
  void UpdateLabel() override;
  QString GetDescription() override;

  // +1 or -1: the way the line and circle modes last came nearer (not
  // stored; it keeps its sign between runs).
  int m_nClimb = 1;

 private:
  bool StepStraight(CGVertex& mover, const float target[3], int axes);
  bool StepClimb(CGVertex& mover, const float target[3]);
  bool StepAlongCurve(CGVertex& mover, const float target[3]);
  bool StepAlongLocus(CGVertex& mover, const float target[3]);
  bool StepInFace(CGVertex& mover, const float target[3]);
  bool StepInPlane(CGVertex& mover, const float target[3]);
  bool StepRoundBorder(CGVertex& mover, const float target[3]);
};
