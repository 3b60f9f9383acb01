// A circle with a curve or a locus (every circle-type cell counts as its
// whole circle).  With a horizontal circle and the carrier in its plane the
// signed distance from the circle in x, y changes sign at a crossing,
// which bisection refines; otherwise a piece that comes closer to the
// circle's sphere than its own length is searched with a shrinking window,
// and a point near the sphere is a root when it also lies in the circle's
// plane.  Roots stay in the order found along the carrier.
#include <cmath>

#include "cells/constructed/numeric/carrierviews.h"
#include "cells/constructed/numeric/curvesolvers.h"
#include "cells/constructed/numeric/rootcache.h"
#include "cells/constructed/numeric/solverlookup.h"
#include "cells/primitives/cgarc.h"
#include "platform/processstate.h"

namespace {

RootCache g_circleCurveRoots, g_circleLocusRoots;
const ProcessStateReset reset([] {
  g_circleCurveRoots.Clear();
  g_circleLocusRoots.Clear();
});

class CircleRoots {
 public:
  CircleRoots(const CGArc& circle, RootCache& roots) : c(circle.Center), r(circle.Radius), m_roots(roots) {
    const float *u = circle.AxisU, *v = circle.AxisV;
    m_normal[0] = static_cast<double>(u[1]) * v[2] - static_cast<double>(u[2]) * v[1];
    m_normal[1] = static_cast<double>(u[2]) * v[0] - static_cast<double>(u[0]) * v[2];
    m_normal[2] = static_cast<double>(u[0]) * v[1] - static_cast<double>(u[1]) * v[0];
    m_horizontal = std::fabs(u[2]) < 1e-5 && std::fabs(v[2]) < 1e-5;
  }

  template <class Carrier>
  void Solve(Carrier& k) {
    const bool flat = (k.FlatByExpression() && std::fabs(c[2]) < 1e-5) || AllAtHeight(k, c[2]);
    if (m_horizontal && flat) Planar(k);
    else Spatial(k);
    if (k.Spent()) m_roots.Forget();
  }

 private:
  template <class Real>
  void Add(const Real* p) {
    m_roots.Add(p[0], p[1], p[2]);
  }
  // Signed distance from the circle in x, y.
  template <class Real>
  double FlatSide(const Real* p) const {
    const double dx = p[0] - c[0], dy = p[1] - c[1];
    return std::sqrt(dx * dx + dy * dy) - r;
  }
  // Signed distance from the circle's sphere.
  template <class Real>
  double SphereSide(const Real* p) const {
    const double d[3] = {p[0] - c[0], p[1] - c[1], p[2] - c[2]};
    return std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]) - r;
  }
  // Near the circle's plane: the normal is u x v, not of unit length, so
  // the tolerance grows with the radius squared.
  template <class Real>
  bool InPlane(const Real* p) const {
    const double d[3] = {p[0] - c[0], p[1] - c[1], p[2] - c[2]};
    return std::fabs(m_normal[0] * d[0] + m_normal[1] * d[1] + m_normal[2] * d[2]) < 0.01;
  }

  template <class Carrier>
  void Planar(Carrier& k) {
    int s = 0;
    for (int i = 0; i < k.n && !m_roots.Full() && !k.Spent(); ++i) {
      const auto* p = k.Sample(i);
      const double f = FlatSide(p);
      if (std::fabs(f) < 1e-5) {
        Add(p);
        s = 0;
      }
      if (NoCrossing(k, i, s, f, 10.0)) {
        s = Sign(f);
        continue;
      }
      const int si = Sign(f);
      Bisect(
          k, i, si, 1e-5, [this](const auto* q) { return this->FlatSide(q); }, [this](const auto* q) { this->Add(q); },
          [](const auto*) { return false; });
      s = si;
    }
  }

  template <class Carrier>
  void Spatial(Carrier& k) {
    using Real = typename Carrier::Real;
    double prev = SphereSide(k.Sample(0));
    for (int i = 1; i < k.n && !m_roots.Full() && !k.Spent(); ++i) {
      const Real ti = k.t0 + static_cast<Real>(i) * k.h;
      const auto* p = k.Sample(i);
      const double D = std::fabs(SphereSide(p));
      if (D < 1e-4) {
        if (InPlane(p)) {
          Add(p);
          prev = 1e30;
        }
        continue;
      }
      const double piece = std::sqrt(PieceLength2(k, i, false));
      if (!(piece * piece < 10.0 && piece > D && piece > prev)) {
        prev = D;
        continue;
      }
      prev = D;
      Real tb;
      const auto distance = [this](const Real* q) { return std::fabs(SphereSide(q)); };
      if (!WindowSearch(k, i, D, 1e-4, distance, tb)) continue;
      Real q[3];
      k.At(tb, q);
      if (InPlane(q)) Add(q);
      if (std::fabs(tb - ti) < 1e-6) prev = 1e30;
    }
  }

  const float* c;
  double r;
  double m_normal[3];
  bool m_horizontal;
  RootCache& m_roots;
};

template <class CarrierCell, class Carrier>
int IntersectCircleWith(RootCache& cache, WORD circleId, WORD carrierId, int k, float out[3]) {
  if (cache.Answers(circleId, carrierId, k)) return cache.Result(k, out);
  const CGArc* circle = DefinedCell<CGArc>(circleId);
  CarrierCell* cell = circle ? DefinedCell<CarrierCell>(carrierId) : nullptr;
  if (!cell) return 0;
  Carrier carrier(*cell);
  if (carrier.n < 2) return 0;
  CircleRoots(*circle, cache).Solve(carrier);
  carrier.Restore();
  return cache.Result(k, out);
}

}  // namespace

int IntersectCircleCurve(WORD circle, WORD curve, int k, float out[3]) {
  return IntersectCircleWith<CGCurve, CurveCarrier>(g_circleCurveRoots, circle, curve, k, out);
}

int IntersectCircleLocus(WORD circle, WORD locus, int k, float out[3]) {
  return IntersectCircleWith<CGLocus, LocusCarrier>(g_circleLocusRoots, circle, locus, k, out);
}
