#include "cells/dynamic/vectors/vectormeasures.h"

#include <cmath>

#include "cells/dynamic/vectors/vectorvalues.h"

IMPLEMENT_SERIAL(CGTmVarVectorLength, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarVectorDot, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarVecProduct, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarVectorComponentX, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarVectorComponentY, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarVectorComponentZ, CGTmVariable)

const CGTmVector* CGTmVectorMeasure::VectorParent(std::size_t i) const { return DefinedParentAs<CGTmVector>(i); }

bool CGTmVectorMeasure::Finite(float result, float& value) {
  // A value beyond single precision would reach the file as an infinity.
  if (!std::isfinite(result)) return false;
  value = result;
  return true;
}

bool CGTmVarVectorLength::Measure(float& value) const {
  const CGTmVector* a = VectorParent(0);
  if (!a) return false;
  const float* v = a->m_vVector;
  return Finite(std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]), value);
}

bool CGTmVarVectorDot::Measure(float& value) const {
  const CGTmVector* a = VectorParent(0);
  const CGTmVector* b = a ? VectorParent(1) : nullptr;
  if (!b) return false;
  const float *u = a->m_vVector, *v = b->m_vVector;
  return Finite(u[0] * v[0] + u[1] * v[1] + u[2] * v[2], value);
}

bool CGTmVarVecProduct::Measure(float& value) const {
  const CGTmVector* pa = VectorParent(0);
  const CGTmVector* pb = pa ? VectorParent(1) : nullptr;
  const CGTmVector* pc = pb ? VectorParent(2) : nullptr;
  if (!pc) return false;
  const float *a = pa->m_vVector, *b = pb->m_vVector, *c = pc->m_vVector;
  return Finite(a[0] * b[1] * c[2] + a[1] * b[2] * c[0] + a[2] * b[0] * c[1] - a[1] * b[0] * c[2] -
                    a[2] * b[1] * c[0] - a[0] * b[2] * c[1],
                value);
}

bool CGTmVectorComponent::Measure(float& value) const {
  const CGTmVector* a = VectorParent(0);
  if (!a) return false;
  value = a->m_vVector[m_nAxis];
  return true;
}
