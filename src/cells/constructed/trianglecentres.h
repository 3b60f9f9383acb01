// Centres of the triangle of three points A, B, C (the parents, in that
// order): centroid, circumcentre, incentre, orthocentre and the excentre
// opposite B.  Each is worked out in single precision and is undefined
// while the triangle has no such centre (collinear or coincident corners).
#pragma once
#include "cells/primitives/constructedpoint.h"

// A point found from three defined points A, B, C (the parents, in that
// order) by a construction of the kind: the centres here, the bisector
// points of angle ABC elsewhere.
class CGVerOfTriangle : public CGConstructedPoint {
 public:
  // Writes the point of A, B, C to `out`; false when there is none.
  using Construction = bool (*)(const float A[3], const float B[3], const float C[3], float out[3]);

  // Undefined at the first undefined corner, without a solution, or when
  // the solution left the float range.
  void Recalculate() override;

 protected:
  explicit CGVerOfTriangle(Construction construction) : CGConstructedPoint(3), m_construction(construction) {}
  // Linked to the corners and placed at once.
  CGVerOfTriangle(WORD id, int slot, const QString& name, WORD a, WORD b, WORD c, Construction construction);

 private:
  Construction m_construction;
};

// The five centres, which describe themselves alike.
class CGVerTriangleCentre : public CGVerOfTriangle {
 public:
  // "△", the corners' names and the kind's suffix.
  QString GetDescription() override;

 protected:
  CGVerTriangleCentre(Construction centre, const char* suffix) : CGVerOfTriangle(centre), m_suffix(suffix) {}
  CGVerTriangleCentre(WORD id, int slot, const QString& name, WORD a, WORD b, WORD c, Construction centre,
                      const char* suffix)
      : CGVerOfTriangle(id, slot, name, a, b, c, centre), m_suffix(suffix) {}

 private:
  const char* m_suffix;
};

// (A + B + C) / 3.
class CGVerBarycenter : public CGVerTriangleCentre {
  DECLARE_SERIAL(CGVerBarycenter)

 public:
  CGVerBarycenter();
  CGVerBarycenter(WORD id, int slot, const QString& name, WORD a, WORD b, WORD c);
};

// The centre of the circle through A, B and C (the circumcentre).
class CGVerExcenter : public CGVerTriangleCentre {
  DECLARE_SERIAL(CGVerExcenter)

 public:
  CGVerExcenter();
  CGVerExcenter(WORD id, int slot, const QString& name, WORD a, WORD b, WORD c);
};

// The centre of the inscribed circle; defined for collinear distinct points
// too (it then lies on their line).
class CGVerIncenter : public CGVerTriangleCentre {
  DECLARE_SERIAL(CGVerIncenter)

 public:
  CGVerIncenter();
  CGVerIncenter(WORD id, int slot, const QString& name, WORD a, WORD b, WORD c);
};

// Where the altitudes meet.
class CGVerOrthocenter : public CGVerTriangleCentre {
  DECLARE_SERIAL(CGVerOrthocenter)

 public:
  CGVerOrthocenter();
  CGVerOrthocenter(WORD id, int slot, const QString& name, WORD a, WORD b, WORD c);
};

// The centre of the circle touching side AC and the extensions of AB and
// CB (the excentre opposite B).
class CGVerEscenter : public CGVerTriangleCentre {
  DECLARE_SERIAL(CGVerEscenter)

 public:
  CGVerEscenter();
  CGVerEscenter(WORD id, int slot, const QString& name, WORD a, WORD b, WORD c);
};
