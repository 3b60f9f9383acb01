// The shapes on the selected points P1, P2 (P3): the missing vertices with
// automatic names, read around from P1.  Where a vertex is built after an
// auxiliary point but must carry the earlier letter, its name is taken
// first and kept.
#include "cells/constrained/dependentpoints.h"
#include "cells/constrained/turningpoints.h"
#include "cells/constructed/mirrors.h"
#include "cells/constructed/scalings.h"
#include "cells/primitives/cgline.h"
#include "commands/shapes/planeshapes.h"
#include "commands/shapes/shapebuilder.h"

namespace {
// The regular pentagon on a side of length a, from the side's midpoint M
// and the handle U at a / 2 from M across the side: the diagonal parallel
// to the side lies 2 sin 72° a / 2 from M, half of it is the golden ratio
// times a / 2, and the far vertex lies tan 72° a / 2 from M.
constexpr float kPentagonDiagonalDistance = 1.9021130f;
constexpr float kGoldenRatio = 1.6180340f;
constexpr float kPentagonApexDistance = 3.0776834f;

// R on P1 and P2 of the kind that makes the right angle at P1, then Q = R
// moved by P1P2 under the name taken before R's.
template <class Upright>
void RectangleOn(CShapeBuilder& b, const std::vector<WORD>& p) {
  const QString qName = b.TakeName();
  const WORD r = b.Point<Upright>(QString(), p[0], p[1]);
  const WORD q = b.Translated(qName, r, p[0], p[1]);
  b.Chain({p[0], p[1], q, r}, true);
}

WORD Hidden(CShapeBuilder& b, WORD id) {
  b.Hide(id);
  return id;
}
}  // namespace

void EquilateralOnPoints(CShapeBuilder& b, const std::vector<WORD>& p) {
  const WORD c = b.Point<CGVerFreeEquilateral>(QString(), p[0], p[1]);
  b.Chain({p[0], p[1], c}, true);
}

void SquareOnPoints(CShapeBuilder& b, const std::vector<WORD>& p) { RectangleOn<CGVerFreeUprightEquid>(b, p); }

void RectangleOnPoints(CShapeBuilder& b, const std::vector<WORD>& p) { RectangleOn<CGVerFreeUpright>(b, p); }

void PentagonOnPoints(CShapeBuilder& b, const std::vector<WORD>& p) {
  const WORD side = b.Edge(p[0], p[1]);
  const WORD m = Hidden(b, b.Point<CGVerMid>(QStringLiteral("0"), side));
  const WORD u = b.Point<CGVerFreeUprightEquid>(QStringLiteral("1"), m, p[1]);
  const WORD v = Hidden(b, b.Point<CGVerScale>(QStringLiteral("2"), u, m, kPentagonDiagonalDistance));
  const WORD w = Hidden(b, b.Translated(QStringLiteral("3"), v, m, p[1]));
  const WORD c = b.Point<CGVerScale>(QString(), w, v, kGoldenRatio);
  const WORD d = b.Point<CGVerScale>(QString(), u, m, kPentagonApexDistance);
  const WORD e = b.Point<CGVerSymmetryP>(QString(), c, v);
  b.Chain({p[1], c, d, e, p[0]}, false);
}

void HexagonOnPoints(CShapeBuilder& b, const std::vector<WORD>& p) {
  const WORD o = b.Point<CGVerFreeEquilateral>(QStringLiteral("O"), p[0], p[1]);
  const WORD q = b.Translated(QString(), o, p[0], p[1]);
  const WORD r = b.Point<CGVerSymmetryP>(QString(), p[0], o);
  const WORD s = b.Point<CGVerSymmetryP>(QString(), p[1], o);
  const WORD t = b.Point<CGVerSymmetryP>(QString(), q, o);
  b.Chain({p[0], p[1], q, r, s, t}, true);
}

void IsoscelesOnPoints(CShapeBuilder& b, const std::vector<WORD>& p) {
  const QString apexName = b.TakeName();
  const WORD side = b.Edge(p[0], p[1]);
  const WORD m = Hidden(b, b.Point<CGVerMid>(QString(), side));
  const WORD a = b.Point<CGVerFreeUpright>(apexName, m, p[1]);
  b.Chain({p[1], a, p[0]}, false);
}

void ParallelogramOnPoints(CShapeBuilder& b, const std::vector<WORD>& p) {
  const WORD fourth = b.Translated(QString(), p[0], p[1], p[2]);
  b.Chain({p[0], p[1], p[2], fourth}, true);
}

void RightTriangleOnPoints(CShapeBuilder& b, const std::vector<WORD>& p) {
  const WORD q = b.Point<CGVerFreeUpright>(QString(), p[0], p[1]);
  b.Chain({p[1], q, p[0]}, true);
}
