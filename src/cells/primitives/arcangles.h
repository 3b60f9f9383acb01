// Angle arithmetic of circles and arcs: reducing angles to one turn, where
// a direction lies relative to an arc, and how finely an arc is drawn.
#pragma once

inline constexpr double kTwoPi = 6.283185307179586;

// A span this far above the float full turn still counts as one turn.
inline constexpr float kArcSpanTolerance = 1e-4f;

// a minus 2 pi times k, k being the integer part of a / 2 pi (toward zero),
// one less for a negative angle.  Angles so large that this cancels away
// their digits are reduced exactly instead, so the result is always within
// [0, 2 pi] for a finite angle.
double ReduceAngle(double a);

// An angle reduced as ReduceAngle does, rounded to float and kept below the
// float full turn (2 pi rounds up to it, and it must read as 0 + a turn).
float ReduceStartAngle(float a);

// Brings an angular range into the form every arc keeps: the start within
// [0, 2 pi), the end at or above it.  A range spanning no more than one float
// turn keeps its span (a full turn stays full) and is only turned by whole
// turns; any other range has both ends reduced and the end raised by a float
// turn when it falls below the start.  A range in that form is left exactly
// as it is, so storing and reading it again changes no byte.
void NormalizeArcRange(float& start, float& end);

// Where direction `a` lies on the arc from start to end: rel is its angle
// past the start, span the arc's angle, both within one turn.  A span of a
// full turn (the default range) stays full rather than reducing to nearly 0.
struct ArcPosition {
  double rel;
  double span;
  bool outside = false;      // beyond the arc
  bool nearerStart = false;  // beyond it and nearer the start than the end
  // rel / span, 0 or 1 for a direction beyond the arc, 0 for an arc of no span.
  double Parameter() const;
};
ArcPosition PositionOnArc(double a, float start, float end);

// Steps of an arc outline: one per 0.1 radian, at least 4 and, for spans
// only a damaged range could give, at most kMaxArcSegments.
inline constexpr int kMaxArcSegments = 1000;
int ArcSegmentCount(float span);
