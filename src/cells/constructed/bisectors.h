// Where a bisector of angle ABC meets the line AC: the interior bisector
// divides AC in the ratio |BA| : |BC|, the exterior one divides it outside
// in that ratio.  Parents A, B (the vertex) and C, in that order.
#pragma once
#include "cells/constructed/trianglecentres.h"

// The interior bisector; C itself when A, B and C coincide.
class CGVerBisectorA : public CGVerOfTriangle {
  DECLARE_SERIAL(CGVerBisectorA)

 public:
  CGVerBisectorA();
  CGVerBisectorA(WORD id, int slot, const QString& name, WORD a, WORD b, WORD c);
  QString GetDescription() override;
};

// The exterior bisector.  With |BA| = |BC| it runs parallel to AC and the
// point B + C - A on it stands in.
class CGVerBisectorEA : public CGVerOfTriangle {
  DECLARE_SERIAL(CGVerBisectorEA)

 public:
  CGVerBisectorEA();
  CGVerBisectorEA(WORD id, int slot, const QString& name, WORD a, WORD b, WORD c);
  QString GetDescription() override;
};
