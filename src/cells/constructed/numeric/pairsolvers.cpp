// Two curves or loci crossing in one horizontal plane: each piece of the
// first carrier is crossed with the second carrier's polyline, at most one
// root per piece, in the order of the first carrier's pieces.  Pieces at
// least the piece limit long are gaps (a break of the curve, a missing
// stretch of a locus).  Nothing is sampled again, so no locus moves.
#include <cmath>

#include "cells/constructed/numeric/carrierviews.h"
#include "cells/constructed/numeric/curvesolvers.h"
#include "cells/constructed/numeric/rootcache.h"
#include "cells/constructed/numeric/solverlookup.h"
#include "platform/processstate.h"

namespace {

RootCache g_curveCurveRoots, g_locusLocusRoots, g_curveLocusRoots;
const ProcessStateReset reset([] {
  g_curveCurveRoots.Clear();
  g_locusLocusRoots.Clear();
  g_curveLocusRoots.Clear();
});

constexpr double kGap = 10.0;

// Crossing every piece of one carrier with every sample of the other costs
// the product of their sample counts.  Carriers dense past this bound (two
// curves of some 4,500 samples each; a curve may have a million) find no
// root rather than hold the program for minutes or hours.
constexpr long long kCrossingBudget = 20'000'000;

// The z of the carrier's first existing sample (a locus may start where
// its traced point is missing); 0 without one.
template <class Carrier>
double FirstHeight(const Carrier& c) {
  for (int i = 0; i < c.n; ++i)
    if (!Carrier::Missing(c.Sample(i))) return c.Sample(i)[2];
  return 0;
}

// The plane both carriers lie in (within 1e-4), false when there is none.
// Two curves flat by their expressions lie in z = 0 unlooked.
template <class First, class Second>
bool CommonHeight(const First& a, const Second& b, double& z) {
  if (a.FlatByExpression() && b.FlatByExpression()) {
    z = 0;
    return true;
  }
  z = FirstHeight(b);
  return std::fabs(z - FirstHeight(a)) < 1e-4 && AllAtHeight(a, z) && AllAtHeight(b, z);
}

// 2D cross product a x b.
double Cross(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

// Where the piece P0 P1 first meets the second carrier's polyline.
template <class Second, class Real>
bool CrossPiece(const Real* P0, const Real* P1, const Second& b, double z, RootCache& roots) {
  const double d1x = P1[0] - P0[0], d1y = P1[1] - P0[1];
  const double d1 = std::sqrt(d1x * d1x + d1y * d1y);
  int s = 0;
  for (int j = 0; j < b.n; ++j) {
    const auto* Q = b.Sample(j);
    const double qx = Q[0] - P1[0], qy = Q[1] - P1[1];
    const double c = Cross(qx, qy, d1x, d1y) / d1;
    if (std::fabs(c) < 1e-5) {
      const double before = (Q[0] - P0[0]) * d1x + (Q[1] - P0[1]) * d1y;
      const double after = qx * d1x + qy * d1y;
      if (before * after <= 0) {
        roots.Add(Q[0], Q[1], z);
        return true;
      }
      s = 0;
      continue;
    }
    if (s != 0 && s * c < 0) {
      const auto* R = b.Sample(j - 1);
      const double d2x = Q[0] - R[0], d2y = Q[1] - R[1];
      if (d2x * d2x + d2y * d2y < kGap) {
        const double sigma = Cross(qx, qy, d2x, d2y) / Cross(d1x, d1y, d2x, d2y);
        if (sigma >= -1 && sigma <= 0) {
          roots.Add(P1[0] + sigma * d1x, P1[1] + sigma * d1y, z);
          return true;
        }
      }
    }
    s = Sign(c);
  }
  return false;
}

template <class First, class Second>
void CrossCarriers(const First& a, const Second& b, RootCache& roots) {
  double z;
  if (!CommonHeight(a, b, z)) return;
  for (int i = 1; i < a.n && !roots.Full(); ++i) {
    const double piece = PieceLength2(a, i, true);
    // A piece without length has no line to cross.
    if (piece > kGap || !(piece > 0)) continue;
    CrossPiece(a.Sample(i - 1), a.Sample(i), b, z, roots);
  }
}

template <class FirstCell, class First, class SecondCell, class Second>
int IntersectPair(RootCache& cache, WORD firstId, WORD secondId, int k, float out[3]) {
  if (cache.Answers(firstId, secondId, k)) return cache.Result(k, out);
  FirstCell* first = DefinedCell<FirstCell>(firstId);
  SecondCell* second = first ? DefinedCell<SecondCell>(secondId) : nullptr;
  if (!second) return 0;
  const First a(*first);
  const Second b(*second);
  if (a.n < 2 || b.n < 1 || static_cast<long long>(a.n) * b.n > kCrossingBudget) return 0;
  CrossCarriers(a, b, cache);
  return cache.Result(k, out);
}

}  // namespace

int IntersectCurveCurve(WORD curve1, WORD curve2, int k, float out[3]) {
  return IntersectPair<CGCurve, CurveCarrier, CGCurve, CurveCarrier>(g_curveCurveRoots, curve1, curve2, k, out);
}

int IntersectLocusLocus(WORD locus1, WORD locus2, int k, float out[3]) {
  return IntersectPair<CGLocus, LocusCarrier, CGLocus, LocusCarrier>(g_locusLocusRoots, locus1, locus2, k, out);
}

int IntersectCurveLocus(WORD curve, WORD locus, int k, float out[3]) {
  return IntersectPair<CGCurve, CurveCarrier, CGLocus, LocusCarrier>(g_curveLocusRoots, curve, locus, k, out);
}
