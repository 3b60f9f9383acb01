#include "cells/dynamic/measures/pointreadings.h"

#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgline.h"
#include "model/cgvertex.h"

IMPLEMENT_SERIAL(CGTmVarCoordX, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarCoordY, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarCoordZ, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarPara, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarParaPInL, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarParaPInY, CGTmVariable)

bool CGTmCoordinateReading::Measure(float& value) const {
  const float* p = PointParent(0);
  if (!p) return false;
  value = p[m_nAxis];
  return true;
}

bool CGTmVarPara::Measure(float& value) const {
  return MeasureParent<CGVertex>(value, [](const CGVertex& point) { return point.m_fValue; });
}

namespace {
// The place of the point (parent 0) on the path (parent 1) when both are
// there and defined.
template <class Path>
bool PlaceOnPath(const CGTmMeasure& reading, const float* point, float (Path::*place)(const float*) const,
                 float& value) {
  const Path* path = reading.DefinedParentAs<Path>(1);
  if (!point || !path) return false;
  value = (path->*place)(point);
  return true;
}
}  // namespace

bool CGTmVarParaPInL::Measure(float& value) const {
  return PlaceOnPath(*this, PointParent(0), &CGLine::FootParameter, value);
}

bool CGTmVarParaPInY::Measure(float& value) const {
  return PlaceOnPath(*this, PointParent(0), &CGArc::GetAngleOfPoint, value);
}
