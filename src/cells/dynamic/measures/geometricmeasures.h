// The measurements of the construction itself: distances of points, lines
// and planes, angles of lines, planes and three points, the area of a
// polygon and the volume of a tetrahedron.  A line is measured as the
// infinite line through its two points, whatever its kind; the plane of a
// face is that of its first three corners.  Values are floats; angles are
// held in radians.
#pragma once
#include "cells/dynamic/measures/measuredvalue.h"

// |P1P2|, all in single precision.
class CGTmVarDistancePP : public CGTmMeasure {
  DECLARE_SERIAL(CGTmVarDistancePP)
 public:
  CGTmVarDistancePP() = default;
  CGTmVarDistancePP(WORD id, WORD p1, WORD p2) : CGTmMeasure(id, {p1, p2}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};

// From P to the line AB in double precision; the distance to A when A and
// B (nearly) coincide.
class CGTmVarDistancePL : public CGTmMeasure {
  DECLARE_SERIAL(CGTmVarDistancePL)
 public:
  CGTmVarDistancePL() = default;
  CGTmVarDistancePL(WORD id, WORD point, WORD line) : CGTmMeasure(id, {point, line}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};

// From P to the plane of a face; the distance to the second corner when
// the first three corners are collinear.
class CGTmVarDistancePF : public CGTmMeasure {
  DECLARE_SERIAL(CGTmVarDistancePF)
 public:
  CGTmVarDistancePF() = default;
  CGTmVarDistancePF(WORD id, WORD point, WORD face) : CGTmMeasure(id, {point, face}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};

// Between two lines: the common perpendicular of skew lines, 0 for lines
// that meet, the gap of parallel ones.
class CGTmVarDistanceLL : public CGTmMeasure {
  DECLARE_SERIAL(CGTmVarDistanceLL)
 public:
  CGTmVarDistanceLL() = default;
  CGTmVarDistanceLL(WORD id, WORD line1, WORD line2) : CGTmMeasure(id, {line1, line2}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};

// Of two lines, 0 to 90 degrees (the absolute cosine).
class CGTmVarAngleLL : public CGTmAngleMeasure {
  DECLARE_SERIAL(CGTmVarAngleLL)
 public:
  CGTmVarAngleLL() = default;
  CGTmVarAngleLL(WORD id, WORD line1, WORD line2) : CGTmAngleMeasure(id, {line1, line2}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};

// Of a line and a plane, 0 to 90 degrees.
class CGTmVarAngleLF : public CGTmAngleMeasure {
  DECLARE_SERIAL(CGTmVarAngleLF)
 public:
  CGTmVarAngleLF() = default;
  CGTmVarAngleLF(WORD id, WORD line, WORD face) : CGTmAngleMeasure(id, {line, face}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};

// The dihedral angle of two faces, 0 to 180 degrees; reversing one face's
// corners gives the supplement.
class CGTmVarAngleFF : public CGTmAngleMeasure {
  DECLARE_SERIAL(CGTmVarAngleFF)
 public:
  CGTmVarAngleFF() = default;
  CGTmVarAngleFF(WORD id, WORD face1, WORD face2) : CGTmAngleMeasure(id, {face1, face2}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};

// P1 O P2 at the vertex O, 0 to 180 degrees.
class CGTmVarAngleP3 : public CGTmAngleMeasure {
  DECLARE_SERIAL(CGTmVarAngleP3)
 public:
  CGTmVarAngleP3() = default;
  CGTmVarAngleP3(WORD id, WORD p1, WORD vertex, WORD p2) : CGTmAngleMeasure(id, {p1, vertex, p2}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};

// The polygon's area as a fan from its first corner (exact for convex
// polygons); 0 below three corners.
class CGTmVarArea : public CGTmMeasure {
  DECLARE_SERIAL(CGTmVarArea)
 public:
  CGTmVarArea() = default;
  CGTmVarArea(WORD id, WORD face) : CGTmMeasure(id, {face}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};

// The tetrahedron's volume, in any order of its corners; 0 when coplanar.
class CGTmVarVolume : public CGTmMeasure {
  DECLARE_SERIAL(CGTmVarVolume)
 public:
  CGTmVarVolume() = default;
  CGTmVarVolume(WORD id, WORD p1, WORD p2, WORD p3, WORD p4) : CGTmMeasure(id, {p1, p2, p3, p4}) { Finish(); }
 protected:
  bool Measure(float& value) const override;
};
