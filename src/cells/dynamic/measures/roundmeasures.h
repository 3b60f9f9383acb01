// The measurements of one circle or round solid by the school formulas, in
// single precision with pi rounded to float.  A circle or disc is measured
// whole; an arc, sector or segment by its angular span: its length is the
// arc alone, and the area of a segment is the sector's less the triangle
// on its chord, r^2 / 2 (span - sin span).
#pragma once
#include "cells/dynamic/measures/measuredvalue.h"

// The radius |u| of a circle or arc.
class CGTmVarRadius : public CGTmMeasure {
  DECLARE_SERIAL(CGTmVarRadius)
 public:
  CGTmVarRadius() = default;
  CGTmVarRadius(WORD id, WORD circle) : CGTmMeasure(id, {circle}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};

// The area of a disc, sector or segment (a circle or arc as its disc or
// sector).
class CGTmVarAreaCircle : public CGTmMeasure {
  DECLARE_SERIAL(CGTmVarAreaCircle)
 public:
  CGTmVarAreaCircle() = default;
  CGTmVarAreaCircle(WORD id, WORD circle) : CGTmMeasure(id, {circle}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};

// The perimeter of a circle, or the length of the arc of the other kinds.
class CGTmVarLenArc : public CGTmMeasure {
  DECLARE_SERIAL(CGTmVarLenArc)
 public:
  CGTmVarLenArc() = default;
  CGTmVarLenArc(WORD id, WORD circle) : CGTmMeasure(id, {circle}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};

// Total surface areas.
class CGTmVarAreaCylinder : public CGTmMeasure {
  DECLARE_SERIAL(CGTmVarAreaCylinder)
 public:
  CGTmVarAreaCylinder() = default;
  CGTmVarAreaCylinder(WORD id, WORD solid) : CGTmMeasure(id, {solid}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};

class CGTmVarAreaCone : public CGTmMeasure {
  DECLARE_SERIAL(CGTmVarAreaCone)
 public:
  CGTmVarAreaCone() = default;
  CGTmVarAreaCone(WORD id, WORD solid) : CGTmMeasure(id, {solid}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};

class CGTmVarAreaFrustum : public CGTmMeasure {
  DECLARE_SERIAL(CGTmVarAreaFrustum)
 public:
  CGTmVarAreaFrustum() = default;
  CGTmVarAreaFrustum(WORD id, WORD solid) : CGTmMeasure(id, {solid}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};

class CGTmVarAreaSphere : public CGTmMeasure {
  DECLARE_SERIAL(CGTmVarAreaSphere)
 public:
  CGTmVarAreaSphere() = default;
  CGTmVarAreaSphere(WORD id, WORD solid) : CGTmMeasure(id, {solid}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};

// Volumes.
class CGTmVarVolumeCylinder : public CGTmMeasure {
  DECLARE_SERIAL(CGTmVarVolumeCylinder)
 public:
  CGTmVarVolumeCylinder() = default;
  CGTmVarVolumeCylinder(WORD id, WORD solid) : CGTmMeasure(id, {solid}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};

class CGTmVarVolumeCone : public CGTmMeasure {
  DECLARE_SERIAL(CGTmVarVolumeCone)
 public:
  CGTmVarVolumeCone() = default;
  CGTmVarVolumeCone(WORD id, WORD solid) : CGTmMeasure(id, {solid}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};

class CGTmVarVolumeFrustum : public CGTmMeasure {
  DECLARE_SERIAL(CGTmVarVolumeFrustum)
 public:
  CGTmVarVolumeFrustum() = default;
  CGTmVarVolumeFrustum(WORD id, WORD solid) : CGTmMeasure(id, {solid}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};

class CGTmVarVolumeSphere : public CGTmMeasure {
  DECLARE_SERIAL(CGTmVarVolumeSphere)
 public:
  CGTmVarVolumeSphere() = default;
  CGTmVarVolumeSphere(WORD id, WORD solid) : CGTmMeasure(id, {solid}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};
