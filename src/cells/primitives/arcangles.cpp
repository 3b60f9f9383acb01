#include "cells/primitives/arcangles.h"

#include <cmath>

#include "cells/primitives/cgarc.h"

double ReduceAngle(double a) {
  double k = std::trunc(a / kTwoPi);
  if (a < 0) k -= 1;
  double r = a - k * kTwoPi;
  if (!(r >= 0 && r <= kTwoPi)) {
    r = std::fmod(a, kTwoPi);
    if (r < 0) r += kTwoPi;
  }
  return r;
}

float ReduceStartAngle(float a) {
  float r = static_cast<float>(ReduceAngle(a));
  if (r >= kArcFullTurn) r = static_cast<float>(ReduceAngle(r));
  return r;
}

void NormalizeArcRange(float& start, float& end) {
  const float span = end - start;
  if (span >= 0 && span <= kArcFullTurn + kArcSpanTolerance) {
    if (start >= 0 && start < kArcFullTurn) return;
    start = ReduceStartAngle(start);
    end = start + span;
    return;
  }
  start = ReduceStartAngle(start);
  end = static_cast<float>(ReduceAngle(end));
  if (end < start) end += kArcFullTurn;
}

ArcPosition PositionOnArc(double a, float start, float end) {
  ArcPosition pos{ReduceAngle(a - start), static_cast<double>(end) - start};
  if (pos.span < 0 || pos.span > kArcFullTurn + kArcSpanTolerance) pos.span = ReduceAngle(pos.span);
  if (pos.rel > pos.span) {
    pos.outside = true;
    pos.nearerStart = 2 * pos.rel - pos.span >= kTwoPi;
    pos.rel = pos.nearerStart ? 0 : pos.span;
  }
  return pos;
}

double ArcPosition::Parameter() const {
  if (outside) return nearerStart ? 0 : 1;
  return span > 0 ? rel / span : 0;
}

int ArcSegmentCount(float span) {
  const double steps = static_cast<double>(span) / 0.1;
  if (!(steps > 4)) return 4;  // also a span that is not a number
  if (steps >= kMaxArcSegments) return kMaxArcSegments;
  return static_cast<int>(steps);
}
