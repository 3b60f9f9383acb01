// What the numeric solvers read of a curve or a locus: the samples, their
// count, the parameter of sample i (t0 + i h), sampling at any parameter,
// the longest piece that still counts as joined, and whether the curve is
// known to be flat without looking at its samples.  A curve works in
// double; a locus in single precision, and sampling it moves its driver,
// which Restore puts back.  The refinements shared by the solvers follow.
#pragma once
#include <cmath>
#include <cstddef>

#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/paths/locus.h"

// The x of a locus sample where the traced point does not exist.
inline constexpr float kMissingSample = 1e38f;

inline int Sign(double x) { return x > 0 ? 1 : -1; }

// The refinements give up after this many halvings, whatever the step: a
// step that is no finite number must not keep them going.
inline constexpr int kMaxHalvings = 200;

// A window search (below) samples a piece in passes, each at most this
// many distinct parameters: four, then eight over a window eight steps
// wide, one more where rounding moves the window's ends.
inline constexpr int kPassSamples = 10;

// How many passes a window search over a piece of parameter length h
// runs when it finds nothing: one for each quartering of the step from
// h / 4 while the step stays above 1e-8.
template <class Real>
int SearchPasses(Real h) {
  int passes = 0;
  for (Real delta = h * Real(0.25); passes < kMaxHalvings && std::fabs(delta) > 1e-8; delta *= Real(0.25)) ++passes;
  return passes;
}

// Window searches sample a carrier between its stored samples, dozens of
// samples a piece.  A dense carrier that hugs a line or a sphere (or winds
// past it with long pieces) starts one at most of its pieces: a hundred
// million samples, seconds on every recalculation.  The window searches of
// one solve sample at most what searches over every piece of a carrier of
// kSearchPieces samples could, whatever the carrier does; a solve that
// samples more takes its carrier as hugging and finds no root, since a
// partial list would number the roots apart from the whole one.  So every
// carrier of up to kSearchPieces samples keeps its roots, however close it
// runs to the line before crossing it, and a denser one that hugs gives up
// after about that many searches.  A crossing's bisection halves the piece
// down to the step limit, a few dozen samples at most, and is not counted.
inline constexpr long long kSearchPieces = 100'000;

class SearchBudget {
 public:
  bool Spent() const { return m_nLeft < 0; }
  // One more sample of a window search.
  void Sampling() { --m_nLeft; }

 protected:
  // Pieces of parameter length h.
  template <class Real>
  void SetPiece(Real h) {
    m_nLeft = kSearchPieces * kPassSamples * SearchPasses(h);
  }

 private:
  long long m_nLeft = 0;
};

class CurveCarrier : public SearchBudget {
 public:
  using Real = double;
  explicit CurveCarrier(CGCurve& curve)
      : m_curve(curve),
        n(curve.SampleCount >= 2 && curve.Samples.size() >= 3 * static_cast<std::size_t>(curve.SampleCount)
              ? curve.SampleCount
              : 0),
        t0(curve.ParamStart),
        h(n >= 2 ? (curve.ParamEnd - curve.ParamStart) / (n - 1) : 0) {
    SetPiece(h);
  }
  const double* Sample(int i) const { return m_curve.Samples.data() + 3 * static_cast<std::size_t>(i); }
  static bool Missing(const double*) { return false; }
  void At(double t, double out[3]) { m_curve.SampleAt(out, nullptr, t); }
  // The break distance squared, or 16 when it is no distance.
  double PieceLimit() const {
    const float d = m_curve.BreakDistance();
    return d > 1e-6f ? static_cast<double>(d) * d : 16.0;
  }
  // z is 0 by its expression, in a form that keeps it so.
  bool FlatByExpression() const { return m_curve.ZExpression == QLatin1String("0") && m_curve.Form() != 1; }
  // A sample on the line leaves the line solver's crossing sign at its own
  // side, so a following sample on the other side starts a bisection.
  static constexpr bool kSignAfterOnLine = true;
  void Restore() {}

 private:
  CGCurve& m_curve;

 public:
  const int n;
  const double t0, h;
};

class LocusCarrier : public SearchBudget {
 public:
  using Real = float;
  explicit LocusCarrier(CGLocus& locus)
      : m_locus(locus),
        m_kept(locus.DriverValue()),
        n(locus.SampleCount >= 2 && locus.Samples.size() >= 3 * static_cast<std::size_t>(locus.SampleCount)
              ? locus.SampleCount
              : 0),
        t0(locus.ParamStart),
        h(n >= 2 ? (locus.ParamEnd - locus.ParamStart) / static_cast<float>(n - 1) : 0) {
    SetPiece(h);
  }
  const float* Sample(int i) const { return m_locus.Samples.data() + 3 * static_cast<std::size_t>(i); }
  static bool Missing(const float* s) { return s[0] >= kMissingSample; }
  void At(float t, float out[3]) { m_locus.SampleAt(out, nullptr, t); }
  static double PieceLimit() { return 10.0; }
  static bool FlatByExpression() { return false; }
  static constexpr bool kSignAfterOnLine = false;
  // The driver back at its value, the chain recalculated from it.
  void Restore() {
    float scratch[3];
    m_locus.SampleAt(scratch, nullptr, m_kept);
  }

