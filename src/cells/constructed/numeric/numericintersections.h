// The intersection points with curves and loci: each cell stands for root
// k (its sub-kind byte, fixed when it is built) of one pair of carriers,
// found by the pair's solver (curvesolvers.h).  The construction command
// asks root 0 for the count and builds one cell per root in ascending ids.
// No cell keeps numbers of its own; each stores the point record only.
#pragma once
#include <QString>

#include "cells/primitives/constructedpoint.h"

// What the seven share: the recalculation through the solver, which tests
// the parents itself.  No root k leaves the cell undefined where it was.
class CGVerRootOfPair : public CGConstructedPoint {
 protected:
  using Solver = int (*)(WORD, WORD, int, float[3]);
  CGVerRootOfPair() : CGConstructedPoint(2) {}
  CGVerRootOfPair(WORD id, int slot, const QString& name, BYTE root, WORD first, WORD second);
  void PlaceRoot(Solver solve);
  // The pattern filled with the parents' names in order.
  QString Describe(const char* pattern) const;
};

// Each kind: (id, slot, name, root index, first carrier, second carrier).


// Root k of a line and a locus (IntersectLineLocus).
class CGVerIntersectionLG : public CGVerRootOfPair {
  DECLARE_SERIAL(CGVerIntersectionLG)

 public:
  CGVerIntersectionLG() = default;
  CGVerIntersectionLG(WORD id, int slot, const QString& name, BYTE root, WORD line, WORD locus);
  void Recalculate() override;
  QString GetDescription() override;
};

// Root k of a line and a curve (IntersectLineCurve).
class CGVerIntersectionLQ : public CGVerRootOfPair {
  DECLARE_SERIAL(CGVerIntersectionLQ)

 public:
  CGVerIntersectionLQ() = default;
  CGVerIntersectionLQ(WORD id, int slot, const QString& name, BYTE root, WORD line, WORD curve);
  void Recalculate() override;
  QString GetDescription() override;
};

// Root k of a circle and a curve (IntersectCircleCurve).
class CGVerIntersectionCQ : public CGVerRootOfPair {
  DECLARE_SERIAL(CGVerIntersectionCQ)

 public:
  CGVerIntersectionCQ() = default;
  CGVerIntersectionCQ(WORD id, int slot, const QString& name, BYTE root, WORD circle, WORD curve);
  void Recalculate() override;
  QString GetDescription() override;
};

// Root k of a circle and a locus (IntersectCircleLocus).
class CGVerIntersectionCG : public CGVerRootOfPair {
  DECLARE_SERIAL(CGVerIntersectionCG)

 public:
  CGVerIntersectionCG() = default;
  CGVerIntersectionCG(WORD id, int slot, const QString& name, BYTE root, WORD circle, WORD locus);
  void Recalculate() override;
  QString GetDescription() override;
};

// Root k of a curve and a curve (IntersectCurveCurve).
class CGVerIntersectionQQ : public CGVerRootOfPair {
  DECLARE_SERIAL(CGVerIntersectionQQ)

 public:
  CGVerIntersectionQQ() = default;
  CGVerIntersectionQQ(WORD id, int slot, const QString& name, BYTE root, WORD curve1, WORD curve2);
  void Recalculate() override;
  QString GetDescription() override;
};

// Root k of a locus and a locus (IntersectLocusLocus).
class CGVerIntersectionGG : public CGVerRootOfPair {
  DECLARE_SERIAL(CGVerIntersectionGG)

 public:
  CGVerIntersectionGG() = default;
  CGVerIntersectionGG(WORD id, int slot, const QString& name, BYTE root, WORD locus1, WORD locus2);
  void Recalculate() override;
  QString GetDescription() override;
};

// Root k of a curve and a locus (IntersectCurveLocus).
class CGVerIntersectionQG : public CGVerRootOfPair {
  DECLARE_SERIAL(CGVerIntersectionQG)

 public:
  CGVerIntersectionQG() = default;
  CGVerIntersectionQG(WORD id, int slot, const QString& name, BYTE root, WORD curve, WORD locus);
  void Recalculate() override;
  QString GetDescription() override;
};
