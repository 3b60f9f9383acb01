// Points moved by a vector: the vector from one point to another, a vector
// value, or one typed in and kept with the point.  All follow P and cannot
// be dragged.
#pragma once
#include "cells/constructed/transformedpoint.h"

// P + (E - S), in single precision; S on E leaves the image on P.
// Parents P, S, E are tested in that order.
class CGVerTranslate : public CGTransformedPoint {
  DECLARE_SERIAL(CGVerTranslate)

 public:
  CGVerTranslate() : CGTransformedPoint(3) {}
  CGVerTranslate(WORD id, int slot, const QString& name, WORD p, WORD s, WORD e);
  void Recalculate() override;
  QString GetDescription() override;
};

// P + the components of a vector value V, whatever its kind.  P, then V,
// must be defined.
class CGVerTranslateM : public CGTransformedPoint {
  DECLARE_SERIAL(CGVerTranslateM)

 public:
  CGVerTranslateM() : CGTransformedPoint(2) {}
  CGVerTranslateM(WORD id, int slot, const QString& name, WORD p, WORD v);
  void Recalculate() override;
  QString GetDescription() override;
};

// P + Vector.  It places itself and stores itself as the follower does
// (the point record, then the vector), but only its parent moves it.
class CGVerTranslateStc : public CGTransformedPoint {
  DECLARE_SERIAL(CGVerTranslateStc)

 public:
  CGVerTranslateStc() : CGTransformedPoint(1) {}
  CGVerTranslateStc(WORD id, int slot, const QString& name, WORD p, float x, float y, float z);
  void Serialize(CArchive& ar) override;
  void Recalculate() override;
  QString GetDescription() override;

  float Vector[3] = {0, 0, 0};
};