 private:
  CGLocus& m_locus;
  const float m_kept;

 public:
  const int n;
  const float t0, h;
};

// Every existing sample lies within 1e-4 of height z.
template <class Carrier>
bool AllAtHeight(const Carrier& c, double z) {
  for (int i = 0; i < c.n; ++i) {
    const auto* s = c.Sample(i);
    if (!Carrier::Missing(s) && !(std::fabs(s[2] - z) <= 1e-4)) return false;
  }
  return true;
}

// The squared length of the piece from sample i - 1 to i, in x and y only
// (`flat`) or in space.
template <class Carrier>
double PieceLength2(const Carrier& c, int i, bool flat) {
  const auto *a = c.Sample(i - 1), *b = c.Sample(i);
  const double dx = b[0] - a[0], dy = b[1] - a[1], dz = flat ? 0.0 : b[2] - a[2];
  return dx * dx + dy * dy + dz * dz;
}

// Whether the sample i, whose signed side is `side` under the crossing
// state s, starts no refinement: no crossing (s is 0, as at the first
// sample, or the sides agree) or a gap (a piece at least `limit` long, or
// of no finite length where the carrier does not exist, as at a pole).
// The state is tested first: at the first sample there is no piece to read,
// and a side that is not finite there makes s x side no number.
template <class Carrier>
bool NoCrossing(const Carrier& c, int i, int s, double side, double limit) {
  return s == 0 || s * side >= 0 || !(PieceLength2(c, i, true) < limit);
}

// The shrinking window over the piece before sample i (parameter ti): its
// parameter range is sampled in steps of a quarter, the window narrowed
// round the smallest distance found and the step quartered, until the
// distance falls below `enough` (true, the parameter in tb) or the step
// falls to 1e-8.  `best` starts as the distance at ti.  A parameter equal
// to the one before is not sampled again.
template <class Carrier, class Distance>
bool WindowSearch(Carrier& c, int i, double best, double enough, Distance distance, typename Carrier::Real& tb) {
  using Real = typename Carrier::Real;
  const Real h = c.h;
  const Real ti = c.t0 + static_cast<Real>(i) * h;
  const Real ta = ti - h;
  Real lo = ta, hi = ti;
  Real delta = h * Real(0.25);
  tb = ti;
  Real p[3];
  for (int pass = 0; pass < kMaxHalvings && std::fabs(delta) > 1e-8; ++pass) {
    // Counted steps: a step too small to move t in single precision ends.
    Real last = hi;
    for (int j = 0, taken = 0; j < 64 && taken < kPassSamples; ++j) {
      const Real t = lo + static_cast<Real>(j) * delta;
      if (!(h > 0 ? t < hi : t > hi)) break;
      if (t == last) continue;
      last = t;
      ++taken;
      c.Sampling();
      c.At(t, p);
      const double d = distance(p);
      if (d < best) {
        best = d;
        tb = t;
      }
    }
    if (best < enough) return true;
    if (!(std::fabs(tb - ta) <= 1e-8)) lo = tb - delta;
    if (!(std::fabs(tb - ti) <= 1e-8)) hi = tb + delta;
    delta *= Real(0.25);
  }
  return false;
}

// Bisection over the piece before sample i: `side` gives the signed
// quantity at a point (root where |side| < `root`), positive `si` at the
// piece's end.  Calls found(p) with the root, or with the last midpoint
// when the step ran out; nothing when no midpoint was sampled at all.
// `stop(p)` may end it early with its own root.
template <class Carrier, class Side, class Found, class Stop>
void Bisect(Carrier& c, int i, int si, double root, Side side, Found found, Stop stop) {
  using Real = typename Carrier::Real;
  Real hi = c.t0 + static_cast<Real>(i) * c.h;
  Real lo = hi - c.h;
  Real step = c.h;
  Real p[3];
  bool sampled = false;
  for (int k = 0; k < kMaxHalvings && std::fabs(step) > 1e-8; ++k) {
    step *= Real(0.5);
    const Real mid = (lo + hi) * Real(0.5);
    c.At(mid, p);
    sampled = true;
    if (stop(p)) return;
    const double f = side(p);
    if (std::fabs(f) < root) return found(p);
    if (si * f > 0) hi = mid;
    else lo = mid;
  }
  if (sampled) found(p);
}
