// Free points on a line through their first parent A: along a fixed
// direction, along BC, or along the normal of the plane ABC.  Each keeps
// its signed distance t from A in the value field and its unit direction,
// so that A (and B, C) moving carry it along at the same t.
#pragma once
#include <cstddef>

#include "cells/primitives/cgverfree.h"

// n = (b - a) x (c - a) in single precision; returns |n|, made 1e-5 where it
// is smaller, so that collinear points divide a zero normal by it, not by 0.
float PlaneNormal(const float a[3], const float b[3], const float c[3], float n[3]);

// AP parallel to a fixed direction, typed in or along an axis.
class CGVerFreeParVector : public CGVerFree {
  DECLARE_SERIAL(CGVerFreeParVector)

 public:
  // Dynamic creation: direction (1, 0, 0), t = 5.
  CGVerFreeParVector();
  // Along (dx, dy, dz) made unit (a zero vector stays zero, and the point
  // then sits on A) from A, at t = 8.
  CGVerFreeParVector(WORD id, int slot, const QString& name, float dx, float dy, float dz, WORD a);

  // The point record, then the direction.
  void Serialize(CArchive& ar) override;
  // Undefined while A is; else A + t Direction.
  void Recalculate() override;
  void ApplyParameter() override { Recalculate(); }
  QString GetDescription() override;
  // To the point of the line nearest to the mouse ray.  A ray along the
  // line, or the point sitting on A, puts it at t = 0.1.
  void DragTo() override;

  float Direction[3] = {1, 0, 0};

 protected:
  virtual size_t ParentCount() const { return 1; }
};

// AP parallel to BC (a trapezoid's side): the direction is BC made unit at
// every recalculation.
class CGVerFreeParVecPP : public CGVerFreeParVector {
  DECLARE_SERIAL(CGVerFreeParVecPP)

 public:
  CGVerFreeParVecPP() = default;
  CGVerFreeParVecPP(WORD id, int slot, const QString& name, WORD a, WORD b, WORD c);

  // B, then C, must be defined; then as the parallel point.
  void Recalculate() override;
  QString GetDescription() override;

 protected:
  size_t ParentCount() const override { return 3; }
};

// AP perpendicular to the plane ABC, along its unit normal (B - A) x (C - A)
// (zero for collinear points, which leave the point on A).
class CGVerFreePerpen : public CGVerFree {
  DECLARE_SERIAL(CGVerFreePerpen)

 public:
  // Dynamic creation: t = 8.
  CGVerFreePerpen();
  CGVerFreePerpen(WORD id, int slot, const QString& name, WORD a, WORD b, WORD c);

  // The point record, then the normal.
  void Serialize(CArchive& ar) override;
  void Recalculate() override;
  // A + t Normal from the stored normal and A's position.
  void ApplyParameter() override;
  QString GetDescription() override;
  // To the point of the line nearest to the mouse ray.  A ray along the
  // line, or the point sitting on A, puts it at t = 0.01 on the normal.
  void DragTo() override;

  float Normal[3] = {0, 0, 0};
};
