// The solvers of curve and locus pairs over the scan of pairscan.h, each
// with its root cache.
#include <cmath>

#include "cells/constructed/numeric/curvesolvers.h"
#include "cells/constructed/numeric/pairscan.h"
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

template <class First, class Second>
void CrossCarriers(const First& a, const Second& b, RootCache& roots) {
  double z;
  if (CommonHeight(a, b, z)) ScanBoxed(a, b, z, roots);
}

template <class FirstCell, class First, class SecondCell, class Second>
int IntersectPair(RootCache& cache, WORD firstId, WORD secondId, int k, float out[3]) {
  if (cache.Answers(firstId, secondId, k)) return cache.Result(k, out);
  FirstCell* first = DefinedCell<FirstCell>(firstId);
  SecondCell* second = first ? DefinedCell<SecondCell>(secondId) : nullptr;
  if (!second) return 0;
  const First a(*first);
  const Second b(*second);
  if (a.n < 2 || b.n < 1) return 0;
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
