// A line with a curve or a locus.  In one horizontal plane the samples'
// signed distance from the line in x, y changes sign at a crossing, which
// bisection on the carrier's parameter refines; in space a piece that comes
// closer to the line than its own length is searched with a shrinking
// window.  Each root has its parameter along the line as key; the roots
// are sorted by it.
#include <cmath>

#include "cells/primitives/constructedpoint.h"
#include "cells/constructed/numeric/carrierviews.h"
#include "cells/constructed/numeric/curvesolvers.h"
#include "cells/constructed/numeric/rootcache.h"
#include "cells/constructed/numeric/solverlookup.h"
#include "cells/primitives/cgline.h"

namespace {

struct KeyedRoot {
  float p[3];
  double key;
};

class LineRoots {
 public:
  LineRoots(const float* a, const float* b, BYTE kind) : A(a), m_kind(kind) {
    const double d[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    m_d2 = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
    L = std::sqrt(m_d2);
    for (int i = 0; i < 3; ++i) e[i] = d[i] / L;
    m_level = std::fabs(static_cast<double>(a[2]) - b[2]) < 1e-5;
    m_flatAtZero = std::fabs(a[2]) < 1e-5 && std::fabs(b[2]) < 1e-5;
  }
  // Also a line whose ends are no numbers or too far apart to measure.
  bool TooShort() const { return !(L >= 1e-4 && std::isfinite(L)); }

  template <class Carrier>
  void Solve(Carrier& c) {
    const bool planar = (c.FlatByExpression() && m_flatAtZero) || (m_level && AllAtHeight(c, A[2]));
    if (planar) Planar(c);
    else Spatial(c);
    if (c.Spent()) m_count = 0;
    Sort();
  }

  int Result(int k, float out[3]) const {
    if (k < 0 || k >= m_count) return 0;
    for (int i = 0; i < 3; ++i) out[i] = m_roots[k].p[i];
    return m_count;
  }

 private:
  bool Full() const { return m_count >= kMaxRoots; }
  void Add(const float* p, double key) {
    if (Full()) return;
    KeyedRoot& root = m_roots[m_count++];
    for (int i = 0; i < 3; ++i) root.p[i] = p[i];
    root.key = key;
  }
  template <class Real>
  void AddIfOnLine(const Real* p, double key) {
    if (!FitsLineKind(key, m_kind, 0, 1)) return;
    const float q[3] = {static_cast<float>(p[0]), static_cast<float>(p[1]), static_cast<float>(p[2])};
    Add(q, key);
  }
  // w = p - A in x, y: its squared length, the signed distance from the
  // line and the key along it.
  template <class Real>
  double FlatDistance2(const Real* p) const {
    const double wx = p[0] - A[0], wy = p[1] - A[1];
    return wx * wx + wy * wy;
  }
  template <class Real>
  double Side(const Real* p) const {
    return (p[0] - A[0]) * e[1] - (p[1] - A[1]) * e[0];
  }
  template <class Real>
  double FlatKey(const Real* p) const {
    return ((p[0] - A[0]) * e[0] + (p[1] - A[1]) * e[1]) / L;
  }
  template <class Real>
  double Along(const Real* p) const {
    return (p[0] - A[0]) * e[0] + (p[1] - A[1]) * e[1] + (p[2] - A[2]) * e[2];
  }
  template <class Real>
  double Distance2(const Real* p) const {
    const double w[3] = {static_cast<double>(p[0]) - A[0], static_cast<double>(p[1]) - A[1],
                         static_cast<double>(p[2]) - A[2]};
    const double along = w[0] * e[0] + w[1] * e[1] + w[2] * e[2];
    return w[0] * w[0] + w[1] * w[1] + w[2] * w[2] - along * along;
  }

  template <class Carrier>
  void Planar(Carrier& c) {
    const double limit = c.PieceLimit();
    int s = 0;
    for (int i = 0; i < c.n && !Full() && !c.Spent(); ++i) {
      const auto* p = c.Sample(i);
      if (FlatDistance2(p) < 1e-8) {
        Add(A, 0);
        s = 0;
        continue;
      }
      const double side = Side(p);
      if (std::fabs(side) < 1e-5) {
        AddIfOnLine(p, FlatKey(p));
        s = Carrier::kSignAfterOnLine ? Sign(side) : 0;
        continue;
      }
      if (NoCrossing(c, i, s, side, limit)) {
        s = Sign(side);
        continue;
      }
      const int si = Sign(side);
      Bisect(
          c, i, si, 1e-5, [this](const auto* q) { return this->Side(q); },
          [this](const auto* q) { this->AddIfOnLine(q, this->FlatKey(q)); },
          [this](const auto* q) {
            if (FlatDistance2(q) >= 1e-8) return false;
            Add(A, 0);
            return true;
          });
      s = si;
    }
  }

  template <class Carrier>
  void Spatial(Carrier& c) {
    using Real = typename Carrier::Real;
    const double limit = c.PieceLimit();
    const auto* first = c.Sample(0);
    const double w0[3] = {first[0] - A[0], first[1] - A[1], first[2] - A[2]};
    const double ww0 = w0[0] * w0[0] + w0[1] * w0[1] + w0[2] * w0[2];
    const double dw0 = (w0[0] * e[0] + w0[1] * e[1] + w0[2] * e[2]) * L;
    double prev = m_d2 <= 1e-5 ? ww0 : ww0 - dw0 * dw0 / m_d2;
    for (int i = 1; i < c.n && !Full() && !c.Spent(); ++i) {
      const Real ti = c.t0 + static_cast<Real>(i) * c.h;
      const auto* p = c.Sample(i);
      const double ww = static_cast<double>(p[0] - A[0]) * (p[0] - A[0]) +
                        static_cast<double>(p[1] - A[1]) * (p[1] - A[1]) +
                        static_cast<double>(p[2] - A[2]) * (p[2] - A[2]);
      if (ww < 1e-6) {
        Add(A, 0);
        prev = 1e30;
        continue;
      }
      const double D = Distance2(p);
      if (D < 1e-8) {
        AddIfOnLine(p, Along(p) / L);
        prev = 1e30;
        continue;
      }
      const double piece = PieceLength2(c, i, false);
      if (!(piece < limit && piece > D && piece > prev)) {
        prev = D;
        continue;
      }
      prev = D;
      Real tb;
      if (!WindowSearch(c, i, D, 1e-8, [this](const Real* q) { return Distance2(q); }, tb)) continue;
      Real q[3];
      c.At(tb, q);
      AddIfOnLine(q, Along(q) / L);
      if (std::fabs(tb - ti) < 1e-6) prev = 1e30;
    }
  }

  // By selection: each place in turn takes the smallest key left (the
  // first of equal keys).
  void Sort() {
    for (int i = 0; i < m_count; ++i) {
      int least = i;
      for (int j = i + 1; j < m_count; ++j)
        if (m_roots[j].key < m_roots[least].key) least = j;
      if (least != i) std::swap(m_roots[i], m_roots[least]);
    }
  }

  const float* A;
  BYTE m_kind;
  double e[3], L, m_d2;
  bool m_level, m_flatAtZero;
  KeyedRoot m_roots[kMaxRoots];
  int m_count = 0;
};

template <class CarrierCell, class Carrier>
int IntersectLineWith(WORD lineId, WORD carrierId, int k, float out[3]) {
  const CGLine* line = DefinedCell<CGLine>(lineId);
  const CGVertex *a, *b;
  if (!line || !line->Ends(&a, &b)) return 0;
  LineRoots roots(a->m_vPos, b->m_vPos, line->m_nSubKind);
  if (roots.TooShort()) return 0;
  CarrierCell* cell = DefinedCell<CarrierCell>(carrierId);
  if (!cell) return 0;
  Carrier carrier(*cell);
  if (carrier.n < 2) return 0;
  roots.Solve(carrier);
  carrier.Restore();
  return roots.Result(k, out);
}

}  // namespace

int IntersectLineLocus(WORD line, WORD locus, int k, float out[3]) {
  return IntersectLineWith<CGLocus, LocusCarrier>(line, locus, k, out);
}

int IntersectLineCurve(WORD line, WORD curve, int k, float out[3]) {
  return IntersectLineWith<CGCurve, CurveCarrier>(line, curve, k, out);
}
