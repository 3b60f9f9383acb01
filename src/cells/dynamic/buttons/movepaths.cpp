// The move button's modes along a path: climbing a line's or circle's
// parameter, and the nearest sample with a fine search on curves and loci.
#include <algorithm>
#include <cmath>

#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/dynamic/buttons/movebutton.h"
#include "cells/dynamic/paths/pathpoints.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "cells/primitives/cgverfreeinline.h"
#include "math/widevector.h"

using kvmath::Diff;
using kvmath::Dot;
using kvmath::Norm2;
using kvmath::WideVec;

namespace {

double Distance2(const float a[3], const float b[3]) { return Norm2(Diff(a, b)); }

template <class Real>
Real SampleDistance2(const Real* s, const float t[3]) {
  const Real dx = s[0] - t[0], dy = s[1] - t[1], dz = s[2] - t[2];
  return dx * dx + dy * dy + dz * dz;
}

// The path parameter one tick further along a sampled path from t0 to t1:
// a speed's step towards the parameter of the sample nearest to the
// target, or, within a speed of it, the best parameter of a fine search
// over the sample spacing either side of it (then true).  The fine step is
// a thousandth of the speed, widened only as far as keeps the search within
// the evaluation cap.
template <class Real, class Sample>
bool SearchPath(float& p, float speed, int n, const Real* samples, Real t0, Real t1, const float target[3],
                Sample sampleAt) {
  Real best = static_cast<Real>(1e30);
  int nearest = 0;
  for (int i = 0; i < n; ++i) {
    const Real d = SampleDistance2(samples + 3 * i, target);
    if (d < best) best = d, nearest = i;
  }
  const Real spacing = n > 1 ? (t1 - t0) / static_cast<Real>(n - 1) : Real(0);
  const Real around = t0 + static_cast<Real>(nearest) * spacing;
  if (p - speed > around) {
    p -= speed;
    return false;
  }
  if (around > p + speed) {
    p += speed;
    return false;
  }
  const Real reach = std::fabs(spacing);
  const Real from = std::max(around - reach, std::min(t0, t1));
  const Real to = std::min(around + reach, std::max(t0, t1));
  Real step = static_cast<Real>(speed) / Real(1000);
  if ((to - from) / step > Real(CGButnMove::kMaxFineEvaluations))
    step = (to - from) / Real(CGButnMove::kMaxFineEvaluations);
  Real bestT = around;
  for (int j = 0; j <= CGButnMove::kMaxFineEvaluations; ++j) {
    const Real t = from + static_cast<Real>(j) * step;
    if (!(t < to)) break;
    Real at[3] = {0, 0, 0};
    sampleAt(at, t);
    if (const Real d = SampleDistance2(at, target); d < best) best = d, bestT = t;
  }
  p = static_cast<float>(bestT);
  return true;
}

}  // namespace

bool CGButnMove::StepClimb(CGVertex& mover, const float target[3]) {
  auto* circle = m_nSubKind == kRoundCircle ? dynamic_cast<CGVerFreeInCircle*>(&mover) : nullptr;
  if (!circle && !(m_nSubKind == kAlongLine && dynamic_cast<CGVerFreeInLine*>(&mover))) return true;
  float& p = mover.m_fValue;
  const float start = p;
  const float h = static_cast<float>(m_nClimb) * 0.5f * m_fSpeed;
  const double before = Distance2(mover.m_vPos, target);
  const auto placeAt = [&](float q) {
    p = q;
    mover.ApplyParameter();
    return Distance2(mover.m_vPos, target);
  };
  if (placeAt(start + 2 * h) < before) {
    p = start + h;
    return false;
  }
  if (placeAt(start - 2 * h) < before) {
    m_nClimb = -m_nClimb;
    p = start - h;
    return false;
  }
  // Neither way comes nearer: the nearest place lies within this step.
  const float pa = start - h;
  placeAt(pa);
  const float a[3] = {mover.m_vPos[0], mover.m_vPos[1], mover.m_vPos[2]};
  if (!circle) {
    const float pb = start + h;
    placeAt(pb);
    const WideVec u = Diff(mover.m_vPos, a);
    const double u2 = Norm2(u);
    // A line of no length has no foot: the point stays.
    p = u2 > 0 ? static_cast<float>(pa + Dot(Diff(target, a), u) / u2 * (pb - pa)) : start;
    return true;
  }
  const WideVec n = kvmath::Cross(kvmath::Widen(circle->AxisU), kvmath::Widen(circle->AxisV));
  WideVec t = Diff(target, circle->Center);
  if (const double n2 = Norm2(n); n2 > 0) {
    const double k = Dot(t, n) / n2;
    t = {t.x - k * n.x, t.y - k * n.y, t.z - k * n.z};
  }
  const WideVec am = Diff(a, circle->Center);
  const double product = Norm2(am) * Norm2(t);
  // A target over the centre (or a mover on it) gives no direction.
  if (std::fabs(product) < 1e-5) {
    p = start;
    return true;
  }
  float angle = std::acos(static_cast<float>(Dot(am, t) / std::sqrt(product)));
  if (!std::isfinite(angle)) angle = 0;
  p = h > 0 ? pa + angle : pa - angle;
  return true;
}

bool CGButnMove::StepAlongCurve(CGVertex& mover, const float target[3]) {
  auto* point = dynamic_cast<CGVerFreeInCurve*>(&mover);
  CGCurve* curve = point ? point->ParentAs<CGCurve>(0) : nullptr;
  if (!curve || curve->SampleCount < 1 || curve->Samples.size() < 3u * curve->SampleCount) return true;
  return SearchPath<double>(mover.m_fValue, m_fSpeed, curve->SampleCount, curve->Samples.data(), curve->ParamStart,
                            curve->ParamEnd, target,
                            [curve](double out[3], double t) { curve->SampleAt(out, nullptr, t); });
}

bool CGButnMove::StepAlongLocus(CGVertex& mover, const float target[3]) {
  auto* point = dynamic_cast<CGVerFreeInLocus*>(&mover);
  CGLocus* locus = point ? point->ParentAs<CGLocus>(0) : nullptr;
  if (!locus || locus->SampleCount < 1 || locus->Samples.size() < 3u * locus->SampleCount) return true;
  const float kept = locus->DriverValue();
  const bool done = SearchPath<float>(mover.m_fValue, m_fSpeed, locus->SampleCount, locus->Samples.data(),
                                      locus->ParamStart, locus->ParamEnd, target,
                                      [locus](float out[3], float t) { locus->SampleAt(out, nullptr, t); });
  // The search moved the driver and its chain: they go back.
  if (done) {
    float scratch[3];
    locus->SampleAt(scratch, nullptr, kept);
  }
  return done;
}
