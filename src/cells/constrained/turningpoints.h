// Free points that turn round the axis AB of their first two parents, in
// the plane through a centre across the axis: the upright point (PA
// perpendicular to AB at a free distance), the upright point at the
// distance |AB|, and the point that makes PAB equilateral.  Each keeps the
// axis frame it last built, so that undo and buttons can re-place the
// fixed-radius kinds without asking the parents' flags.
#pragma once
#include "cells/primitives/cgverfree.h"

class CGVerFreeTurning : public CGVerFree {
 public:
  // The unit axis AB and two unit vectors that complete it to a
  // right-handed frame; U is horizontal unless the axis is vertical.
  float AxisW[3] = {1, 0, 0};
  float AxisU[3] = {0, 1, 0};
  float AxisV[3] = {0, 0, 1};
  // |AB| when the frame was built (the fixed-radius kinds keep it).
  float AxisLength = 1;

  // Builds the frame from A and B and places the point on it: defined.
  // Where the frame or the position comes out not finite (A and B too far
  // apart for a float difference, or no numbers) the frame, the length and
  // the position stay as they were, which the record takes, and the point
  // is undefined.
  void Recalculate() override;

 protected:
  CGVerFreeTurning() = default;
  // At the origin, A and B appended and registered.
  CGVerFreeTurning(WORD id, int slot, const QString& name, WORD a, WORD b);

  // A then B when both are defined points; else undefined, and false.
  bool DefinedAxis(const CGVertex*& a, const CGVertex*& b);
  // Builds the frame from A and B (single precision) and keeps |AB|.  A and
  // B closer than 0.001 give the axis (1, 0, 0).
  void BuildFrame(const float a[3], const float b[3]);
  // The kind's position for A and B with the current frame.
  virtual void PositionFrom(const float a[3], const float b[3], float p[3]) const = 0;
  // c + rho cos theta U + rho sin theta V.
  void OnCircle(const float c[3], float rho, float theta, float p[3]) const;
  // Moves the point there, leaving the flag alone; false, nothing moved,
  // where that is not finite.
  bool MoveTo(const float p[3]);
  bool PlaceOnCircle(const float c[3], float rho, float theta);
  // Where the mouse ray meets the plane through c across the axis: the hit
  // as D = H - c, its length and its angle in the frame (0 when it has
  // none).  A ray exactly along the plane uses the denominator `flat`, or
  // finds nothing when `flat` is 0.
  struct Hit {
    double d[3];
    double length;
    float theta;
  };
  bool RayHit(const float c[3], double flat, Hit& hit) const;
  // c + rho D / |D|: on the circle of radius rho towards the hit; at angle 0
  // when the ray meets the centre itself.  False, nothing moved, where that
  // is not finite (a hit beyond the double range).
  bool PlaceToward(const float c[3], float rho, const Hit& hit);
  // Reads or writes the frame after `first` and checks the loaded numbers.
  void SerializeFrame(CArchive& ar, std::initializer_list<float*> first);
  // The four names P, A, A, B (and again) for the descriptions.
  QString Describe(const char* format) const;
};

// P with PA perpendicular to AB at the free distance r from A, at angle
// theta in the frame.  r and theta live as float bits in the first two
// class-defined words of the cell record.
class CGVerFreeUpright : public CGVerFreeTurning {
  DECLARE_SERIAL(CGVerFreeUpright)

 public:
  // Dynamic creation: r = 8, theta = 0.
  CGVerFreeUpright();
  CGVerFreeUpright(WORD id, int slot, const QString& name, WORD a, WORD b);

  // The point record, then r and theta again (these copies win on
  // loading), then the frame.
  void Serialize(CArchive& ar) override;
  void ApplyParameter() override { Recalculate(); }
  QString GetDescription() override;
  // To where the mouse ray meets the plane through A across the axis, r and
  // theta following; a ray exactly along that plane turns it by 0.02.  A
  // hit beyond the float range moves nothing.
  void DragTo() override;

  float Radius() const;
  float Angle() const;
  void SetRadius(float r);
  void SetAngle(float theta);

 protected:
  void PositionFrom(const float a[3], const float b[3], float p[3]) const override;
};

// The two kinds on a circle of fixed radius about a centre on the axis;
// theta in the value field.  Their record is the point record, then
// AxisLength and the frame.
class CGVerFreeFixedTurning : public CGVerFreeTurning {
 public:
  void Serialize(CArchive& ar) override;
  // From the stored frame and length and the parents' positions, whatever
  // their flags (nothing moves where that position is not finite).
  void ApplyParameter() override;

 protected:
  using CGVerFreeTurning::CGVerFreeTurning;
};

// P with PA perpendicular to AB and |PA| = |AB|.
class CGVerFreeUprightEquid : public CGVerFreeFixedTurning {
  DECLARE_SERIAL(CGVerFreeUprightEquid)

 public:
  CGVerFreeUprightEquid() = default;
  CGVerFreeUprightEquid(WORD id, int slot, const QString& name, WORD a, WORD b);
  QString GetDescription() override;
  // Towards where the mouse ray meets the plane through A across the axis;
  // a ray exactly along that plane turns it by 0.02.
  void DragTo() override;

 protected:
  void PositionFrom(const float a[3], const float b[3], float p[3]) const override;
};

// P with PAB equilateral: on the circle of radius |AB| sqrt(3)/2 about the
// midpoint M of AB.
class CGVerFreeEquilateral : public CGVerFreeFixedTurning {
  DECLARE_SERIAL(CGVerFreeEquilateral)

 public:
  CGVerFreeEquilateral() = default;
  CGVerFreeEquilateral(WORD id, int slot, const QString& name, WORD a, WORD b);
  QString GetDescription() override;
  // Towards where the mouse ray meets the plane through M across the axis
  // (a ray along that plane is taken as almost along it).
  void DragTo() override;

 protected:
  void PositionFrom(const float a[3], const float b[3], float p[3]) const override;
};
