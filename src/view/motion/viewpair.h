// The view's own rotate and translate buttons: the view fills them for its
// animated transitions (the turn and shift onto a face's plane) and steps
// them on timer job 4.
#pragma once
#include "cells/dynamic/buttons/viewbuttons.h"

struct CViewTransition;

class CViewPair {
 public:
  // The turn from the transition's start rotation to its target (the
  // relative rotation's axis and angle, folded into (-180, 180] degrees)
  // and the shift from its start translation to its target, both over two
  // seconds; the next tick starts them.
  void Fill(const CViewTransition& transition);
  // One tick: the rotate button, then, only while it has not finished, the
  // translate button.  True when either finished; the view then shows the
  // exact target translation, which the translate button would reach only
  // on the tick it is no longer stepped.  A pair not filled since its last
  // transition ends at once and changes nothing.
  bool Step();

  CGButnRotate rotate;
  CGButnTranslate translate;

 private:
  bool m_bFilled = false;
};

// Seconds a view transition takes.
inline constexpr float kTransitionSeconds = 2.0f;
