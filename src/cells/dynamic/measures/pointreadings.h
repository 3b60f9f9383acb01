// Readings of one point: a coordinate, the path parameter of a point bound
// to a path (the number animation buttons drive), and where a point lies
// along a line or round a circle or arc, as a fraction.
#pragma once
#include "cells/dynamic/measures/measuredvalue.h"

// x, y or z of a point (axis 0, 1, 2).
class CGTmCoordinateReading : public CGTmMeasure {
 protected:
  explicit CGTmCoordinateReading(int axis) : m_nAxis(axis) {}
  CGTmCoordinateReading(int axis, WORD id, WORD point) : CGTmMeasure(id, {point}), m_nAxis(axis) {}
  bool Measure(float& value) const override;

 private:
  int m_nAxis;
};

class CGTmVarCoordX : public CGTmCoordinateReading {
  DECLARE_SERIAL(CGTmVarCoordX)
 public:
  CGTmVarCoordX() : CGTmCoordinateReading(0) {}
  CGTmVarCoordX(WORD id, WORD point) : CGTmCoordinateReading(0, id, point) { Finish(); }
};

class CGTmVarCoordY : public CGTmCoordinateReading {
  DECLARE_SERIAL(CGTmVarCoordY)
 public:
  CGTmVarCoordY() : CGTmCoordinateReading(1) {}
  CGTmVarCoordY(WORD id, WORD point) : CGTmCoordinateReading(1, id, point) { Finish(); }
};

class CGTmVarCoordZ : public CGTmCoordinateReading {
  DECLARE_SERIAL(CGTmVarCoordZ)
 public:
  CGTmVarCoordZ() : CGTmCoordinateReading(2) {}
  CGTmVarCoordZ(WORD id, WORD point) : CGTmCoordinateReading(2, id, point) { Finish(); }
};

// The point's value word as it stands: the path parameter of a bound point.
class CGTmVarPara : public CGTmMeasure {
  DECLARE_SERIAL(CGTmVarPara)
 public:
  CGTmVarPara() = default;
  CGTmVarPara(WORD id, WORD point) : CGTmMeasure(id, {point}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};

// The parameter of the point's foot on the line (0 at A, 1 at B), kept
// within the segment or ray; 0 when A and B (nearly) coincide.
class CGTmVarParaPInL : public CGTmMeasure {
  DECLARE_SERIAL(CGTmVarParaPInL)
 public:
  CGTmVarParaPInL() = default;
  CGTmVarParaPInL(WORD id, WORD point, WORD line) : CGTmMeasure(id, {point, line}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};

// The fraction of the turn (circles, discs) or of the span (arcs, sectors,
// segments) at the point's direction about the centre; beyond an arc's
// ends, 1 or 0 by the nearer end.
class CGTmVarParaPInY : public CGTmMeasure {
  DECLARE_SERIAL(CGTmVarParaPInY)
 public:
  CGTmVarParaPInY() = default;
  CGTmVarParaPInY(WORD id, WORD point, WORD circle) : CGTmMeasure(id, {point, circle}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};
