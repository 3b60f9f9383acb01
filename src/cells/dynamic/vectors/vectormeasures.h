// Measurements of vectors: length, dot product, triple product and the
// three components, in single precision.  A parent that is not a defined
// vector, or a result a float cannot hold, leaves the value undefined and
// kept.
#pragma once
#include "cells/dynamic/measures/measuredvalue.h"

class CGTmVector;

// The measurements that read vectors only.
class CGTmVectorMeasure : public CGTmMeasure {
 protected:
  using CGTmMeasure::CGTmMeasure;
  // Parent i while it is a defined vector.
  const CGTmVector* VectorParent(std::size_t i) const;
  // Takes `result` as the value when it is a finite number.
  static bool Finite(float result, float& value);
};

// |a|.
class CGTmVarVectorLength : public CGTmVectorMeasure {
  DECLARE_SERIAL(CGTmVarVectorLength)
 public:
  CGTmVarVectorLength() = default;
  CGTmVarVectorLength(WORD id, WORD a) : CGTmVectorMeasure(id, {a}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};

// a . b.
class CGTmVarVectorDot : public CGTmVectorMeasure {
  DECLARE_SERIAL(CGTmVarVectorDot)
 public:
  CGTmVarVectorDot() = default;
  CGTmVarVectorDot(WORD id, WORD a, WORD b) : CGTmVectorMeasure(id, {a, b}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};

// a . (b x c), the determinant with rows a, b, c.
class CGTmVarVecProduct : public CGTmVectorMeasure {
  DECLARE_SERIAL(CGTmVarVecProduct)
 public:
  CGTmVarVecProduct() = default;
  CGTmVarVecProduct(WORD id, WORD a, WORD b, WORD c) : CGTmVectorMeasure(id, {a, b, c}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};

// x, y or z of a vector (axis 0, 1, 2).
class CGTmVectorComponent : public CGTmVectorMeasure {
 protected:
  explicit CGTmVectorComponent(int axis) : m_nAxis(axis) {}
  CGTmVectorComponent(int axis, WORD id, WORD a) : CGTmVectorMeasure(id, {a}), m_nAxis(axis) {}
  bool Measure(float& value) const override;

 private:
  int m_nAxis;
};

class CGTmVarVectorComponentX : public CGTmVectorComponent {
  DECLARE_SERIAL(CGTmVarVectorComponentX)
 public:
  CGTmVarVectorComponentX() : CGTmVectorComponent(0) {}
  CGTmVarVectorComponentX(WORD id, WORD a) : CGTmVectorComponent(0, id, a) { Finish(); }
};

class CGTmVarVectorComponentY : public CGTmVectorComponent {
  DECLARE_SERIAL(CGTmVarVectorComponentY)
 public:
  CGTmVarVectorComponentY() : CGTmVectorComponent(1) {}
  CGTmVarVectorComponentY(WORD id, WORD a) : CGTmVectorComponent(1, id, a) { Finish(); }
};

class CGTmVarVectorComponentZ : public CGTmVectorComponent {
  DECLARE_SERIAL(CGTmVarVectorComponentZ)
 public:
  CGTmVarVectorComponentZ() : CGTmVectorComponent(2) {}
  CGTmVarVectorComponentZ(WORD id, WORD a) : CGTmVectorComponent(2, id, a) { Finish(); }
};
