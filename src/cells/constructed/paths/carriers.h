// Points by parameter on carriers: on a line, a circle, a curve or a locus
// at a value of the carrier's own parameter (kept in the value field),
// either fixed when the point was built (the Fixedf kinds) or copied from
// another point or a scalar value at every recalculation (the Ft kinds,
// DefinedSource), so that a point dragged along one carrier, or a value
// changed, drives a twin on another.  The point dividing
// the arc between two points of a circle joins them.  A locus is sampled
// without moving its driver.  Every kind stores the point record only.
#pragma once
#include <QString>

#include "cells/constructed/circlepoints.h"
#include "cells/constructed/parametersource.h"

// Line, then A + t (B - A) for the fixed t, unclamped, whatever the kind.
class CGVerInLineFixedf : public CGConstructedPoint {
  DECLARE_SERIAL(CGVerInLineFixedf)

 public:
  CGVerInLineFixedf() : CGConstructedPoint(1) {}
  CGVerInLineFixedf(WORD id, int slot, const QString& name, WORD line, float t);
  void Recalculate() override;
  QString GetDescription() override;
};

// Line, point: A + t (B - A) at the point's parameter.
class CGVerInLineFt : public CGConstructedPoint {
  DECLARE_SERIAL(CGVerInLineFt)

 public:
  CGVerInLineFt() : CGConstructedPoint(2) {}
  CGVerInLineFt(WORD id, int slot, const QString& name, WORD line, WORD point);
  void Recalculate() override;
  QString GetDescription() override;
};

// Circle, then the point at the fixed angle (radians); an arc's range does
// not limit it.
class CGVerInCircleFixedf : public CGVerOnCircleAngle {
  DECLARE_SERIAL(CGVerInCircleFixedf)

 public:
  CGVerInCircleFixedf() : CGVerOnCircleAngle(1) {}
  CGVerInCircleFixedf(WORD id, int slot, const QString& name, WORD circle, float angle);
  void Recalculate() override;
  QString GetDescription() override;
};

// Circle, A, B: the point dividing the arc from A's angle towards
// increasing angles to B's in the ratio r.  The ratio is not stored: after
// loading it is found again from the stored angle and the angles of A and
// B (0.5 when those coincide).
class CGVerInCircleScale : public CGVerOnCircleAngle {
  DECLARE_SERIAL(CGVerInCircleScale)

 public:
  CGVerInCircleScale() : CGVerOnCircleAngle(3) {}
  CGVerInCircleScale(WORD id, int slot, const QString& name, WORD circle, WORD a, WORD b, float ratio);
  void Serialize(CArchive& ar) override;
  void Recalculate() override;
  QString GetDescription() override;

  float Ratio = 0.5f;
  // After the point was placed by a ratio it was given: the ratio is found
  // again from the place it took, as opening the document finds it, so the
  // point moves with A and B as it will after a reopen (where A and B lie
  // at one angle, no ratio can be found and the middle one is taken).
  void TakeRatioFromPlace();

 private:
  // The angles of A and B brought into [0, 2 pi), B's raised by a turn
  // when below A's.
  static void ArcEnds(float& a, float& b);
  bool m_bRatioPending = false;  // loaded: the ratio is still to be found
};

// Curve, then its point at the fixed t, inside its range or not.
class CGVerInCurveFixedf : public CGConstructedPoint {
  DECLARE_SERIAL(CGVerInCurveFixedf)

 public:
  CGVerInCurveFixedf() : CGConstructedPoint(1) {}
  CGVerInCurveFixedf(WORD id, int slot, const QString& name, WORD curve, float t);
  void Recalculate() override;
  QString GetDescription() override;
};

// Curve, point: the curve's point at the point's parameter, undefined
// while that lies outside the curve's range.
class CGVerInCurveFt : public CGConstructedPoint {
  DECLARE_SERIAL(CGVerInCurveFt)

 public:
  CGVerInCurveFt() : CGConstructedPoint(2) {}
  CGVerInCurveFt(WORD id, int slot, const QString& name, WORD curve, WORD point);
  void Recalculate() override;
  QString GetDescription() override;
};

// Locus, then its traced point at the fixed driver parameter; undefined
// where the traced point does not exist.
class CGVerInLocusFixedf : public CGConstructedPoint {
  DECLARE_SERIAL(CGVerInLocusFixedf)

 public:
  CGVerInLocusFixedf() : CGConstructedPoint(1) {}
  CGVerInLocusFixedf(WORD id, int slot, const QString& name, WORD locus, float t);
  void Recalculate() override;
  QString GetDescription() override;
};

// Locus, point: the traced point at the point's parameter, which must lie
// in the locus's range.
class CGVerInLocusFt : public CGConstructedPoint {
  DECLARE_SERIAL(CGVerInLocusFt)

 public:
  CGVerInLocusFt() : CGConstructedPoint(2) {}
  CGVerInLocusFt(WORD id, int slot, const QString& name, WORD locus, WORD point);
  void Recalculate() override;
  QString GetDescription() override;
};
