#include "cells/dynamic/buttons/movegoals.h"

#include <cmath>

#include "math/widevector.h"

using kvmath::Cross;
using kvmath::Diff;
using kvmath::Dot;
using kvmath::Norm2;
using kvmath::WideVec;

namespace {
constexpr double kFlat = 1e-5;

// The foot of p on the line through base along dir (base itself for a
// line too short).
void FootAlong(const float base[3], const WideVec& dir, const float p[3], float out[3]) {
  const double length2 = Norm2(dir);
  const double t = length2 < kFlat ? 0.0 : Dot(Diff(p, base), dir) / length2;
  kvmath::StoreAlong(base, t, dir, out);
}
}  // namespace

void PlaneGoal(const float k0[3], const float k1[3], const float k2[3], const float target[3], float goal[3]) {
  const WideVec u = Diff(k0, k1), v = Diff(k2, k1);
  const WideVec n = Cross(u, v);
  const double n2 = Norm2(n);
  if (n2 < kFlat) {
    if (Norm2(u) < kFlat)
      FootAlong(k1, v, target, goal);
    else
      FootAlong(k0, Diff(k1, k0), target, goal);
    return;
  }
  kvmath::StoreAlong(target, -Dot(Diff(target, k1), n) / n2, n, goal);
}

bool StepToward(const float from[3], const float goal[3], float speed, bool reachAtStep, float out[3]) {
  const WideVec d = Diff(goal, from);
  const double length = std::sqrt(Norm2(d));
  const bool reached = reachAtStep ? speed >= length : speed > length;
  if (reached) {
    kvmath::Store3(goal, out);
  } else {
    kvmath::StoreAlong(from, speed / length, d, out);
  }
  return reached;
}
