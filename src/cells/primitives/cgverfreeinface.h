// Free points with two degrees of freedom, kept as barycentric weights so
// that they follow their plane when its points move: a point inside a
// polygon face, and a point anywhere in the plane of three points.
#pragma once
#include "cells/primitives/cgverfree.h"

// A point inside a face: in fan triangle V0, Vk, Vk+1 (k = Corner) at
// Weight0 V0 + WeightK Vk + (1 - Weight0 - WeightK) Vk+1.
class CGVerFreeInFace : public CGVerFree {
  DECLARE_SERIAL(CGVerFreeInFace)

 public:
  // Dynamic creation: triangle 1, weights 1/3, until the record is read.
  CGVerFreeInFace() = default;
  // The point in `face` (already in the current page's map) at weights s
  // of V0 and t of V1 in the first fan triangle, registered as the face's
  // child and placed at once.
  CGVerFreeInFace(WORD id, int slot, const QString& name, WORD face, float s, float t);

  // The point record, then Corner, Weight0 and WeightK.  Loading fails
  // unless there is exactly one parent, the weights are numbers and Corner
  // names a fan triangle some face can have (1 to 253).
  void Serialize(CArchive& ar) override;
  // Undefined while the face is, and when the face has no fan triangle
  // Corner; else placed by the weights.
  void Recalculate() override;
  void ApplyParameter() override { Recalculate(); }
  QString GetDescription() override;
  // The fan triangle must exist in the face it lies in.
  bool FitsLoadedPage(const CCellMap& cells) const override;
  // Follows the mouse ray over the face (the plane of its first three
  // corners, searched fan triangle by fan triangle); off the face, or with
  // the face seen edge-on, the point stays.
  void DragTo() override;

  std::int32_t Corner = 1;
  float Weight0 = 1.0f / 3;
  float WeightK = 1.0f / 3;
};

// A point in the plane of A, B, C (its parents, in this order) at
// WeightA A + WeightB B + (1 - WeightA - WeightB) C; the weights are not
// limited.
class CGVerFreeInPlane : public CGVerFree {
  DECLARE_SERIAL(CGVerFreeInPlane)

 public:
  // Dynamic creation: weights 1/3 until the record is read.
  CGVerFreeInPlane() = default;
  // The point at weights s of A and t of B, registered as the child of each
  // of the three (already in the current page's map) and placed at once.
  CGVerFreeInPlane(WORD id, int slot, const QString& name, WORD a, WORD b, WORD c, float s, float t);

  // The point record, then WeightA and WeightB.  Loading fails unless there
  // are exactly three parents and the weights are numbers.
  void Serialize(CArchive& ar) override;
  // Undefined while A, B or C is (checked in order); else placed by the
  // weights.
  void Recalculate() override;
  void ApplyParameter() override { Recalculate(); }
  QString GetDescription() override;
  // Where the mouse ray meets the plane.  With the plane seen edge-on, or
  // A, B, C too nearly collinear to give the hit weights, the point stays.
  void DragTo() override;

  float WeightA = 1.0f / 3;
  float WeightB = 1.0f / 3;
};
