// Where a move button in a face or a plane heads for, and its straight
// step there.
#pragma once

// The target's projection on the plane of k0, k1, k2 (in double).  With
// the three in a line (|(k0 - k1) x (k2 - k1)|^2 < 1e-5) its foot on their
// line instead: the line through k1 along k2 - k1 when k0 and k1 coincide,
// else through k0 along k1 - k0; a line too short to give a foot gives its
// base point.
void PlaneGoal(const float k0[3], const float k1[3], const float k2[3], const float target[3], float goal[3]);

// From `from` one step of `speed` towards `goal`, or onto it when it lies
// within the step (`reachAtStep`: a goal exactly one step away counts as
// within).  `out` may be `from`.  True when the goal was reached.
bool StepToward(const float from[3], const float goal[3], float speed, bool reachAtStep, float out[3]);
