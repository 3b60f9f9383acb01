// Two curves or loci crossing in one horizontal plane: each piece of the
// first carrier is crossed with the second carrier's polyline, at most one
// root per piece, in the order of the first carrier's pieces.  Pieces at
// least the piece limit long are gaps (a break of the curve, a missing
// stretch of a locus).  Nothing is sampled again, so no locus moves.
//
// The plain scan would try every sample of the second carrier against every
// piece of the first and keep, for each piece, the first sample that gives
// a root.  The boxed scan gives exactly its roots, in its order: it tries
// only the samples in runs whose boxes come near the piece, in the same
// order, and a sample that gives a root always lies near the piece.
#pragma once
#include <algorithm>
#include <cmath>

#include "cells/constructed/numeric/carrierviews.h"
#include "cells/constructed/numeric/rootcache.h"
#include "math/runboxes.h"

inline constexpr double kPairGap = 10.0;

// 2D cross product a x b.
inline double CrossXY(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

// The piece P0 P1 of the first carrier against the samples Q of the second.
template <class Real, class Second>
class PieceCrossing {
 public:
  PieceCrossing(const Real* p0, const Real* p1, const Second& b)
      : P0(p0), P1(p1), m_b(b), d1x(P1[0] - P0[0]), d1y(P1[1] - P0[1]), d1(std::sqrt(d1x * d1x + d1y * d1y)) {}

  // Whether sample j gives the root, added at height z: it lies on the
  // piece, or the second carrier's piece ending at j crosses it.  The side
  // the scan carries to j is that of sample j - 1: none at the first
  // sample, or after a sample on the piece's line.
  bool RootAt(int j, double z, RootCache& roots) const {
    const auto* Q = m_b.Sample(j);
    const double qx = Q[0] - P1[0], qy = Q[1] - P1[1];
    const double c = CrossXY(qx, qy, d1x, d1y) / d1;
    if (std::fabs(c) < 1e-5) {
      const double before = (Q[0] - P0[0]) * d1x + (Q[1] - P0[1]) * d1y;
      const double after = qx * d1x + qy * d1y;
      if (before * after > 0) return false;
      roots.Add(Q[0], Q[1], z);
      return true;
    }
    if (j == 0) return false;
    const auto* R = m_b.Sample(j - 1);
    const double side = Side(R);
    if (std::fabs(side) < 1e-5 || !(Sign(side) * c < 0)) return false;
    const double d2x = Q[0] - R[0], d2y = Q[1] - R[1];
    if (!(d2x * d2x + d2y * d2y < kPairGap)) return false;
    const double sigma = CrossXY(qx, qy, d2x, d2y) / CrossXY(d1x, d1y, d2x, d2y);
    if (!(sigma >= -1 && sigma <= 0)) return false;
    roots.Add(P1[0] + sigma * d1x, P1[1] + sigma * d1y, z);
    return true;
  }

  // Where a sample or a crossing that gives a root can lie: on the piece
  // or within 1e-5 of it, grown for the rounding of the tests, which
  // grows with the coordinates.
  Box2 Reach() const {
    Box2 box;
    box.Take(P0[0], P0[1]);
    box.Take(P1[0], P1[1]);
    const double scale =
        std::max({std::fabs(box.lo[0]), std::fabs(box.hi[0]), std::fabs(box.lo[1]), std::fabs(box.hi[1])});
    box.Grow(1e-4 + 1e-9 * scale);
    return box;
  }

 private:
  template <class Q>
  double Side(const Q* q) const {
    const double qx = q[0] - P1[0], qy = q[1] - P1[1];
    return CrossXY(qx, qy, d1x, d1y) / d1;
  }

  const Real *P0, *P1;
  const Second& m_b;
  const double d1x, d1y, d1;
};

// A piece of the first carrier with a line to cross: shorter than the
// gap, and of some length.
template <class First>
bool Crossable(const First& a, int i) {
  const double piece = PieceLength2(a, i, true);
  return !(piece > kPairGap) && piece > 0;
}

// Each sample of the second carrier where a root can stand: the sample,
// and the piece ending there when it is no gap.
template <class Second>
RunBoxes SampleReaches(const Second& b) {
  return RunBoxes(b.n, [&b](int j, Box2& box) {
    const auto* Q = b.Sample(j);
    if (!(std::isfinite(Q[0]) && std::isfinite(Q[1]))) return;
    box.Take(Q[0], Q[1]);
    if (j == 0) return;
    const auto* R = b.Sample(j - 1);
    const double d2x = Q[0] - R[0], d2y = Q[1] - R[1];
    if (d2x * d2x + d2y * d2y < kPairGap) box.Take(R[0], R[1]);
  });
}

// Carriers that come near each other along the whole of their length
// (one retracing the other many times over) still try every sample of one
// against every piece of the other.  A scan that tries this many finds no
// root rather than hold the program for minutes.
inline constexpr long long kCrossingBudget = 20'000'000;

template <class First, class Second>
void ScanBoxed(const First& a, const Second& b, double z, RootCache& roots) {
  const RunBoxes reaches = SampleReaches(b);
  long long tried = 0;
  for (int i = 1; i < a.n && !roots.Full(); ++i) {
    if (!Crossable(a, i)) continue;
    const PieceCrossing piece(a.Sample(i - 1), a.Sample(i), b);
    reaches.First(piece.Reach(), [&](int j) { return piece.RootAt(j, z, roots) || ++tried > kCrossingBudget; });
    if (tried > kCrossingBudget) return roots.Forget();
  }
}
